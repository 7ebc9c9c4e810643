#include "skin/frame/Vskmdiform.h"

#include "framework/core/Properties.h"
#include "framework/win/forms/Application.h"
#include "framework/win/menus/MainMenu.h"
#include "framework/win/windowing/KeyboardState.h"
#include "framework/win/windowing/SizeConstraints.h"
#include "framework/win/windowing/WindowSubclass.h"
#include "skin/controls/Vsktoolbarspeedbutton.h"
#include "skin/frame/Vskform.h"
#include "skin/frame/Vskframewindow.h"
#include "skin/frame/Vskmdiarrange.h"
#include "skin/frame/Vskmenubar.h"
#include "skin/frame/Vskwindowstate.h"
#include "skin/themes/Vskpublic.h"

VSK_IMPLEMENT_CLASS(TvskMDIForm)

namespace {

constexpr int MinFormHeight = 50;
constexpr int MinFormWidth = 125;
TCustomForm& OwnerForm(TComponent* Owner) {
    auto* Form = dynamic_cast<TCustomForm*>(Owner);
    if (!Form) throw EComponentError(TvskMDIForm::NotOnFormMessage);
    return *Form;
}

TvskForm* SkinOf(const TCustomForm& Form) {
    for (int Index = 0; Index < Form.ControlCount(); ++Index)
        if (auto* Skin = dynamic_cast<TvskForm*>(Form.Controls(Index))) return Skin;
    return nullptr;
}

} // namespace

void TvskMDIForm::Publish(TPublisher<TvskMDIForm>& p) {
    using T = TvskMDIForm;
    p.Ref("Menu", &T::Menu, &T::SetMenu);
    p.Color("MenuBarColor", &T::MenuBarColor, &T::SetMenuBarColor);
    p.Color("BorderColor", &T::BorderColor, &T::SetBorderColor);
    p.Str("Caption", &T::Caption, &T::SetCaption);
    p.Bool("TitleBarDrawAppIcon", &T::TitleBarDrawAppIcon, &T::SetTitleBarDrawAppIcon).Default(false);
    p.Bool("TitleBarCustom", &T::TitleBarCustom, &T::SetTitleBarCustom).Default(false);
    p.Bool("TitleBarVisible", &T::TitleBarVisible, &T::SetTitleBarVisible).Default(true);
    p.Object("TitleBarButtons", &T::TitleBarButtons, &T::SetTitleBarButtons);
    p.Object("TitleBarSections", &T::TitleBarSections, &T::SetTitleBarSections);
    p.Bool("TitleBarDrawChildCaptions", &T::TitleBarDrawChildCaptions, &T::SetTitleBarDrawChildCaptions)
        .Default(true);
    p.Bool("TitleBarDrawChildMenus", &T::TitleBarDrawChildMenus, &T::SetTitleBarDrawChildMenus).Default(true);
    p.Int("RoundCorner", &T::RoundCorner, &T::SetRoundCorner);
}

TvskMDIForm::TvskMDIForm(TComponent* AOwner) : inherited(AOwner), FForm(&OwnerForm(AOwner)) {
    TakeOver();
}

TvskMDIForm::~TvskMDIForm() = default;

void TvskMDIForm::TakeOver() {
    FForm->Constraints()->SetMinHeight(MinFormHeight);
    FForm->Constraints()->SetMinWidth(MinFormWidth);
    FForm->SetMenu(nullptr);
    if (FForm->BorderStyle() == bsNone || FForm->BorderStyle() == bsSingle || FForm->BorderStyle() == bsToolWindow)
        FForm->SetBorderStyle(bsDialog);
    FForm->SetBorderWidth(0);
    FTitleBar = new TvskTitleBar(this);
    FTitleBar->SetInFrame(true);
    FTitleBar->SetParent(FForm);
    FTitleBar->SetBounds(0, 0, FTitleBar->Width(), FTitleBar->Height());
    FTitleBar->SetAlign(alTop);
    FTitleBar->SetCaption(FForm->Caption());
    FMenuPanel = new TvskMDIMenuPanel(this);
    FMenuPanel->SetParent(FForm);
    FMenuPanel->OnControlButtonClick.Bind(this, &TvskMDIForm::ControlButtonClick);
    FTitleBar->SetTop(0);
    SetUIStyle(DeepBlue);
    FForm->SetAutoScroll(false);
    FOldWndProc = FForm->WindowProc();
    FForm->SetWindowProc([this](TMessage& Message) { FormWndProc(Message); });
    SubclassClient();
    TvskFormKeys::Register(*this);
    FTookOver = true;
    VskSetCaptionBits(FForm->Handle(), false);
    UpdateMenu();
}

