#include "framework/win/controls/ToolBar.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/win/forms/Application.h"
#include "framework/win/graphics/Brush.h"
#include "framework/win/graphics/CanvasDCScope.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/menus/MenuCommands.h"
#include "framework/win/menus/MenuItem.h"
#include "framework/win/windowing/CommonControlsInit.h"
#include "framework/win/windowing/UtilityWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <string_view>
#include <vector>
#include <utility>

VSK_IMPLEMENT_CLASS(TToolBar)

const TEnumInfo TEdgeBorderInfo{"TEdgeBorder", {"ebLeft", "ebTop", "ebRight", "ebBottom"}};

void TToolBar::Publish(TPublisher<TToolBar>& p) {
    p.Enum("Align", &TToolBar::Align, &TToolBar::SetAlign, TAlignInfo).Default(alTop);
    p.Bool("AutoSize", &TToolBar::AutoSize, &TToolBar::SetAutoSize).Default(false);
    p.Int("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight);
    p.Int("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth);
    p.Set("EdgeBorders", &TToolBar::EdgeBorders, &TToolBar::SetEdgeBorders, TEdgeBorderInfo)
        .Default(TEdgeBorders{ebTop});
    p.Bool("Flat", &TToolBar::Flat, &TToolBar::SetFlat).Default(false);
    p.Bool("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions).Default(false);
    p.Bool("Wrapable", &TToolBar::Wrapable, &TToolBar::SetWrapable).Default(true);
    p.Event("OnCustomDraw", &TToolBar::OnCustomDraw);
    p.Event("OnCustomDrawButton", &TToolBar::OnCustomDrawButton);
}

namespace {
constexpr int DefaultButtonWidth = 23;
constexpr int DefaultButtonHeight = 22;
constexpr int DefaultBarWidth = 150;
constexpr int DefaultBarHeight = 29;
// An etched edge is two lines.
constexpr int EdgeWidth = 2;
constexpr UINT EdgeFlags[] = {BF_LEFT, BF_TOP, BF_RIGHT, BF_BOTTOM};
// The custom-draw state bits the framework names.
constexpr UINT CustomDrawStateMask = 0x3FF;

// The tool bar whose button's menu is open, and the hook that watches the menu's messages meanwhile.
TToolBar* GTrackingBar = nullptr;
HHOOK GMenuHook = nullptr;

// The system's class of the windows that show pop-up menus.
constexpr const char* PopupMenuClass = "#32768";

BOOL CALLBACK CountMenuWindow(HWND Window, LPARAM Found) {
    char Class[16] = {};
    ::GetClassNameA(Window, Class, sizeof(Class));
    if (::IsWindowVisible(Window) && std::string_view(Class) == PopupMenuClass) {
        auto& Menus = *reinterpret_cast<std::vector<HWND>*>(Found);
        Menus.push_back(Window);
    }
    return TRUE;
}

// The menu windows of this thread that are open, the one opened last first.
std::vector<HWND> OpenMenuWindows() {
    std::vector<HWND> Menus;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountMenuWindow, reinterpret_cast<LPARAM>(&Menus));
    return Menus;
}

int OpenMenuLevels() {
    return static_cast<int>(OpenMenuWindows().size());
}

// Whether the selected item of the innermost open menu (Root while only that one is open) has a sub-menu.
bool SelectedItemHasSubMenu(HMENU Root) {
    const std::vector<HWND> Menus = OpenMenuWindows();
    HMENU Menu = Root;
    if (Menus.size() > 1) Menu = reinterpret_cast<HMENU>(::SendMessageA(Menus.front(), MN_GETHMENU, 0, 0));
    if (!Menu) return false;
    for (int Index = 0; Index < ::GetMenuItemCount(Menu); ++Index) {
        MENUITEMINFOA Info{};
        Info.cbSize = sizeof(Info);
        Info.fMask = MIIM_STATE | MIIM_SUBMENU;
        if (::GetMenuItemInfoA(Menu, static_cast<UINT>(Index), TRUE, &Info) && (Info.fState & MFS_HILITE))
            return Info.hSubMenu != nullptr;
    }
    return false;
}

// Installs the message hook of a menu loop for the length of a scope.
class TMenuHookScope {
public:
    TMenuHookScope(TToolBar& Bar, HOOKPROC Hook) {
        GTrackingBar = &Bar;
        GMenuHook = ::SetWindowsHookExA(WH_MSGFILTER, Hook, nullptr, ::GetCurrentThreadId());
    }
    ~TMenuHookScope() {
        if (GMenuHook) ::UnhookWindowsHookEx(GMenuHook);
        GMenuHook = nullptr;
        GTrackingBar = nullptr;
    }
    TMenuHookScope(const TMenuHookScope&) = delete;
    TMenuHookScope& operator=(const TMenuHookScope&) = delete;
};
} // namespace

TToolBar::TToolBar(TComponent* AOwner)
    : TSystemControl(AOwner), FButtonHeight(DefaultButtonHeight), FButtonWidth(DefaultButtonWidth) {
    SetControlStyle((ControlStyle() | TControlStyle{csAcceptsControls}) - TControlStyle{csSetCaption});
    SetColor(clBtnFace);
    SetBounds(Left(), Top(), DefaultBarWidth, DefaultBarHeight);
    SetAlign(alTop);
}

TToolBar::~TToolBar() = default;

TToolButton* TToolBar::Buttons(int Index) const {
    if (Index < 0 || Index >= ButtonCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FButtons[static_cast<std::size_t>(Index)];
}

// The window ---------------------------------------------------------------------------------------------

void TToolBar::CreateParams(TCreateParams& Params) {
    InitCommonControlClasses(ICC_BAR_CLASSES);
    inherited::CreateParams(Params);
    CreateSubClass(Params, TOOLBARCLASSNAMEA);
    // The framework places and sizes the bar; captions go beside the (absent) images.
    Params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_LIST;
    if (FFlat) Params.Style |= TBSTYLE_FLAT;
    if (FWrapable) Params.Style |= TBSTYLE_WRAPABLE;
}

void TToolBar::WindowCreated() {
    inherited::WindowCreated();
    Perform(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    WriteButtons();
}

void TToolBar::StyleChanged() {
    RecreateWnd();
}

void TToolBar::SetFlat(bool Value) {
    if (FFlat == Value) return;
    FFlat = Value;
    StyleChanged();
}

void TToolBar::SetWrapable(bool Value) {
    if (FWrapable == Value) return;
    FWrapable = Value;
    StyleChanged();
}

void TToolBar::SetShowCaptions(bool Value) {
    if (FShowCaptions == Value) return;
    FShowCaptions = Value;
    WriteButtons();
}

void TToolBar::SetAutoSize(bool Value) {
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    PlaceButtons();
}

void TToolBar::SetButtonHeight(int Value) {
    if (FButtonHeight == Value) return;
    FButtonHeight = Value;
    WriteButtons();
}

void TToolBar::SetButtonWidth(int Value) {
    if (FButtonWidth == Value) return;
    FButtonWidth = Value;
    WriteButtons();
}

void TToolBar::SetEdgeBorders(TEdgeBorders Value) {
    if (FEdgeBorders == Value) return;
    FEdgeBorders = Value;
    if (HandleAllocated())
        ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    PlaceButtons();
}

int TToolBar::EdgeSize(TEdgeBorder Edge) const {
    return FEdgeBorders.Contains(Edge) ? EdgeWidth : 0;
}

// Buttons ------------------------------------------------------------------------------------------------

void TToolBar::CMControlListChange(TMessage& Message) {
    auto* Button = dynamic_cast<TToolButton*>(PointerParam<TControl>(static_cast<LPARAM>(Message.WParam)));
    if (!Button) return;
    if (Message.LParam) {
        Button->FCommand = FNextCommand++;
        FButtons.push_back(Button);
    } else {
        std::erase(FButtons, Button);
    }
    if (!IsDestroying()) WriteButtons();
}

void TToolBar::ButtonChanged(TToolButton* Button) {
    const int Index = Button->Index();
    if (!HandleAllocated() || Index < 0) return;
    WriteButton(Index);
    // The system control measures its buttons afresh when one changes and forgets the height it was given:
    // a bar must not grow or shrink because an item was greyed or renamed.
    Perform(TB_SETBUTTONSIZE, 0, MAKELPARAM(FButtonWidth, FButtonHeight));
    PlaceButtons();
}

void TToolBar::WriteButtons() {
    if (!HandleAllocated()) return;
    while (Perform(TB_DELETEBUTTON, 0))
        ;
    // The buttons show no images: only the captions take room.
    Perform(TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
    Perform(TB_SETBUTTONSIZE, 0, MAKELPARAM(FButtonWidth, FButtonHeight));
    for (std::size_t I = 0; I < FButtons.size(); ++I) {
        TBBUTTON Native{};
        Native.iBitmap = I_IMAGENONE;
        Native.idCommand = FButtons[I]->FCommand;
        Native.dwData = reinterpret_cast<DWORD_PTR>(FButtons[I]);
        Native.iString = -1;
        Perform(TB_INSERTBUTTONA, I, reinterpret_cast<LPARAM>(&Native));
        WriteButton(static_cast<int>(I));
    }
    PlaceButtons();
}

// Caption, state and style of the button at Index, keeping whether it is pressed right now.
void TToolBar::WriteButton(int Index) {
    const TToolButton* Button = FButtons[static_cast<std::size_t>(Index)];
    const std::string Text = FShowCaptions && Button->FStyle != tbsSeparator ? Button->Caption() : std::string();
    TBBUTTONINFOA Info{};
    Info.cbSize = sizeof(Info);
    Info.dwMask = TBIF_BYINDEX | TBIF_TEXT | TBIF_STATE | TBIF_STYLE;
    Info.pszText = const_cast<char*>(Text.c_str());
    const auto Current = static_cast<BYTE>(Perform(TB_GETSTATE, static_cast<WPARAM>(Button->FCommand)));
    Info.fsState = Current & (TBSTATE_PRESSED | TBSTATE_CHECKED);
    if (Button->Enabled()) Info.fsState |= TBSTATE_ENABLED;
    if (!Button->Visible()) Info.fsState |= TBSTATE_HIDDEN;
    Info.fsStyle = Button->FStyle == tbsSeparator ? BTNS_SEP : BTNS_BUTTON;
    if (Button->FAutoSize) Info.fsStyle |= BTNS_AUTOSIZE;
    if (Button->FGrouped) Info.fsStyle |= BTNS_GROUP;
    Perform(TB_SETBUTTONINFOA, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&Info));
}

void TToolBar::PlaceButtons() {
    if (!HandleAllocated() || FPlacing) return;
    FPlacing = true;
    try {
        Perform(TB_AUTOSIZE);
        int Bottom = 0;
        for (std::size_t I = 0; I < FButtons.size(); ++I) {
            TRect Rect;
            if (!Perform(TB_GETITEMRECT, I, reinterpret_cast<LPARAM>(&Rect))) continue;
            FButtons[I]->Place(Rect);
            if (FButtons[I]->Visible()) Bottom = std::max<int>(Bottom, Rect.bottom);
        }
        if (FAutoSize && !FButtons.empty()) SetHeight(EdgeSize(ebTop) + Bottom + EdgeSize(ebBottom));
    } catch (...) {
        FPlacing = false;
        throw;
    }
    FPlacing = false;
}

TToolButton* TToolBar::FindButton(int Command) const {
    for (TToolButton* Button : FButtons)
        if (Button->FCommand == Command) return Button;
    return nullptr;
}

TToolButton* TToolBar::MenuButtonAt(const TPoint& Point) const {
    POINT Client = Point;
    const auto Index =
        static_cast<int>(const_cast<TToolBar*>(this)->Perform(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&Client)));
    if (Index < 0 || Index >= ButtonCount()) return nullptr;
    TToolButton* Button = FButtons[static_cast<std::size_t>(Index)];
    const TMenuItem* Item = Button->MenuItem();
    return Item && Item->Count() > 0 && Button->Enabled() ? Button : nullptr;
}

// Menus --------------------------------------------------------------------------------------------------

TToolButton* TToolBar::TrackMenu(TToolButton* Button, bool ByKeyboard) {
    const auto Window = MenuWindow();
    TToolButton* Escaped = nullptr;
    while (Button && Button->MenuItem() && Button->MenuItem()->Count() > 0) {
        FMenuButton = Button;
        FNextMenuButton = nullptr;
        FMenuEscaped = false;
        Perform(TB_PRESSBUTTON, static_cast<WPARAM>(Button->FCommand), TRUE);
        TRect Rect;
        Perform(TB_GETITEMRECT, static_cast<WPARAM>(Button->Index()), reinterpret_cast<LPARAM>(&Rect));
        ::MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&Rect), 2);
        TPMPARAMS Avoid{sizeof(Avoid), Rect};
        // The menu's own loop takes the key from the queue once it runs, and selects its first item.
        if (ByKeyboard) ::PostMessageA(Window->Handle(), WM_KEYDOWN, VK_DOWN, 0);
        {
            TMenuHookScope Hook(*this, &TToolBar::MenuMessageHook);
            ::TrackPopupMenuEx(Button->MenuItem()->Handle(),
                               TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL | TPM_LEFTBUTTON, Rect.left, Rect.bottom,
                               Window->Handle(), &Avoid);
        }
        if (HandleAllocated()) Perform(TB_PRESSBUTTON, static_cast<WPARAM>(Button->FCommand), FALSE);
        FMenuButton = nullptr;
        Escaped = FMenuEscaped ? Button : nullptr;
        ByKeyboard = FNextByKeyboard;
        Button = std::exchange(FNextMenuButton, nullptr);
    }
    return Escaped;
}

TToolButton* TToolBar::NextButton(TToolButton* From, int Step, bool WithMenu) const {
    const int Count = ButtonCount();
    const int Start = From ? From->Index() : (Step > 0 ? -1 : Count);
    for (int Moved = 1; Moved <= Count; ++Moved) {
        const int Index = ((Start + Step * Moved) % Count + Count) % Count;
        TToolButton* Button = FButtons[static_cast<std::size_t>(Index)];
        const TMenuItem* Item = Button->MenuItem();
        const bool HasMenu = Button->Grouped() && Item && Item->Count() > 0;
        if (Button->Enabled() && Button->Visible() && (HasMenu || !WithMenu)) return Button;
    }
    return nullptr;
}

LRESULT CALLBACK TToolBar::MenuMessageHook(int Code, WPARAM WParam, LPARAM LParam) {
    if (Code == MSGF_MENU && GTrackingBar) {
        const auto* Msg = reinterpret_cast<const MSG*>(LParam);
        try {
            if (Msg->message == WM_MOUSEMOVE) GTrackingBar->MenuMouseMove(Msg->pt);
            // Taken keys never reach the menu.
            if (Msg->message == WM_KEYDOWN && GTrackingBar->MenuKey(Msg->wParam)) return 1;
        } catch (...) {
            Application->HandleException(GTrackingBar);
        }
    }
    return ::CallNextHookEx(GMenuHook, Code, WParam, LParam);
}

void TToolBar::MenuMouseMove(const POINT& ScreenPoint) {
    if (!FMenuButton || !FMenuButton->Grouped() || !HandleAllocated()) return;
    POINT Client = ScreenPoint;
    ::ScreenToClient(Handle(), &Client);
    TToolButton* Other = MenuButtonAt(Client);
    if (!Other || Other == FMenuButton || !Other->Grouped()) return;
    SwitchMenu(Other, false);
}

bool TToolBar::MenuKey(WPARAM Key) {
    if (!FMenuButton || !FMenuButton->Grouped()) return false;
    const int Levels = OpenMenuLevels();
    switch (Key) {
    case VK_ESCAPE:
        // Escape in a sub-menu only closes that one.
        FMenuEscaped = Levels <= 1;
        return false;
    case VK_LEFT:
        if (Levels > 1) return false;
        SwitchMenu(NextButton(FMenuButton, -1, true), true);
        return true;
    case VK_RIGHT:
        // Right opens the selected item's sub-menu when it has one; otherwise it goes on along the bar.
        if (SelectedItemHasSubMenu(FMenuButton->MenuItem()->Handle())) return false;
        SwitchMenu(NextButton(FMenuButton, +1, true), true);
        return true;
    default: return false;
    }
}

void TToolBar::SwitchMenu(TToolButton* Other, bool ByKeyboard) {
    if (!Other || Other == FMenuButton) return;
    FNextMenuButton = Other;
    FNextByKeyboard = ByKeyboard;
    ::EndMenu();
}

// Messages -----------------------------------------------------------------------------------------------

void TToolBar::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CN_NOTIFY: CNNotify(Message); break;
    case CN_COMMAND: CNCommand(Message); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: WMLButtonDown(Message); break;
    case WM_ERASEBKGND: WMEraseBkgnd(Message); break;
    case WM_NCCALCSIZE: WMNCCalcSize(Message); break;
    case WM_NCPAINT: WMNCPaint(Message); break;
    case WM_SIZE: WMSize(Message); break;
    case CM_CONTROLLISTCHANGE: CMControlListChange(Message); break;
    case CM_FONTCHANGED: CMFontChanged(Message); break;
    default: inherited::WndProc(Message); break;
    }
}

