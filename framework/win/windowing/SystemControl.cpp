#include "framework/win/windowing/SystemControl.h"

#include "framework/core/Properties.h"

VSK_IMPLEMENT_CLASS(TSystemControl)

void TSystemControl::Publish(TPublisher<TSystemControl>&) {}

namespace {
bool IsMouseMessage(UINT Msg) {
    return Msg >= WM_MOUSEFIRST && Msg <= WM_MBUTTONDBLCLK;
}
} // namespace

TSystemControl::TSystemControl(TComponent* AOwner) : TWinControl(AOwner) {
    // The system control captures the mouse itself while a button is held.
    SetControlStyle(ControlStyle() - TControlStyle{csCaptureMouse});
}

void TSystemControl::WndProc(TMessage& Message) {
    if (!IsMouseMessage(Message.Msg) || !HandleAllocated()) {
        inherited::WndProc(Message);
        return;
    }
    DefaultHandler(Message);
    const LRESULT SystemResult = Message.Result;
    const TMessage* Outer = FSystemDone;
    FSystemDone = &Message;
    try {
        inherited::WndProc(Message);
    } catch (...) {
        FSystemDone = Outer;
        throw;
    }
    FSystemDone = Outer;
    Message.Result = SystemResult;
}

void TSystemControl::DefaultHandler(TMessage& Message) {
    if (&Message == FSystemDone) return;
    inherited::DefaultHandler(Message);
}
