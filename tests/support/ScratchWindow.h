// TScratchWindow: a plain top-level window of the system's STATIC class for a test to use as a host, a capture
// target or a shape to cut, destroyed (and counted) by its owner.
#pragma once

#include "framework/win/windowing/WindowHandle.h"

#include <windows.h>

class TScratchWindow {
public:
    // Hidden until shown, and never activated: Wine waits seconds for the window manager to let go of a window
    // that was active.
    TScratchWindow(int Width, int Height);
    TScratchWindow(const TScratchWindow&) = delete;
    TScratchWindow& operator=(const TScratchWindow&) = delete;

    HWND Handle() const { return FHandle.Get(); }
    void Show() const;

private:
    TWindowHandle FHandle;
};