// The client window's own procedure runs first, then the frame follows what the children did.
void TvskMDIForm::SubclassClient() {
    FClientSubclass.reset();
    FForm->HandleNeeded();
    if (const HWND Client = FForm->ClientHandle())
        FClientSubclass =
            std::make_unique<TWindowSubclass>(Client, [this](TMessage& Message) { ClientWndProc(Message); });
}

// The form becomes an ordinary captioned MDI frame again, with both window procedures its own.
void TvskMDIForm::Release() {
    if (!FTookOver) return;
    FTookOver = false;
    VskLinkMainMenu(FMenu, this, false);
    TvskFormKeys::Unregister(*this);
    FClientSubclass.reset();
    FForm->SetWindowProc(FOldWndProc);
    if (FForm->ComponentState().Contains(csDestroying) || !FForm->HandleAllocated()) return;
    ::SetWindowRgn(FForm->Handle(), nullptr, TRUE);
    VskSetCaptionBits(FForm->Handle(), true);
}

void TvskMDIForm::Destroying() {
    FDestroying = true;
    for (TMainMenu* Watched : {FMenu, FShownMenu})
        if (Watched) Watched->RemoveFreeNotification(this);
    Release();
    inherited::Destroying();
}

void TvskMDIForm::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove || !AComponent) return;
    if (AComponent == FTitleBar) FTitleBar = nullptr;
    if (AComponent == FMenuPanel) FMenuPanel = nullptr;
    if (AComponent == FShownMenu) ShowMenu(nullptr);
    if (AComponent == FMenu) {
        FMenu = nullptr;
        if (!FDestroying) UpdateMenu();
    }
}

TvskMenuBar* TvskMDIForm::MenuBar() const {
    return FMenuPanel ? FMenuPanel->MenuBar() : nullptr;
}

HWND TvskMDIForm::KeyWindow() const {
    return FForm->HandleAllocated() ? FForm->Handle() : nullptr;
}

// Properties ---------------------------------------------------------------------------------------------

void TvskMDIForm::SetMenuBarColor(TColor Value) {
    FMenuBarColor = Value;
    if (FMenuPanel) FMenuPanel->SetBandColor(Value);
    PaintBorder();
}

void TvskMDIForm::SetBorderColor(TColor Value) {
    FBorderColor = Value;
    PaintBorder();
}

void TvskMDIForm::SetCaption(const std::string& Value) {
    FForm->SetCaption(Value);
    if (FTitleBar) FTitleBar->SetCaption(Value);
}

void TvskMDIForm::SetTitleBarDrawAppIcon(bool Value) {
    if (FTitleBar) FTitleBar->SetDrawAppIcon(Value);
}

void TvskMDIForm::SetTitleBarCustom(bool Value) {
    if (FTitleBar) FTitleBar->SetCustom(Value);
}

void TvskMDIForm::SetTitleBarVisible(bool Value) {
    if (!FTitleBar || Value == FTitleBar->Visible()) return;
    FTitleBar->SetVisible(Value);
    FTitleBar->SetTop(0);
    PaintBorder();
}

void TvskMDIForm::SetTitleBarButtons(const TvskTitleBarButtons* Value) {
    if (FTitleBar) FTitleBar->SetButtons(Value);
}

void TvskMDIForm::SetTitleBarSections(const TvskTitleBarSections* Value) {
    if (FTitleBar) FTitleBar->SetSections(Value);
}

void TvskMDIForm::SetTitleBarDrawChildMenus(bool Value) {
    FDrawChildMenus = Value;
    UpdateMenu();
}

