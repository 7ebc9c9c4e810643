#include "framework/win/controls/Memo.h"

#include "framework/core/Properties.h"
#include "framework/win/controls/MemoStrings.h"

#include <algorithm>

VSK_IMPLEMENT_CLASS(TMemo)

const TEnumInfo TScrollStyleInfo{"TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};

void TMemo::Publish(TPublisher<TMemo>& p) {
    p.Enum("Alignment", &TMemo::Alignment, &TMemo::SetAlignment, TAlignmentInfo).Default(taLeftJustify);
    p.Enum("BorderStyle", &TMemo::BorderStyle, &TMemo::SetBorderStyle, TBorderStyleInfo).Default(bsSingle);
    p.Int("BorderWidth", &TMemo::BorderWidth, &TMemo::SetBorderWidth).Default(0);
    p.Bool("HideSelection", &TMemo::HideSelection, &TMemo::SetHideSelection).Default(true);
    p.Object("Lines", &TMemo::Lines, &TMemo::SetLines);
    p.Int("MaxLength", &TMemo::MaxLength, &TMemo::SetMaxLength).Default(0);
    p.Bool("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly).Default(false);
    p.Enum("ScrollBars", &TMemo::ScrollBars, &TMemo::SetScrollBars, TScrollStyleInfo).Default(ssNone);
    p.Bool("TabStop", &TMemo::TabStop, &TMemo::SetTabStop).Default(true);
    p.Bool("WantReturns", &TMemo::WantReturns, &TMemo::SetWantReturns).Default(true);
    p.Bool("WantTabs", &TMemo::WantTabs, &TMemo::SetWantTabs).Default(false);
    p.Bool("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap).Default(true);
    p.Event("OnChange", &TMemo::OnChange);
}

namespace {
constexpr int DefaultMemoWidth = 185;
constexpr int DefaultMemoHeight = 89;
constexpr char ReturnKey = '\r';
constexpr char TabKey = '\t';

constexpr DWORD ScrollBarStyles[] = {0, WS_HSCROLL, WS_VSCROLL, WS_HSCROLL | WS_VSCROLL};
constexpr DWORD AlignmentStyles[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
} // namespace

TMemo::TMemo(TComponent* AOwner) : TSystemControl(AOwner), FLines(std::make_unique<TMemoStrings>(*this)) {
    // The memo paints its whole area itself; its name does not become its text.
    SetControlStyle((ControlStyle() | TControlStyle{csOpaque}) - TControlStyle{csSetCaption});
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(Left(), Top(), DefaultMemoWidth, DefaultMemoHeight);
}

TMemo::~TMemo() = default;

TStrings* TMemo::Lines() const {
    return FLines.get();
}

void TMemo::SetLines(const TStrings* Value) {
    if (Value) FLines->Assign(*Value);
}

// The window -----------------------------------------------------------------------------------------------

void TMemo::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    CreateSubClass(Params, "EDIT");
    Params.Style |= ES_MULTILINE | ES_AUTOVSCROLL | ScrollBarStyles[FScrollBars] | AlignmentStyles[FAlignment];
    // Without word wrap a line goes on to the right; with it, a line that does not fit wraps.
    if (!FWordWrap) Params.Style |= ES_AUTOHSCROLL;
    if (!FHideSelection) Params.Style |= ES_NOHIDESEL;
    if (FReadOnly) Params.Style |= ES_READONLY;
    if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TMemo::WindowCreated() {
    inherited::WindowCreated();
    Perform(EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength));
}

void TMemo::StyleChanged() {
    RecreateWnd();
}

void TMemo::SetScrollBars(TScrollStyle Value) {
    if (FScrollBars == Value) return;
    FScrollBars = Value;
    StyleChanged();
}

void TMemo::SetWordWrap(bool Value) {
    if (FWordWrap == Value) return;
    FWordWrap = Value;
    StyleChanged();
}

void TMemo::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    StyleChanged();
}

void TMemo::SetBorderStyle(TBorderStyle Value) {
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    StyleChanged();
}

void TMemo::SetHideSelection(bool Value) {
    if (FHideSelection == Value) return;
    FHideSelection = Value;
    StyleChanged();
}

void TMemo::SetMaxLength(int Value) {
    Value = std::max(Value, 0);
    if (FMaxLength == Value) return;
    FMaxLength = Value;
    if (HandleAllocated()) Perform(EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength));
}

void TMemo::SetReadOnly(bool Value) {
    if (FReadOnly == Value) return;
    FReadOnly = Value;
    if (HandleAllocated()) Perform(EM_SETREADONLY, Value);
}

// Selection and clipboard ----------------------------------------------------------------------------------

int TMemo::SelStart() {
    DWORD Start = 0;
    HandleNeeded();
    Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&Start), 0);
    return static_cast<int>(Start);
}

