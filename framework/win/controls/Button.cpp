#include "framework/win/controls/Button.h"

#include "framework/core/Properties.h"
#include "framework/win/forms/Form.h"
#include "framework/win/windowing/Accelerators.h"

VSK_IMPLEMENT_CLASS(TButton)

void TButton::Publish(TPublisher<TButton>& p) {
    p.Str("Caption", &TButton::Caption, &TButton::SetCaption);
    p.Bool("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false);
    p.Bool("Default", &TButton::Default, &TButton::SetDefault).Default(false);
    p.Int("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Default(mrNone);
    p.Bool("TabStop", &TButton::TabStop, &TButton::SetTabStop).Default(true);
}

namespace {
constexpr int DefaultButtonWidth = 75;
constexpr int DefaultButtonHeight = 25;
} // namespace

TButton::TButton(TComponent* AOwner) : TSystemControl(AOwner) {
    // Clicks come from the system's button (BN_CLICKED), not from the framework's mouse handling.
    SetControlStyle({csSetCaption, csDoubleClicks});
    SetTabStop(true);
    SetBounds(Left(), Top(), DefaultButtonWidth, DefaultButtonHeight);
}

void TButton::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    CreateSubClass(Params, "BUTTON");
    Params.Style |= FActive ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool Value) {
    if (FDefault == Value) return;
    FDefault = Value;
    const TCustomForm* Form = GetParentForm();
    UpdateActive(Form ? Form->ActiveControl() : nullptr);
}

void TButton::UpdateActive(const TWinControl* Focused) {
    const bool Active = Focused == this || (FDefault && !dynamic_cast<const TButton*>(Focused));
    if (FActive == Active) return;
    FActive = Active;
    if (HandleAllocated()) Perform(BM_SETSTYLE, FActive ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
    if (TCustomForm* Form = GetParentForm()) Form->SetModalResult(FModalResult);
    inherited::Click();
}

void TButton::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CN_COMMAND: CNCommand(Message); break;
    case CM_DIALOGKEY: CMDialogKey(Message); break;
    case CM_DIALOGCHAR: CMDialogChar(Message); break;
    case CM_FOCUSCHANGED: CMFocusChanged(Message); break;
    default: inherited::WndProc(Message); break;
    }
}

void TButton::CNCommand(TMessage& Message) {
    if (HIWORD(Message.WParam) == BN_CLICKED) Click();
}

// Enter presses the active button, Escape the cancel button: with no modifier key held, and only a button
// that could take the focus.
void TButton::CMDialogKey(TMessage& Message) {
    const bool Presses = (Message.WParam == VK_RETURN && FActive) || (Message.WParam == VK_ESCAPE && FCancel);
    if (Presses && KeyDataToShiftState(Message.LParam).Empty() && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
    }
    inherited::WndProc(Message);
}

void TButton::CMDialogChar(TMessage& Message) {
    if (IsAccel(static_cast<char>(Message.WParam), Caption()) && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
    }
    inherited::WndProc(Message);
}

void TButton::CMFocusChanged(TMessage& Message) {
    UpdateActive(PointerParam<TWinControl>(Message.LParam));
    inherited::WndProc(Message);
}
