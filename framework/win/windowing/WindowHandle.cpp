#include "framework/win/windowing/WindowHandle.h"

#include "framework/win/graphics/HandleCounts.h"

void TWindowHandle::Adopt(HWND Handle) {
    Forget();
    FHandle = Handle;
    if (FHandle) THandleCounts::Acquired(THandleKind::Window);
}

void TWindowHandle::Destroy() {
    if (!FHandle) return;
    ::DestroyWindow(FHandle);
    if (FHandle && !::IsWindow(FHandle)) Forget();
}

void TWindowHandle::Forget() {
    if (!FHandle) return;
    FHandle = nullptr;
    THandleCounts::Released(THandleKind::Window);
}
