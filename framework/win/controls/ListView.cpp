#include "framework/win/controls/ListView.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/win/graphics/ColorConversion.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/windowing/CommonControlsInit.h"

#include <commctrl.h>

VSK_IMPLEMENT_CLASS(TListView)

const TEnumInfo TViewStyleInfo{"TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"}};

void TListView::Publish(TPublisher<TListView>& p) {
    p.Enum("BorderStyle", &TListView::BorderStyle, &TListView::SetBorderStyle, TBorderStyleInfo).Default(bsSingle);
    p.Int("BorderWidth", &TListView::BorderWidth, &TListView::SetBorderWidth).Default(0);
    p.Bool("Checkboxes", &TListView::Checkboxes, &TListView::SetCheckboxes).Default(false);
    p.Object("Columns", &TListView::Columns, &TListView::SetColumns);
    p.Bool("GridLines", &TListView::GridLines, &TListView::SetGridLines).Default(false);
    p.Bool("HideSelection", &TListView::HideSelection, &TListView::SetHideSelection).Default(true);
    p.Object("Items", &TListView::Items, &TListView::SetItems);
    p.Bool("MultiSelect", &TListView::MultiSelect, &TListView::SetMultiSelect).Default(false);
    p.Bool("ReadOnly", &TListView::ReadOnly, &TListView::SetReadOnly).Default(false);
    p.Bool("RowSelect", &TListView::RowSelect, &TListView::SetRowSelect).Default(false);
    p.Bool("ShowColumnHeaders", &TListView::ShowColumnHeaders, &TListView::SetShowColumnHeaders).Default(true);
    p.Bool("TabStop", &TListView::TabStop, &TListView::SetTabStop).Default(true);
    p.Enum("ViewStyle", &TListView::ViewStyle, &TListView::SetViewStyle, TViewStyleInfo).Default(vsIcon);
    p.Event("OnChange", &TListView::OnChange);
    p.Event("OnSelectItem", &TListView::OnSelectItem);
}

namespace {
constexpr int DefaultListWidth = 250;
constexpr int DefaultListHeight = 150;

constexpr DWORD ViewStyles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
constexpr int ColumnFormats[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER};

// Scope in which the window's notifications are not changes of the program's items.
class TWritingWindow {
public:
    explicit TWritingWindow(int& Counter) : FCounter(Counter) { ++FCounter; }
    ~TWritingWindow() { --FCounter; }
    TWritingWindow(const TWritingWindow&) = delete;
    TWritingWindow& operator=(const TWritingWindow&) = delete;

private:
    int& FCounter;
};
} // namespace

TListView::TListView(TComponent* AOwner)
    : TSystemControl(AOwner), FColumns(std::make_unique<TListColumns>(*this)),
      FItems(std::make_unique<TListItems>(*this)) {
    // The list view paints its whole area itself; its name does not become its text.
    SetControlStyle((ControlStyle() | TControlStyle{csOpaque}) - TControlStyle{csSetCaption});
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(Left(), Top(), DefaultListWidth, DefaultListHeight);
}

TListView::~TListView() = default;

void TListView::SetColumns(const TListColumns* Value) {
    if (Value) FColumns->Assign(*Value);
}

void TListView::SetItems(const TListItems* Value) {
    if (Value) FItems->Assign(*Value);
}

LRESULT TListView::Send(UINT Msg, WPARAM WParam, LPARAM LParam) const {
    return const_cast<TListView*>(this)->Perform(Msg, WParam, LParam);
}

bool TListView::ItemsWindowed() {
    if (HandleAllocated()) return true;
    if (IsLoading() || IsDestroying() || !GetParentForm()) return false;
    HandleNeeded();
    return HandleAllocated();
}

// The window ---------------------------------------------------------------------------------------------

void TListView::CreateParams(TCreateParams& Params) {
    InitCommonControlClasses(ICC_LISTVIEW_CLASSES);
    inherited::CreateParams(Params);
    CreateSubClass(Params, WC_LISTVIEWA);
    Params.Style |= ViewStyles[FViewStyle];
    if (!FMultiSelect) Params.Style |= LVS_SINGLESEL;
    if (!FHideSelection) Params.Style |= LVS_SHOWSELALWAYS;
    if (!FReadOnly) Params.Style |= LVS_EDITLABELS;
    if (!FShowColumnHeaders) Params.Style |= LVS_NOCOLUMNHEADER;
    if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::WindowCreated() {
    inherited::WindowCreated();
    TWritingWindow Writing(FWritingWindow);
    WriteExtendedStyles();
    WriteColors();
    WriteColumns();
    WriteItems();
}

void TListView::DestroyWnd() {
    TakeColumnWidths();
    for (int I = 0; I < FItems->Count(); ++I)
        FItems->Item(I)->SaveWindowState();
    inherited::DestroyWnd();
}

void TListView::StyleChanged() {
    RecreateWnd();
}

void TListView::WriteExtendedStyles() {
    DWORD Style = 0;
    if (FRowSelect) Style |= LVS_EX_FULLROWSELECT;
    if (FGridLines) Style |= LVS_EX_GRIDLINES;
    if (FCheckboxes) Style |= LVS_EX_CHECKBOXES;
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES, Style);
}

