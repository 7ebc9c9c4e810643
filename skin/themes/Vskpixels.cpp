#include "skin/themes/Vskpixels.h"

#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/ScopedGuards.h"

void CopyBitmapRect(TBitmap& Dest, const TRect& DestRect, const TBitmap& Source, const TRect& SourceRect) {
    const TBitmapSourceDC SourceDC(Source);
    const HDC DestDC = Dest.Canvas().Handle();
    const TStretchModeGuard Mode(DestDC, COLORONCOLOR);
    ::StretchBlt(DestDC, DestRect.left, DestRect.top, DestRect.Width(), DestRect.Height(), SourceDC.Handle(),
                 SourceRect.left, SourceRect.top, SourceRect.Width(), SourceRect.Height(), SRCCOPY);
}

COLORREF BitmapPixel(const TBitmap& Bmp, int X, int Y) {
    const std::uint8_t* Pixel = Bmp.ScanLine(Y) + X * Bmp.BytesPerPixel();
    return RGB(Pixel[2], Pixel[1], Pixel[0]);
}
