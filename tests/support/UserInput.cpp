#include "tests/support/UserInput.h"

#include "framework/win/windowing/Messages.h"
#include "framework/win/windowing/WinControl.h"
#include "tests/support/Messages.h"

#include <cstring>

namespace {
constexpr BYTE KeyDownBit = 0x80;
constexpr LPARAM OneKeyStroke = 1; // the repeat count of a key message

void SendMouse(TWinControl& Control, UINT Msg, WPARAM Keys, int X, int Y) {
    const TPoint Screen = Control.ClientToScreen({X, Y});
    ::SetCursorPos(Screen.x, Screen.y);
    ::SendMessageA(Control.Handle(), Msg, Keys, PointToLParam({X, Y}));
}
} // namespace

TKeysHeld::TKeysHeld(std::initializer_list<int> VirtualKeys) {
    ::GetKeyboardState(FSaved);
    BYTE State[KeyCount];
    std::memcpy(State, FSaved, sizeof(State));
    for (int Key : VirtualKeys)
        State[Key] |= KeyDownBit;
    ::SetKeyboardState(State);
}

TKeysHeld::~TKeysHeld() {
    ::SetKeyboardState(FSaved);
}

void TypeChars(HWND Window, const std::string& Text) {
    for (char Char : Text)
        ::SendMessageA(Window, WM_CHAR, static_cast<unsigned char>(Char), OneKeyStroke);
}

void TypeKey(WORD Key) {
    ::PostMessageA(::GetFocus(), WM_KEYDOWN, Key, OneKeyStroke);
    ::PostMessageA(::GetFocus(), WM_KEYUP, Key, OneKeyStroke);
    PumpMessages();
}

TPoint CenterOf(const TRect& Rect) {
    return {(Rect.left + Rect.right) / 2, (Rect.top + Rect.bottom) / 2};
}

void ClickAt(HWND Window, const TPoint& Point) {
    const LPARAM At = MAKELPARAM(Point.x, Point.y);
    ::SendMessageA(Window, WM_LBUTTONDOWN, MK_LBUTTON, At);
    ::SendMessageA(Window, WM_LBUTTONUP, 0, At);
}

void MouseMove(TWinControl& Control, int X, int Y) {
    SendMouse(Control, WM_MOUSEMOVE, 0, X, Y);
}

void MouseDown(TWinControl& Control, int X, int Y) {
    SendMouse(Control, WM_LBUTTONDOWN, MK_LBUTTON, X, Y);
}

void MouseUp(TWinControl& Control, int X, int Y) {
    SendMouse(Control, WM_LBUTTONUP, 0, X, Y);
}
