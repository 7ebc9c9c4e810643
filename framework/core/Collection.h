// TCollection: an owned, ordered list of items of one class (title bar buttons, list view columns), stored
// in window descriptions as Buttons = < item ... end >. Items are created by the collection's factory and
// destroyed with it; every change reaches the collection's Update, which tells the owner.
// TOwnedCollection<TItem> adds the typed Add and Items.
#pragma once

#include "framework/core/Events.h"
#include "framework/core/Persistent.h"

#include <functional>
#include <string>
#include <vector>

class TCollection;

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent {
    VSK_CLASS(TCollectionItem, TPersistent)

public:
    // Joins ACollection (when not null) as its last item.
    explicit TCollectionItem(TCollection* ACollection);
    TCollectionItem(const TCollectionItem&) = delete;
    TCollectionItem& operator=(const TCollectionItem&) = delete;
    ~TCollectionItem() override;

    TCollection* Collection() const { return FCollection; }
    void SetCollection(TCollection* Value);
    int Index() const;
    // Moves the item to another position.
    virtual void SetIndex(int Value);
    // The item's name in editors and messages; the class name unless a subclass knows better.
    virtual std::string DisplayName() const;

    // Copies the published properties of an item of the same class; others go to TPersistent::Assign.
    void Assign(const TPersistent& Source) override;
    TPersistent* GetOwner() const override;
    std::string GetNamePath() const override;

protected:
    // Reports a change of this item (or, with AllItems, of what all items show) to the collection.
    void Changed(bool AllItems);

private:
    friend class TCollection; // keeps FCollection in step with its list
    TCollection* FCollection = nullptr;
};

class TCollection : public TPersistent {
    VSK_CLASS(TCollection, TPersistent)

public:
    using TItemFactory = std::function<TCollectionItem*(TCollection* Collection)>;

    // AOwner is the object whose property the collection is (for GetOwner); the factory creates an item
    // that joins the given collection.
    TCollection(TPersistent* AOwner, TItemFactory AFactory);
    TCollection(const TCollection&) = delete;
    TCollection& operator=(const TCollection&) = delete;
    ~TCollection() override;

    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError "List index out of bounds (N)".
    TCollectionItem* Items(int Index) const;
    TCollectionItem* Add();
    TCollectionItem* Insert(int Index);
    void Delete(int Index);
    void Clear();

    // Replaces the items by new ones copied from Source's items with each item's Assign.
    void Assign(const TPersistent& Source) override;

    // Changes between BeginUpdate and the matching EndUpdate reach Update once, at the end.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    TPersistent* GetOwner() const override { return FOwner; }
    std::string GetNamePath() const override;

    // Fired by the default Update: the owner repaints or re-reads its items. Item is null when the
    // change concerns the whole collection.
    TEvent<TCollection* /*Sender*/, TCollectionItem* /*Item*/> OnUpdate;

protected:
    // The change notification. The default fires OnUpdate.
    virtual void Update(TCollectionItem* Item);
    // Told when an item joins (cnAdded), is about to leave (cnExtracting) or to be deleted (cnDeleting).
    virtual void Notify(TCollectionItem* Item, TCollectionNotification Action);
    // Calls Update(nullptr) unless an update is in progress.
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* Item);
    void RemoveItem(TCollectionItem* Item);
    void ItemChanged(TCollectionItem* Item);
    void MoveItem(TCollectionItem* Item, int NewIndex);

    TPersistent* FOwner;
    TItemFactory FFactory;
    std::vector<TCollectionItem*> FItems;
    int FUpdateCount = 0;
};

template<class TItem>
class TOwnedCollection : public TCollection {
public:
    explicit TOwnedCollection(TPersistent* AOwner)
        : TCollection(AOwner, [](TCollection* Collection) -> TCollectionItem* { return new TItem(Collection); }) {}

    TItem* Add() { return static_cast<TItem*>(TCollection::Add()); }
    TItem* Insert(int Index) { return static_cast<TItem*>(TCollection::Insert(Index)); }
    TItem* Items(int Index) const { return static_cast<TItem*>(TCollection::Items(Index)); }
};
