// Helpers of the tests of the controls over the system's common controls: the clipboard, modifier keys held
// down, and clicks sent to a window.
#pragma once

#include "framework/win/graphics/Geometry.h"

#include <windows.h>

#include <initializer_list>
#include <string>

// Puts Text on the clipboard as CF_TEXT.
void PutClipboardText(const std::string& Text);

// Holds modifier keys down in the thread's keyboard state (what GetKeyState reports) while it lives.
class TKeysHeld {
public:
    explicit TKeysHeld(std::initializer_list<int> VirtualKeys);
    ~TKeysHeld();
    TKeysHeld(const TKeysHeld&) = delete;
    TKeysHeld& operator=(const TKeysHeld&) = delete;

private:
    BYTE FSaved[256];
};

TPoint CenterOf(const TRect& Rect);
// A left click (button down and up) at a client point of Window.
void ClickAt(HWND Window, const TPoint& Point);
// The text of a window (GetWindowTextA).
std::string WindowTextOf(HWND Window);
