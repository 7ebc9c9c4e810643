#include "skin/frame/Vskform.h"

#include "framework/core/Properties.h"
#include "framework/core/ScopedCount.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/menus/MainMenu.h"
#include "framework/win/windowing/SizeConstraints.h"
#include "skin/frame/Vskformborder.h"
#include "skin/frame/Vskframewindow.h"
#include "skin/frame/Vsktitlebarmenu.h"
#include "skin/frame/Vskwindowstate.h"
#include "skin/themes/Vskpublic.h"
#include "skin/themes/Vskthemes.h"
#include "skin/themes/Vskthemesource.h"

VSK_IMPLEMENT_CLASS(TvskForm)

namespace {

constexpr int MinFormHeight = 50;
constexpr int MinFormWidth = 125;
constexpr int InitialMenuBarHeight = 22;
constexpr UINT KeepClientFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
constexpr const char* PanelSelfMessage = "Sorry, you can't select the Form assign to FormPanel property";
constexpr const char* SystemMenuMessageName = "VantrelSkinnedSystemMenu";

constexpr const char* MacOSBackgroundResource = "MACOS_FORM_BACKGROUND";
constexpr const char* ProteinBackgroundResource = "PROTEIN_FORM_BACKGROUND";

SIZE ClientSize(HWND Window) {
    RECT Client;
    ::GetClientRect(Window, &Client);
    return {Client.right, Client.bottom};
}

// Taking the caption over, and handing it back, leaves the client area as it was: the layout inside it was made
// for that size, and the title bar that stands in for the caption lies inside it. (A window made anew by the
// framework keeps its outer bounds instead, so the caption bits that come with it go without this.)
void SetCaptionBitsKeepingClient(HWND Window, bool On) {
    const SIZE Before = ClientSize(Window);
    VskSetCaptionBits(Window, On);
    const SIZE After = ClientSize(Window);
    if (::IsZoomed(Window) || ::IsIconic(Window) || (Before.cx == After.cx && Before.cy == After.cy)) return;
    RECT Bounds;
    ::GetWindowRect(Window, &Bounds);
    ::SetWindowPos(Window, nullptr, 0, 0, Bounds.right - Bounds.left + Before.cx - After.cx,
                   Bounds.bottom - Bounds.top + Before.cy - After.cy, KeepClientFlags);
}

// Border styles whose frame the skinned frame can stand in for keep their own; the others become dialogs.
TFormBorderStyle SkinnedBorderStyle(TFormBorderStyle Style) {
    switch (Style) {
    case bsNone:
    case bsSingle:
    case bsToolWindow: return bsDialog;
    default: return Style;
    }
}

} // namespace

void TvskForm::Publish(TPublisher<TvskForm>& p) {
    using T = TvskForm;
    p.Bool("TitleBarCustom", &T::TitleBarCustom, &T::SetTitleBarCustom).Default(false);
    p.Bool("UIStyleAutoUpdateSub", &T::UIStyleAutoUpdateSub, &T::SetUIStyleAutoUpdateSub).Default(false);
    p.Color("BorderColor", &T::BorderColor, &T::SetBorderColor);
    p.Int("BorderWidth", &T::BorderWidth, &T::SetBorderWidth);
    p.Bool("TitleBarVisible", &T::TitleBarVisible, &T::SetTitleBarVisible).Default(true);
    p.Str("Caption", &T::Caption, &T::SetCaption);
    p.Ref("FormPanel", &T::FormPanel, &T::SetPanel);
    p.Object("TitleBarButtons", &T::TitleBarButtons, &T::SetTitleBarButtons);
    p.Object("TitleBarSections", &T::TitleBarSections, &T::SetTitleBarSections);
    p.Bool("TitleBarDrawAppIcon", &T::TitleBarDrawAppIcon, &T::SetTitleBarDrawAppIcon).Default(false);
    p.Object("Font", &T::TitleFont, &T::SetTitleFont);
    p.Ref("Menu", &T::Menu, &T::SetMenu);
    p.Color("MenuBarColor", &T::MenuBarColor, &T::SetMenuBarColor);
    p.Int("MenuBarHeight", &T::MenuBarHeight, &T::SetMenuBarHeight).Default(InitialMenuBarHeight);
    p.Int("RoundCorner", &T::RoundCorner, &T::SetRoundCorner);
    p.Str("Version", &T::Version, &T::SetVersion);
    p.Event("OnTitleBarCustomBtnsClick", &T::OnTitleBarCustomBtnsClick);
    p.Event("OnTitleBarHelpBtnClick", &T::OnTitleBarHelpBtnClick);
}

