// The mouse over a windowed control: mouse messages go to the graphic child under the pointer (or the one
// holding the capture), hover is tracked for CM_MOUSEENTER/CM_MOUSELEAVE, and the cursor follows the control
// under the pointer.
#include "framework/win/windowing/WinControl.h"

#include "framework/win/forms/Screen.h"
#include "framework/win/windowing/MouseHover.h"

void TWinControl::WMMouse(TMessage& Message) {
    if (Message.Msg == WM_MOUSEMOVE) TrackMouse(Message);
    if (!IsControlMouseMsg(Message)) inherited::WndProc(Message);
}

bool TWinControl::IsControlMouseMsg(TMessage& Message) {
    TControl* Target = nullptr;
    TControl* Captured = CaptureControl();
    if (FHandle && ::GetCapture() == FHandle.Get() && Captured) {
        if (Captured == this || Captured->Parent() != this) return false;
        Target = Captured;
    } else {
        Target = ControlAtPos(MousePoint(Message), false);
    }
    if (!Target) return false;
    const TPoint P = MousePoint(Message);
    Message.Result =
        Target->Perform(Message.Msg, Message.WParam, PointToLParam({P.x - Target->Left(), P.y - Target->Top()}));
    return true;
}

// Hover: the control under the pointer gets CM_MOUSEENTER, and the window asks to hear when the pointer
// leaves it. While the mouse is captured the pointer may be over another window altogether.
void TWinControl::TrackMouse(TMessage& Message) {
    const TPoint P = MousePoint(Message);
    const TRect Client = ClientRect();
    TControl* Target = nullptr;
    if (::PtInRect(&Client, P)) {
        Target = ControlAtPos(P, false);
        if (!Target) Target = this;
    } else {
        const TPoint Screen = ClientToScreen(P);
        if (TWinControl* Window = FindControl(::WindowFromPoint(Screen))) {
            Target = Window->ControlAtPos(Window->ScreenToClient(Screen), false);
            if (!Target) Target = Window;
        }
    }
    TMouseHover::MovedOver(Target);
    if (!FTrackingMouse && FHandle) {
        TRACKMOUSEEVENT Track{sizeof(Track), TME_LEAVE, FHandle.Get(), 0};
        FTrackingMouse = ::TrackMouseEvent(&Track) != FALSE;
    }
}

void TWinControl::WMMouseLeave() {
    FTrackingMouse = false;
    TMouseHover::LeftWindow(this);
}

void TWinControl::WMCaptureChanged(TMessage& Message) {
    TControl* Captured = CaptureControl();
    if (Captured && reinterpret_cast<HWND>(Message.LParam) != FHandle.Get() &&
        (Captured == this || Captured->Parent() == this))
        Captured->Perform(WM_CANCELMODE);
    DefaultHandler(Message);
}

void TWinControl::WMSetCursor(TMessage& Message) {
    if (reinterpret_cast<HWND>(Message.WParam) == FHandle.Get() && LOWORD(Message.LParam) == HTCLIENT) {
        TCursor Cursor = Screen->Cursor();
        if (Cursor == crDefault) {
            POINT P;
            ::GetCursorPos(&P);
            const TControl* Control = ControlAtPos(ScreenToClient(P), false);
            Cursor = Control ? Control->Cursor() : crDefault;
            if (Cursor == crDefault) Cursor = this->Cursor();
        }
        if (Cursor != crDefault) {
            ::SetCursor(Screen->Cursors(Cursor));
            Message.Result = TRUE;
            return;
        }
    }
    DefaultHandler(Message);
}
