#include "tests/support/WindowQueries.h"

#include <commctrl.h>

#include <vector>

namespace {
// Longer than any command text (1,023 characters) the program keeps in a list row.
constexpr int ListTextSize = 2048;
} // namespace

std::string WindowTextOf(HWND Window) {
    std::vector<char> Text(static_cast<std::size_t>(::GetWindowTextLengthA(Window)) + 1, '\0');
    ::GetWindowTextA(Window, Text.data(), static_cast<int>(Text.size()));
    return Text.data();
}

std::string ListItemText(HWND List, int Item, int Column) {
    std::vector<char> Text(ListTextSize, '\0');
    LVITEMA Cell{};
    Cell.iSubItem = Column;
    Cell.pszText = Text.data();
    Cell.cchTextMax = ListTextSize;
    ::SendMessageA(List, LVM_GETITEMTEXTA, static_cast<WPARAM>(Item), reinterpret_cast<LPARAM>(&Cell));
    return Text.data();
}

int PressedToolButton(HWND ToolBar) {
    const int Count = static_cast<int>(::SendMessageA(ToolBar, TB_BUTTONCOUNT, 0, 0));
    for (int Index = 0; Index < Count; ++Index) {
        TBBUTTON Native{};
        ::SendMessageA(ToolBar, TB_GETBUTTON, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&Native));
        if (Native.fsState & TBSTATE_PRESSED) return Index;
    }
    return -1;
}

bool MenuItemSelected(HMENU Menu, int Position) {
    return Menu && (::GetMenuState(Menu, static_cast<UINT>(Position), MF_BYPOSITION) & MF_HILITE) != 0;
}