TvskForm::TvskForm(TComponent* AOwner)
    : inherited(AOwner), FMenuBarHeight(InitialMenuBarHeight),
      FSystemMenuMessage(::RegisterWindowMessageA(SystemMenuMessageName)) {
    if (auto* Host = dynamic_cast<TCustomForm*>(AOwner)) TakeOver(*Host);
}

TvskForm::~TvskForm() = default;

void TvskForm::TakeOver(TCustomForm& Host) {
    for (int Index = 0; Index < Host.ControlCount(); ++Index)
        if (dynamic_cast<TvskForm*>(Host.Controls(Index))) throw EComponentError(OnlyOneMessage);
    FHostForm = &Host;
    for (TSizeConstraints* Limits : {Host.Constraints(), Constraints()}) {
        Limits->SetMinHeight(MinFormHeight);
        Limits->SetMinWidth(MinFormWidth);
    }
    Host.SetBorderWidth(0);
    FCreateBounds = Host.BoundsRect();
    FStartMaximized = Host.WindowState() == wsMaximized;
    FTitleBar = new TvskTitleBar(this);
    FTitleBar->SetParent(this);
    FTitleBar->OnCustomBtnsClick.Bind(this, &TvskForm::TitleBarCustomClick);
    FTitleBar->OnHelpBtnClick.Bind(this, &TvskForm::TitleBarHelpClick);
    FMenuBarColor = Color();
    SetUIStyle(DeepBlue);
    SetBevelOuter(bvNone);
    SetBevelInner(bvNone);
    SetBorderStyle(TBorderStyle::bsNone);
    SetAlign(alClient);
    SetParent(&Host);
    SetCaption(Host.Caption());
    FTitleBar->SetVisible(true);
    TControl::SetCaption(" ");
    Host.SetScaled(false);
    Host.SetBorderStyle(SkinnedBorderStyle(Host.BorderStyle()));
    Host.SetAutoScroll(false);
    FOldWndProc = Host.WindowProc();
    Host.SetWindowProc([this](TMessage& Message) { NewParentWndProc(Message); });
    TvskFormKeys::Register(*this);
    FTookOver = true;
    SetCaptionBitsKeepingClient(Host.Handle(), false);
}

// Setting the caption bits again and handing the window procedure back makes the host an ordinary window.
void TvskForm::Release() {
    if (!FTookOver) return;
    FTookOver = false;
    TvskFormKeys::Unregister(*this);
    FHostForm->SetWindowProc(FOldWndProc);
    if (FHostForm->ComponentState().Contains(csDestroying) || !FHostForm->HandleAllocated()) return;
    ::SetWindowRgn(FHostForm->Handle(), nullptr, TRUE);
    SetCaptionBitsKeepingClient(FHostForm->Handle(), true);
}

void TvskForm::Destroying() {
    FDestroying = true;
    if (FMenu) FMenu->RemoveFreeNotification(this);
    VskLinkMainMenu(FMenu, this, false);
    Release();
    inherited::Destroying();
}

HWND TvskForm::HostWindow() const {
    return FHostForm && FHostForm->HandleAllocated() ? FHostForm->Handle() : nullptr;
}

bool TvskForm::GetMDIChild() const {
    return FHostForm && FHostForm->FormStyle() == fsMDIChild;
}

// Properties ---------------------------------------------------------------------------------------------

void TvskForm::SetTitleBarCustom(bool Value) {
    if (FTitleBar) FTitleBar->SetCustom(Value);
}

void TvskForm::SetBorderColor(TColor Value) {
    FBorderColor = Value;
    PaintFormBorder();
}

void TvskForm::SetBorderWidth(int Value) {
    FBorderWidth = Value;
    PaintFormBorder();
}

void TvskForm::SetTitleBarVisible(bool Value) {
    if (!FTitleBar || Value == FTitleBar->Visible()) return;
    FTitleBar->SetVisible(Value);
    FTitleBar->SetTop(0);
    PaintFormBorder();
}

void TvskForm::SetCaption(const std::string& Value) {
    if (FTitleBar) FTitleBar->SetCaption(Value);
    if (FHostForm) FHostForm->SetCaption(Value);
}

