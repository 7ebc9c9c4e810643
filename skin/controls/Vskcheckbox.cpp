#include "skin/controls/Vskcheckbox.h"

#include "framework/core/Properties.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/windowing/Accelerators.h"
#include "skin/themes/Vskfaces.h"
#include "skin/themes/Vskpublic.h"

#include <algorithm>

VSK_IMPLEMENT_CLASS(TvskCheckBox)
VSK_IMPLEMENT_CLASS(TvskRadioButton)

void TvskCheckBox::Publish(TPublisher<TvskCheckBox>& p) {
    p.Str("Caption", &TvskCheckBox::Caption, &TvskCheckBox::SetCaption);
    p.Bool("Checked", &TvskCheckBox::Checked, &TvskCheckBox::SetChecked).Default(false);
    p.Bool("AutoSize", &TvskCheckBox::AutoSize, &TvskCheckBox::SetAutoSize).Default(true);
    p.Bool("TabStop", &TvskCheckBox::TabStop, &TvskCheckBox::SetTabStop).Default(true);
}

void TvskRadioButton::Publish(TPublisher<TvskRadioButton>& p) {
    p.Int("GroupIndex", &TvskRadioButton::GroupIndex, &TvskRadioButton::SetGroupIndex).Default(0);
}

namespace {
constexpr int MarkLeft = 1;
constexpr int CaptionGap = 3; // between the mark and the caption (the focus rectangle starts in it)
constexpr int AutoSizeExtraWidth = 8;
constexpr int AutoSizeExtraHeight = 4;
constexpr int TextPadding = 2; // a line of text and its focus rectangle
constexpr const char* MeasureText = "W";

bool IsToggleKey(WPARAM Key) {
    return Key == VK_SPACE || Key == VK_RETURN;
}
} // namespace

TvskCheckBox::TvskCheckBox(TComponent* AOwner) : inherited(AOwner) {
    SetControlStyle({csCaptureMouse, csClickEvents, csSetCaption, csOpaque});
    SetDoubleBuffered(true);
    SetTabStop(true);
    SetBounds(Left(), Top(), VskCheckBoxWidth, VskCheckBoxHeight);
    ApplyStartUpStyle();
}

TvskCheckBox::~TvskCheckBox() = default;

int TvskCheckBox::MarkThemeIndex() const {
    return VSK_THEME_CHECK_BOX_IMAGE;
}

void TvskCheckBox::ApplyUIStyle(const TvskThemeSource& Theme) {
    for (const bool Checked : {false, true}) {
        const TvskFaceTable& Faces = Checked ? VskCheckedFaces : VskUncheckedFaces;
        for (const bool Enabled : {false, true}) {
            TBitmap& Mark = FMarks[Checked][Enabled];
            Theme.Bitmap(MarkThemeIndex(), Mark, VskCheckMarkFrameCount, Faces.Frame(FaceState(Enabled, false, false)));
            Mark.SetTransparentColor(VskMaskColor);
            Mark.SetTransparent(MarkTransparent());
        }
    }
    ApplyAutoSize();
    Invalidate();
}

const TBitmap& TvskCheckBox::Mark() const {
    return FMarks[FChecked][Enabled()];
}

void TvskCheckBox::SetChecked(bool Value) {
    if (FChecked == Value) return;
    FChecked = Value;
    Invalidate();
    if (!IsLoading()) OnClick(this);
}

void TvskCheckBox::Click() {
    SetChecked(!FChecked);
}

void TvskCheckBox::SetTransparent(bool Value) {
    FTransparent = Value;
    Invalidate();
}

bool TvskCheckBox::ShowsFocus() const {
    return Focused() && TabStop();
}

void TvskCheckBox::SetAutoSize(bool Value) {
    FAutoSize = Value;
    ApplyAutoSize();
}

// Sized when the mark, the caption or the font change, never while painting; measured on a memory DC so that
// the control's window is not made for it.
void TvskCheckBox::ApplyAutoSize() {
    if (!FAutoSize) return;
    const TBitmap& Marked = Mark();
    TBitmap Measure(1, 1);
    TCanvas& Canvas = Measure.Canvas();
    Canvas.SetFont(*Font());
    const int Height = std::max(Canvas.TextHeight(MeasureText) + TextPadding, Marked.Height()) + AutoSizeExtraHeight;
    const int Width = Marked.Width() + Canvas.TextWidth(Caption()) + AutoSizeExtraWidth;
    SetBounds(Left(), Top(), Width, Height);
}

