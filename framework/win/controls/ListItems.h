// TListItem / TListItems: the rows of a list view. An item has a caption, the texts of the further columns
// (SubItems), a pointer for the program (Data), an image index and the states selected, focused and
// checked. The items belong to the list view, not to its window: they are written into every window the
// list view makes, and the states the user gave them are read back before a window goes.
//
// Adding, inserting and selecting make the list view's window when it can have one (it is on a form), so
// that the change events of the window fire at once, as the program expects.
#pragma once

#include "framework/core/Persistent.h"
#include "framework/core/Strings.h"
#include "framework/win/graphics/Geometry.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TListItems;
class TListView;
class TStream;

class TListItem : public TPersistent {
    VSK_CLASS(TListItem, TPersistent)

public:
    explicit TListItem(TListItems& Owner);
    ~TListItem() override;

    TListItems& Owner() const { return FOwner; }
    TListView& ListView() const;
    // The row's position in the list.
    int Index() const { return FIndex; }

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    TStrings* SubItems() const { return FSubItems.get(); }
    void SetSubItems(const TStrings* Value);
    void* Data() const { return FData; }
    void SetData(void* Value) { FData = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);

    bool Selected() const { return HasState(LVIS_SELECTED); }
    void SetSelected(bool Value) { SetState(LVIS_SELECTED, Value); }
    bool Focused() const { return HasState(LVIS_FOCUSED); }
    void SetFocused(bool Value) { SetState(LVIS_FOCUSED, Value); }
    // The check box of a list view with Checkboxes.
    bool Checked() const;
    void SetChecked(bool Value);

    // Removes the item from its list view (and destroys it).
    void Delete();
    // Scrolls the list view so that the item can be seen.
    void MakeVisible();
    // Where the row is drawn in the list view's client area (empty without a window).
    TRect DisplayRect() const;

    // Copies caption, sub-items, image index and data of another item.
    void Assign(const TPersistent& Source) override;

private:
    friend class TListItems;
    friend class TListView;

    bool HasState(UINT State) const;
    // Turns the LVIS_ states in Mask on or off together (one change notification for all of them).
    void SetState(UINT Mask, bool On);
    // Writes the item into the list view's window at its index.
    void InsertIntoWindow();
    void WriteText(int Column) const;
    void WriteSubItems() const;
    void SubItemsChanged(TObject* Sender);
    // Keeps what the window knows of the item, before the window goes.
    void SaveWindowState();

    TListItems& FOwner;
    int FIndex = -1;
    std::string FCaption;
    std::unique_ptr<TStringList> FSubItems;
    void* FData = nullptr;
    int FImageIndex = -1;
    UINT FStates = 0; // the LVIS_ states while there is no window
    bool FChecked = false;
};

class TListItems : public TPersistent {
    VSK_CLASS(TListItems, TPersistent)

public:
    explicit TListItems(TListView& Owner);
    ~TListItems() override;

    TListView& Owner() const { return FOwner; }
    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError for an index out of range.
    TListItem* Item(int Index) const;
    TListItem* operator[](int Index) const { return Item(Index); }
    int IndexOf(const TListItem* Item) const;

    TListItem* Add() { return Insert(Count()); }
    TListItem* Insert(int Index);
    void Delete(int Index);
    void Clear();

    // Many changes in a row: the window redraws once, at the end.
    void BeginUpdate();
    void EndUpdate();

    void Assign(const TPersistent& Source) override;

    // Descriptions keep the items as binary data (Items.Data): captions, sub-items and image indexes.
    void ReadData(TStream& Stream);
    void WriteData(TStream& Stream) const;
    bool HasData() const { return !FItems.empty(); }

private:
    friend class TListView;

    void Renumber(std::size_t From);

    TListView& FOwner;
    std::vector<std::unique_ptr<TListItem>> FItems;
    int FUpdateCount = 0;
};
