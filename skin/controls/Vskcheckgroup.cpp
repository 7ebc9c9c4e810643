#include "skin/controls/Vskcheckgroup.h"

#include "framework/core/Properties.h"
#include "framework/core/ScopedCount.h"
#include "framework/core/Strings.h"
#include "framework/win/forms/Form.h"
#include "skin/controls/Vskgroupbuttons.h"
#include "skin/themes/Vskpublic.h"

#include <algorithm>

VSK_IMPLEMENT_CLASS(TvskCheckGroup)
VSK_IMPLEMENT_CLASS(TvskRadioGroup)

void TvskCheckGroup::Publish(TPublisher<TvskCheckGroup>& p) {
    p.Object("Items", &TvskCheckGroup::Items, &TvskCheckGroup::SetItems);
    p.Int("Columns", &TvskCheckGroup::Columns, &TvskCheckGroup::SetColumns).Default(1);
    p.Int("TopMargin", &TvskCheckGroup::TopMargin, &TvskCheckGroup::SetTopMargin).Default(VskCheckGroupTopMargin);
    // Font carries the colour in a description.
    p.Color("FontColor", &TvskCheckGroup::FontColor, &TvskCheckGroup::SetFontColor).Stored(false);
    p.Color("BorderColor", &TvskCheckGroup::BorderColor, &TvskCheckGroup::SetBorderColor);
    p.Bool("TabStop", &TvskCheckGroup::TabStop, &TvskCheckGroup::SetTabStop).Default(true);
}

void TvskRadioGroup::Publish(TPublisher<TvskRadioGroup>& p) {
    p.Int("ItemIndex", &TvskRadioGroup::ItemIndex, &TvskRadioGroup::SetItemIndex).Default(-1);
}

namespace {
// The buttons' area: from the caption band's foot to this far above the bottom edge.
constexpr int ButtonsBottomMargin = 2;
// Columns share the group's width less this much; each starts this far right of its share's left.
constexpr int ColumnsSpare = 10;
constexpr int ButtonIndent = 8;
} // namespace

// A group is a place the Tab key stops at: its buttons are not, and without it they could not be reached.
TvskCheckGroup::TvskCheckGroup(TComponent* AOwner) : inherited(AOwner), FItems(std::make_unique<TStringList>()) {
    FItems->OnChange.Bind(this, &TvskCheckGroup::ItemsChanged);
    SetTabStop(true);
}

TvskCheckGroup::~TvskCheckGroup() = default;

// The buttons are child controls, which the group frees as it starts being destroyed (still whole, and still a
// radio group, since they ask it about the focus and whether it may change): forget them first.
void TvskCheckGroup::Destroying() {
    FButtons.clear();
    FRetired.clear();
    inherited::Destroying();
}

void TvskCheckGroup::SetItems(const TStrings* Value) {
    if (Value)
        FItems->Assign(*Value);
    else
        FItems->Clear();
}

void TvskCheckGroup::SetColumns(int Value) {
    if (Value < 1) return;
    FColumns = Value;
    ArrangeButtons();
}

void TvskCheckGroup::SetTopMargin(int Value) {
    if (Value < 0) return;
    FTopMargin = Value;
    ArrangeButtons();
}

TvskCheckBox* TvskCheckGroup::Buttons(int Index) const {
    if (Index < 0 || Index >= ButtonCount()) return nullptr;
    return FButtons[static_cast<std::size_t>(Index)];
}

bool TvskCheckGroup::Checked(int Index) const {
    const TvskCheckBox* Button = Buttons(Index);
    return Button && Button->Checked();
}

void TvskCheckGroup::SetChecked(int Index, bool Value) {
    if (TvskCheckBox* Button = Buttons(Index)) Button->SetChecked(Value);
}

bool TvskCheckGroup::ItemEnabled(int Index) const {
    const TvskCheckBox* Button = Buttons(Index);
    return Button && Button->Enabled();
}

