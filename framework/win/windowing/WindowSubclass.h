// TWindowSubclass: puts a handler in front of the window procedure of a window the framework did not make
// (a system window such as an MDI client), for as long as the object lives. The handler sees each message
// first and passes it on with CallPrevious; whatever it leaves in Message.Result is the message's result.
// Going away puts the window's previous procedure back, unless another subclass has been put in front of
// ours meanwhile: then ours stays in the chain, passing every message straight on, so that the other one's
// saved procedure still works. When the window is destroyed first, the object simply forgets it.
//
// One TWindowSubclass per window; exceptions of the handler are shown by the application, never passed
// through the system.
#pragma once

#include "framework/win/windowing/Messages.h"

#include <windows.h>

class TWindowSubclass {
public:
    TWindowSubclass(HWND Window, TWndMethod Handler);
    ~TWindowSubclass();
    TWindowSubclass(const TWindowSubclass&) = delete;
    TWindowSubclass& operator=(const TWindowSubclass&) = delete;

    // The window, or null once it is gone.
    HWND Window() const { return FWindow; }
    // The window's procedure as it was before the subclass.
    WNDPROC PreviousProc() const { return FPrevious; }
    // The previous procedure's handling of Message; sets its result.
    void CallPrevious(TMessage& Message) const;

private:
    static LRESULT CALLBACK SubclassProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

    HWND FWindow;
    WNDPROC FPrevious;
    TWndMethod FHandler;
};
