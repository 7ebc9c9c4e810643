// What a user does with the keyboard and the mouse, sent to windows as the system would deliver it.
#pragma once

#include "framework/win/graphics/Geometry.h"

#include <windows.h>

#include <initializer_list>
#include <string>

// Holds keys down in the thread's keyboard state (what GetKeyState reports) while it lives, and puts the
// state back as it was.
class TKeysHeld {
public:
    explicit TKeysHeld(std::initializer_list<int> VirtualKeys);
    ~TKeysHeld();
    TKeysHeld(const TKeysHeld&) = delete;
    TKeysHeld& operator=(const TKeysHeld&) = delete;

private:
    static constexpr int KeyCount = 256;
    BYTE FSaved[KeyCount];
};

// Each character of Text as a WM_CHAR to Window, as typing it would.
void TypeChars(HWND Window, const std::string& Text);

TPoint CenterOf(const TRect& Rect);
// A left click (button down and up) at a client point of Window.
void ClickAt(HWND Window, const TPoint& Point);
