#include "framework/win/controls/CheckListBox.h"

#include "framework/core/Properties.h"
#include "framework/win/graphics/CanvasDCScope.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/Font.h"

#include <algorithm>

VSK_IMPLEMENT_CLASS(TCheckListBox)

void TCheckListBox::Publish(TPublisher<TCheckListBox>& p) {
    p.Enum("BorderStyle", &TCheckListBox::BorderStyle, &TCheckListBox::SetBorderStyle, TBorderStyleInfo)
        .Default(bsSingle);
    p.Int("ItemHeight", &TCheckListBox::ItemHeight, &TCheckListBox::SetItemHeight).Stored([](TCheckListBox& List) {
        return List.FItemHeight > 0;
    });
    p.Object("Items", &TCheckListBox::Items, &TCheckListBox::SetItems);
    p.Bool("TabStop", &TCheckListBox::TabStop, &TCheckListBox::SetTabStop).Default(true);
    p.Event("OnClickCheck", &TCheckListBox::OnClickCheck);
}

namespace {
constexpr int DefaultListWidth = 121;
constexpr int DefaultListHeight = 97;
constexpr int CheckBoxSize = 13;
constexpr int CheckMargin = 2; // around the check box
constexpr int TextIndent = 2;  // between the check area and the text
constexpr int TextLeading = 2; // added to the font's height for an item
constexpr char SpaceKey = ' ';
} // namespace

TCheckListBox::TCheckListBox(TComponent* AOwner)
    : TSystemControl(AOwner), FItems(std::make_unique<TCheckListStrings>(*this)) {
    // Clicks come from the list box's selection changes, not from the framework's mouse handling.
    SetControlStyle({csDoubleClicks, csOpaque});
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(Left(), Top(), DefaultListWidth, DefaultListHeight);
}

TCheckListBox::~TCheckListBox() = default;

TStrings* TCheckListBox::Items() const {
    return FItems.get();
}

void TCheckListBox::SetItems(const TStrings* Value) {
    if (Value) FItems->Assign(*Value);
}

// The window ---------------------------------------------------------------------------------------------

void TCheckListBox::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    CreateSubClass(Params, "LISTBOX");
    Params.Style |= WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCheckListBox::WindowCreated() {
    inherited::WindowCreated();
    Perform(LB_SETITEMHEIGHT, 0, ItemHeight());
    for (int I = 0; I < FItems->Count(); ++I)
        ItemInserted(I);
    Perform(LB_SETCURSEL, static_cast<WPARAM>(FItemIndex));
}

void TCheckListBox::DestroyWnd() {
    FItemIndex = ItemIndex();
    inherited::DestroyWnd();
}

void TCheckListBox::SetBorderStyle(TBorderStyle Value) {
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    RecreateWnd();
}

int TCheckListBox::ItemHeight() const {
    if (FItemHeight > 0) return FItemHeight;
    TWindowDC ScreenDC(nullptr);
    TCanvas Canvas;
    TCanvasDCScope Measuring(Canvas, ScreenDC.Handle());
    Canvas.SetFont(*Font());
    return std::max(Canvas.TextHeight("Wg") + TextLeading, CheckBoxSize + TextLeading);
}

void TCheckListBox::SetItemHeight(int Value) {
    Value = std::max(Value, 0);
    if (FItemHeight == Value) return;
    FItemHeight = Value;
    if (HandleAllocated()) {
        Perform(LB_SETITEMHEIGHT, 0, ItemHeight());
        Invalidate();
    }
}

int TCheckListBox::CheckWidth() const {
    return std::min(CheckBoxSize, ItemHeight() - CheckMargin) + 2 * CheckMargin;
}

// Items --------------------------------------------------------------------------------------------------

void TCheckListBox::ItemInserted(int Index) {
    if (HandleAllocated())
        Perform(LB_INSERTSTRING, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(FItems->Get(Index).c_str()));
}

void TCheckListBox::ItemDeleted(int Index) {
    if (HandleAllocated()) Perform(LB_DELETESTRING, static_cast<WPARAM>(Index));
}

void TCheckListBox::ItemTextChanged(int Index) {
    if (!HandleAllocated()) return;
    const int Selected = ItemIndex();
    ItemDeleted(Index);
    ItemInserted(Index);
    SetItemIndex(Selected);
}

void TCheckListBox::ItemsCleared() {
    FItemIndex = -1;
    if (HandleAllocated()) Perform(LB_RESETCONTENT);
}

bool TCheckListBox::Checked(int Index) const {
    return FItems->Checked(Index);
}

