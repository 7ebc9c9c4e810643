#include "skin/frame/Vskmenubar.h"

#include "framework/core/Properties.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/menus/MainMenu.h"
#include "framework/win/windowing/Accelerators.h"
#include "framework/win/windowing/KeyboardState.h"
#include "skin/controls/Vskmainmenu.h"
#include "skin/controls/Vskmenu.h"
#include "skin/frame/Vskformmenubar.h"
#include "skin/themes/Vskthemesource.h"

VSK_IMPLEMENT_CLASS(TvskMenuBar)

void TvskMenuBar::Publish(TPublisher<TvskMenuBar>&) {}

namespace {
constexpr const char* OpenMessageName = "VantrelMenuBarOpen";
// Bit 30 of a key message's lParam: the key was down already (auto-repeat).
constexpr LPARAM KeyWasDown = 1 << 30;
} // namespace

TvskMenuBar::TvskMenuBar(TComponent* AOwner)
    : inherited(AOwner), FOpenMessage(::RegisterWindowMessageA(OpenMessageName)) {
    SetFlat(true);
    SetEdgeBorders(TEdgeBorders{});
    SetShowCaptions(true);
    SetWrapable(true);
    SetAutoSize(true);
    OnCustomDrawButton.Bind(this, &TvskMenuBar::DrawButton);
    OnCustomDraw.Bind(this, &TvskMenuBar::DrawBackground);
}

void TvskMenuBar::SetFrameStyle(TvskUIStyle Style, TvskFileTheme* Theme) {
    FFrameStyle = Style;
    FFrameTheme = Theme;
    Invalidate();
}

TvskUIStyle TvskMenuBar::EffectiveStyle() const {
    const auto* Skinned = dynamic_cast<const TvskMainMenu*>(FMenu);
    return Skinned ? Skinned->UIStyle() : FFrameStyle;
}

TvskFileTheme* TvskMenuBar::EffectiveTheme() const {
    const auto* Skinned = dynamic_cast<const TvskMainMenu*>(FMenu);
    return Skinned ? Skinned->FileTheme() : FFrameTheme;
}

// Buttons ------------------------------------------------------------------------------------------------

void TvskMenuBar::ShowMenu(TMainMenu* Menu) {
    LeaveKeyboard();
    FMenu = Menu;
    SetAutoSize(false);
    while (ButtonCount() > 0)
        delete Buttons(ButtonCount() - 1);
    if (FMenu) {
        TMenuItem* Root = FMenu->Items();
        for (int Index = 0; Index < Root->Count(); ++Index) {
            auto* Button = new TToolButton(this);
            Button->SetGrouped(true);
            Button->SetAutoSize(true);
            Button->SetParent(this);
            Button->SetMenuItem(Root->Items(Index));
            Button->SetVisible(Root->Items(Index)->Visible());
        }
    }
    SetAutoSize(true);
    RepaintMenuBar();
}

void TvskMenuBar::UpdateTopMenu() {
    for (int Index = 0; Index < ButtonCount(); ++Index) {
        TToolButton* Button = Buttons(Index);
        if (const TMenuItem* Item = Button->MenuItem()) {
            Button->SetCaption(Item->Caption());
            Button->SetEnabled(Item->Enabled());
            Button->SetVisible(Item->Visible());
        }
    }
    Invalidate();
}

void TvskMenuBar::RepaintMenuBar() {
    if (const auto* Skinned = dynamic_cast<const TvskMainMenu*>(FMenu)) {
        TFont& BarFont = *Font();
        // Without an answer from the system the bar keeps the font it has.
        if (!Skinned->UseSystemFont() || !Menu_GetSystemFont(BarFont)) {
            BarFont.SetName(Skinned->FontName());
            BarFont.SetSize(Skinned->FontSize());
            BarFont.SetCharset(Skinned->FontCharset());
        }
    }
    Invalidate();
}

// Drawing ------------------------------------------------------------------------------------------------

void TvskMenuBar::DrawButton(TToolBar*, TToolButton* Button, TCustomDrawState State, bool& DefaultDraw) {
    DefaultDraw = false;
    if (Button == FKeyButton) State.Include(cdsHot);
    const TvskUIStyle Style = EffectiveStyle();
    Canvas().Font().Assign(*Font());
    VskDrawMenuBarButton(Canvas(), Button->BoundsRect(), Button->Caption(), Button->Enabled(), State, Style,
                         TvskThemeSource(EffectiveTheme(), Style));
}

