#include "skin/controls/Vskcustombutton.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/win/forms/Form.h"
#include "framework/win/forms/Timer.h"
#include "framework/win/graphics/GraphicsExceptions.h"
#include "framework/win/windowing/Accelerators.h"
#include "skin/controls/Vskcaption.h"
#include "skin/themes/Vskpublic.h"

VSK_IMPLEMENT_CLASS(TvskCustomButton)

void TvskCustomButton::Publish(TPublisher<TvskCustomButton>& p) {
    p.Str("Caption", &TvskCustomButton::Caption, &TvskCustomButton::SetCaption);
    p.Bool("AutoSize", &TvskCustomButton::AutoSize, &TvskCustomButton::SetAutoSize).Default(false);
    p.Bool("Cancel", &TvskCustomButton::Cancel, &TvskCustomButton::SetCancel).Default(false);
    p.Bool("Default", &TvskCustomButton::Default, &TvskCustomButton::SetDefault).Default(false);
    p.Bool("Transparent", &TvskCustomButton::Transparent, &TvskCustomButton::SetTransparent);
    p.Int("ModalResult", &TvskCustomButton::ModalResult, &TvskCustomButton::SetModalResult).Default(mrNone);
    p.Int("MouseContinuouslyDownInterval", &TvskCustomButton::MouseContinuouslyDownInterval,
          &TvskCustomButton::SetMouseContinuouslyDownInterval)
        .Default(VskDefaultRepeatInterval);
    p.Int("FocusedRectMargin", &TvskCustomButton::FocusedRectMargin, &TvskCustomButton::SetFocusedRectMargin)
        .Default(VskDefaultFocusedRectMargin);
    p.Bool("TabStop", &TvskCustomButton::TabStop, &TvskCustomButton::SetTabStop).Default(true);
    p.Event("OnMouseEnter", &TvskCustomButton::OnMouseEnter);
    p.Event("OnMouseExit", &TvskCustomButton::OnMouseExit);
    p.Event("OnMouseContinuouslyDown", &TvskCustomButton::OnMouseContinuouslyDown);
}

namespace {

// The size AutoSize falls back to when the style has no button strip: one frame of a 74 x 21 strip.
constexpr int FallbackStripWidth = 74;
constexpr int FallbackStripHeight = 21;

// The embossed caption of a disabled button: a white shadow one pixel right and down under grey text.
constexpr TColor DisabledShadowColor = clWhite;
constexpr TColor DisabledTextColor = clGray;
// A held button's caption and glyph sink by one pixel right and down.
constexpr int PressedShift = 1;

} // namespace

TvskCustomButton::TvskCustomButton(TComponent* AOwner) : inherited(AOwner) {
    // No children and no double clicks: a fast second click is an ordinary click.
    SetControlStyle({csCaptureMouse, csClickEvents, csSetCaption, csOpaque});
    SetDoubleBuffered(true);
    SetTabStop(true);
}

TvskCustomButton::~TvskCustomButton() = default;

void TvskCustomButton::Destroying() {
    ReleaseHold();
    inherited::Destroying();
}

// Properties -------------------------------------------------------------------------------------------

void TvskCustomButton::SetAutoSize(bool Value) {
    FAutoSize = Value;
    AutoSizeChanged();
    Invalidate();
}

void TvskCustomButton::SetDefault(bool Value) {
    FDefault = Value;
    const TCustomForm* Form = GetParentForm();
    if (HandleAllocated() && Form) RecomputeActive(Form->ActiveControl());
}

void TvskCustomButton::SetTransparent(bool Value) {
    FTransparent = Value;
    TransparentChanged();
    Invalidate();
}

void TvskCustomButton::SetPicTransparent(bool Value) {
    if (FPicTransparent != Value) FacesChanged();
    FPicTransparent = Value;
    Invalidate();
}

void TvskCustomButton::SetFocusedRectMargin(int Value) {
    FFocusedRectMargin = Value;
    Invalidate();
}

// A transparent button lets the background show through the see-through pixels of its face too.
void TvskCustomButton::TransparentChanged() {
    SetPicTransparent(FTransparent);
}