void TvskForm::SetPanel(TCustomPanel* Value) {
    if (Value == this) {
        Application->MessageBox(PanelSelfMessage, "Error", MB_ICONERROR | MB_OK);
        return;
    }
    if (FFormPanel) FFormPanel->RemoveFreeNotification(this);
    FFormPanel = Value;
    if (!Value) return;
    Value->FreeNotification(this);
    Value->SetAlign(alClient);
    Value->SetBevelOuter(bvNone);
    Value->SetBevelInner(bvNone);
    Value->SetBorderStyle(TBorderStyle::bsNone);
    Value->SetCaption("");
}

void TvskForm::SetTitleBarButtons(const TvskTitleBarButtons* Value) {
    if (FTitleBar) FTitleBar->SetButtons(Value);
}

void TvskForm::SetTitleBarSections(const TvskTitleBarSections* Value) {
    if (FTitleBar) FTitleBar->SetSections(Value);
}

void TvskForm::SetTitleBarDrawAppIcon(bool Value) {
    if (FTitleBar) FTitleBar->SetDrawAppIcon(Value);
}

TFont* TvskForm::TitleFont() const {
    return FTitleBar ? FTitleBar->Font() : Font();
}

void TvskForm::SetTitleFont(const TFont* Value) {
    TitleFont()->Assign(*Value);
}

void TvskForm::SetMenuBarColor(TColor Value) {
    FMenuBarColor = Value;
    if (FMenuBar) FMenuBar->SetColor(Value);
}

void TvskForm::SetMenuBarHeight(int Value) {
    FMenuBarHeight = Value;
    if (!FMenuBar) return;
    FMenuBar->SetHeight(Value);
    FMenuBar->SetButtonHeight(Value);
}

void TvskForm::SetRoundCorner(int Value) {
    if (FTitleBar) FTitleBar->SetRoundCorner(Value);
    RegionWindow();
}

void TvskForm::TitleBarCustomClick(TObject* Sender, int ButtonIndex) {
    OnTitleBarCustomBtnsClick(Sender, ButtonIndex);
}

void TvskForm::TitleBarHelpClick(TObject* Sender, int ButtonIndex) {
    OnTitleBarHelpBtnClick(Sender, ButtonIndex);
}

// Style --------------------------------------------------------------------------------------------------

void TvskForm::ApplyUIStyle(const TvskThemeSource& Theme) {
    const TRect Kept = FHostForm ? FHostForm->BoundsRect() : TRect();
    LoadTexture();
    FBorderColor = Theme.Color(VSK_THEME_FORM_BORDER_COLOR);
    FBorderWidth = Theme.Int(VSK_THEME_FORM_BORDER_WIDTH_INT);
    SetColor(Theme.Color(VSK_THEME_FORM_BACKGROUND_COLOR));
    ApplyMenuBarColor(Theme);
    SetRoundCorner(Theme.Int(VSK_THEME_FORM_ROUND_CORNER_INT));
    if (FTitleBar) {
        FTitleBar->SetFileTheme(FileTheme());
        FTitleBar->SetUIStyle(UIStyle());
    }
    if (auto* Skinned = dynamic_cast<TvskMainMenu*>(FMenu)) {
        Skinned->SetFileTheme(FileTheme());
        Skinned->SetUIStyle(UIStyle());
    }
    if (FMenuBar) FMenuBar->SetFrameStyle(UIStyle(), FileTheme());
    if (FUIStyleAutoUpdateSub) ContainerApplyUIStyle(*this, UIStyle(), FileTheme());
    if (GetMDIChild()) PlaceControl(*FHostForm, Kept);
    Invalidate();
    PaintFormBorder();
}

// MacOS and Protein fill the panel with a texture, read once per style application: the panel paints on every
// repaint of a see-through control on it too, and reading the picture each time cost more than the paint.
void TvskForm::LoadTexture() {
    if (UIStyle() != MacOS && UIStyle() != Protein) {
        FTexture.SetBitmap(nullptr);
        return;
    }
    TBitmap Texture;
    Texture.LoadFromResourceName(::GetModuleHandleA(nullptr),
                                 UIStyle() == MacOS ? MacOSBackgroundResource : ProteinBackgroundResource);
    FTexture.SetBitmap(&Texture);
}

void TvskForm::ApplyMenuBarColor(const TvskThemeSource& Theme) {
    // The dark bars of some file themes colour the bar itself and leave MenuBarColor as it is.
    const TColor Band = FMenuBar ? VskThemeMenuBandColor(Theme) : clNone;
    if (Band != clNone)
        FMenuBar->SetColor(Band);
    else
        SetMenuBarColor(Color());
}

void TvskForm::FileThemeRemoved() {
    ContainerApplyUIStyle(*this, DeepBlue, nullptr);
    inherited::FileThemeRemoved();
}

