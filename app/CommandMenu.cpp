#include "app/CommandMenu.h"

#include "framework/core/Properties.h"
#include "framework/win/menus/MenuItem.h"

namespace {
struct TItemText {
    const char* szCaption;
    TShortCut nShortCut;
    bool bLineBefore;
};
constexpr TItemText kItems[cmiCount] = {
    {"&Copy Command Text", scCtrl | 'C', false},
    {"&Preview/Edit", scNone, false},
    {"&Delete", VK_DELETE, false},
    {"&Undo Delete", scCtrl | 'Z', false},
    {"&Find...", scCtrl | 'F', true},
    {"&Export...", scNone, true},
    {"&Import...", scNone, false},
};
} // namespace

VSK_IMPLEMENT_CLASS(TCommandMenu)

void TCommandMenu::Publish(TPublisher<TCommandMenu>&) {}

TCommandMenu::TCommandMenu(TComponent* AOwner) : TvskPopupMenu(AOwner) {
    for (int i = 0; i < cmiCount; ++i) {
        if (kItems[i].bLineBefore) {
            auto* pLine = new TMenuItem(this);
            pLine->SetCaption(TMenuItem::LineCaption);
            Items()->Add(pLine);
        }
        m_pItems[i] = new TMenuItem(this);
        m_pItems[i]->SetCaption(kItems[i].szCaption);
        m_pItems[i]->SetShortCut(kItems[i].nShortCut);
        Items()->Add(m_pItems[i]);
    }
}