void TvskCustomButton::AutoSizeChanged() {
    if (!FAutoSize) return;
    TBitmap Strip;
    try {
        GetInsideThemeBitmap(UIStyle(), VSK_THEME_BUTTON_IMAGE, &Strip);
    } catch (const EResNotFound&) {
        Strip.SetSize(0, 0);
    }
    const int StripWidth = Strip.Width() > 0 ? Strip.Width() : FallbackStripWidth;
    const int StripHeight = Strip.Height() > 0 ? Strip.Height() : FallbackStripHeight;
    SetBounds(Left(), Top(), StripWidth / VskPushButtonFrameCount, StripHeight);
}

// Style and faces --------------------------------------------------------------------------------------

void TvskCustomButton::ApplyUIStyle(const TvskThemeSource& Theme) {
    CutFaces(Theme, VSK_THEME_BUTTON_IMAGE, VskPushButtonFrameCount, VskPushButtonFaces);
    if (FStyleTransparent) SetTransparent(Theme.Bool(VSK_THEME_BUTTON_TRANSPARENT_BOOL));
    AutoSizeChanged();
    Invalidate();
}

// The strip is read once and cut into the faces. A missing resource leaves the faces empty: the button then
// shows its background and caption only.
void TvskCustomButton::CutFaces(const TvskThemeSource& Theme, int ThemeIndex, int FrameCount,
                                const TvskFaceTable& Faces) {
    TBitmap Strip;
    try {
        Theme.Bitmap(ThemeIndex, Strip);
    } catch (const EResNotFound&) {
        Strip.SetSize(0, 0);
    }
    for (int State = 0; State < VskFaceStateCount; ++State) {
        TBitmap& Face = FFaces[static_cast<std::size_t>(State)];
        if (Strip.Empty())
            Face.SetSize(0, 0);
        else
            SpitBitmap(Strip, Face, FrameCount, Faces.Frame(static_cast<TvskFaceState>(State)));
    }
    FacesChanged();
}

const TBitmap& TvskCustomButton::StyleFace(TvskFaceState State) const {
    return FFaces[State];
}

void TvskCustomButton::FacesChanged() {
    FFaceCache.Clear();
}

void TvskCustomButton::DrawCachedFace(TCanvas& Canvas, TvskFaceState State, const TvskFaceCache::TRender& Render) {
    FFaceCache.Draw(Canvas, ClientRect(), State, Render);
}

void TvskCustomButton::DrawStretchedFace(TCanvas& Canvas, TvskFaceState State) {
    const TBitmap& Face = StyleFace(State);
    DrawCachedFace(Canvas, State,
                   [&](TCanvas& Target, const TRect& Rect) { SpitDraw(Face, Target, Rect, FPicTransparent); });
}

void TvskCustomButton::DrawCornerMasked(TCanvas& Canvas, const TBitmap& Picture, const TRect& Dest, bool Masked) {
    if (Picture.Empty()) return;
    TBitmap Copy;
    Copy.Assign(Picture);
    Copy.SetTransparentColor(Copy.Canvas().Pixels(0, 0));
    Copy.SetTransparent(Masked);
    Canvas.StretchDraw(Dest, Copy);
}

// Painting ---------------------------------------------------------------------------------------------

void TvskCustomButton::Paint() {
    TCanvas& Target = Canvas();
    PaintBackground(Target);
    PaintPic(Target, CurrentFaceState());
    if (FFocused && TabStop()) PaintFocus(Target);
    if (HasVisibleText(FCaption)) PaintText(Target, FCaption);
    FBoldCaption = false;
}

// A loose button (no parent to show through) fills with its colour even when transparent.
void TvskCustomButton::PaintBackground(TCanvas& Canvas) {
    if (FTransparent && Parent()) {
        FBackdrop.Draw(Canvas, *this);
        return;
    }
    Canvas.Brush().SetStyle(bsSolid);
    Canvas.Brush().SetColor(Color());
    Canvas.FillRect(ClientRect());
}

