// TUtilityWindow: a hidden message-only window that hands its messages to a function: the receiver of
// timers and of the application's own posted messages. The function returns whether it handled a message
// (the rest get the default processing). Exceptions from it are shown by the application, never passed
// through the system.
#pragma once

#include "framework/win/windowing/Messages.h"
#include "framework/win/windowing/WindowHandle.h"

#include <functional>

class TUtilityWindow {
public:
    using THandler = std::function<bool(TMessage&)>;

    explicit TUtilityWindow(THandler Handler);
    ~TUtilityWindow() { FHandle.Destroy(); }
    TUtilityWindow(const TUtilityWindow&) = delete;
    TUtilityWindow& operator=(const TUtilityWindow&) = delete;

    HWND Handle() const { return FHandle.Get(); }

private:
    static LRESULT CALLBACK WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

    THandler FHandler;
    TWindowHandle FHandle;
};
