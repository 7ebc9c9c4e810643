#include "skin/themes/Vskpublic.h"

#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/ColorConversion.h"
#include "framework/win/graphics/ImageList.h"
#include "framework/win/graphics/Picture.h"
#include "skin/themes/Vskpixels.h"

#include <cstring>
#include <memory>

namespace {

constexpr int HorizontalSlices = 3;
enum THorizontalSlice { hsLeft, hsMiddle, hsRight };

// Turns Bmp a quarter: Place maps a source pixel (X, Y) of a W x H image to its place in the H x W result.
template<class TPlace>
void QuarterTurn(TBitmap& Bmp, TPlace Place) {
    const int Width = Bmp.Width(), Height = Bmp.Height();
    if (Bmp.Empty()) return;
    TBitmap Turned(Height, Width, Bmp.PixelFormat());
    const int Bytes = Bmp.BytesPerPixel();
    for (int Y = 0; Y < Height; ++Y) {
        const std::uint8_t* Row = Bmp.ScanLine(Y);
        for (int X = 0; X < Width; ++X) {
            const TPoint To = Place(X, Y, Width, Height);
            std::memcpy(Turned.ScanLine(To.y) + To.x * Bytes, Row + X * Bytes, static_cast<std::size_t>(Bytes));
        }
    }
    Bmp.SetSize(Height, Width);
    for (int Y = 0; Y < Width; ++Y)
        std::memcpy(Bmp.ScanLine(Y), Turned.ScanLine(Y), static_cast<std::size_t>(Height * Bytes));
}

} // namespace

void SpitBitmap(const TBitmap& Source, TBitmap& Dest, int SpitCount, int SpitIndex) {
    // A count below 1 (a theme's own numbers can say anything) cuts no frame: Dest ends up empty.
    const int FrameWidth = SpitCount > 0 ? Source.Width() / SpitCount : 0, Height = Source.Height();
    // Through a bitmap of its own, so that Source and Dest may be one bitmap.
    TBitmap Frame(FrameWidth, Height);
    if (!Frame.Empty())
        CopyBitmapRect(Frame, TRect(0, 0, FrameWidth, Height), Source,
                       TRect(FrameWidth * (SpitIndex - 1), 0, FrameWidth * SpitIndex, Height));
    Dest.SetSize(Frame.Width(), Frame.Height()); // one step: an empty bitmap forgets a lone height
    if (!Dest.Empty()) CopyBitmapRect(Dest, TRect(0, 0, FrameWidth, Height), Frame, TRect(0, 0, FrameWidth, Height));
}

void SpitDrawHorizontal(const TBitmap& Bmp, TCanvas& Canvas, const TRect& Rect, bool Transparent) {
    const int SliceWidth = Bmp.Width() / HorizontalSlices;
    if (SliceWidth <= 0 || Bmp.Height() <= 0) return;
    const TColor Mask = Transparent ? BitmapPixel(Bmp, 0, 0) : VskMaskColor;
    const auto Slices = std::make_unique<TImageList>(nullptr, SliceWidth, Bmp.Height());
    Slices->AddMasked(Bmp, Mask);
    Slices->Draw(Canvas, Rect.left, Rect.top, hsLeft);
    Slices->Draw(Canvas, Rect.right - SliceWidth, Rect.top, hsRight);
    TBitmap Middle;
    Slices->GetBitmap(hsMiddle, Middle);
    Canvas.StretchDraw(TRect(Rect.left + SliceWidth, Rect.top, Rect.right - SliceWidth, Rect.bottom), Middle);
}

void TileDraw(TCanvas& Canvas, const TPicture& Picture, const TRect& Rect) {
    const int TileWidth = Picture.Width(), TileHeight = Picture.Height();
    if (TileWidth <= 0 || TileHeight <= 0) return;
    for (int X = 0; X < TileWidth + Rect.Width(); X += TileWidth)
        for (int Y = 0; Y < TileHeight + Rect.Height(); Y += TileHeight)
            Canvas.Draw(X, Y, *Picture.Graphic());
}

void RoundPicture(TBitmap& Bmp) {
    QuarterTurn(Bmp, [](int X, int Y, int Width, int) { return TPoint(Y, Width - 1 - X); });
}

void RoundPicture3(TBitmap& Bmp) {
    QuarterTurn(Bmp, [](int X, int Y, int, int Height) { return TPoint(Height - 1 - Y, X); });
}

void SetBitmapWindow(HWND Window, const TBitmap& Bmp, TColor TransparentColor) {
    const COLORREF Clear = ColorToRGB(TransparentColor);
    TRegionHandle Shape(::CreateRectRgn(0, 0, 0, 0));
    for (int Y = 0; Y < Bmp.Height(); ++Y) {
        const auto Solid = [&](int X) { return BitmapPixel(Bmp, X, Y) != Clear; };
        for (int X = 0; X < Bmp.Width(); ++X) {
            if (!Solid(X)) continue;
            const int RunStart = X;
            while (X + 1 < Bmp.Width() && Solid(X + 1))
                ++X;
            const TRegionHandle Run(::CreateRectRgn(RunStart, Y, X + 1, Y + 1));
            ::CombineRgn(Shape.Get(), Shape.Get(), Run.Get(), RGN_OR);
        }
    }
    ::SetWindowRgn(Window, Shape.Release(), TRUE);
}

bool InRect(const TPoint& Point, const TRect& Rect) {
    return InRect(Point.x, Point.y, Rect);
}

bool InRect(int X, int Y, const TRect& Rect) {
    return X >= Rect.left && X <= Rect.right && Y >= Rect.top && Y <= Rect.bottom;
}

std::string PCharToStr(const char* Text) {
    return Text ? std::string(Text) : std::string();
}