void TListView::WriteColors() {
    Send(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
    Send(LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
    Send(LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font()->Color())));
}

void TListView::WriteItems() {
    for (int I = 0; I < FItems->Count(); ++I) {
        TListItem* Item = FItems->Item(I);
        Item->InsertIntoWindow();
        LVITEMA State{};
        State.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        State.state = Item->FStates;
        Send(LVM_SETITEMSTATE, static_cast<WPARAM>(I), reinterpret_cast<LPARAM>(&State));
        if (FCheckboxes) Item->SetChecked(Item->FChecked);
    }
}

void TListView::SetViewStyle(TViewStyle Value) {
    if (FViewStyle == Value) return;
    FViewStyle = Value;
    StyleChanged();
}

void TListView::SetReadOnly(bool Value) {
    if (FReadOnly == Value) return;
    FReadOnly = Value;
    StyleChanged();
}

void TListView::SetHideSelection(bool Value) {
    if (FHideSelection == Value) return;
    FHideSelection = Value;
    StyleChanged();
}

void TListView::SetMultiSelect(bool Value) {
    if (FMultiSelect == Value) return;
    FMultiSelect = Value;
    StyleChanged();
}

void TListView::SetShowColumnHeaders(bool Value) {
    if (FShowColumnHeaders == Value) return;
    FShowColumnHeaders = Value;
    StyleChanged();
}

void TListView::SetBorderStyle(TBorderStyle Value) {
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    StyleChanged();
}

void TListView::SetRowSelect(bool Value) {
    if (FRowSelect == Value) return;
    FRowSelect = Value;
    if (HandleAllocated()) WriteExtendedStyles();
}

void TListView::SetGridLines(bool Value) {
    if (FGridLines == Value) return;
    FGridLines = Value;
    if (HandleAllocated()) WriteExtendedStyles();
}

// Switching the check boxes on gives every row an empty one: the rows' own checks are written again.
void TListView::SetCheckboxes(bool Value) {
    if (FCheckboxes == Value) return;
    if (!HandleAllocated()) {
        FCheckboxes = Value;
        return;
    }
    for (int I = 0; I < FItems->Count(); ++I)
        FItems->Item(I)->FChecked = FItems->Item(I)->Checked();
    FCheckboxes = Value;
    TWritingWindow Writing(FWritingWindow);
    WriteExtendedStyles();
    if (Value)
        for (int I = 0; I < FItems->Count(); ++I)
            FItems->Item(I)->SetChecked(FItems->Item(I)->FChecked);
}

// Columns ------------------------------------------------------------------------------------------------

void TListView::ColumnsChanged(TListColumn* Column) {
    if (!HandleAllocated()) return;
    TWritingWindow Writing(FWritingWindow);
    if (Column) {
        WriteColumn(Column->Index(), false);
        return;
    }
    WriteColumns();
    // Texts of columns that did not exist before are shown now.
    for (int I = 0; I < FItems->Count(); ++I)
        FItems->Item(I)->WriteSubItems();
}

void TListView::WriteColumn(int Index, bool Insert) {
    const TListColumn* Column = FColumns->Items(Index);
    LVCOLUMNA Info{};
    Info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    Info.pszText = const_cast<char*>(Column->Caption().c_str());
    Info.cx = Column->Width();
    // The first column of a list view is always left-aligned.
    Info.fmt = Index == 0 ? LVCFMT_LEFT : ColumnFormats[Column->Alignment()];
    Send(Insert ? LVM_INSERTCOLUMNA : LVM_SETCOLUMNA, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&Info));
}

void TListView::WriteColumns() {
    while (Send(LVM_DELETECOLUMN, 0))
        ;
    for (int I = 0; I < FColumns->Count(); ++I)
        WriteColumn(I, true);
}

// The window's column widths are the user's: the columns take them over.
void TListView::TakeColumnWidths() {
    if (!HandleAllocated()) return;
    for (int I = 0; I < FColumns->Count(); ++I) {
        LVCOLUMNA Info{};
        Info.mask = LVCF_WIDTH;
        if (Send(LVM_GETCOLUMNA, static_cast<WPARAM>(I), reinterpret_cast<LPARAM>(&Info)))
            FColumns->Items(I)->FWidth = Info.cx;
    }
}

// Selection ----------------------------------------------------------------------------------------------

