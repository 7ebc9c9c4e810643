#include "tests/support/Pixels.h"

#include <algorithm>
#include <cstdint>

namespace {
// A pixel's bytes are blue, green, red (and a fourth one in 32-bit bitmaps).
constexpr int BlueByte = 0;
constexpr int GreenByte = 1;
constexpr int RedByte = 2;

void Store(std::uint8_t* Pixel, TColor Color) {
    Pixel[BlueByte] = GetBValue(Color);
    Pixel[GreenByte] = GetGValue(Color);
    Pixel[RedByte] = GetRValue(Color);
}
} // namespace

TColor PixelAt(const TBitmap& Bitmap, int X, int Y) {
    const std::uint8_t* Pixel = Bitmap.ScanLine(Y) + X * Bitmap.BytesPerPixel();
    return RGB(Pixel[RedByte], Pixel[GreenByte], Pixel[BlueByte]);
}

void PutPixel(TBitmap& Bitmap, int X, int Y, TColor Color) {
    Store(Bitmap.ScanLine(Y) + X * Bitmap.BytesPerPixel(), Color);
}

// Row by row: each ScanLine call finishes pending drawing first, which is too slow to do per pixel for the
// stress tests that fill a window-sized picture a thousand times.
void Fill(TBitmap& Bitmap, TColor Color) {
    const int Step = Bitmap.BytesPerPixel();
    for (int Y = 0; Y < Bitmap.Height(); ++Y) {
        std::uint8_t* Row = Bitmap.ScanLine(Y);
        for (int X = 0; X < Bitmap.Width(); ++X)
            Store(Row + X * Step, Color);
    }
}

bool AreaIs(const TBitmap& Bitmap, const TRect& Rect, TColor Color) {
    for (int Y = Rect.top; Y < Rect.bottom; ++Y)
        for (int X = Rect.left; X < Rect.right; ++X)
            if (PixelAt(Bitmap, X, Y) != Color) return false;
    return true;
}

bool AreaHas(const TBitmap& Bitmap, const TRect& Rect, TColor Color) {
    return RightmostOf(Bitmap, Rect, Color) >= 0;
}

int RightmostOf(const TBitmap& Bitmap, const TRect& Rect, TColor Color) {
    int Right = -1;
    for (int Y = Rect.top; Y < Rect.bottom; ++Y)
        for (int X = Rect.left; X < Rect.right; ++X)
            if (PixelAt(Bitmap, X, Y) == Color) Right = std::max(Right, X);
    return Right;
}

namespace {
// The smallest rectangle holding every pixel whose colour Counts.
template<class F>
TRect BoundsWhere(const TBitmap& Bitmap, F Counts) {
    TRect Bounds(Bitmap.Width(), Bitmap.Height(), 0, 0);
    for (int Y = 0; Y < Bitmap.Height(); ++Y)
        for (int X = 0; X < Bitmap.Width(); ++X)
            if (Counts(PixelAt(Bitmap, X, Y))) {
                Bounds.left = std::min<LONG>(Bounds.left, X);
                Bounds.top = std::min<LONG>(Bounds.top, Y);
                Bounds.right = std::max<LONG>(Bounds.right, X + 1);
                Bounds.bottom = std::max<LONG>(Bounds.bottom, Y + 1);
            }
    return Bounds.IsEmpty() ? TRect() : Bounds;
}
} // namespace

TRect InkBounds(const TBitmap& Bitmap, TColor Background) {
    return BoundsWhere(Bitmap, [Background](TColor Pixel) { return Pixel != Background; });
}

TRect ColorBounds(const TBitmap& Bitmap, TColor Color) {
    return BoundsWhere(Bitmap, [Color](TColor Pixel) { return Pixel == Color; });
}

bool SameArea(const TBitmap& A, const TRect& Area, const TBitmap& B) {
    for (int Y = 0; Y < Area.Height(); ++Y)
        for (int X = 0; X < Area.Width(); ++X)
            if (PixelAt(A, Area.left + X, Area.top + Y) != PixelAt(B, X, Y)) return false;
    return true;
}

bool SameImages(const TBitmap& A, const TBitmap& B) {
    return SameArea(A, TRect(0, 0, A.Width(), A.Height()), B);
}
