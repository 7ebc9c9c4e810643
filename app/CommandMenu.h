#pragma once

#include "skin/controls/Vskpopupmenu.h"

#include <cstdint>

// The commands of the list's context menu, in menu order.
enum TCommandMenuItem : std::uint8_t { cmiCopy, cmiEdit, cmiDelete, cmiUndo, cmiFind, cmiExport, cmiImport, cmiCount };

// The list's context menu (right click or the context-menu key), skinned like the title bar's menu. It only
// carries the items, with the shortcuts that also work while the list has the focus; the main window binds what
// they do and enables them before the menu shows (OnPopup).
class TCommandMenu : public TvskPopupMenu {
    VSK_CLASS(TCommandMenu, TvskPopupMenu)

public:
    explicit TCommandMenu(TComponent* AOwner);

    TMenuItem* Item(TCommandMenuItem nItem) const { return m_pItems[nItem]; }

private:
    TMenuItem* m_pItems[cmiCount] = {};
};
