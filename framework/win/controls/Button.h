// TButton: a push button over the system's BUTTON control. Clicking it (with the mouse, the space bar, its
// accelerator character, or Enter and Escape when it is the form's default or cancel button) runs Click,
// which first hands the button's ModalResult to its form: a modal form closes with it.
//
// The default button is the one Enter presses while the focus is on a control that is not a button; while
// a button has the focus, Enter presses that one, and it shows the default frame instead.
#pragma once

#include "framework/win/forms/FormTypes.h"
#include "framework/win/windowing/SystemControl.h"

class TButton : public TSystemControl {
    VSK_CLASS(TButton, TSystemControl)

public:
    explicit TButton(TComponent* AOwner);

    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }

    void Click() override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void WndProc(TMessage& Message) override;

private:
    // Whether Enter presses this button now that Focused has the focus (see above); its frame shows it.
    void UpdateActive(const TWinControl* Focused);
    void CNCommand(TMessage& Message);
    void CMDialogKey(TMessage& Message);
    void CMDialogChar(TMessage& Message);
    void CMFocusChanged(TMessage& Message);

    bool FDefault = false;
    bool FCancel = false;
    bool FActive = false;
    TModalResult FModalResult = mrNone;
};
