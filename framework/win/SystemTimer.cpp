#include "framework/win/SystemTimer.h"

#include "framework/win/GraphicsExceptions.h"
#include "framework/win/HandleCounts.h"

TSystemTimer::TSystemTimer(HWND Window, UINT_PTR Id, UINT Interval) : FWindow(Window), FId(Id) {
    if (!::SetTimer(Window, Id, Interval, nullptr)) throw EOutOfResources();
    THandleCounts::Acquired(THandleKind::Timer);
}

TSystemTimer::~TSystemTimer() {
    ::KillTimer(FWindow, FId);
    THandleCounts::Released(THandleKind::Timer);
}
