#include "skin/frame/Vskframewindow.h"

#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "skin/frame/Vsktitlebar.h"
#include "skin/themes/Vskpublic.h"
#include "skin/themes/Vskthemesource.h"

namespace {

constexpr DWORD CaptionBits = WS_CAPTION;
// Recompute the frame, and nothing else.
constexpr UINT FrameChangedFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

constexpr TColor BlueMenuBarMark = 0x20000;
constexpr TColor BlueMenuBarColor = 0xAC5B3B;
constexpr TColor SteelMenuBarMark = 0x30000;
constexpr TColor SteelMenuBarColor = 0x996733;

} // namespace

void VskSetCaptionBits(HWND Window, bool On) {
    const LONG_PTR Style = ::GetWindowLongPtrA(Window, GWL_STYLE);
    const LONG_PTR Wanted = On ? (Style | CaptionBits) : (Style & ~static_cast<LONG_PTR>(CaptionBits));
    if (Wanted == Style) return;
    ::SetWindowLongPtrA(Window, GWL_STYLE, Wanted);
    ::SetWindowPos(Window, nullptr, 0, 0, 0, 0, FrameChangedFlags);
}

// The frame is painted straight into the window's own DC: it lies outside every client area, where no
// off-screen paint of a control reaches.
void VskPaintWindowFrame(HWND Window, TvskFrameLook Look, const TvskTitleBar* TitleBar) {
    RECT Bounds;
    ::GetWindowRect(Window, &Bounds);
    Look.Width = Bounds.right - Bounds.left;
    Look.Height = Bounds.bottom - Bounds.top;
    Look.TitleHeight = TitleBar ? TitleBar->Height() : 0;
    if (TitleBar && TitleBar->CanPaint()) {
        Look.Left = TitleBar->GetLeftImage();
        Look.Right = TitleBar->GetRightImage();
        Look.Center = TitleBar->GetCenterImage();
    }
    TWindowDC DC(Window, TWindowDC::waWholeWindow);
    TCanvas Canvas;
    Canvas.SetHandle(DC.Handle());
    VskPaintFormFrame(Canvas, Look);
    Canvas.SetHandle(nullptr);
}

void VskShapeWindow(HWND Window, int RoundCorner) {
    RECT Bounds;
    ::GetWindowRect(Window, &Bounds);
    TRegionHandle Region = VskFormRegion(Bounds.right - Bounds.left, Bounds.bottom - Bounds.top, RoundCorner);
    // The window owns the region from here on.
    ::SetWindowRgn(Window, Region.Release(), TRUE);
}

TColor VskThemeMenuBandColor(const TvskThemeSource& Theme) {
    if (!Theme.FromFile()) return clNone;
    const TColor Mark = Theme.Color(VSK_THEME_CONTROL_FONT_COLOR);
    if (Mark == BlueMenuBarMark) return BlueMenuBarColor;
    if (Mark == SteelMenuBarMark) return SteelMenuBarColor;
    return clNone;
}
