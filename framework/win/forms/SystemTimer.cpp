#include "framework/win/forms/SystemTimer.h"

#include "framework/win/graphics/GraphicsExceptions.h"
#include "framework/win/graphics/HandleCounts.h"

TSystemTimer::TSystemTimer(HWND Window, UINT_PTR Id, UINT Interval) : FWindow(Window), FId(Id) {
    if (!::SetTimer(Window, Id, Interval, nullptr)) throw EOutOfResources();
    THandleCounts::Acquired(THandleKind::Timer);
}

TSystemTimer::~TSystemTimer() {
    ::KillTimer(FWindow, FId);
    THandleCounts::Released(THandleKind::Timer);
}
