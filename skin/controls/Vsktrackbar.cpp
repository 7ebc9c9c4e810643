#include "skin/controls/Vsktrackbar.h"

#include "framework/core/Properties.h"
#include "framework/win/forms/Form.h"
#include "framework/win/forms/Timer.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Picture.h"
#include "skin/controls/Vskimagepanel.h"
#include "skin/themes/Vskpublic.h"

#include <algorithm>
#include <limits>

VSK_IMPLEMENT_CLASS(TvskTrackBar)
VSK_IMPLEMENT_CLASS(TvskScrollTrackBar)

void TvskTrackBar::Publish(TPublisher<TvskTrackBar>& p) {
    p.Int("Min", &TvskTrackBar::Min, &TvskTrackBar::SetMin).Default(0);
    p.Int("Max", &TvskTrackBar::Max, &TvskTrackBar::SetMax).Default(10);
    p.Int("Position", &TvskTrackBar::Position, &TvskTrackBar::SetPosition).Default(0);
    p.Int("PageSize", &TvskTrackBar::PageSize, &TvskTrackBar::SetPageSize).Default(2);
    p.Int("LineSize", &TvskTrackBar::LineSize, &TvskTrackBar::SetLineSize).Default(1);
    p.Enum("Orientation", &TvskTrackBar::Orientation, &TvskTrackBar::SetOrientation, TvskProgressBarOrientationInfo)
        .Default(vskHorizontal);
    p.Event("OnChange", &TvskTrackBar::OnChange);
}

void TvskScrollTrackBar::Publish(TPublisher<TvskScrollTrackBar>& p) {
    p.Int("Max", &TvskScrollTrackBar::Max, &TvskScrollTrackBar::SetMax).Default(100);
    p.Bool("TabStop", &TvskScrollTrackBar::TabStop, &TvskScrollTrackBar::SetTabStop).Default(false);
}

