// TvskPopupMenu: the framework's pop-up menu with every item drawn in the colours of a skin style: a bar
// down the left side, the background, a framed selection, thin separator lines, check marks and, in MacOS,
// the MacOS menu bitmaps. Items added at any time are drawn so too.
#pragma once

#include "framework/win/menus/PopupMenu.h"
#include "skin/controls/Vskskinnedmenu.h"

class TvskPopupMenu : public TvskSkinnedMenu<TPopupMenu> {
    VSK_CLASS(TvskPopupMenu, TvskSkinnedMenu<TPopupMenu>)

public:
    explicit TvskPopupMenu(TComponent* AOwner);

    // Routes the measure and draw events of every item (and sub-item) to this menu.
    void MenuAdded() { HookItems(); }

    void Loaded() override;

protected:
    const TImageList& CheckMarks() const override { return FCheckMarks.List(); }
    // A changed structure may bring items that do not draw through this menu yet.
    void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) override;

private:
    TvskCheckMarks FCheckMarks;
};
