// Device contexts with a lifetime: a memory DC we create, a window's DC we borrow from USER and must give
// back with ReleaseDC, and the DC of a WM_PAINT cycle (BeginPaint ... EndPaint).
#pragma once

#include "framework/win/graphics/HandleOwners.h"

#include <windows.h>

// A memory DC compatible with another DC (or with the screen when Reference is null). Deleted with DeleteDC.
class TMemoryDC {
public:
    explicit TMemoryDC(HDC Reference = nullptr);
    HDC Handle() const { return FHandle.Get(); }

private:
    TMemoryDCHandle FHandle;
};

// The DC of a window's client area (GetDC) or of the whole window including its frame (GetWindowDC).
// A null window means the screen. Given back with ReleaseDC: such DCs are a shared USER resource.
class TWindowDC {
public:
    enum TArea { waClient, waWholeWindow };

    explicit TWindowDC(HWND Window, TArea Area = waClient);
    ~TWindowDC();
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    TWindowDC(TWindowDC&& Other) noexcept;
    TWindowDC& operator=(TWindowDC&& Other) noexcept;

    HDC Handle() const { return FHandle; }
    HWND Window() const { return FWindow; }

private:
    void Release();

    HWND FWindow = nullptr;
    HDC FHandle = nullptr;
};

// The DC of one WM_PAINT: BeginPaint in the constructor, EndPaint in the destructor, which validates the
// update region. Neither copyable nor movable: it lives exactly as long as the paint handler.
class TPaintDC {
public:
    explicit TPaintDC(HWND Window);
    ~TPaintDC();
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;

    HDC Handle() const { return FHandle; }

private:
    HWND FWindow;
    PAINTSTRUCT FPaint{};
    HDC FHandle;
};