// The background is laid first; the buttons are drawn over it in every style.
void TvskMenuBar::DrawBackground(TToolBar*, const TRect& Rect, bool& DefaultDraw) {
    VskDrawMenuBarBackground(Canvas(), Rect, EffectiveStyle(), FMacOSBackground);
    DefaultDraw = true;
}

// The keyboard -------------------------------------------------------------------------------------------

bool TvskMenuBar::KeyMessage(const MSG& Msg) {
    if (ButtonCount() == 0 || !Showing()) return false;
    switch (Msg.message) {
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR: return SystemKey(Msg);
    case WM_KEYDOWN:
        FAltAlone = false;
        return FKeyButton && KeyInBar(Msg.wParam);
    case WM_KEYUP:
    case WM_CHAR: return FKeyButton != nullptr; // what the bar's keys would type goes nowhere
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
        FAltAlone = false;
        LeaveKeyboard();
        return false;
    default: return false;
    }
}

bool TvskMenuBar::SystemKey(const MSG& Msg) {
    const WPARAM Key = Msg.wParam;
    if (Msg.message == WM_SYSCHAR) {
        FAltAlone = false;
        TToolButton* Button = Key != VK_SPACE ? ButtonOfAccel(static_cast<char>(Key)) : nullptr;
        if (Button) OpenSoon(Button);
        return Button != nullptr;
    }
    if (Msg.message == WM_SYSKEYUP) {
        // Alt pressed and released with nothing in between toggles the keyboard on the bar.
        if (Key != VK_MENU || !std::exchange(FAltAlone, false)) return Key == VK_F10;
        if (FKeyButton)
            LeaveKeyboard();
        else
            EnterKeyboard(NextButton(nullptr, +1, false));
        return true;
    }
    if (Key == VK_MENU) {
        if (!(Msg.lParam & KeyWasDown)) FAltAlone = true;
        return false;
    }
    FAltAlone = false;
    if (Key != VK_F10 || KeyHeld(VK_SHIFT) || KeyHeld(VK_CONTROL)) return false;
    if (FKeyButton)
        LeaveKeyboard();
    else
        EnterKeyboard(NextButton(nullptr, +1, false));
    return true;
}

bool TvskMenuBar::KeyInBar(WPARAM Key) {
    switch (Key) {
    case VK_LEFT: EnterKeyboard(NextButton(FKeyButton, -1, false)); break;
    case VK_RIGHT: EnterKeyboard(NextButton(FKeyButton, +1, false)); break;
    case VK_DOWN:
    case VK_UP:
    case VK_RETURN: OpenSoon(FKeyButton); break;
    case VK_ESCAPE: LeaveKeyboard(); break;
    default:
        if (const UINT Char = ::MapVirtualKeyA(static_cast<UINT>(Key), MAPVK_VK_TO_CHAR))
            if (TToolButton* Button = ButtonOfAccel(static_cast<char>(Char))) OpenSoon(Button);
        break;
    }
    return true;
}

void TvskMenuBar::EnterKeyboard(TToolButton* Button) {
    FKeyButton = Button;
    Invalidate();
}

void TvskMenuBar::LeaveKeyboard() {
    if (!FKeyButton) return;
    FKeyButton = nullptr;
    Invalidate();
}

TToolButton* TvskMenuBar::ButtonOfAccel(char Key) const {
    for (int Index = 0; Index < ButtonCount(); ++Index) {
        TToolButton* Button = Buttons(Index);
        if (Button->Enabled() && Button->Visible() && IsAccel(Key, Button->Caption())) return Button;
    }
    return nullptr;
}

void TvskMenuBar::OpenSoon(TToolButton* Button) {
    if (Button && HandleAllocated()) ::PostMessageA(Handle(), FOpenMessage, static_cast<WPARAM>(Button->Index()), 0);
}

void TvskMenuBar::Open(int Index) {
    if (Index < 0 || Index >= ButtonCount()) return;
    TToolButton* Button = Buttons(Index);
    LeaveKeyboard();
    const TMenuItem* Item = Button->MenuItem();
    if (!Item || Item->Count() == 0) {
        Button->Click();
        return;
    }
    // Escape in the first menu level hands the keyboard back to the bar, at the button it left.
    if (TToolButton* Escaped = TrackMenu(Button, true)) EnterKeyboard(Escaped);
}

void TvskMenuBar::WndProc(TMessage& Message) {
    if (Message.Msg == FOpenMessage)
        Open(static_cast<int>(Message.WParam));
    else
        inherited::WndProc(Message);
}