void TvskCheckBox::Paint() {
    const TRect Client = ClientRect();
    TCanvas& Target = Canvas();
    PaintControlBackground(Target, *this, FTransparent);
    const TBitmap& Marked = Mark();
    if (!Marked.Empty()) Target.Draw(MarkLeft, (Client.Height() - Marked.Height()) / 2, Marked);
    Target.SetFont(*Font());
    if (!Enabled()) Target.Font().SetColor(clGray);
    const int TextY = (Client.Height() - Target.TextHeight(MeasureText)) / 2;
    const int TextX = Marked.Width() + CaptionGap + 1;
    Target.Brush().SetStyle(bsClear);
    Target.TextOut(TextX, TextY, Caption());
    if (ShowsFocus()) {
        Target.Brush().SetStyle(bsSolid);
        Target.DrawFocusRect(
            TRect(TextX - 1, TextY, Client.Width(), TextY + Target.TextHeight(MeasureText) + TextPadding));
    }
}

// A key press that began elsewhere (Enter that clicked the default button) does not toggle on its release.
void TvskCheckBox::WMKeyDown(TMessage& Message) {
    if (IsToggleKey(Message.WParam)) FKeyPressed = Message.WParam;
    inherited::WndProc(Message);
}

void TvskCheckBox::WMKeyUp(TMessage& Message) {
    const bool Clicks = ClicksOnKeyUp() && Message.WParam == FKeyPressed && Focused();
    FKeyPressed = 0;
    inherited::WndProc(Message);
    if (Clicks) Click();
}

void TvskCheckBox::CMDialogChar(TMessage& Message) {
    if (IsAccel(static_cast<char>(Message.WParam), Caption()) && CanFocus()) {
        SetFocus();
        Click();
        Message.Result = 1;
        return;
    }
    inherited::WndProc(Message);
}

void TvskCheckBox::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_ERASEBKGND: Message.Result = 1; break;
    case WM_KEYDOWN: WMKeyDown(Message); break;
    case WM_KEYUP: WMKeyUp(Message); break;
    case WM_KILLFOCUS:
        FKeyPressed = 0;
        inherited::WndProc(Message);
        Invalidate();
        break;
    case WM_SETFOCUS:
        inherited::WndProc(Message);
        Invalidate();
        break;
    case CM_DIALOGCHAR: CMDialogChar(Message); break;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_ENABLEDCHANGED:
        inherited::WndProc(Message);
        ApplyAutoSize();
        break;
    default: inherited::WndProc(Message); break;
    }
}

// ------------------------------------------------------------------------------------------------------

namespace {
// A group button of a skinned button group hands the focus to its radio buttons without checking them.
constexpr const char* RadioGroupButtonClass = "TvskRadioGroupButton";
} // namespace

TvskRadioButton::TvskRadioButton(TComponent* AOwner) : inherited(AOwner) {
    ApplyStartUpStyle();
}

int TvskRadioButton::MarkThemeIndex() const {
    return VSK_THEME_RADIO_BUTTON_IMAGE;
}

void TvskRadioButton::SetChecked(bool Value) {
    if (Value && !Checked()) UncheckGroup();
    inherited::SetChecked(Value);
}

void TvskRadioButton::UncheckGroup() {
    TWinControl* Container = Parent();
    if (!Container) return;
    for (int Index = 0; Index < Container->ControlCount(); ++Index) {
        auto* Other = dynamic_cast<TvskRadioButton*>(Container->Controls(Index));
        if (Other && Other != this && Other->GroupIndex() == FGroupIndex) Other->SetChecked(false);
    }
}

// A click only ever checks a radio button.
void TvskRadioButton::Click() {
    SetChecked(true);
}

void TvskRadioButton::WMSetFocus(TMessage& Message) {
    const TWinControl* From = TWinControl::FindControl(reinterpret_cast<HWND>(Message.WParam));
    inherited::WndProc(Message);
    if (From == this) return;
    if (From && From->ClassInfo().Name() == RadioGroupButtonClass) return;
    Click();
}

void TvskRadioButton::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_SETFOCUS: WMSetFocus(Message); break;
    default: inherited::WndProc(Message); break;
    }
}
