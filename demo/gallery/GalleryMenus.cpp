#include "demo/gallery/GalleryMenus.h"

TMenuItem* AddMenuItem(TComponent& Owner, TMenuItem& Parent, const std::string& Caption, TShortCut Key) {
    auto* Item = new TMenuItem(&Owner);
    Item->SetCaption(Caption);
    Item->SetShortCut(Key);
    Parent.Add(Item);
    return Item;
}
