// Scoped guards that undo a change to a DC or to the mouse capture when the scope ends, also on exceptions.
#pragma once

#include "framework/win/graphics/HandleOwners.h"

#include <windows.h>

// Selects an object into a DC and puts the previous one back. The object must outlive the guard.
class TSelectObjectGuard {
public:
    TSelectObjectGuard(HDC DC, HGDIOBJ Object) : FDC(DC), FOld(::SelectObject(DC, Object)) {}
    ~TSelectObjectGuard() { ::SelectObject(FDC, FOld); }
    TSelectObjectGuard(const TSelectObjectGuard&) = delete;
    TSelectObjectGuard& operator=(const TSelectObjectGuard&) = delete;

private:
    HDC FDC;
    HGDIOBJ FOld;
};

// SaveDC ... RestoreDC: brings back everything (objects, clipping, origins, modes) in one step.
class TSaveDCGuard {
public:
    explicit TSaveDCGuard(HDC DC) : FDC(DC), FSaved(::SaveDC(DC)) {}
    ~TSaveDCGuard() { ::RestoreDC(FDC, FSaved); }
    TSaveDCGuard(const TSaveDCGuard&) = delete;
    TSaveDCGuard& operator=(const TSaveDCGuard&) = delete;

private:
    HDC FDC;
    int FSaved;
};

// The viewport origin and the clip region, which painting moves and narrows to draw a child or a part: the
// cheap alternative to SaveDC for that (SaveDC copies the whole DC and costs as much as painting a button).
// The clip region is kept in device units, as GetClipRgn gives it and SelectClipRgn takes it.
class TOriginClipGuard {
public:
    explicit TOriginClipGuard(HDC DC) : FDC(DC), FClip(::CreateRectRgn(0, 0, 0, 0)) {
        ::GetViewportOrgEx(DC, &FOrigin);
        FClipped = FClip && ::GetClipRgn(DC, FClip.Get()) == 1;
    }
    ~TOriginClipGuard() {
        ::SetViewportOrgEx(FDC, FOrigin.x, FOrigin.y, nullptr);
        ::SelectClipRgn(FDC, FClipped ? FClip.Get() : nullptr);
    }
    TOriginClipGuard(const TOriginClipGuard&) = delete;
    TOriginClipGuard& operator=(const TOriginClipGuard&) = delete;

private:
    HDC FDC;
    TRegionHandle FClip;
    POINT FOrigin{};
    bool FClipped = false;
};

// One DC setting whose Set function returns the previous value (SetBkMode, SetTextColor, SetROP2, ...):
// the guard sets the new value and writes the old one back.
template<class TValue, TValue(WINAPI* Set)(HDC, TValue)>
class TDCSettingGuard {
public:
    TDCSettingGuard(HDC DC, TValue Value) : FDC(DC), FOld(Set(DC, Value)) {}
    ~TDCSettingGuard() { Set(FDC, FOld); }
    TDCSettingGuard(const TDCSettingGuard&) = delete;
    TDCSettingGuard& operator=(const TDCSettingGuard&) = delete;

private:
    HDC FDC;
    TValue FOld;
};

using TBkModeGuard = TDCSettingGuard<int, ::SetBkMode>;
using TBkColorGuard = TDCSettingGuard<COLORREF, ::SetBkColor>;
using TTextColorGuard = TDCSettingGuard<COLORREF, ::SetTextColor>;
using TRop2Guard = TDCSettingGuard<int, ::SetROP2>;
using TStretchModeGuard = TDCSettingGuard<int, ::SetStretchBltMode>;

// Captures the mouse for a window and releases it at the end, unless someone else took it meanwhile.
class TCaptureGuard {
public:
    explicit TCaptureGuard(HWND Window) : FWindow(Window) { ::SetCapture(Window); }
    ~TCaptureGuard() {
        if (::GetCapture() == FWindow) ::ReleaseCapture();
    }
    TCaptureGuard(const TCaptureGuard&) = delete;
    TCaptureGuard& operator=(const TCaptureGuard&) = delete;

private:
    HWND FWindow;
};