namespace {

constexpr int ScrollTrackMax = 100;

int ClampToInt(std::int64_t Value) {
    return static_cast<int>(
        std::clamp<std::int64_t>(Value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Num / Den rounded to the nearest integer, halves to the even one; Den > 0, Num of either sign.
std::int64_t RoundHalfEven(std::int64_t Num, std::int64_t Den) {
    std::int64_t Quotient = Num / Den;
    std::int64_t Remainder = Num % Den;
    if (Remainder < 0) {
        --Quotient;
        Remainder += Den;
    }
    const std::int64_t Twice = 2 * Remainder;
    if (Twice > Den || (Twice == Den && Quotient % 2 != 0)) ++Quotient;
    return Quotient;
}

} // namespace

TvskTrackBar::TvskTrackBar(TComponent* AOwner) : inherited(AOwner) {
    SetControlStyle(ControlStyle() - TControlStyle{csAcceptsControls, csSetCaption});
    SetBevelOuter(bvNone);
    SetTabStop(true);
    SetParentColor(true);
    FSlider = new TvskImagePanel(this);
    // The thumb hands its press to the track, which takes the capture for the drag itself.
    FSlider->SetControlStyle(FSlider->ControlStyle() - TControlStyle{csCaptureMouse, csSetCaption});
    FSlider->SetParent(this);
    FSlider->SetAutoSize(true);
    FSlider->OnMouseDown.Bind(this, &TvskTrackBar::SliderMouseDown);
}

TvskTrackBar::~TvskTrackBar() = default;

void TvskTrackBar::Destroying() {
    StopTracking();
    inherited::Destroying();
}

// Range and position --------------------------------------------------------------------------------------

void TvskTrackBar::SetMin(int Value) {
    if (Value == FMin) return;
    FMin = std::min(Value, FMax);
    MoveTo(FPosition);
}

void TvskTrackBar::SetMax(int Value) {
    if (Value == FMax) return;
    FMax = std::max(Value, FMin);
    MoveTo(FPosition);
}

void TvskTrackBar::SetRange(int AMin, int AMax) {
    FMin = AMin;
    FMax = std::max(AMin, AMax);
    MoveTo(FPosition);
}

void TvskTrackBar::SetPosition(int Value) {
    MoveTo(Value);
}

void TvskTrackBar::MoveTo(std::int64_t Value) {
    FPosition = static_cast<int>(std::clamp<std::int64_t>(Value, FMin, FMax));
    UpdateSlider();
}

// A page as large as the whole range still makes sense (one step to either end), also for ranges below 0.
void TvskTrackBar::SetPageSize(int Value) {
    const std::int64_t Largest = std::max<std::int64_t>(FMax, std::int64_t{FMax} - FMin);
    if (Value < 0 || Value > Largest) return;
    FPageSize = Value;
}

void TvskTrackBar::SetOrientation(TvskProgressBarOrientation Value) {
    if (Value == FOrientation) return;
    FOrientation = Value;
    UpdateControl();
}

// The position is reported after the thumb has moved, so that a handler reading the thumb sees it in place;
// FLastPosition is taken first, so that a handler that moves the bar again reports its own change.
void TvskTrackBar::UpdateSlider() {
    PlaceControl(*FSlider, GetSliderPosFromPosition());
    Invalidate();
    if (FPosition == FLastPosition) return;
    FLastChange = ClampToInt(std::int64_t{FPosition} - FLastPosition);
    FLastPosition = FPosition;
    OnChange(this);
}

// Geometry ----------------------------------------------------------------------------------------------------

int TvskTrackBar::AxisLength() const {
    return Vertical() ? Height() : Width();
}

int TvskTrackBar::SliderLength() const {
    return Vertical() ? FSlider->Height() : FSlider->Width();
}

TPoint TvskTrackBar::GetSliderPosFromPosition() const {
    const int Cross = Vertical() ? Width() : Height();
    const int SliderCross = Vertical() ? FSlider->Width() : FSlider->Height();
    const int Across = std::max(Cross - SliderCross, 0) / 2;
    const std::int64_t Room = AxisLength() - SliderLength();
    int AlongAxis = 0;
    if (FMax != FMin && Room > 0)
        AlongAxis = static_cast<int>((std::int64_t{FPosition} - FMin) * Room / (std::int64_t{FMax} - FMin));
    return Vertical() ? TPoint{Across, AlongAxis} : TPoint{AlongAxis, Across};
}

int TvskTrackBar::GetPositionFromSliderPos(int AlongAxis) const {
    const std::int64_t Room = AxisLength() - SliderLength();
    if (Room <= 0) return FMin;
    const std::int64_t Offset = (std::int64_t{AlongAxis} - SliderLength() / 2) * (std::int64_t{FMax} - FMin);
    return static_cast<int>(std::clamp<std::int64_t>(RoundHalfEven(Offset, Room) + FMin, FMin, FMax));
}

void TvskTrackBar::SetSliderImage(const TBitmap& Image) {
    FSlider->Picture()->SetGraphic(&Image);
    UpdateControl();
}

bool TvskTrackBar::SliderVisible() const {
    return FSlider->Visible();
}

void TvskTrackBar::SetSliderVisible(bool Value) {
    if (Value != FSlider->Visible()) FSlider->SetVisible(Value);
}

// The track is as thick as its thumb; its length is its parent's business.
void TvskTrackBar::UpdateControl() {
    if (Vertical()) {
        if (Width() != FSlider->Width()) SetBounds(Left(), Top(), FSlider->Width(), Height());
    } else if (Height() != FSlider->Height()) {
        SetBounds(Left(), Top(), Width(), FSlider->Height());
    }
    UpdateSlider();
}

void TvskTrackBar::Resize() {
    inherited::Resize();
    UpdateControl();
}

void TvskTrackBar::Paint() {
    Canvas().Brush().SetStyle(bsSolid);
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(ClientRect());
}

// Paging ------------------------------------------------------------------------------------------------------

void TvskTrackBar::PageTowards(int AlongAxis, int Step) {
    const int Start = Vertical() ? FSlider->Top() : FSlider->Left();
    if (AlongAxis == Start) return;
    const std::int64_t AtPointer = GetPositionFromSliderPos(AlongAxis);
    if (AlongAxis > Start)
        MoveTo(std::min(std::int64_t{FPosition} + Step, AtPointer));
    else
        MoveTo(std::max(std::int64_t{FPosition} - Step, AtPointer));
}

void TvskTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    inherited::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    PageTowards(Along(X, Y), FPageSize);
    if (!FRepeatTimer) {
        FRepeatTimer = std::make_unique<TTimer>(nullptr);
        FRepeatTimer->SetEnabled(false);
        FRepeatTimer->SetInterval(VskTrackPagingInterval);
        FRepeatTimer->OnTimer.Bind(this, &TvskTrackBar::PagingTick);
        FRepeatTimer->SetEnabled(true);
    }
    FocusIfShown();
}

// A press takes the focus only where a form on the screen can give it: a press reaching the track of a
// hidden or disabled form (a posted message, a test) scrolls without focusing, instead of failing.
void TvskTrackBar::FocusIfShown() {
    const TCustomForm* Form = GetParentForm();
    if (Form && Form->Visible() && Form->Enabled() && CanFocus()) SetFocus();
}

// A held press goes on towards wherever the pointer is now; a horizontal track pages three times as fast.
void TvskTrackBar::PagingTick(TObject*) {
    constexpr int HorizontalPagingFactor = 3;
    POINT Cursor;
    if (!HandleAllocated() || !::GetCursorPos(&Cursor)) return;
    const TPoint Point = ScreenToClient(Cursor);
    PageTowards(Along(Point.x, Point.y), Vertical() ? FPageSize : HorizontalPagingFactor * FPageSize);
}

// Dragging ----------------------------------------------------------------------------------------------------

void TvskTrackBar::SliderMouseDown(TObject*, TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button != mbLeft || !Enabled()) return;
    FDragging = true;
    FGrabOffset = Along(X, Y) - SliderLength() / 2;
    FocusIfShown();
    SetMouseCapture(true);
    OnMouseDown(this, Button, Shift, X + FSlider->Left(), Y + FSlider->Top());
}

void TvskTrackBar::MouseMove(TShiftState Shift, int X, int Y) {
    inherited::MouseMove(Shift, X, Y);
    if (FDragging) {
        MoveTo(GetPositionFromSliderPos(Along(X, Y) - FGrabOffset));
        return;
    }
    if (FRepeatTimer && !InRect(X, Y, ClientRect())) FRepeatTimer.reset();
}

// The framework has let go of the capture by now (the track captures the mouse on every press of its own).
void TvskTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    StopTracking();
    inherited::MouseUp(Button, Shift, X, Y);
}

