#include "tests/support/SystemInput.h"

#include "tests/support/Messages.h"

#include <iterator>

namespace {
// How long a piece of real input gets to travel from the queue to its window.
constexpr int InputSettle = 30;

void SendMouse(DWORD Flags) {
    INPUT Input{};
    Input.type = INPUT_MOUSE;
    Input.mi.dwFlags = Flags;
    ::SendInput(1, &Input, sizeof(INPUT));
}

void SendKey(WORD Key, DWORD Flags) {
    INPUT Input{};
    Input.type = INPUT_KEYBOARD;
    Input.ki.wVk = Key;
    Input.ki.dwFlags = Flags;
    ::SendInput(1, &Input, sizeof(INPUT));
}
} // namespace

// A relative move of nothing after SetCursorPos: the system then reports the pointer where it was put, as
// moved by the user, to the window under it.
void QueueMouseMove(POINT Screen) {
    ::SetCursorPos(Screen.x, Screen.y);
    SendMouse(MOUSEEVENTF_MOVE);
}

void MoveMouse(POINT Screen) {
    QueueMouseMove(Screen);
    PumpFor(InputSettle);
}

void PressLeft() {
    SendMouse(MOUSEEVENTF_LEFTDOWN);
}

void ReleaseLeft() {
    SendMouse(MOUSEEVENTF_LEFTUP);
}

void ClickOnScreen(POINT Screen) {
    MoveMouse(Screen);
    PressLeft();
    ReleaseLeft();
    PumpFor(InputSettle);
}

void DoubleClickOnScreen(POINT Screen) {
    MoveMouse(Screen);
    for (int Click = 0; Click < 2; ++Click) {
        PressLeft();
        ReleaseLeft();
    }
    PumpFor(InputSettle);
}

void PressKey(WORD Key) {
    SendKey(Key, 0);
}

void ReleaseKey(WORD Key) {
    SendKey(Key, KEYEVENTF_KEYUP);
}

void Chord(std::initializer_list<WORD> Keys) {
    for (WORD Key : Keys)
        PressKey(Key);
    for (auto Key = std::rbegin(Keys); Key != std::rend(Keys); ++Key)
        ReleaseKey(*Key);
}
