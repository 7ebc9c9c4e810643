#include "framework/win/controls/ListItems.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/core/Streams.h"
#include "framework/win/controls/ListView.h"

#include <commctrl.h>

#include <cstdint>

VSK_IMPLEMENT_CLASS(TListItem)
VSK_IMPLEMENT_CLASS(TListItems)

void TListItem::Publish(TPublisher<TListItem>&) {}

void TListItems::Publish(TPublisher<TListItems>& p) {
    p.Binary("Data", &TListItems::ReadData, &TListItems::WriteData, &TListItems::HasData);
}

namespace {
// The check box of an item is its state image: the first unchecked, the second checked.
constexpr UINT UncheckedImage = INDEXTOSTATEIMAGEMASK(1);
constexpr UINT CheckedImage = INDEXTOSTATEIMAGEMASK(2);
// Bounds on what a description's item data may claim, so that damaged data fails instead of allocating.
constexpr std::int32_t MaxStoredCount = 1 << 20;
constexpr std::int32_t MaxStoredText = 1 << 20;

constexpr std::int32_t NoImage = -1;

std::int32_t ReadStoredInt(TStream& Stream, std::int32_t Min, std::int32_t Max) {
    std::int32_t Value = 0;
    Stream.ReadBuffer(&Value, sizeof(Value));
    if (Value < Min || Value > Max) throw EReadError("Invalid list item data");
    return Value;
}

void WriteStoredInt(TStream& Stream, std::int32_t Value) {
    Stream.WriteBuffer(&Value, sizeof(Value));
}

std::string ReadStoredText(TStream& Stream) {
    std::string Text(static_cast<std::size_t>(ReadStoredInt(Stream, 0, MaxStoredText)), '\0');
    if (!Text.empty()) Stream.ReadBuffer(Text.data(), static_cast<std::int64_t>(Text.size()));
    return Text;
}

void WriteStoredText(TStream& Stream, const std::string& Text) {
    WriteStoredInt(Stream, static_cast<std::int32_t>(Text.size()));
    Stream.WriteBuffer(Text.data(), static_cast<std::int64_t>(Text.size()));
}
} // namespace

// TListItem -------------------------------------------------------------------------------------------------

TListItem::TListItem(TListItems& Owner) : FOwner(Owner), FSubItems(std::make_unique<TStringList>()) {
    FSubItems->OnChange.Bind(this, &TListItem::SubItemsChanged);
}

TListItem::~TListItem() = default;

TListView& TListItem::ListView() const {
    return FOwner.Owner();
}

void TListItem::SetCaption(const std::string& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    if (ListView().HandleAllocated()) WriteText(0);
}

void TListItem::SetSubItems(const TStrings* Value) {
    if (Value) FSubItems->Assign(*Value);
}

void TListItem::SetImageIndex(int Value) {
    if (FImageIndex == Value) return;
    FImageIndex = Value;
    if (!ListView().HandleAllocated()) return;
    LVITEMA Item{};
    Item.mask = LVIF_IMAGE;
    Item.iItem = FIndex;
    Item.iImage = FImageIndex;
    ListView().Send(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&Item));
}

bool TListItem::HasState(UINT State) const {
    if (!ListView().HandleAllocated()) return (FStates & State) != 0;
    return (ListView().Send(LVM_GETITEMSTATE, static_cast<WPARAM>(FIndex), State) & State) != 0;
}

void TListItem::SetState(UINT Mask, bool On) {
    if (!ListView().ItemsWindowed()) {
        FStates = On ? (FStates | Mask) : (FStates & ~Mask);
        return;
    }
    LVITEMA Item{};
    Item.stateMask = Mask;
    Item.state = On ? Mask : 0;
    ListView().Send(LVM_SETITEMSTATE, static_cast<WPARAM>(FIndex), reinterpret_cast<LPARAM>(&Item));
}

bool TListItem::Checked() const {
    if (!ListView().HandleAllocated() || !ListView().Checkboxes()) return FChecked;
    return (ListView().Send(LVM_GETITEMSTATE, static_cast<WPARAM>(FIndex), LVIS_STATEIMAGEMASK) &
            LVIS_STATEIMAGEMASK) == CheckedImage;
}

void TListItem::SetChecked(bool Value) {
    FChecked = Value;
    if (!ListView().Checkboxes() || !ListView().ItemsWindowed()) return;
    LVITEMA Item{};
    Item.stateMask = LVIS_STATEIMAGEMASK;
    Item.state = Value ? CheckedImage : UncheckedImage;
    ListView().Send(LVM_SETITEMSTATE, static_cast<WPARAM>(FIndex), reinterpret_cast<LPARAM>(&Item));
}

void TListItem::Delete() {
    FOwner.Delete(FIndex);
}

void TListItem::MakeVisible() {
    if (ListView().HandleAllocated()) ListView().Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(FIndex), FALSE);
}

TRect TListItem::DisplayRect() const {
    TRect Rect;
    Rect.left = LVIR_BOUNDS;
    if (!ListView().HandleAllocated() ||
        !ListView().Send(LVM_GETITEMRECT, static_cast<WPARAM>(FIndex), reinterpret_cast<LPARAM>(&Rect)))
        return TRect();
    return Rect;
}

void TListItem::Assign(const TPersistent& Source) {
    auto* Other = dynamic_cast<const TListItem*>(&Source);
    if (!Other) return inherited::Assign(Source);
    SetCaption(Other->FCaption);
    SetSubItems(Other->FSubItems.get());
    SetImageIndex(Other->FImageIndex);
    FData = Other->FData;
}

