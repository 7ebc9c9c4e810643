// TListView: rows of items over the system's SysListView32 control, shown as icons, a list or, in report
// view, a table with a header of Columns. The items (Items) and columns belong to the control and outlive
// its windows: changing a style that needs a new window keeps both, with the rows' selection.
//
// Events: OnChange for every change the window reports of an item (its text, its image or its state:
// selected, focused, checked), OnSelectItem when an item gains or loses the selection. One click on another
// row therefore reports the old row's changes (it loses the focus and the selection) before the new row's.
#pragma once

#include "framework/win/controls/ListColumns.h"
#include "framework/win/controls/ListItems.h"
#include "framework/win/windowing/SystemControl.h"

#include <cstdint>
#include <memory>

enum TViewStyle : std::uint8_t { vsIcon, vsSmallIcon, vsList, vsReport };
extern const TEnumInfo TViewStyleInfo;

// What changed of an item: its caption or sub-items, its image, or its state.
enum TItemChange : std::uint8_t { ctText, ctImage, ctState };

using TLVChangeEvent = TEvent<TObject* /*Sender*/, TListItem* /*Item*/, TItemChange /*Change*/>;
using TLVSelectItemEvent = TEvent<TObject* /*Sender*/, TListItem* /*Item*/, bool /*Selected*/>;

class TListView : public TSystemControl {
    VSK_CLASS(TListView, TSystemControl)

public:
    explicit TListView(TComponent* AOwner);
    ~TListView() override;

    TListColumns* Columns() const { return FColumns.get(); }
    void SetColumns(const TListColumns* Value);
    TListItems* Items() const { return FItems.get(); }
    void SetItems(const TListItems* Value);

    TViewStyle ViewStyle() const { return FViewStyle; }
    void SetViewStyle(TViewStyle Value);
    // Report view: a click anywhere on a row selects it, and the whole row shows the selection.
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool Value);
    // Captions cannot be edited in place.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    // The selection disappears while the list view does not have the focus.
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    bool GridLines() const { return FGridLines; }
    void SetGridLines(bool Value);
    bool Checkboxes() const { return FCheckboxes; }
    void SetCheckboxes(bool Value);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value);
    bool ShowColumnHeaders() const { return FShowColumnHeaders; }
    void SetShowColumnHeaders(bool Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);

    // The first selected item, or null.
    TListItem* Selected() const;
    TListItem* ItemFocused() const;
    int SelCount() const;
    // The index of the selected item, -1 when none is. Setting it selects and focuses that row alone
    // (-1: none), which the window reports at once through OnChange and OnSelectItem.
    int ItemIndex() const;
    void SetItemIndex(int Value);
    // Scrolls the contents by pixels (in report view, vertically by whole rows).
    void Scroll(int DeltaX, int DeltaY);

    TLVChangeEvent OnChange;
    TLVSelectItemEvent OnSelectItem;

protected:
    void CreateParams(TCreateParams& Params) override;
    void WindowCreated() override;
    void DestroyWnd() override;
    void WndProc(TMessage& Message) override;
    virtual void Change(TListItem* Item, TItemChange Change);
    virtual void SelectItem(TListItem* Item, bool Selected);

private:
    friend class TListColumns;
    friend class TListItem;
    friend class TListItems;

    // Whether the items live in a window now, making it when the list view can have one.
    bool ItemsWindowed();
    LRESULT Send(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0) const;
    void ColumnsChanged(TListColumn* Column);
    void WriteColumn(int Index, bool Insert);
    void WriteColumns();
    void TakeColumnWidths();
    void WriteItems();
    void WriteColors();
    void WriteExtendedStyles();
    void StyleChanged();
    void CNNotify(TMessage& Message);
    void ItemChanged(const NMLISTVIEW& Notify);
    void WMNotify(TMessage& Message);

    std::unique_ptr<TListColumns> FColumns;
    std::unique_ptr<TListItems> FItems;
    TViewStyle FViewStyle = vsIcon;
    bool FRowSelect = false;
    bool FReadOnly = false;
    bool FHideSelection = true;
    bool FGridLines = false;
    bool FCheckboxes = false;
    bool FMultiSelect = false;
    bool FShowColumnHeaders = true;
    TBorderStyle FBorderStyle = bsSingle;
    int FWritingWindow = 0; // filling a new window: its notifications are not the program's changes
};
