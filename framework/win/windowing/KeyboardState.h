// What the keyboard holds right now, as the thread's message queue last saw it.
#pragma once

#include <windows.h>

// Whether VirtualKey (VK_SHIFT, VK_CONTROL, VK_MENU, ...) is held down: GetKeyState reports it in the sign bit.
inline bool KeyHeld(int VirtualKey) {
    return ::GetKeyState(VirtualKey) < 0;
}