void TvskMDIForm::SetRoundCorner(int Value) {
    FRoundCorner = Value;
    RegionWindow();
}

// Style --------------------------------------------------------------------------------------------------

void TvskMDIForm::ApplyUIStyle(const TvskThemeSource& Theme) {
    FBorderColor = Theme.Color(VSK_THEME_FORM_BORDER_COLOR);
    FMenuBarColor = Theme.Color(VSK_THEME_FORM_BACKGROUND_COLOR);
    FBorderWidth = Theme.Int(VSK_THEME_FORM_BORDER_WIDTH_INT);
    // The dark bands of some file themes.
    if (const TColor Band = VskThemeMenuBandColor(Theme); Band != clNone) FMenuBarColor = Band;
    SetRoundCorner(Theme.Int(VSK_THEME_FORM_ROUND_CORNER_INT));
    if (auto* Skinned = dynamic_cast<TvskMainMenu*>(FMenu)) {
        Skinned->SetFileTheme(FileTheme());
        Skinned->SetUIStyle(UIStyle());
    }
    if (MenuBar()) MenuBar()->SetFrameStyle(UIStyle(), FileTheme());
    if (FMenuPanel) FMenuPanel->SetBandColor(FMenuBarColor);
    if (!FTitleBar) return;
    FTitleBar->SetFileTheme(FileTheme());
    FTitleBar->SetUIStyle(UIStyle());
    // The frame shapes the window; the bar's own corner stays square.
    FTitleBar->SetRoundCorner(0);
    PaintBorder();
}

// The menu bar -------------------------------------------------------------------------------------------

void TvskMDIForm::SetMenu(TMainMenu* Value) {
    if (FMenu) FMenu->RemoveFreeNotification(this);
    VskLinkMainMenu(FMenu, this, false);
    FMenu = Value;
    if (FMenu) FMenu->FreeNotification(this);
    VskLinkMainMenu(FMenu, this, true);
    if (auto* Skinned = dynamic_cast<TvskMainMenu*>(FMenu)) {
        Skinned->SetFileTheme(FileTheme());
        Skinned->SetUIStyle(UIStyle());
    }
    UpdateMenu();
}

TCustomForm* TvskMDIForm::ActiveChild() const {
    TCustomForm* Child = FForm->ActiveMDIChild();
    // A child on its way out no longer has a say.
    return Child && !Child->ComponentState().Contains(csDestroying) ? Child : nullptr;
}

TvskForm* TvskMDIForm::GetActiveChildVSKForm() const {
    const TCustomForm* Child = ActiveChild();
    return Child ? SkinOf(*Child) : nullptr;
}

TMainMenu* TvskMDIForm::GetMainMenu() const {
    const TCustomForm* Child = FDrawChildMenus && FTitleBar ? ActiveChild() : nullptr;
    if (!Child) return FMenu;
    if (auto* Own = dynamic_cast<TMainMenu*>(Child->Menu())) return Own;
    const TvskForm* Skin = SkinOf(*Child);
    return Skin && Skin->Menu() ? Skin->Menu() : FMenu;
}

void TvskMDIForm::UpdateMenu() {
    if (!FDestroying) ShowMenu(GetMainMenu());
}

void TvskMDIForm::ShowMenu(TMainMenu* Menu) {
    if (FShownMenu != Menu) {
        if (FShownMenu && FShownMenu != FMenu) FShownMenu->RemoveFreeNotification(this);
        FShownMenu = Menu;
        if (FShownMenu) FShownMenu->FreeNotification(this);
    }
    if (!MenuBar()) return;
    MenuBar()->ShowMenu(Menu);
    if (!Menu) {
        HideMenuBar();
        return;
    }
    if (FTitleBar) FTitleBar->SetTop(0);
    FMenuPanel->FitToBar();
    ShowMenuBar();
}

void TvskMDIForm::UpdateTopMenu() {
    if (MenuBar()) MenuBar()->UpdateTopMenu();
}

void TvskMDIForm::RepaintMenuBar() {
    if (MenuBar()) MenuBar()->RepaintMenuBar();
}