void TvskForm::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FFormPanel) FFormPanel = nullptr;
    if (AComponent == FMenu) DestroyMenuBar();
    if (AComponent == FTitleBar) FTitleBar = nullptr;
    if (AComponent == FMenuBar) FMenuBar = nullptr;
}

// The host window ----------------------------------------------------------------------------------------

void TvskForm::NewParentWndProc(TMessage& Message) {
    if (FDestroying) {
        // Teardown has begun: the host keeps working as it would without the skin.
        FOldWndProc(Message);
        return;
    }
    if (Message.Msg == WM_NCPAINT) {
        HostNCPaint(Message);
        return;
    }
    const auto Alive = FLifeline.Watch();
    FOldWndProc(Message);
    if (Alive.expired() || FDestroying) return;
    switch (Message.Msg) {
    case WM_ACTIVATE: HostActivated(Message); break;
    case WM_MDIACTIVATE: MDIChildActivated(Message); break;
    case WM_KEYDOWN: ProcessKeyPress(Message); break;
    case WM_SHOWWINDOW: FHostForm->SetMenu(nullptr); break;
    case CM_RECREATEWND:
    case CN_PARENTNOTIFY: ReAssign(); break;
    case WM_SIZE: HostResized(); break;
    default:
        if (Message.Msg == FSystemMenuMessage) PopupSystemMenu();
        break;
    }
}

void TvskForm::HostActivated(const TMessage& Message) {
    if (!FTitleBar) return;
    if (Message.Msg == WM_MDIACTIVATE)
        FTitleBar->SetActive(reinterpret_cast<HWND>(Message.LParam) == HostWindow());
    else
        FTitleBar->SetActive(LOWORD(Message.WParam) != WA_INACTIVE);
    if (FMenuBar && !FTitleBar->FormActive()) FMenuBar->LeaveKeyboard();
}

void TvskForm::HostNCPaint(TMessage& Message) {
    if (FHostForm->WindowState() == wsMinimized) {
        FOldWndProc(Message);
        return;
    }
    PaintFormBorder();
    Message.Result = 0;
}

void TvskForm::ReAssign() {
    if (HWND Window = HostWindow()) VskSetCaptionBits(Window, false);
}

void TvskForm::HostResized() {
    // A window shown maximized at creation, once restored, goes back to where it was designed.
    if (FStartMaximized && FHostForm->WindowState() != wsMaximized) {
        PlaceControl(*FHostForm, FCreateBounds);
        FStartMaximized = false;
    }
    // A maximized skinned window covers the work area, never the task bar.
    if (FHostForm->WindowState() == wsMaximized && !GetMDIChild()) PlaceControl(*FHostForm, VskMaximizedBounds());
    PaintFormBorder();
    if (FTitleBar) FTitleBar->ProcessMaxBtn();
    if (GetMDIChild()) MDIChildResized();
    RegionWindow();
}

void TvskForm::Resize() {
    inherited::Resize();
    if (FTitleBar) FTitleBar->SetAlign(alTop);
}

bool TvskForm::ProcessKeyPress(const TMessage& KeyMessage) {
    if (FDestroying || !FMenu || !FHostForm || !FHostForm->Active() || !FormHasFocus(FHostForm)) return false;
    return FMenu->IsShortCut(KeyMessage);
}

bool TvskForm::OnApplicationMessage(const MSG& Msg) {
    if (Msg.message == WM_SYSCHAR && Msg.wParam == VK_SPACE) {
        // The menu opens from the host's own queue, not from inside the hook.
        ::PostMessageA(HostWindow(), FSystemMenuMessage, 0, 0);
        return true;
    }
    if (FMenuBar && FMenuBar->KeyMessage(Msg)) return true;
    if (Msg.message == WM_KEYDOWN) return ProcessKeyPress(TMessage{Msg.message, Msg.wParam, Msg.lParam, 0});
    return false;
}

void TvskForm::PopupSystemMenu() {
    if (!FTitleBar || !FTitleBar->SystemMenu() || !HostWindow()) return;
    RECT Window;
    ::GetWindowRect(HostWindow(), &Window);
    FTitleBar->SystemMenu()->Popup(Window.left, Window.top + FTitleBar->Height());
}

// Painting -----------------------------------------------------------------------------------------------

void TvskForm::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_ERASEBKGND: Message.Result = 1; break; // Paint covers every pixel
    case WM_PAINT: PaintMessage(Message); break;
    default: inherited::WndProc(Message);
    }
}

