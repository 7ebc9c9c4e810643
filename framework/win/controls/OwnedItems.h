// TOwnedItems<TItem>: a typed collection whose items join it only once they are fully built. Its owner
// reads the items in every change notification (Update) to write them into a window; an item that joined
// from inside its base class's constructor (as with TOwnedCollection's factory) would be read before its
// own fields exist.
#pragma once

#include "framework/core/Collection.h"

template<class TItem>
class TOwnedItems : public TCollection {
public:
    explicit TOwnedItems(TPersistent* AOwner)
        : TCollection(AOwner, [](TCollection*) -> TCollectionItem* { return new TItem(nullptr); }) {}

    TItem* Add() { return static_cast<TItem*>(TCollection::Add()); }
    TItem* Insert(int Index) { return static_cast<TItem*>(TCollection::Insert(Index)); }
    TItem* Items(int Index) const { return static_cast<TItem*>(TCollection::Items(Index)); }
};
