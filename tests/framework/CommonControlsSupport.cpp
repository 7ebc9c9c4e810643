#include "CommonControlsSupport.h"

#include <cstring>

void PutClipboardText(const std::string& Text) {
    if (!::OpenClipboard(nullptr)) return;
    ::EmptyClipboard();
    // The clipboard takes over the memory once SetClipboardData succeeds.
    if (HGLOBAL Memory = ::GlobalAlloc(GMEM_MOVEABLE, Text.size() + 1)) {
        std::memcpy(::GlobalLock(Memory), Text.c_str(), Text.size() + 1);
        ::GlobalUnlock(Memory);
        if (!::SetClipboardData(CF_TEXT, Memory)) ::GlobalFree(Memory);
    }
    ::CloseClipboard();
}

namespace {
constexpr BYTE KeyDownBit = 0x80;
} // namespace

TKeysHeld::TKeysHeld(std::initializer_list<int> VirtualKeys) {
    ::GetKeyboardState(FSaved);
    BYTE State[256];
    std::memcpy(State, FSaved, sizeof(State));
    for (int Key : VirtualKeys)
        State[Key] |= KeyDownBit;
    ::SetKeyboardState(State);
}

TKeysHeld::~TKeysHeld() {
    ::SetKeyboardState(FSaved);
}

TPoint CenterOf(const TRect& Rect) {
    return {(Rect.left + Rect.right) / 2, (Rect.top + Rect.bottom) / 2};
}

void ClickAt(HWND Window, const TPoint& Point) {
    const LPARAM At = MAKELPARAM(Point.x, Point.y);
    ::SendMessageA(Window, WM_LBUTTONDOWN, MK_LBUTTON, At);
    ::SendMessageA(Window, WM_LBUTTONUP, 0, At);
}

std::string WindowTextOf(HWND Window) {
    char Text[512] = {};
    ::GetWindowTextA(Window, Text, sizeof(Text));
    return Text;
}
