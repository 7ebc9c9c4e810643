#include "framework/win/forms/MDIClient.h"

#include "framework/core/Exceptions.h"
#include "framework/win/windowing/WindowClasses.h"

namespace {
// Ids the client gives the MDI children (and the "Window" menu items naming them).
constexpr UINT FirstChildId = 0xFF00;
constexpr DWORD ClientStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL;
} // namespace

void TMDIClient::Create(HWND Frame, const TRect& Area) {
    if (FHandle) return;
    CLIENTCREATESTRUCT Client{nullptr, FirstChildId};
    const HWND Window = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, ClientStyle, Area.left, Area.top,
                                          Area.Width(), Area.Height(), Frame, nullptr, ProgramInstance(), &Client);
    if (!Window) throw EInvalidOperation("Error creating the MDI client window");
    FHandle.Adopt(Window);
}

void TMDIClient::Place(const TRect& Area) {
    if (FHandle)
        ::SetWindowPos(FHandle.Get(), nullptr, Area.left, Area.top, Area.Width(), Area.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND TMDIClient::ActiveChild() const {
    if (!FHandle) return nullptr;
    return reinterpret_cast<HWND>(::SendMessageA(FHandle.Get(), WM_MDIGETACTIVE, 0, 0));
}

void TMDIClient::Tile() {
    if (FHandle) ::SendMessageA(FHandle.Get(), WM_MDITILE, MDITILE_VERTICAL, 0);
}

void TMDIClient::Cascade() {
    if (FHandle) ::SendMessageA(FHandle.Get(), WM_MDICASCADE, 0, 0);
}