void TvskMDIForm::ShowMenuBar() {
    if (FMenuPanel) FMenuPanel->SetVisible(true);
}

void TvskMDIForm::HideMenuBar() {
    if (FMenuPanel) FMenuPanel->SetVisible(false);
}

void TvskMDIForm::ShowControlButtons() {
    const TvskForm* Skin = GetActiveChildVSKForm();
    if (!FMenuPanel || !Skin || !Skin->TitleBarButtons()) return;
    TvskTitleBarButtons& Buttons = *Skin->TitleBarButtons();
    for (int Index = 0; Index < Buttons.Count(); ++Index) {
        const TvskTitleBarButton& Button = *Buttons.Items(Index);
        switch (Button.ButtonType()) {
        case vskMin: FMenuPanel->SetControlButtonVisible(vskMDIMinimize, Button.Visible()); break;
        case vskMax: FMenuPanel->SetControlButtonVisible(vskMDIRestore, Button.Visible()); break;
        case vskClose: FMenuPanel->SetControlButtonVisible(vskMDIClose, Button.Visible()); break;
        default: break;
        }
    }
}

void TvskMDIForm::HideControlButtons() {
    if (FMenuPanel) FMenuPanel->HideControlButtons();
}

void TvskMDIForm::ControlButtonClick(TObject* Sender) {
    TCustomForm* Child = ActiveChild();
    const auto* Button = dynamic_cast<TvskToolBarSpeedButton*>(Sender);
    if (!Child || !Button) return;
    switch (Button->Tag()) {
    case vskMDIMinimize: ::ShowWindow(Child->Handle(), SW_SHOWMINIMIZED); break;
    case vskMDIRestore: Child->SetWindowState(wsNormal); break;
    case vskMDIClose: Child->Close(); break;
    default: return;
    }
    Application->ProcessMessages();
}

// The children -------------------------------------------------------------------------------------------

TRect TvskMDIForm::ChildArea() const {
    RECT Client{};
    ::GetWindowRect(FForm->ClientHandle(), &Client);
    return TRect(0, 0, Client.right - Client.left, Client.bottom - Client.top);
}

void TvskMDIForm::Cascade() {
    std::vector<bool> Minimized;
    for (int Index = 0; Index < FForm->MDIChildCount(); ++Index)
        Minimized.push_back(FForm->MDIChildren(Index)->WindowState() == wsMinimized);
    const TRect Area = ChildArea();
    for (const TvskMDIChildPlace& Place : VskCascadePlaces(Minimized, Area.Width(), Area.Height()))
        FForm->MDIChildren(Place.Index)->SetBoundsRect(Place.Bounds);
}

void TvskMDIForm::Tile(bool Vertical) {
    std::vector<bool> Minimized;
    for (int Index = 0; Index < FForm->MDIChildCount(); ++Index)
        Minimized.push_back(FForm->MDIChildren(Index)->WindowState() == wsMinimized);
    const TRect Area = ChildArea();
    for (const TvskMDIChildPlace& Place : VskTilePlaces(Minimized, Area.Width(), Area.Height(), Vertical))
        FForm->MDIChildren(Place.Index)->SetBoundsRect(Place.Bounds);
}

// The control buttons follow the active child: shown while it is maximized.
void TvskMDIForm::ChildStateChanged() {
    TCustomForm* Child = ActiveChild();
    if (Child && Child->HandleAllocated() && ::IsZoomed(Child->Handle()))
        ShowControlButtons();
    else
        HideControlButtons();
    if (FTitleBar) FTitleBar->SetCaption(FForm->Caption());
}

// A child asks for its menu: the bar shows the menu the active child calls for now.
void TvskMDIForm::ChildMenuRefreshed() {
    UpdateMenu();
    ChildStateChanged();
}

// The windows --------------------------------------------------------------------------------------------

