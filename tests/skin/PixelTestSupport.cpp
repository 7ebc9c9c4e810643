#include "PixelTestSupport.h"

TColor PixelAt(const TBitmap& Bitmap, int X, int Y) {
    const std::uint8_t* Pixel = Bitmap.ScanLine(Y) + X * Bitmap.BytesPerPixel();
    return RGB(Pixel[2], Pixel[1], Pixel[0]);
}

void PutPixel(TBitmap& Bitmap, int X, int Y, TColor Color) {
    std::uint8_t* Pixel = Bitmap.ScanLine(Y) + X * Bitmap.BytesPerPixel();
    Pixel[0] = GetBValue(Color);
    Pixel[1] = GetGValue(Color);
    Pixel[2] = GetRValue(Color);
}

void Fill(TBitmap& Bitmap, TColor Color) {
    for (int Y = 0; Y < Bitmap.Height(); ++Y)
        for (int X = 0; X < Bitmap.Width(); ++X)
            PutPixel(Bitmap, X, Y, Color);
}

bool AreaIs(const TBitmap& Bitmap, const TRect& Rect, TColor Color) {
    for (int Y = Rect.top; Y < Rect.bottom; ++Y)
        for (int X = Rect.left; X < Rect.right; ++X)
            if (PixelAt(Bitmap, X, Y) != Color) return false;
    return true;
}

TBitmap& MakeCoordinateImage(TBitmap& Bitmap, int Width, int Height) {
    Bitmap.SetSize(Width, Height);
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Width; ++X)
            PutPixel(Bitmap, X, Y, RGB(X, Y, CoordinateBlue));
    return Bitmap;
}

std::optional<TPoint> SourceOf(TColor Color) {
    if (GetBValue(Color) != CoordinateBlue) return std::nullopt;
    return TPoint(GetRValue(Color), GetGValue(Color));
}
