// The menu items of the process by command id, and the one place where menu messages find their items.
//
// The system names a menu item by its command id in WM_COMMAND, WM_MEASUREITEM and WM_DRAWITEM, and a
// sub-menu by its HMENU in WM_INITMENUPOPUP and WM_MENUCHAR. Whichever window receives them (a form with a
// main menu, or the hidden window that owns pop-up menus) hands them to DispatchMenuMessage.
#pragma once

#include "framework/win/windowing/Messages.h"

#include <memory>

class TMenuItem;
class TUtilityWindow;

// A command id, unique among the living items, for a new item; given back when the item goes.
UINT RegisterMenuItem(TMenuItem& Item);
void UnregisterMenuItem(UINT Command);
TMenuItem* FindMenuItem(UINT Command);
// The item whose system menu Menu is (a menu's root item for the menu itself).
TMenuItem* FindMenuItemOfHandle(HMENU Menu);

// Handles a menu message of one of our items (clicks, owner drawing, a sub-menu opening, a mnemonic
// typed into an owner-drawn menu); false for anything else.
bool DispatchMenuMessage(TMessage& Message);

// The hidden window that owns pop-up menus and receives their messages; it lives while someone holds it.
std::shared_ptr<TUtilityWindow> MenuWindow();