void TCheckListBox::SetChecked(int Index, bool Value) {
    FItems->SetChecked(Index, Value);
    if (!HandleAllocated()) return;
    RECT Item;
    if (Perform(LB_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&Item)) != LB_ERR)
        ::InvalidateRect(Handle(), &Item, FALSE);
}

int TCheckListBox::ItemIndex() const {
    if (!HandleAllocated()) return FItemIndex;
    return static_cast<int>(const_cast<TCheckListBox*>(this)->Perform(LB_GETCURSEL));
}

void TCheckListBox::SetItemIndex(int Value) {
    FItemIndex = Value;
    if (HandleAllocated()) Perform(LB_SETCURSEL, static_cast<WPARAM>(Value));
}

int TCheckListBox::ItemAtPos(const TPoint& Point) const {
    if (!HandleAllocated()) return -1;
    const auto Found = static_cast<DWORD>(
        const_cast<TCheckListBox*>(this)->Perform(LB_ITEMFROMPOINT, 0, MAKELPARAM(Point.x, Point.y)));
    const int Index = LOWORD(Found);
    return HIWORD(Found) == 0 && Index < FItems->Count() ? Index : -1;
}

void TCheckListBox::ToggleClickCheck(int Index) {
    if (Index < 0 || Index >= FItems->Count() || !Enabled()) return;
    SetChecked(Index, !Checked(Index));
    ClickCheck();
}

void TCheckListBox::ClickCheck() {
    OnClickCheck(this);
}

// Messages -----------------------------------------------------------------------------------------------

void TCheckListBox::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CN_COMMAND: CNCommand(Message); break;
    case CN_DRAWITEM: CNDrawItem(Message); break;
    case CN_MEASUREITEM: CNMeasureItem(Message); break;
    default: inherited::WndProc(Message); break;
    }
}

void TCheckListBox::CNCommand(TMessage& Message) {
    if (HIWORD(Message.WParam) == LBN_SELCHANGE) Click();
}

void TCheckListBox::CNMeasureItem(TMessage& Message) {
    reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam)->itemHeight = static_cast<UINT>(ItemHeight());
    Message.Result = TRUE;
}

void TCheckListBox::CNDrawItem(TMessage& Message) {
    const auto& Draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
    Message.Result = TRUE;
    const auto Index = static_cast<int>(Draw.itemID);
    if (Index < 0 || Index >= FItems->Count()) return;
    TCanvasDCScope Drawing(FCanvas, Draw.hDC);
    const TRect Rect = Draw.rcItem;
    const int Check = CheckWidth();
    TRect CheckArea(Rect.left, Rect.top, Rect.left + Check, Rect.bottom);
    FCanvas.Brush().SetColor(Color());
    FCanvas.FillRect(CheckArea);
    const int Box = Check - 2 * CheckMargin;
    TRect BoxRect = Bounds(Rect.left + CheckMargin, Rect.top + (Rect.Height() - Box) / 2, Box, Box);
    UINT BoxState = DFCS_BUTTONCHECK;
    if (Checked(Index)) BoxState |= DFCS_CHECKED;
    if (!Enabled()) BoxState |= DFCS_INACTIVE;
    ::DrawFrameControl(Draw.hDC, &BoxRect, DFC_BUTTON, BoxState);

    const bool Selected = (Draw.itemState & ODS_SELECTED) != 0;
    TRect TextArea(CheckArea.right, Rect.top, Rect.right, Rect.bottom);
    FCanvas.Brush().SetColor(Selected ? clHighlight : Color());
    FCanvas.FillRect(TextArea);
    FCanvas.SetFont(*Font());
    FCanvas.Font().SetColor(!Enabled() ? clGrayText : Selected ? clHighlightText : Font()->Color());
    FCanvas.Brush().SetStyle(bsClear);
    TRect Text(TextArea.left + TextIndent, TextArea.top, TextArea.right, TextArea.bottom);
    FCanvas.DrawText(FItems->Get(Index), Text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (Draw.itemState & ODS_FOCUS) FCanvas.DrawFocusRect(TextArea);
}

void TCheckListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    inherited::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    const int Index = ItemAtPos({X, Y});
    if (Index >= 0 && X < CheckWidth()) ToggleClickCheck(Index);
}

void TCheckListBox::KeyPress(char& Key) {
    inherited::KeyPress(Key);
    if (Key != SpaceKey) return;
    ToggleClickCheck(ItemIndex());
    Key = '\0';
}
