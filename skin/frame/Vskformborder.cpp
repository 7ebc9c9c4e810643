#include "skin/frame/Vskformborder.h"

#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/ScopedGuards.h"

namespace {

void FillArea(TCanvas& Canvas, const TRect& Rect, TColor Color) {
    Canvas.Brush().SetStyle(bsSolid);
    Canvas.Brush().SetColor(Color);
    Canvas.FillRect(Rect);
}

// The title band as the title bar lays it out, but in window coordinates, clipped to Clip.
void DrawTitleImages(TCanvas& Canvas, const TvskFrameLook& Look, const TRect& Clip) {
    const HDC DC = Canvas.Handle();
    TSaveDCGuard Saved(DC);
    ::IntersectClipRect(DC, Clip.left, Clip.top, Clip.right, Clip.bottom);
    const int RightLeft = Look.Width - Look.Right->Width();
    Canvas.Draw(0, 0, *Look.Left);
    Canvas.Draw(RightLeft, 0, *Look.Right);
    Canvas.StretchDraw(TRect(Look.Left->Width(), 0, RightLeft, Look.Center->Height()), *Look.Center);
}

void OutlineRoundCorners(TCanvas& Canvas, const TvskFrameLook& Look) {
    constexpr int R = VskOutlinedCorner;
    const int W = Look.Width;
    Canvas.Pen().SetStyle(psSolid);
    Canvas.Pen().SetWidth(1);
    Canvas.Pen().SetColor(Look.BorderColor);
    Canvas.Arc(W - 2 * R + 1, -1, W + 1, 2 * R - 1, W + 1, R - 1, W - R + 1, -1);
    Canvas.Arc(-1, -1, 2 * R - 1, 2 * R - 1, R - 1, -1, -1, R - 1);
}

} // namespace

void VskPaintFormFrame(TCanvas& Canvas, const TvskFrameLook& Look) {
    const int W = Look.Width;
    const int H = Look.Height;
    const int B = Look.BorderWidth;
    constexpr int F = VskFrameSize;
    FillArea(Canvas, TRect(0, 0, B, H), Look.BorderColor);
    FillArea(Canvas, TRect(0, H - B, W, H), Look.BorderColor);
    FillArea(Canvas, TRect(W - B, 0, W, H), Look.BorderColor);
    const bool Ring = B < VskFullBorderWidth;
    if (Ring) {
        const int T = Look.TitleVisible ? Look.TitleHeight : 0;
        FillArea(Canvas, TRect(B, T, F, H - B), Look.Color);
        FillArea(Canvas, TRect(B, H - F, W - B, H - B), Look.Color);
        FillArea(Canvas, TRect(W - F, T, W - B, H - B), Look.Color);
        if (Look.MenuBarVisible) {
            const int Top = Look.TitleHeight + F;
            FillArea(Canvas, TRect(B, Top, F, Top + Look.MenuBarHeight), Look.MenuBarColor);
            FillArea(Canvas, TRect(W - F, Top, W - B, Top + Look.MenuBarHeight), Look.MenuBarColor);
        }
    }
    if (Look.TitleVisible) {
        if (!Ring || !Look.Left || !Look.Right || !Look.Center) return;
        DrawTitleImages(Canvas, Look, TRect(B, 0, F, Look.Left->Height()));
        DrawTitleImages(Canvas, Look, TRect(W - F, 0, W - B, Look.Right->Height()));
        DrawTitleImages(Canvas, Look, TRect(F, 0, W - F, F));
        if (B == 1 && Look.RoundCorner == VskOutlinedCorner) OutlineRoundCorners(Canvas, Look);
    } else {
        // Without a title bar a one-pixel top border closes the frame, whatever the border's width.
        FillArea(Canvas, TRect(0, 0, W, 1), Look.BorderColor);
        FillArea(Canvas, TRect(B, 1, W - B, F), Look.Color);
    }
}

TRegionHandle VskFormRegion(int Width, int Height, int RoundCorner) {
    const int R = RoundCorner;
    TRegionHandle Region(::CreateRoundRectRgn(0, 0, Width + 1, Height + 1, R, R));
    const TRegionHandle LeftSquare(::CreateRectRgn(0, Height - 2 * R, 2 * R, Height));
    const TRegionHandle RightSquare(::CreateRectRgn(Width - 2 * R, Height - 2 * R, Width, Height));
    ::CombineRgn(Region.Get(), Region.Get(), LeftSquare.Get(), RGN_OR);
    ::CombineRgn(Region.Get(), Region.Get(), RightSquare.Get(), RGN_OR);
    return Region;
}
