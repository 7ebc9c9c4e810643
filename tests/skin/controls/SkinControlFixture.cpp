#include "tests/skin/controls/SkinControlFixture.h"

#include "tests/support/HandleSnapshot.h"
#include "tests/support/Messages.h"
#include "tests/support/Pictures.h"

#include "framework/win/windowing/WinControl.h"

SkinControlFixture::SkinControlFixture() : Form(std::make_unique<TForm>(nullptr)) {
    Form->SetBounds(40, 40, 420, 320);
    Form->SetColor(clSilver);
    Form->Show();
    PumpMessages();
}

SkinControlFixture::~SkinControlFixture() {
    Form.reset();
    PumpMessages();
}

namespace {
void SendMouse(TWinControl& Control, UINT Msg, WPARAM Keys, int X, int Y) {
    const TPoint Screen = Control.ClientToScreen({X, Y});
    ::SetCursorPos(Screen.x, Screen.y);
    ::SendMessageA(Control.Handle(), Msg, Keys, PointToLParam({X, Y}));
}
} // namespace

void MouseMove(TWinControl& Control, int X, int Y) {
    SendMouse(Control, WM_MOUSEMOVE, 0, X, Y);
}

void MouseDown(TWinControl& Control, int X, int Y) {
    SendMouse(Control, WM_LBUTTONDOWN, MK_LBUTTON, X, Y);
}

void MouseUp(TWinControl& Control, int X, int Y) {
    SendMouse(Control, WM_LBUTTONUP, 0, X, Y);
}

void TypeKey(WORD Key) {
    ::PostMessageA(::GetFocus(), WM_KEYDOWN, Key, 1);
    ::PostMessageA(::GetFocus(), WM_KEYUP, Key, 1);
    PumpMessages();
}

std::unique_ptr<TBitmap> Painted(TWinControl& Control) {
    return PaintedImage(Control, clFuchsia);
}