int TMemo::SelLength() {
    DWORD Start = 0;
    DWORD End = 0;
    HandleNeeded();
    Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&Start), reinterpret_cast<LPARAM>(&End));
    return static_cast<int>(End - Start);
}

void TMemo::SetSelection(int Start, int End) {
    HandleNeeded();
    Perform(EM_SETSEL, static_cast<WPARAM>(Start), End);
    Perform(EM_SCROLLCARET);
}

void TMemo::SetSelStart(int Value) {
    SetSelection(Value, Value);
}

void TMemo::SetSelLength(int Value) {
    const int Start = SelStart();
    SetSelection(Start, Start + Value);
}

std::string TMemo::SelText() {
    const int Start = SelStart();
    return Text().substr(static_cast<std::size_t>(Start), static_cast<std::size_t>(SelLength()));
}

void TMemo::SetSelText(const std::string& Value) {
    HandleNeeded();
    Perform(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Value.c_str()));
}

void TMemo::SelectAll() {
    SetSelection(0, -1);
}

void TMemo::Clear() {
    SetText("");
}

void TMemo::ClearSelection() {
    HandleNeeded();
    Perform(WM_CLEAR);
}

void TMemo::CopyToClipboard() {
    HandleNeeded();
    Perform(WM_COPY);
}

void TMemo::CutToClipboard() {
    HandleNeeded();
    Perform(WM_CUT);
}

void TMemo::PasteFromClipboard() {
    HandleNeeded();
    Perform(WM_PASTE);
}

// Messages -------------------------------------------------------------------------------------------------

void TMemo::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CN_COMMAND: CNCommand(Message); break;
    case WM_GETDLGCODE: WMGetDlgCode(Message); break;
    case WM_SETTEXT: WMSetText(Message); break;
    case CM_TEXTCHANGED: CMTextChanged(Message); break;
    default: inherited::WndProc(Message); break;
    }
}

void TMemo::CNCommand(TMessage& Message) {
    // Setting the text reports its change itself, once (a multi-line EDIT says nothing about it).
    if (HIWORD(Message.WParam) == EN_CHANGE && FSettingText == 0) Change();
}

void TMemo::WMGetDlgCode(TMessage& Message) {
    inherited::WndProc(Message);
    if (FWantTabs)
        Message.Result |= DLGC_WANTTAB;
    else
        Message.Result &= ~static_cast<LRESULT>(DLGC_WANTTAB);
    if (!FWantReturns) Message.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
}

void TMemo::WMSetText(TMessage& Message) {
    ++FSettingText;
    try {
        inherited::WndProc(Message);
    } catch (...) {
        --FSettingText;
        throw;
    }
    --FSettingText;
}

void TMemo::CMTextChanged(TMessage& Message) {
    inherited::WndProc(Message);
    Change();
}

void TMemo::KeyPress(char& Key) {
    inherited::KeyPress(Key);
    if ((Key == ReturnKey && !FWantReturns) || (Key == TabKey && !FWantTabs)) Key = '\0';
}

void TMemo::Change() {
    if (FChangeBatch > 0) {
        FBatchChanged = true;
        return;
    }
    OnChange(this);
}

void TMemo::BeginChanges() {
    if (FChangeBatch++ == 0) FBatchChanged = false;
}

void TMemo::EndChanges() {
    if (FChangeBatch == 0 || --FChangeBatch > 0) return;
    if (FBatchChanged) Change();
}