// The font goes to the canvas in one assignment, bold already in it: a focused button's canvas then finds the
// same face as the paint before and keeps its font made and selected.
void TvskCustomButton::PaintText(TCanvas& Canvas, const std::string& Text) {
    FCaptionFont.Assign(*Font());
    if (FBoldCaption) FCaptionFont.SetStyle(FCaptionFont.Style() | TFontStyles{fsBold});
    Canvas.SetFont(FCaptionFont);
    DrawEmbossedText(Canvas, Text, ClientRect(), DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    FBoldCaption = false;
}

void TvskCustomButton::DrawEmbossedText(TCanvas& Canvas, const std::string& Text, TRect Rect, UINT Format) {
    Canvas.Brush().SetStyle(bsClear);
    if (!Enabled()) {
        TRect Shadow = Rect;
        ::OffsetRect(&Shadow, PressedShift, PressedShift);
        Canvas.Font().SetColor(DisabledShadowColor);
        Canvas.DrawText(Text, Shadow, Format);
        Canvas.Font().SetColor(DisabledTextColor);
    } else if (FMouseDown) {
        ::OffsetRect(&Rect, PressedShift, PressedShift);
    }
    Canvas.DrawText(Text, Rect, Format);
}

void TvskCustomButton::PaintFocus(TCanvas& Canvas) {
    const int Margin = FFocusedRectMargin;
    Canvas.Brush().SetStyle(bsSolid);
    Canvas.DrawFocusRect(TRect(Margin, Margin, ClientWidth() - Margin, ClientHeight() - Margin));
}

void TvskCustomButton::InvalidateState() {
    FBackdrop.KeepForNextPaint();
    Invalidate();
}

// Mouse ------------------------------------------------------------------------------------------------

void TvskCustomButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && Enabled()) {
        FMouseDown = true;
        StartRepeat();
        if (TabStop() && CanFocus()) {
            try {
                SetFocus();
            } catch (const Exception&) {
                // A form that cannot take the focus now still lets the button be pressed.
            }
        }
        InvalidateState();
    }
    inherited::MouseDown(Button, Shift, X, Y);
}

// The first tick comes one interval after the press; an interval of 0 or less gives no repeat.
void TvskCustomButton::StartRepeat() {
    if (FTimer || FRepeatInterval <= 0) return;
    FTimer = std::make_unique<TTimer>(nullptr);
    FTimer->SetEnabled(false);
    FTimer->SetInterval(FRepeatInterval);
    FTimer->OnTimer.Bind(this, &TvskCustomButton::RepeatTick);
    FTimer->SetEnabled(true);
}

void TvskCustomButton::RepeatTick(TObject*) {
    OnMouseContinuouslyDown(this);
}

// Dragged out of the button: it lets go at once (face and repeat); releasing outside gives no click.
void TvskCustomButton::MouseMove(TShiftState Shift, int X, int Y) {
    inherited::MouseMove(Shift, X, Y);
    if (InRect(X, Y, TRect(0, 0, Width(), Height()))) return;
    if (!FMouseOn && !FMouseDown) return;
    FMouseOn = false;
    ReleaseHold();
    InvalidateState();
}

void TvskCustomButton::ReleaseHold() {
    FMouseDown = false;
    FTimer.reset();
}

void TvskCustomButton::Click() {
    if (FMouseDown) {
        ReleaseHold();
        InvalidateState();
    }
    if (TCustomForm* Form = GetParentForm()) Form->SetModalResult(FModalResult);
    inherited::Click();
}

void TvskCustomButton::CMMouseEnter(TMessage& Message) {
    inherited::WndProc(Message);
    if (PointerParam<TControl>(Message.LParam) != this || ComponentState().Contains(csDesigning)) return;
    FMouseOn = true;
    InvalidateState();
    OnMouseEnter(this);
}

void TvskCustomButton::CMMouseLeave(TMessage& Message) {
    inherited::WndProc(Message);
    if (PointerParam<TControl>(Message.LParam) != this) return;
    FMouseOn = false;
    ReleaseHold();
    InvalidateState();
    OnMouseExit(this);
}

// Another window took the mouse (a menu, a dialog, a drag elsewhere): the hold ends with it.
void TvskCustomButton::WMCaptureChanged(TMessage& Message) {
    inherited::WndProc(Message);
    if (reinterpret_cast<HWND>(Message.LParam) == (HandleAllocated() ? Handle() : nullptr)) return;
    if (!FMouseDown && !FTimer) return;
    ReleaseHold();
    InvalidateState();
}

// Keyboard ---------------------------------------------------------------------------------------------

