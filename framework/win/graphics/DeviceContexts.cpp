#include "framework/win/graphics/DeviceContexts.h"

#include "framework/win/graphics/GraphicsExceptions.h"

#include <utility>

TMemoryDC::TMemoryDC(HDC Reference) : FHandle(::CreateCompatibleDC(Reference)) {
    if (!FHandle) throw EOutOfResources();
}

TWindowDC::TWindowDC(HWND Window, TArea Area)
    : FWindow(Window), FHandle(Area == waWholeWindow ? ::GetWindowDC(Window) : ::GetDC(Window)) {
    if (!FHandle) throw EOutOfResources();
    THandleCounts::Acquired(THandleKind::WindowDC);
}

TWindowDC::~TWindowDC() {
    Release();
}

TWindowDC::TWindowDC(TWindowDC&& Other) noexcept
    : FWindow(std::exchange(Other.FWindow, nullptr)), FHandle(std::exchange(Other.FHandle, nullptr)) {}

TWindowDC& TWindowDC::operator=(TWindowDC&& Other) noexcept {
    if (this != &Other) {
        Release();
        FWindow = std::exchange(Other.FWindow, nullptr);
        FHandle = std::exchange(Other.FHandle, nullptr);
    }
    return *this;
}

void TWindowDC::Release() {
    if (!FHandle) return;
    ::ReleaseDC(FWindow, FHandle);
    THandleCounts::Released(THandleKind::WindowDC);
    FHandle = nullptr;
}

TPaintDC::TPaintDC(HWND Window) : FWindow(Window), FHandle(::BeginPaint(Window, &FPaint)) {
    // BeginPaint returns null only for a window that cannot paint; counting it anyway keeps the
    // destructor symmetric, and EndPaint on such a window is harmless.
    THandleCounts::Acquired(THandleKind::WindowDC);
}

TPaintDC::~TPaintDC() {
    ::EndPaint(FWindow, &FPaint);
    THandleCounts::Released(THandleKind::WindowDC);
}