TListItem* TListView::Selected() const {
    if (!HandleAllocated()) {
        for (int I = 0; I < FItems->Count(); ++I)
            if (FItems->Item(I)->Selected()) return FItems->Item(I);
        return nullptr;
    }
    const auto Index = static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return Index >= 0 && Index < FItems->Count() ? FItems->Item(Index) : nullptr;
}

TListItem* TListView::ItemFocused() const {
    for (int I = 0; I < FItems->Count(); ++I)
        if (FItems->Item(I)->Focused()) return FItems->Item(I);
    return nullptr;
}

int TListView::SelCount() const {
    if (HandleAllocated()) return static_cast<int>(Send(LVM_GETSELECTEDCOUNT));
    int Count = 0;
    for (int I = 0; I < FItems->Count(); ++I)
        if (FItems->Item(I)->Selected()) ++Count;
    return Count;
}

int TListView::ItemIndex() const {
    const TListItem* Item = Selected();
    return Item ? Item->Index() : -1;
}

void TListView::SetItemIndex(int Value) {
    if (Value < -1 || Value >= FItems->Count())
        throw EListError("List index out of bounds (" + std::to_string(Value) + ")");
    ItemsWindowed();
    for (int I = 0; I < FItems->Count(); ++I)
        if (I != Value && FItems->Item(I)->Selected()) FItems->Item(I)->SetSelected(false);
    if (Value < 0) return;
    TListItem* Item = FItems->Item(Value);
    Item->SetState(LVIS_SELECTED | LVIS_FOCUSED, true);
    Item->MakeVisible();
}

void TListView::Scroll(int DeltaX, int DeltaY) {
    if (HandleAllocated()) Send(LVM_SCROLL, static_cast<WPARAM>(DeltaX), DeltaY);
}

// Messages -----------------------------------------------------------------------------------------------

void TListView::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CN_NOTIFY: CNNotify(Message); break;
    case WM_NOTIFY: WMNotify(Message); break;
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
        inherited::WndProc(Message);
        if (HandleAllocated()) WriteColors();
        break;
    default: inherited::WndProc(Message); break;
    }
}

void TListView::CNNotify(TMessage& Message) {
    const auto* Header = reinterpret_cast<const NMHDR*>(Message.LParam);
    switch (Header->code) {
    case LVN_ITEMCHANGED: ItemChanged(*reinterpret_cast<const NMLISTVIEW*>(Message.LParam)); break;
    case LVN_BEGINLABELEDITA: Message.Result = FReadOnly; break;
    case LVN_ENDLABELEDITA: {
        // An edit that was not cancelled becomes the item's caption.
        const auto* Edit = reinterpret_cast<const NMLVDISPINFOA*>(Message.LParam);
        if (Edit->item.pszText && Edit->item.iItem >= 0 && Edit->item.iItem < FItems->Count()) {
            FItems->Item(Edit->item.iItem)->FCaption = Edit->item.pszText;
            Message.Result = TRUE;
        }
        break;
    }
    default: inherited::WndProc(Message); break;
    }
}

void TListView::ItemChanged(const NMLISTVIEW& Notify) {
    if (FWritingWindow > 0 || IsDestroying() || ControlState().Contains(csDestroyingHandle)) return;
    if (Notify.iItem < 0 || Notify.iItem >= FItems->Count()) return;
    TListItem* Item = FItems->Item(Notify.iItem);
    if (Notify.uChanged & LVIF_STATE) {
        Change(Item, ctState);
        const bool WasSelected = (Notify.uOldState & LVIS_SELECTED) != 0;
        const bool IsSelected = (Notify.uNewState & LVIS_SELECTED) != 0;
        if (WasSelected != IsSelected) SelectItem(Item, IsSelected);
    } else if (Notify.uChanged & LVIF_TEXT) {
        Change(Item, ctText);
    } else if (Notify.uChanged & LVIF_IMAGE) {
        Change(Item, ctImage);
    }
}

// The header tells the list view when the user has dragged a column's width.
void TListView::WMNotify(TMessage& Message) {
    inherited::WndProc(Message);
    // While the columns are written the window's columns and ours do not correspond yet.
    if (FWritingWindow > 0) return;
    switch (reinterpret_cast<const NMHDR*>(Message.LParam)->code) {
    case HDN_ENDTRACKA:
    case HDN_ENDTRACKW:
    case HDN_ITEMCHANGEDA:
    case HDN_ITEMCHANGEDW: TakeColumnWidths(); break;
    default: break;
    }
}

void TListView::Change(TListItem* Item, TItemChange Change) {
    OnChange(this, Item, Change);
}

void TListView::SelectItem(TListItem* Item, bool Selected) {
    OnSelectItem(this, Item, Selected);
}
