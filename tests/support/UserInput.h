// What a user does with the keyboard and the mouse, as the messages the system would deliver for it, sent or
// posted straight to one window. (Input that must go through the system's own loops: SystemInput.h.)
#pragma once

#include "framework/win/graphics/Geometry.h"

#include <windows.h>

#include <initializer_list>
#include <string>

class TWinControl;

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
// A key typed (down and up) into the focused window, through the application's message loop.
void TypeKey(WORD Key);

TPoint CenterOf(const TRect& Rect);
// A left click (button down and up) at a client point of Window.
void ClickAt(HWND Window, const TPoint& Point);
// The mouse moved, the left button pressed or released, at a client point of Control; the pointer is put
// there too, so that the system's own idea of where it is (hover tracking, GetCursorPos) agrees.
void MouseMove(TWinControl& Control, int X, int Y);
void MouseDown(TWinControl& Control, int X, int Y);
void MouseUp(TWinControl& Control, int X, int Y);
