// What a window shows, asked of the window itself rather than of the control that made it, so that a test sees
// what the user sees.
#pragma once

#include <windows.h>

#include <string>

// The whole text of a window (GetWindowTextA).
std::string WindowTextOf(HWND Window);
// The text of one cell (Column 0 is the item's caption) of a list view window.
std::string ListItemText(HWND List, int Item, int Column);
// The index of the tool bar window's button shown pressed (its drop-down menu is down), -1 for none.
int PressedToolButton(HWND ToolBar);
// Whether the item at Position of a menu is selected, as a menu opened from the keyboard selects its first.
bool MenuItemSelected(HMENU Menu, int Position);
