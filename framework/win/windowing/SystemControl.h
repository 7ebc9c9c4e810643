// TSystemControl: the base of the controls that are a control of the system underneath (EDIT, BUTTON,
// LISTBOX, SysListView32, msctls_statusbar32, ToolbarWindow32). Such a control does its own mouse work:
// it places the caret, selects rows, presses buttons. So every mouse message reaches the system's window
// procedure first, and the framework's handling (mouse events, clicks, double clicks) comes after it. The
// framework's own mouse handlers pass the message on as well, but not when it goes to a windowless child
// (a tool bar's buttons are such children, standing for buttons the system draws and presses).
#pragma once

#include "framework/win/windowing/WinControl.h"

class TSystemControl : public TWinControl {
    VSK_CLASS(TSystemControl, TWinControl)

public:
    explicit TSystemControl(TComponent* AOwner);

protected:
    void WndProc(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;

private:
    // The mouse message the system has already seen: the framework's handlers may pass it to the default
    // processing again, which must not reach the system twice.
    const TMessage* FSystemDone = nullptr;
};