void TvskCheckGroup::SetItemEnabled(int Index, bool Value) {
    if (TvskCheckBox* Button = Buttons(Index)) Button->SetEnabled(Value);
}

void TvskCheckGroup::SetTransparent(bool Value) {
    inherited::SetTransparent(Value);
    for (TvskCheckBox* Button : FButtons)
        Button->SetTransparent(Value);
}

// The buttons come from Items: a description stores the lines, never the buttons.
void TvskCheckGroup::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const {
    inherited::GetChildren(
        [&](TComponent* Child) {
            if (!IsItemButton(Child)) Proc(Child);
        },
        Root);
}

bool TvskCheckGroup::IsItemButton(const TComponent* Component) const {
    auto Is = [Component](const TvskCheckBox* Button) { return Button == Component; };
    return std::any_of(FButtons.begin(), FButtons.end(), Is) || std::any_of(FRetired.begin(), FRetired.end(), Is);
}

TvskCheckBox* TvskCheckGroup::CreateAButton() {
    return new TvskCheckGroupButton(this);
}

bool TvskCheckGroup::ClickCounts(const TvskCheckBox&) const {
    return true;
}

void TvskCheckGroup::FocusUpdate() {
    if (!FButtons.empty() && FButtons.front()->CanFocus()) FButtons.front()->SetFocus();
}

void TvskCheckGroup::Click() {
    NewClick();
    if (!IsLoading()) inherited::Click();
}

// A removed button still waiting to be freed speaks for no line any more.
void TvskCheckGroup::ButtonClick(TObject* Sender) {
    const auto Live = std::find(FButtons.begin(), FButtons.end(), Sender);
    if (Live == FButtons.end() || !ClickCounts(**Live)) return;
    const TScopedCount Clicking(FClickDepth);
    Click();
}

void TvskCheckGroup::ItemsChanged(TObject*) {
    UpdateButtons();
    ArrangeButtons();
}

void TvskCheckGroup::UpdateButtons() {
    if (FClickDepth == 0) ReleaseRetired();
    const int Lines = FItems->Count();
    while (ButtonCount() > Lines)
        RemoveLastButton();
    while (ButtonCount() < Lines)
        AddButton();
    for (int Index = 0; Index < Lines; ++Index) {
        TvskCheckBox* Button = FButtons[static_cast<std::size_t>(Index)];
        Button->SetCaption((*FItems)[Index]);
        Button->SetAutoSize(true);
    }
}

void TvskCheckGroup::AddButton() {
    TvskCheckBox* Button = CreateAButton();
    FButtons.push_back(Button);
    Button->SetParent(this);
    Button->SetFileTheme(FileTheme());
    Button->SetUIStyle(UIStyle());
    Button->SetTransparent(Transparent());
    Button->SetParentColor(true);
    Button->SetTabStop(false);
    Button->SetCursor(Cursor());
    Button->SetEnabled(Enabled());
    Button->OnClick.Bind(this, &TvskCheckGroup::ButtonClick);
}

// A button still handling its own click cannot be freed under it (nor its click handler cleared while it
// runs): it is hidden now, its clicks no longer count, and it is freed once the messages being handled are
// done. The focus it had stays in the group.
void TvskCheckGroup::RemoveLastButton() {
    TvskCheckBox* Button = FButtons.back();
    FButtons.pop_back();
    if (Button->Focused() && CanFocus()) SetFocus();
    if (FClickDepth == 0) {
        delete Button;
        return;
    }
    Button->Hide();
    FRetired.push_back(Button);
    if (HandleAllocated()) ::PostMessageA(Handle(), CM_RELEASE, 0, 0);
}

void TvskCheckGroup::ReleaseRetired() {
    std::vector<TvskCheckBox*> Doomed = std::move(FRetired);
    FRetired.clear();
    for (TvskCheckBox* Button : Doomed)
        delete Button;
}

