#include "skin/controls/Frmmsnpopform.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/core/ScopedCount.h"
#include "framework/win/controls/Label.h"
#include "framework/win/forms/Timer.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/windowing/WindowClasses.h"
#include "skin/themes/Vskpublic.h"

#include <algorithm>
#include <cstdint>
#include <utility>

VSK_IMPLEMENT_CLASS(TfrmMSNPopForm)

void TfrmMSNPopForm::Publish(TPublisher<TfrmMSNPopForm>& p) {
    p.Handler("FormClick", &TfrmMSNPopForm::FormClick);
    p.Handler("lbl_titleClick", &TfrmMSNPopForm::lbl_titleClick);
    p.Handler("lbl_textClick", &TfrmMSNPopForm::lbl_textClick);
    p.Handler("Timer1Timer", &TfrmMSNPopForm::Timer1Timer);
}

namespace {
constexpr const char* BackgroundName = "MSNPOPFORM";
// Between the window's right edge and the work area's: clear of a vertical scroll bar of a maximised window.
constexpr int ScreenMargin = 18;
// The close box of the background picture, both corners included.
const TRect CloseBox(162, 6, 175, 19);
// The title line sits left of the close box, the message below the picture's title band.
constexpr int TextLeft = 10;
constexpr int TitleTop = 5;
constexpr int TitleHeight = 18;
constexpr int TitleRightGap = 30;
constexpr int MessageTop = 40;
constexpr int MessageRightGap = 20;
constexpr int MessageBottomGap = 50;
// Slides up into place, and down out of sight.
constexpr DWORD SlideInFlags = AW_SLIDE | AW_VER_NEGATIVE;
constexpr DWORD SlideOutFlags = AW_SLIDE | AW_HIDE | AW_VER_POSITIVE;

template<class T>
T* Bound(TComponent& Form, const char* Name) {
    T* Component = dynamic_cast<T*>(Form.FindComponent(Name));
    if (!Component) throw EComponentError(std::string("The notification's description lacks ") + Name);
    return Component;
}

// AnimateWindow draws the window from WM_PRINT into its own bitmap; afterwards the window and everything on
// it paint themselves again for real.
void InvalidateTree(TWinControl& Control) {
    Control.Invalidate();
    for (int I = 0; I < Control.ControlCount(); ++I)
        if (auto* Child = dynamic_cast<TWinControl*>(Control.Controls(I)))
            InvalidateTree(*Child);
        else
            Control.Controls(I)->Invalidate();
}
} // namespace

TfrmMSNPopForm::TfrmMSNPopForm(TComponent* AOwner) : TForm(AOwner) {
    // The picture covers every pixel: nothing to erase. The picture and the labels on it are drawn off-screen
    // and reach the window in one BitBlt.
    TControlStyle Style = ControlStyle();
    SetControlStyle(Style.Include(csOpaque));
    SetDoubleBuffered(true);
    ReadDescriptionResource(ProgramInstance());
    FBackground.LoadFromResourceName(ProgramInstance(), BackgroundName);
    SetClientWidth(FBackground.Width());
    SetClientHeight(FBackground.Height());
    PlaceAboveTaskBar();
    lbl_title->SetBounds(TextLeft, TitleTop, ClientWidth() - TitleRightGap, TitleHeight);
    lbl_text->SetBounds(TextLeft, MessageTop, ClientWidth() - MessageRightGap, ClientHeight() - MessageBottomGap);
}

TfrmMSNPopForm::~TfrmMSNPopForm() = default;

void TfrmMSNPopForm::PlaceAboveTaskBar() {
    const TRect Area = GetWorkAreaRect();
    SetBounds(Area.right - Width() - ScreenMargin, Area.bottom - Height(), Width(), Height());
}

void TfrmMSNPopForm::Loaded() {
    inherited::Loaded();
    lbl_title = Bound<TLabel>(*this, "lbl_title");
    lbl_text = Bound<TLabel>(*this, "lbl_text");
    Timer1 = Bound<TTimer>(*this, "Timer1");
}

// A bare pop-up of the desktop: no caption, no border, whatever the description's border style says. The
// description's tool-window and topmost styles keep it off the task bar and above other windows.
void TfrmMSNPopForm::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    Params.Style = WS_POPUP;
    Params.WndParent = ::GetDesktopWindow();
}

