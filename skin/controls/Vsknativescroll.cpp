#include "skin/controls/Vsknativescroll.h"

#include "framework/win/graphics/ColorConversion.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/HandleOwners.h"
#include "framework/win/windowing/Messages.h"
#include "skin/controls/Vskscrollbar.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

// The skinned bar lies over the native one: one pixel in from the host's edges along the axis, two across
// (inside the host's border).
constexpr int AlongInset = 1;
constexpr int AcrossInset = 2;
// The range a released bar returns to.
constexpr int NeutralMax = 100;

// Messages that scroll the control or change what it holds.
constexpr UINT ScrollingMessages[] = {
    WM_VSCROLL,    WM_HSCROLL,    WM_KEYDOWN,     WM_CHAR,           WM_MOUSEWHEEL,  CM_ENABLEDCHANGED,
    WM_DELETEITEM, WM_CUT,        WM_PASTE,       WM_CLEAR,          WM_UNDO,        WM_SETTEXT,
    EM_REPLACESEL, EM_LINESCROLL, EM_SCROLLCARET, LVM_INSERTITEMA,   LVM_DELETEITEM, LVM_DELETEALLITEMS,
    LVM_SCROLL,    LVM_ENSUREVISIBLE,
};

} // namespace

// A bar that is hidden or disabled in any way counts as dead, whatever other state bits it has.
TvskNativeBar ReadNativeBar(HWND Window, TvskProgressBarOrientation Axis) {
    TvskNativeBar Result;
    SCROLLBARINFO Bar{};
    Bar.cbSize = sizeof(Bar);
    if (::GetScrollBarInfo(Window, Axis == vskVertical ? OBJID_VSCROLL : OBJID_HSCROLL, &Bar)) {
        Result.Alive = (Bar.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE)) == 0;
        Result.ThumbLength = std::abs(Bar.xyThumbBottom - Bar.xyThumbTop);
    }
    SCROLLINFO Info{};
    Info.cbSize = sizeof(Info);
    Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    if (::GetScrollInfo(Window, Axis == vskVertical ? SB_VERT : SB_HORZ, &Info)) {
        // Without a page the thumb can reach nMax itself.
        const std::int64_t Page = std::max<std::int64_t>(Info.nPage, 1);
        Result.Min = Info.nMin;
        Result.Max = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{Info.nMax} - Page + 1,
                                                                std::numeric_limits<int>::min(),
                                                                std::numeric_limits<int>::max()));
        Result.Position = Info.nPos;
    }
    return Result;
}

void CopyNativeBar(TvskScrollBar& Bar, const TvskNativeBar& Native, bool Showable, bool KeepDeadShown) {
    Bar.SetLineButton(Native.Alive ? Native.ThumbLength : 0);
    Bar.SetEnabled(Native.Alive);
    Bar.SetSliderVisible(Native.Alive);
    Bar.SetVisible(Showable && (Native.Alive || KeepDeadShown));
    Bar.SetRange(Native.Min, Native.Max);
    Bar.SetPosition(Native.Position);
}

bool HostHoldsBar(const TRect& Host, const TvskScrollBar& Bar, TvskProgressBarOrientation Axis) {
    return Axis == vskVertical ? Host.Width() >= Bar.Width() : Host.Height() >= Bar.Height();
}

void PlaceHostedBar(TvskScrollBar& Bar, const TRect& Host, TvskProgressBarOrientation Axis, int OtherThickness) {
    if (Axis == vskVertical) {
        const int Length = std::max(Host.Height() - 2 * AlongInset - OtherThickness, 0);
        Bar.SetBounds(Host.right - Bar.Width() - AcrossInset, Host.top + AlongInset, Bar.Width(), Length);
    } else {
        const int Length = std::max(Host.Width() - 2 * AlongInset - OtherThickness, 0);
        Bar.SetBounds(Host.left + AlongInset, Host.bottom - Bar.Height() - AcrossInset, Length, Bar.Height());
    }
}

void PaintBarsCorner(HWND Host, const TvskScrollBar* Vertical, const TvskScrollBar* Horizontal) {
    if (!Vertical || !Horizontal || !Vertical->Visible() || !Horizontal->Visible()) return;
    RECT Window;
    ::GetWindowRect(Host, &Window);
    const int Right = Window.right - Window.left - AcrossInset;
    const int Bottom = Window.bottom - Window.top - AcrossInset;
    const TRect Corner(Right - Vertical->Width(), Bottom - Horizontal->Height(), Right, Bottom);
    const TWindowDC DC(Host, TWindowDC::waWholeWindow);
    const TBrushHandle Brush(::CreateSolidBrush(ColorToRGB(Vertical->Color())));
    ::FillRect(DC.Handle(), &Corner, Brush.Get());
}

void ReleaseHostedBar(TvskScrollBar& Bar) {
    Bar.OnChange = nullptr;
    Bar.SetLineButton(0);
    Bar.SetMax(NeutralMax);
    Bar.SetEnabled(true);
    Bar.SetSliderVisible(true);
}

bool MayScroll(UINT Msg) {
    return std::find(std::begin(ScrollingMessages), std::end(ScrollingMessages), Msg) != std::end(ScrollingMessages);
}
