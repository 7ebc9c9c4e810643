// The keyboard of skinned frames: one message hook per thread, installed with the first skinned frame and
// removed with the last, that offers each key message (and each press of a mouse button) about to be
// handled to the skinned frames of the window it is for, the nearest first, until one takes it: Alt+Space
// opens the skinned system menu, the shortcuts of the frame's menu run and its skinned menu bar is worked
// from the keyboard, since the host window shows no menu bar of its own. Frames leave the registry before
// they are gone, so the hook never reaches a destroyed one.
#pragma once

#include <windows.h>

// A skinned frame as the hook knows it.
class TvskKeyTarget {
public:
    // The window whose messages, and those of the windows inside it, the frame is offered.
    virtual HWND KeyWindow() const = 0;
    // A message about to be handled; true when the frame handled it (it then goes no further).
    virtual bool OnApplicationMessage(const MSG& Msg) = 0;

protected:
    ~TvskKeyTarget() = default;
};

class TvskFormKeys {
public:
    static void Register(TvskKeyTarget& Target);
    static void Unregister(TvskKeyTarget& Target);
    // Whether this thread's hook is installed.
    static bool Installed();
};
