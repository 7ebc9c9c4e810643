#include "tests/support/Components.h"

#include "framework/win/menus/MenuItem.h"

TMenuItem* NewMenuItem(TComponent* Owner, TMenuItem* Parent, const std::string& Caption) {
    auto* Item = new TMenuItem(Owner);
    Item->SetCaption(Caption);
    if (Parent) Parent->Add(Item);
    return Item;
}
