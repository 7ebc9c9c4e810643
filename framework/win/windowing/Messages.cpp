#include "framework/win/windowing/Messages.h"

#include "framework/win/windowing/KeyboardState.h"

namespace {
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
    if (KeyHeld(VK_MENU)) State.Include(ssAlt);
    return State;
}

TShiftState KeyDataToShiftState(LPARAM KeyData) {
    TShiftState State;
    if (KeyHeld(VK_SHIFT)) State.Include(ssShift);
    if (KeyHeld(VK_CONTROL)) State.Include(ssCtrl);
    if (KeyData & AltDownBit) State.Include(ssAlt);
    return State;
}
