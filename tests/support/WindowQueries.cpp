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
