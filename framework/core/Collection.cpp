#include "framework/core/Collection.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"

#include <algorithm>

namespace {

// Keeps a collection's update open for the scope, also when an item's Assign raises.
class TUpdateScope {
public:
    explicit TUpdateScope(TCollection& ACollection) : FCollection(ACollection) { FCollection.BeginUpdate(); }
    TUpdateScope(const TUpdateScope&) = delete;
    TUpdateScope& operator=(const TUpdateScope&) = delete;
    ~TUpdateScope() { FCollection.EndUpdate(); }

private:
    TCollection& FCollection;
};

[[noreturn]] void IndexError(int Index) {
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

} // namespace

VSK_IMPLEMENT_CLASS(TCollectionItem)

void TCollectionItem::Publish(TPublisher<TCollectionItem>&) {}

TCollectionItem::TCollectionItem(TCollection* ACollection) {
    SetCollection(ACollection);
}

TCollectionItem::~TCollectionItem() {
    SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* Value) {
    if (Value == FCollection) return;
    if (FCollection) FCollection->RemoveItem(this);
    if (Value) Value->InsertItem(this);
}

int TCollectionItem::Index() const {
    if (!FCollection) return -1;
    auto& Items = FCollection->FItems;
    return static_cast<int>(std::find(Items.begin(), Items.end(), this) - Items.begin());
}

void TCollectionItem::SetIndex(int Value) {
    if (!FCollection || Value == Index()) return;
    FCollection->MoveItem(this, Value);
    Changed(true);
}

std::string TCollectionItem::DisplayName() const {
    return ClassName();
}

void TCollectionItem::Assign(const TPersistent& Source) {
    if (&Source.ClassInfo() == &ClassInfo()) {
        CopyPublishedProperties(*this, Source);
        return;
    }
    TPersistent::Assign(Source);
}

TPersistent* TCollectionItem::GetOwner() const {
    return FCollection;
}

std::string TCollectionItem::GetNamePath() const {
    if (!FCollection) return TPersistent::GetNamePath();
    return FCollection->GetNamePath() + "[" + std::to_string(Index()) + "]";
}

void TCollectionItem::Changed(bool AllItems) {
    if (FCollection) FCollection->ItemChanged(AllItems ? nullptr : this);
}

VSK_IMPLEMENT_CLASS(TCollection)

void TCollection::Publish(TPublisher<TCollection>&) {}

TCollection::TCollection(TPersistent* AOwner, TItemFactory AFactory) : FOwner(AOwner), FFactory(std::move(AFactory)) {}

TCollection::~TCollection() {
    // The owner is going away too: nobody is to be told about the items leaving.
    ++FUpdateCount;
    OnUpdate.Clear();
    while (!FItems.empty())
        delete FItems.back();
}

TCollectionItem* TCollection::Items(int Index) const {
    if (Index < 0 || Index >= Count()) IndexError(Index);
    return FItems[static_cast<std::size_t>(Index)];
}

TCollectionItem* TCollection::Add() {
    TCollectionItem* Item = FFactory(this);
    Item->SetCollection(this);
    return Item;
}

TCollectionItem* TCollection::Insert(int Index) {
    if (Index < 0 || Index > Count()) IndexError(Index);
    TUpdateScope Scope(*this);
    TCollectionItem* Item = Add();
    MoveItem(Item, Index);
    return Item;
}

void TCollection::Delete(int Index) {
    TCollectionItem* Item = Items(Index);
    Notify(Item, cnDeleting);
    delete Item;
}

void TCollection::Clear() {
    if (FItems.empty()) return;
    TUpdateScope Scope(*this);
    while (!FItems.empty())
        Delete(Count() - 1);
}

void TCollection::Assign(const TPersistent& Source) {
    auto* Other = dynamic_cast<const TCollection*>(&Source);
    if (!Other) return TPersistent::Assign(Source);
    if (Other == this) return;
    TUpdateScope Scope(*this);
    Clear();
    for (TCollectionItem* Item : Other->FItems)
        Add()->Assign(*Item);
}

void TCollection::BeginUpdate() {
    ++FUpdateCount;
}

void TCollection::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

std::string TCollection::GetNamePath() const {
    if (!FOwner) return ClassName();
    // The name of the owner's property that holds this collection.
    for (const TPropInfo* Prop : FOwner->ClassInfo().Properties())
        if (Prop->Kind() == TPropKind::Object && Prop->GetValue(*FOwner).AsObject() == this)
            return FOwner->GetNamePath() + "." + Prop->Name();
    return FOwner->GetNamePath() + "." + ClassName();
}

void TCollection::Update(TCollectionItem* Item) {
    OnUpdate(this, Item);
}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::Changed() {
    if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* Item) {
    FItems.push_back(Item);
    Item->FCollection = this;
    Notify(Item, cnAdded);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
    Notify(Item, cnExtracting);
    std::erase(FItems, Item);
    Item->FCollection = nullptr;
    Changed();
}

void TCollection::ItemChanged(TCollectionItem* Item) {
    if (FUpdateCount == 0) Update(Item);
}

void TCollection::MoveItem(TCollectionItem* Item, int NewIndex) {
    if (NewIndex < 0 || NewIndex >= Count()) IndexError(NewIndex);
    std::erase(FItems, Item);
    FItems.insert(FItems.begin() + NewIndex, Item);
}
