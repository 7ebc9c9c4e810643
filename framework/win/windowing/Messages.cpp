#include "framework/win/windowing/Messages.h"

namespace {
// GetKeyState reports a held key in its sign bit.
bool KeyDown(int VirtualKey) {
    return ::GetKeyState(VirtualKey) < 0;
}
// Bit 29 of a key message's data: the Alt key was held.
constexpr LPARAM AltDownBit = LPARAM{1} << 29;
} // namespace

TShiftState KeysToShiftState(WPARAM Keys) {
    TShiftState State;
    if (Keys & MK_SHIFT) State.Include(ssShift);
    if (Keys & MK_CONTROL) State.Include(ssCtrl);
    if (Keys & MK_LBUTTON) State.Include(ssLeft);
    if (Keys & MK_RBUTTON) State.Include(ssRight);
    if (Keys & MK_MBUTTON) State.Include(ssMiddle);
    if (KeyDown(VK_MENU)) State.Include(ssAlt);
    return State;
}

TShiftState KeyDataToShiftState(LPARAM KeyData) {
    TShiftState State;
    if (KeyDown(VK_SHIFT)) State.Include(ssShift);
    if (KeyDown(VK_CONTROL)) State.Include(ssCtrl);
    if (KeyData & AltDownBit) State.Include(ssAlt);
    return State;
}

TShiftState CurrentShiftState() {
    TShiftState State;
    if (KeyDown(VK_SHIFT)) State.Include(ssShift);
    if (KeyDown(VK_CONTROL)) State.Include(ssCtrl);
    if (KeyDown(VK_MENU)) State.Include(ssAlt);
    return State;
}