void TvskTrackBar::StopTracking() {
    FRepeatTimer.reset();
    FDragging = false;
}

// Keyboard ----------------------------------------------------------------------------------------------------

void TvskTrackBar::KeyDown(WORD& Key, TShiftState Shift) {
    inherited::KeyDown(Key, Shift);
    switch (Key) {
    case VK_PRIOR: MoveBy(-FPageSize); break;
    case VK_NEXT: MoveBy(FPageSize); break;
    case VK_END: MoveTo(FMax); break;
    case VK_HOME: MoveTo(FMin); break;
    case VK_LEFT:
    case VK_UP: MoveBy(-FLineSize); break;
    case VK_RIGHT:
    case VK_DOWN: MoveBy(FLineSize); break;
    default: break;
    }
}

// Messages ----------------------------------------------------------------------------------------------------

void TvskTrackBar::WMGetDlgCode(TMessage& Message) {
    Message.Result = DLGC_WANTARROWS;
}

// Another window took the mouse: paging and dragging end with it.
void TvskTrackBar::WMCaptureChanged(TMessage& Message) {
    inherited::WndProc(Message);
    if (reinterpret_cast<HWND>(Message.LParam) != (HandleAllocated() ? Handle() : nullptr)) StopTracking();
}

void TvskTrackBar::CMEnabledChanged(TMessage& Message) {
    inherited::WndProc(Message);
    if (!Enabled()) StopTracking();
}

void TvskTrackBar::CMVisibleChanged(TMessage& Message) {
    inherited::WndProc(Message);
    if (!Visible()) StopTracking();
}

void TvskTrackBar::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE: WMGetDlgCode(Message); break;
    case WM_CAPTURECHANGED: WMCaptureChanged(Message); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(Message); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(Message); break;
    default: inherited::WndProc(Message); break;
    }
}

// -------------------------------------------------------------------------------------------------------------

TvskScrollTrackBar::TvskScrollTrackBar(TComponent* AOwner) : inherited(AOwner) {
    SetTabStop(false);
    SetMax(ScrollTrackMax);
}