// The framework paints the panel double-buffered: Paint draws straight on the canvas, in one fill.
void TvskForm::Paint() {
    if (FDestroying) return;
    const TRect Client = ClientRect();
    if (FTexture.Bitmap()) {
        // The texture keeps its place on the panel when the canvas is moved to show a part of it.
        const HDC DC = Canvas().Handle();
        POINT Origin;
        ::GetViewportOrgEx(DC, &Origin);
        ::SetBrushOrgEx(DC, Origin.x, Origin.y, nullptr);
        ::FillRect(DC, &Client, FTexture.Handle());
    } else {
        Canvas().Brush().SetColor(Color());
        Canvas().FillRect(Client);
    }
    if (FScreenPaints > 0) PaintFormBorder();
}

// A WM_PAINT without a DC is the panel's own paint on the screen. One with a DC asks for a picture of the
// panel for someone else (a see-through child's background, PaintTo): drawing the host's frame then would
// redraw it once for every see-through child on the window.
void TvskForm::PaintMessage(TMessage& Message) {
    if (Message.WParam != 0) {
        inherited::WndProc(Message);
        return;
    }
    const TScopedCount OnScreen(FScreenPaints);
    inherited::WndProc(Message);
}

void TvskForm::PaintFormBorder() {
    const HWND Window = HostWindow();
    if (FDestroying || !Window || ::IsIconic(Window)) return;
    TvskFrameLook Look;
    Look.BorderWidth = FBorderWidth;
    Look.BorderColor = FBorderColor;
    Look.Color = Color();
    Look.TitleVisible = TitleBarVisible();
    Look.RoundCorner = RoundCorner();
    Look.MenuBarVisible = FMenuBar && FMenuBar->Visible();
    Look.MenuBarHeight = FMenuBar ? FMenuBar->Height() : 0;
    Look.MenuBarColor = FMenuBar ? FMenuBar->Color() : FMenuBarColor;
    VskPaintWindowFrame(Window, Look, FTitleBar);
}

void TvskForm::RegionWindow() {
    const HWND Window = HostWindow();
    if (!FDestroying && Window) VskShapeWindow(Window, RoundCorner());
}

// The menu bar -------------------------------------------------------------------------------------------

void TvskForm::SetMenu(TMainMenu* Value) {
    if (FMenu) FMenu->RemoveFreeNotification(this);
    VskLinkMainMenu(FMenu, this, false);
    FMenu = Value;
    VskLinkMainMenu(FMenu, this, true);
    if (FMenu) {
        FMenu->FreeNotification(this);
        if (auto* Skinned = dynamic_cast<TvskMainMenu*>(FMenu)) {
            Skinned->SetFileTheme(FileTheme());
            Skinned->SetUIStyle(UIStyle());
        }
        CreateMenuBar();
        UpdateMenu();
    } else {
        DestroyMenuBar();
    }
}


void TvskForm::CreateMenuBar() {
    if (GetMDIChild() || FMenuBar) return;
    FMenuBar = new TvskMenuBar(this);
    FMenuBar->SetParent(this);
    FMenuBar->SetButtonHeight(FMenuBarHeight);
    FMenuBar->SetHeight(FMenuBarHeight);
    FMenuBar->SetColor(FMenuBarColor);
    FMenuBar->SetAlign(alTop);
    FMenuBar->SetFrameStyle(UIStyle(), FileTheme());
    if (FTitleBar) FTitleBar->SetTop(0);
}

// An MDI child has no bar of its own: its parent shows the menu, and shows the parent's again.
void TvskForm::DestroyMenuBar() {
    delete FMenuBar;
    FMenuBar = nullptr;
    if (FMenu) FMenu->RemoveFreeNotification(this);
    VskLinkMainMenu(FMenu, this, false);
    FMenu = nullptr;
    if (GetMDIChild())
        RefreshParentMenu();
    else
        PaintFormBorder();
}

void TvskForm::UpdateMenu() {
    if (GetMDIChild()) {
        RefreshParentMenu();
        return;
    }
    if (!FMenuBar) return;
    if (!FMenu) {
        DestroyMenuBar();
        return;
    }
    FMenuBar->ShowMenu(FMenu);
}

void TvskForm::UpdateTopMenu() {
    if (GetMDIChild())
        RefreshParentMenu();
    else if (FMenuBar)
        FMenuBar->UpdateTopMenu();
}

void TvskForm::RepaintMenuBar() {
    if (GetMDIChild())
        RefreshParentMenu();
    else if (FMenuBar && FMenu)
        FMenuBar->RepaintMenuBar();
}
