// TWindowHandle: the owner of one window (HWND), counted as THandleKind::Window.
//
// A window can end in two ways: its owner destroys it (Destroy), or the system destroys it for us (its parent
// went, or someone called DestroyWindow). Either way the window's last message, WM_NCDESTROY, reaches its
// window procedure, which calls Forget; that is the one place where the count goes down. The handle stays
// valid while the window processes WM_DESTROY, as the system's own code expects.
#pragma once

#include <windows.h>

class TWindowHandle {
public:
    TWindowHandle() = default;
    ~TWindowHandle() { Destroy(); }
    TWindowHandle(const TWindowHandle&) = delete;
    TWindowHandle& operator=(const TWindowHandle&) = delete;

    HWND Get() const { return FHandle; }
    explicit operator bool() const { return FHandle != nullptr; }

    // Takes ownership of a window just created (at its first message, before CreateWindowEx returns).
    void Adopt(HWND Handle);
    // DestroyWindow; the window's WM_NCDESTROY calls Forget. A window that does not route its messages to
    // Forget (a system window we own, such as an MDI client) is forgotten here once it is gone.
    void Destroy();
    // The window is gone (WM_NCDESTROY).
    void Forget();

private:
    HWND FHandle = nullptr;
};