// Also what WM_PRINTCLIENT draws, which is how AnimateWindow sees the window's content while it slides.
void TfrmMSNPopForm::PaintWindow(HDC DC) {
    const TBitmapSourceDC Source(FBackground);
    ::BitBlt(DC, 0, 0, FBackground.Width(), FBackground.Height(), Source.Handle(), 0, 0, SRCCOPY);
}

// Every showing and hiding goes through Visible and ends here: by AnimateWindow while a slide is under way
// (falling back to an instant change where the system cannot animate), at once otherwise, and never
// activating the window, which would take the focus from whatever the user is doing.
void TfrmMSNPopForm::UpdateShowing() {
    if (IsLoading() || (!Visible() && !HandleAllocated())) return;
    const HWND Window = Handle();
    if ((::IsWindowVisible(Window) != FALSE) == Visible()) return;
    if (FSlideFlags && ::AnimateWindow(Window, static_cast<DWORD>(std::max(FAnimateTime, 0)), FSlideFlags)) return;
    ::ShowWindow(Window, Visible() ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void TfrmMSNPopForm::Slide(DWORD Flags) {
    const TScopedCount Busy(FBusy);
    FSlideFlags = Flags;
    try {
        SetVisible((Flags & AW_HIDE) == 0);
    } catch (...) {
        FSlideFlags = 0;
        throw;
    }
    FSlideFlags = 0;
}

void TfrmMSNPopForm::MakeTopmost() {
    ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void TfrmMSNPopForm::SlideIn() {
    MakeTopmost();
    Slide(SlideInFlags);
    InvalidateTree(*this);
    FShownAt = FTickSource();
}

void TfrmMSNPopForm::HideWindow() {
    if (!Visible()) {
        FClosedByBox = false;
        return;
    }
    if (std::exchange(FClosedByBox, false)) {
        SetVisible(false);
    } else {
        MakeTopmost();
        Slide(SlideOutFlags);
    }
    Raise(OnHidden);
}

void TfrmMSNPopForm::CloseWindow() {
    Timer1->SetEnabled(false);
    HideWindow();
}

// The hook is copied first: a handler that destroys the component clears the hooks while it runs.
void TfrmMSNPopForm::Raise(const TNotifyEvent& Hook) {
    const TScopedCount Busy(FBusy);
    const TNotifyEvent Copy = Hook;
    Copy(this);
}

void TfrmMSNPopForm::Detach() {
    OnWindowClick.Clear();
    OnTitleClick.Clear();
    OnHidden.Clear();
    Timer1->SetEnabled(false);
    FClosedByBox = false;
    FSlideFlags = 0;
    SetVisible(false);
}

// The tick count wraps after 49.7 days; a count that went backwards ends the stay rather than prolonging it.
void TfrmMSNPopForm::Timer1Timer(TObject*) {
    const std::int64_t Elapsed = std::int64_t{FTickSource()} - std::int64_t{FShownAt};
    if (Elapsed < FStayTime && Elapsed >= 0) return;
    Timer1->SetEnabled(false);
    HideWindow();
}

// A press on the close box hides the window at once. The press ends there: no click may follow on a
// window that has gone.
void TfrmMSNPopForm::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    inherited::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !InRect(X, Y, CloseBox)) return;
    SetMouseCapture(false);
    TControlState State = ControlState();
    SetControlState(State.Exclude(csClicked));
    FClosedByBox = true;
    Timer1->SetEnabled(false);
    HideWindow();
}

// Any click on the window, its title included, hides it when ClickHide is set: the labels cover most of it.
void TfrmMSNPopForm::Clicked(const TNotifyEvent& Hook) {
    Raise(Hook);
    if (!FClickHide) return;
    Timer1->SetEnabled(false);
    HideWindow();
}

void TfrmMSNPopForm::FormClick(TObject*) {
    Clicked(OnWindowClick);
}

void TfrmMSNPopForm::lbl_textClick(TObject*) {
    Clicked(OnWindowClick);
}

void TfrmMSNPopForm::lbl_titleClick(TObject*) {
    Clicked(OnTitleClick);
}