void TvskMDIForm::FormWndProc(TMessage& Message) {
    if (FDestroying) {
        FOldWndProc(Message);
        return;
    }
    if (Message.Msg == WM_NCPAINT) {
        FormNCPaint(Message);
        return;
    }
    const auto Alive = FLifeline.Watch();
    FOldWndProc(Message);
    if (Alive.expired() || FDestroying) return;
    switch (Message.Msg) {
    case WM_KEYDOWN: ProcessKeyPress(Message); break;
    case CM_RECREATEWND: FormRecreated(); break;
    case WM_ACTIVATE: FormActivated(Message); break;
    case WM_SIZE: FormResized(); break;
    default: break;
    }
}

void TvskMDIForm::ClientWndProc(TMessage& Message) {
    FClientSubclass->CallPrevious(Message);
    if (FDestroying) return;
    switch (Message.Msg) {
    case WM_MDIREFRESHMENU: ChildMenuRefreshed(); break;
    case WM_MDIMAXIMIZE:
    case WM_MDIRESTORE:
    case WM_MDIDESTROY: ChildStateChanged(); break;
    case WM_MDITILE: Tile((Message.WParam & MDITILE_HORIZONTAL) == 0); break;
    case WM_MDICASCADE: Cascade(); break;
    default: break;
    }
}

void TvskMDIForm::FormNCPaint(TMessage& Message) {
    if (FForm->WindowState() == wsMinimized) {
        FOldWndProc(Message);
        return;
    }
    PaintBorder();
    Message.Result = 0;
}

void TvskMDIForm::FormActivated(const TMessage& Message) {
    const bool Active = LOWORD(Message.WParam) != WA_INACTIVE;
    if (FTitleBar) FTitleBar->SetActive(Active);
    if (!Active && MenuBar()) MenuBar()->LeaveKeyboard();
}

// A new form window comes with its caption bits and a new client window.
void TvskMDIForm::FormRecreated() {
    VskSetCaptionBits(FForm->Handle(), false);
    SubclassClient();
}

void TvskMDIForm::FormResized() {
    // A maximized skinned window covers the work area, never the task bar.
    if (FForm->WindowState() == wsMaximized) PlaceControl(*FForm, VskMaximizedBounds());
    PaintBorder();
    RegionWindow();
}

void TvskMDIForm::PaintBorder() {
    if (FDestroying || !FForm->HandleAllocated() || ::IsIconic(FForm->Handle())) return;
    // The frame is all the skin's: the form's own band would show inside it.
    if (FForm->BorderWidth() != 0) FForm->SetBorderWidth(0);
    TvskFrameLook Look;
    Look.BorderWidth = FBorderWidth;
    Look.BorderColor = FBorderColor;
    Look.Color = FMenuBarColor;
    Look.TitleVisible = TitleBarVisible();
    Look.RoundCorner = FRoundCorner;
    VskPaintWindowFrame(FForm->Handle(), Look, FTitleBar);
}

void TvskMDIForm::RegionWindow() {
    if (!FDestroying && FTookOver && FForm->HandleAllocated()) VskShapeWindow(FForm->Handle(), FRoundCorner);
}

// The keyboard -------------------------------------------------------------------------------------------

bool TvskMDIForm::ProcessKeyPress(const TMessage& KeyMessage) {
    return !FDestroying && FShownMenu && FShownMenu->IsShortCut(KeyMessage);
}

bool TvskMDIForm::OnApplicationMessage(const MSG& Msg) {
    if (MenuBar() && MenuBar()->KeyMessage(Msg)) return true;
    if (Msg.message != WM_KEYDOWN) return false;
    return ProcessKeyPress(TMessage{Msg.message, Msg.wParam, Msg.lParam, 0}) || SwitchChildKey(Msg);
}

// Ctrl+Tab and Ctrl+Shift+Tab go to the next and the previous child, as Ctrl+F6 does.
bool TvskMDIForm::SwitchChildKey(const MSG& Msg) {
    if (Msg.wParam != VK_TAB || !KeyHeld(VK_CONTROL) || KeyHeld(VK_MENU)) return false;
    TCustomForm* Child = ActiveChild();
    if (!Child) return false;
    ::SendMessageA(FForm->ClientHandle(), WM_MDINEXT, reinterpret_cast<WPARAM>(Child->Handle()),
                   KeyHeld(VK_SHIFT) ? 1 : 0);
    return true;
}
