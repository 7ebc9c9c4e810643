// What a window shows, asked of the window itself rather than of the control that made it, so that a test sees
// what the user sees.
#pragma once

#include <windows.h>

#include <string>

// The whole text of a window (GetWindowTextA).
std::string WindowTextOf(HWND Window);
// The text of one cell (Column 0 is the item's caption) of a list view window.
std::string ListItemText(HWND List, int Item, int Column);
