// Menus for the gallery's pages: items added to a menu as a form's description would add them.
#pragma once

#include "framework/win/menus/MenuItem.h"
#include "framework/win/menus/ShortCuts.h"

#include <string>

// An item with Caption (and shortcut Key), owned by Owner, added last to Parent.
TMenuItem* AddMenuItem(TComponent& Owner, TMenuItem& Parent, const std::string& Caption, TShortCut Key = scNone);
