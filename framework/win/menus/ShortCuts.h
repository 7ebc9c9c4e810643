// Keyboard shortcuts of menu items: a virtual key in the low byte and the modifier keys in the high bits, as
// descriptions store them (ShortCut = 16463 is Ctrl+O), and their text as menus show it ("Ctrl+O").
#pragma once

#include "framework/win/windowing/Messages.h"

#include <cstdint>
#include <string>

using TShortCut = std::uint16_t;
inline constexpr TShortCut scNone = 0;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

TShortCut ShortCut(WORD Key, TShiftState Shift);
void ShortCutToKey(TShortCut ShortCut, WORD& Key, TShiftState& Shift);
// "Shift+Ctrl+Alt+" as held, then the key's name ("F5", "Del", "O"); empty for scNone.
std::string ShortCutToText(TShortCut ShortCut);
// The shortcut a key message (WM_KEYDOWN or WM_SYSKEYDOWN) types, scNone for a modifier key alone.
TShortCut ShortCutFromMessage(const TMessage& KeyMessage);