void TListItem::InsertIntoWindow() {
    LVITEMA Item{};
    Item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    Item.iItem = FIndex;
    Item.pszText = const_cast<char*>(FCaption.c_str());
    Item.iImage = FImageIndex;
    Item.lParam = reinterpret_cast<LPARAM>(this);
    ListView().Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&Item));
    WriteSubItems();
}

// Column 0 is the caption, column N the sub-item N - 1; columns without a sub-item show nothing.
void TListItem::WriteText(int Column) const {
    const std::string& Text = Column == 0                       ? FCaption
                              : Column - 1 < FSubItems->Count() ? FSubItems->Get(Column - 1)
                                                                : std::string();
    LVITEMA Item{};
    Item.iSubItem = Column;
    Item.pszText = const_cast<char*>(Text.c_str());
    ListView().Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(FIndex), reinterpret_cast<LPARAM>(&Item));
}

void TListItem::WriteSubItems() const {
    for (int Column = 1; Column < ListView().Columns()->Count(); ++Column)
        WriteText(Column);
}

void TListItem::SubItemsChanged(TObject*) {
    if (ListView().HandleAllocated()) WriteSubItems();
}

void TListItem::SaveWindowState() {
    FStates =
        static_cast<UINT>(ListView().Send(LVM_GETITEMSTATE, static_cast<WPARAM>(FIndex), LVIS_SELECTED | LVIS_FOCUSED));
    FChecked = Checked();
}

// TListItems ------------------------------------------------------------------------------------------------

TListItems::TListItems(TListView& Owner) : FOwner(Owner) {}

TListItems::~TListItems() = default;

TListItem* TListItems::Item(int Index) const {
    if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FItems[static_cast<std::size_t>(Index)].get();
}

int TListItems::IndexOf(const TListItem* Item) const {
    return Item && &Item->FOwner == this ? Item->FIndex : -1;
}

void TListItems::Renumber(std::size_t From) {
    for (std::size_t I = From; I < FItems.size(); ++I)
        FItems[I]->FIndex = static_cast<int>(I);
}

TListItem* TListItems::Insert(int Index) {
    if (Index < 0 || Index > Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    // A window made now takes every item there is: so it is made before the new one joins.
    const bool Windowed = FOwner.ItemsWindowed();
    const auto Position = static_cast<std::size_t>(Index);
    TListItem* Item = FItems.insert(FItems.begin() + Index, std::make_unique<TListItem>(*this))->get();
    Renumber(Position);
    if (Windowed) Item->InsertIntoWindow();
    return Item;
}

// The window lets go of the row first: the notifications it sends on the way still find the item.
void TListItems::Delete(int Index) {
    Item(Index);
    if (FOwner.HandleAllocated()) FOwner.Send(LVM_DELETEITEM, static_cast<WPARAM>(Index));
    FItems.erase(FItems.begin() + Index);
    Renumber(static_cast<std::size_t>(Index));
}

void TListItems::Clear() {
    if (FOwner.HandleAllocated()) FOwner.Send(LVM_DELETEALLITEMS);
    FItems.clear();
}

void TListItems::BeginUpdate() {
    if (FUpdateCount++ == 0 && FOwner.HandleAllocated()) FOwner.Send(WM_SETREDRAW, FALSE);
}

void TListItems::EndUpdate() {
    if (FUpdateCount == 0 || --FUpdateCount > 0 || !FOwner.HandleAllocated()) return;
    FOwner.Send(WM_SETREDRAW, TRUE);
    FOwner.Invalidate();
}

void TListItems::Assign(const TPersistent& Source) {
    auto* Other = dynamic_cast<const TListItems*>(&Source);
    if (!Other) return inherited::Assign(Source);
    if (Other == this) return;
    BeginUpdate();
    Clear();
    for (const auto& Item : Other->FItems)
        Add()->Assign(*Item);
    EndUpdate();
}

void TListItems::ReadData(TStream& Stream) {
    // All is read before anything changes: damaged data leaves the items as they were.
    const std::int32_t Count = ReadStoredInt(Stream, 0, MaxStoredCount);
    std::vector<std::unique_ptr<TListItem>> Read;
    for (std::int32_t I = 0; I < Count; ++I) {
        auto Item = std::make_unique<TListItem>(*this);
        Item->FCaption = ReadStoredText(Stream);
        Item->FImageIndex = ReadStoredInt(Stream, NoImage, MaxStoredCount);
        const std::int32_t SubCount = ReadStoredInt(Stream, 0, MaxStoredCount);
        for (std::int32_t S = 0; S < SubCount; ++S)
            Item->FSubItems->Add(ReadStoredText(Stream));
        Read.push_back(std::move(Item));
    }
    BeginUpdate();
    Clear();
    for (const auto& Item : Read)
        Add()->Assign(*Item);
    EndUpdate();
}

void TListItems::WriteData(TStream& Stream) const {
    WriteStoredInt(Stream, Count());
    for (const auto& Item : FItems) {
        WriteStoredText(Stream, Item->FCaption);
        WriteStoredInt(Stream, Item->FImageIndex);
        WriteStoredInt(Stream, Item->FSubItems->Count());
        for (int S = 0; S < Item->FSubItems->Count(); ++S)
            WriteStoredText(Stream, Item->FSubItems->Get(S));
    }
}
