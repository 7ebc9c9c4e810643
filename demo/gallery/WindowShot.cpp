#include "demo/gallery/WindowShot.h"

#include "framework/win/forms/Application.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/DeviceContexts.h"

namespace {
// Long enough for posted repaints and the first ticks of a control's timers, short enough for 5 x pages.
constexpr DWORD SettleTime = 300;
constexpr DWORD SettleStep = 10;
} // namespace

void SettleWindow(HWND Window) {
    ::RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (DWORD Waited = 0; Waited < SettleTime; Waited += SettleStep) {
        Application->ProcessMessages();
        ::Sleep(SettleStep);
    }
}

void SaveWindowShot(HWND Window, const std::string& FileName) {
    RECT Rect;
    ::GetWindowRect(Window, &Rect);
    TBitmap Shot(Rect.right - Rect.left, Rect.bottom - Rect.top);
    const TWindowDC Screen(nullptr);
    ::BitBlt(Shot.Canvas().Handle(), 0, 0, Shot.Width(), Shot.Height(), Screen.Handle(), Rect.left, Rect.top, SRCCOPY);
    Shot.SaveToFile(FileName);
}
