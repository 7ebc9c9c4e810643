// TSystemTimer: the owner of one system timer on a window (SetTimer ... KillTimer), counted as
// THandleKind::Timer. The window must outlive it.
#pragma once

#include <windows.h>

class TSystemTimer {
public:
    // Starts a timer that posts WM_TIMER with Id to Window every Interval milliseconds.
    TSystemTimer(HWND Window, UINT_PTR Id, UINT Interval);
    ~TSystemTimer();
    TSystemTimer(const TSystemTimer&) = delete;
    TSystemTimer& operator=(const TSystemTimer&) = delete;

private:
    HWND FWindow;
    UINT_PTR FId;
};
