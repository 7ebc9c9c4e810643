#include "skin/controls/Vskpopupmenu.h"

#include "framework/core/Properties.h"

VSK_IMPLEMENT_CLASS(TvskPopupMenu)

void TvskPopupMenu::Publish(TPublisher<TvskPopupMenu>&) {} // the look comes from TvskSkinnedMenu

TvskPopupMenu::TvskPopupMenu(TComponent* AOwner) : inherited(AOwner) {
    ApplyStartUpStyle();
}

void TvskPopupMenu::Loaded() {
    inherited::Loaded();
    MenuAdded();
}

void TvskPopupMenu::MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) {
    // A menu being destroyed lets go of its items one by one: nothing to hook then.
    if (Rebuild && !ComponentState().Contains(csDestroying)) MenuAdded();
    inherited::MenuChanged(Sender, Source, Rebuild);
}