// The system control measures its buttons' captions when they are written, not when its font changes.
void TToolBar::CMFontChanged(TMessage& Message) {
    inherited::WndProc(Message);
    WriteButtons();
}

void TToolBar::CNCommand(TMessage& Message) {
    if (TToolButton* Button = FindButton(LOWORD(Message.WParam))) Button->Click();
}

// A press on a button with a menu drops the menu at once, instead of pressing the button.
void TToolBar::WMLButtonDown(TMessage& Message) {
    if (TToolButton* Button = MenuButtonAt(MousePoint(Message))) {
        TrackMenu(Button);
        return;
    }
    inherited::WndProc(Message);
}

void TToolBar::WMEraseBkgnd(TMessage& Message) {
    RECT Client;
    ::GetClientRect(Handle(), &Client);
    ::FillRect(MessageDC(Message).Get(), &Client, Brush()->Handle());
    Message.Result = 1;
}

void TToolBar::WMNCCalcSize(TMessage& Message) {
    inherited::WndProc(Message);
    RECT* Client = Message.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0]
                                  : reinterpret_cast<RECT*>(Message.LParam);
    Client->left += EdgeSize(ebLeft);
    Client->top += EdgeSize(ebTop);
    Client->right -= EdgeSize(ebRight);
    Client->bottom -= EdgeSize(ebBottom);
}