namespace {
bool IsPressKey(WPARAM Key) {
    return Key == VK_SPACE || Key == VK_RETURN;
}
} // namespace

void TvskCustomButton::WMKeyDown(TMessage& Message) {
    if (IsPressKey(Message.WParam) && Focused() && Enabled()) {
        FMouseDown = true;
        InvalidateState();
    }
    inherited::WndProc(Message);
}

void TvskCustomButton::WMKeyUp(TMessage& Message) {
    const bool Clicks = IsPressKey(Message.WParam) && Focused() && FMouseDown && Enabled();
    inherited::WndProc(Message);
    if (!Clicks) return;
    FMouseDown = false;
    InvalidateState();
    Click();
}

void TvskCustomButton::CMDialogChar(TMessage& Message) {
    if (IsAccel(static_cast<char>(Message.WParam), Caption()) && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
    }
    inherited::WndProc(Message);
}

// Other code presses a skinned button as it would a platform push button; like the platform's, a disabled
// button ignores it.
void TvskCustomButton::BMClick(TMessage& Message) {
    Message.Result = 0;
    if (Enabled()) Click();
}

void TvskCustomButton::CMDialogKey(TMessage& Message) {
    const bool Presses = (Message.WParam == VK_RETURN && FActive) || (Message.WParam == VK_ESCAPE && FCancel);
    if (Presses && KeyDataToShiftState(Message.LParam).Empty() && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
    }
    inherited::WndProc(Message);
}

// While a skinned button has the focus, Enter clicks that one; otherwise the one marked Default.
void TvskCustomButton::RecomputeActive(const TWinControl* Focused) {
    const bool Active = dynamic_cast<const TvskCustomButton*>(Focused) ? Focused == this : FDefault;
    if (Active == FActive) return;
    FActive = Active;
    InvalidateState();
}

void TvskCustomButton::CMFocusChanged(TMessage& Message) {
    RecomputeActive(PointerParam<TWinControl>(Message.LParam));
    inherited::WndProc(Message);
}

void TvskCustomButton::CreateWnd() {
    inherited::CreateWnd();
    FActive = FDefault;
}

// A focus change ends a keyboard press too: the key-up goes to the next control.
void TvskCustomButton::WMFocus(TMessage& Message) {
    inherited::WndProc(Message);
    FFocused = Message.Msg == WM_SETFOCUS;
    if (!FFocused) ReleaseHold();
    InvalidateState();
}

// State changes ----------------------------------------------------------------------------------------

void TvskCustomButton::CMEnabledChanged(TMessage& Message) {
    inherited::WndProc(Message);
    if (!Enabled()) ReleaseHold();
    EnableChanged();
    InvalidateState();
}

// Whatever lay behind a hidden button may have changed by the time it shows again.
void TvskCustomButton::CMVisibleChanged(TMessage& Message) {
    inherited::WndProc(Message);
    FBackdrop.Drop();
    if (Visible()) return;
    FMouseOn = false;
    ReleaseHold();
}

void TvskCustomButton::CMTextChanged(TMessage& Message) {
    inherited::WndProc(Message);
    FCaption = Caption();
    CaptionChanged();
}

void TvskCustomButton::CMFontChanged(TMessage& Message) {
    inherited::WndProc(Message);
    FontChanged();
}

void TvskCustomButton::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_ERASEBKGND: Message.Result = 1; break;
    case WM_KEYDOWN: WMKeyDown(Message); break;
    case WM_KEYUP: WMKeyUp(Message); break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: WMFocus(Message); break;
    case WM_CAPTURECHANGED: WMCaptureChanged(Message); break;
    case CM_MOUSEENTER: CMMouseEnter(Message); break;
    case CM_MOUSELEAVE: CMMouseLeave(Message); break;
    case CM_DIALOGKEY: CMDialogKey(Message); break;
    case CM_DIALOGCHAR: CMDialogChar(Message); break;
    case BM_CLICK: BMClick(Message); break;
    case CM_FOCUSCHANGED: CMFocusChanged(Message); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(Message); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(Message); break;
    case CM_TEXTCHANGED: CMTextChanged(Message); break;
    case CM_FONTCHANGED: CMFontChanged(Message); break;
    default: inherited::WndProc(Message); break;
    }
}