// Columns fill from the top down, each row the same height, the spare pixels split above and below.
void TvskCheckGroup::ArrangeButtons() {
    const int Count = ButtonCount();
    if (Count == 0) return;
    const TRect Client = ClientRect();
    const int Top = Client.top + FontHeight() + FTopMargin;
    const int Available = Client.bottom - ButtonsBottomMargin - Top;
    const int Rows = (Count + FColumns - 1) / FColumns;
    const int ColumnWidth = (Width() - ColumnsSpare) / FColumns;
    const int RowHeight = Available / Rows;
    const int First = (Available % Rows) / 2 + Top;
    for (int Index = 0; Index < Count; ++Index)
        PlaceControl(*FButtons[static_cast<std::size_t>(Index)],
                     TPoint((Index / Rows) * ColumnWidth + ButtonIndent, (Index % Rows) * RowHeight + First));
}

void TvskCheckGroup::Resize() {
    inherited::Resize();
    ArrangeButtons();
}

void TvskCheckGroup::InvalidateButtons() {
    for (TvskCheckBox* Button : FButtons)
        Button->Invalidate();
}

// The focus that reaches the group goes on to a button. Coming back from one of its own buttons it is Shift+Tab
// leaving the group, and goes on to the control before it instead of into the group again.
void TvskCheckGroup::WMSetFocus(TMessage& Message) {
    const TWinControl* From = TWinControl::FindControl(reinterpret_cast<HWND>(Message.WParam));
    inherited::WndProc(Message);
    InvalidateButtons();
    const bool FromOwnButton = From && IsItemButton(From);
    TCustomForm* Form = GetParentForm();
    if (FromOwnButton && Form)
        Form->SelectNext(this, false, true);
    else if (!FromOwnButton)
        FocusUpdate();
}

void TvskCheckGroup::WMKillFocus(TMessage& Message) {
    inherited::WndProc(Message);
    InvalidateButtons();
}

void TvskCheckGroup::CMFontChanged(TMessage& Message) {
    inherited::WndProc(Message);
    ArrangeButtons();
}

void TvskCheckGroup::CMCursorChanged(TMessage& Message) {
    inherited::WndProc(Message);
    for (TvskCheckBox* Button : FButtons)
        Button->SetCursor(Cursor());
}

void TvskCheckGroup::CMRelease(TMessage&) {
    if (FClickDepth == 0) ReleaseRetired();
}

void TvskCheckGroup::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_SETFOCUS: WMSetFocus(Message); break;
    case WM_KILLFOCUS: WMKillFocus(Message); break;
    case CM_FONTCHANGED: CMFontChanged(Message); break;
    case CM_CURSORCHANGED: CMCursorChanged(Message); break;
    case CM_RELEASE: CMRelease(Message); break;
    default: inherited::WndProc(Message); break;
    }
}

// ------------------------------------------------------------------------------------------------------

TvskRadioGroup::TvskRadioGroup(TComponent* AOwner) : inherited(AOwner) {}

int TvskRadioGroup::ItemIndex() const {
    for (int Index = 0; Index < ButtonCount(); ++Index)
        if (Checked(Index)) return Index;
    return -1;
}

void TvskRadioGroup::SetItemIndex(int Value) {
    if (Value < -1 || Value >= ButtonCount()) return;
    if (Value >= 0) {
        SetChecked(Value, true);
        return;
    }
    for (int Index = 0; Index < ButtonCount(); ++Index)
        SetChecked(Index, false);
}

TvskCheckBox* TvskRadioGroup::CreateAButton() {
    return new TvskRadioGroupButton(this);
}

bool TvskRadioGroup::ClickCounts(const TvskCheckBox& Button) const {
    return Button.Checked();
}

void TvskRadioGroup::FocusUpdate() {
    TvskCheckBox* Chosen = Buttons(ItemIndex());
    if (Chosen && Chosen->CanFocus()) Chosen->SetFocus();
}