void TToolBar::WMNCPaint(TMessage& Message) {
    inherited::WndProc(Message);
    UINT Flags = 0;
    for (TEdgeBorder Edge : {ebLeft, ebTop, ebRight, ebBottom})
        if (FEdgeBorders.Contains(Edge)) Flags |= EdgeFlags[Edge];
    if (Flags == 0) return;
    RECT Window;
    ::GetWindowRect(Handle(), &Window);
    ::OffsetRect(&Window, -Window.left, -Window.top);
    TWindowDC DC(Handle(), TWindowDC::waWholeWindow);
    ::DrawEdge(DC.Handle(), &Window, EDGE_ETCHED, Flags);
}

// A bar that wraps its buttons gets other rows when its width changes.
void TToolBar::WMSize(TMessage& Message) {
    inherited::WndProc(Message);
    PlaceButtons();
}

void TToolBar::CNNotify(TMessage& Message) {
    if (reinterpret_cast<const NMHDR*>(Message.LParam)->code != NM_CUSTOMDRAW) {
        inherited::WndProc(Message);
        return;
    }
    const auto& Draw = *reinterpret_cast<const NMTBCUSTOMDRAW*>(Message.LParam);
    Message.Result = CDRF_DODEFAULT;
    bool DefaultDraw = true;
    switch (Draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        if (OnCustomDraw) {
            TCanvasDCScope Drawing(FCanvas, Draw.nmcd.hdc);
            FCanvas.SetFont(*Font());
            FCanvas.Brush().SetColor(Color());
            CustomDraw(ClientRect(), DefaultDraw);
        }
        if (!DefaultDraw)
            Message.Result = CDRF_SKIPDEFAULT;
        else if (OnCustomDrawButton)
            Message.Result = CDRF_NOTIFYITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT:
        if (TToolButton* Button = FindButton(static_cast<int>(Draw.nmcd.dwItemSpec))) {
            TCanvasDCScope Drawing(FCanvas, Draw.nmcd.hdc);
            FCanvas.SetFont(*Font());
            FCanvas.Brush().SetColor(Color());
            CustomDrawButton(Button, TCustomDrawState::FromBits(Draw.nmcd.uItemState & CustomDrawStateMask),
                             DefaultDraw);
            if (!DefaultDraw) Message.Result = CDRF_SKIPDEFAULT;
        }
        break;
    default: break;
    }
}

void TToolBar::CustomDraw(const TRect& Rect, bool& DefaultDraw) {
    OnCustomDraw(this, Rect, DefaultDraw);
}

void TToolBar::CustomDrawButton(TToolButton* Button, TCustomDrawState State, bool& DefaultDraw) {
    OnCustomDrawButton(this, Button, State, DefaultDraw);
}
