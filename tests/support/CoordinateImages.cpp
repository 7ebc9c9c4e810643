#include "tests/support/CoordinateImages.h"

#include "tests/support/Pixels.h"

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
