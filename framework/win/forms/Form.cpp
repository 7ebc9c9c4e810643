#include "framework/win/forms/Form.h"

#include "framework/core/DescriptionReader.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Screen.h"
#include "framework/win/graphics/GraphicsExceptions.h"
#include "framework/win/graphics/Icon.h"
#include "framework/win/menus/MenuLinks.h"
#include "framework/win/windowing/KeyboardState.h"

#include <algorithm>
#include <cctype>
#include <vector>

VSK_IMPLEMENT_CLASS(TCustomForm)
VSK_IMPLEMENT_CLASS(TForm)

void TCustomForm::Publish(TPublisher<TCustomForm>& p) {
    // A form's size is its client size; the frame around it follows from the border style.
    p.Int("Width", &TCustomForm::Width, &TCustomForm::SetWidth).Stored(false);
    p.Int("Height", &TCustomForm::Height, &TCustomForm::SetHeight).Stored(false);
    p.Int("ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth);
    p.Int("ClientHeight", &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight);
    p.Bool("Visible", &TCustomForm::Visible, &TCustomForm::SetVisible).Default(false);
    p.Ref("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl);
    p.Bool("AutoScroll", &TCustomForm::AutoScroll, &TCustomForm::SetAutoScroll).Default(true);
    p.Set("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons, TBorderIconInfo)
        .Default(DefaultBorderIcons);
    p.Enum("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle, TFormBorderStyleInfo)
        .Default(bsSizeable);
    p.Str("Caption", &TCustomForm::Caption, &TCustomForm::SetCaption);
    p.Enum("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle, TFormStyleInfo).Default(fsNormal);
    p.Object("Icon", &TCustomForm::Icon, &TCustomForm::SetIcon);
    p.Bool("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview).Default(false);
    p.Ref("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu);
    p.Enum("Position", &TCustomForm::Position, &TCustomForm::SetPosition, TPositionInfo).Default(poDesigned);
    p.Bool("Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled).Default(true);
    p.Enum("WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState, TWindowStateInfo).Default(wsNormal);
    p.Event("OnActivate", &TCustomForm::OnActivate);
    p.Event("OnClose", &TCustomForm::OnClose);
    p.Event("OnCloseQuery", &TCustomForm::OnCloseQuery);
    p.Event("OnCreate", &TCustomForm::OnCreate);
    p.Event("OnDeactivate", &TCustomForm::OnDeactivate);
    p.Event("OnDestroy", &TCustomForm::OnDestroy);
    p.Event("OnHide", &TCustomForm::OnHide);
    p.Event("OnShow", &TCustomForm::OnShow);
}

void TForm::Publish(TPublisher<TForm>&) {}

namespace {
constexpr int DefaultFormWidth = 320;
constexpr int DefaultFormHeight = 240;

bool IsMenuMessage(const TMessage& Message) {
    switch (Message.Msg) {
    case WM_COMMAND: return Message.LParam == 0;
    case WM_INITMENUPOPUP:
    case WM_MENUSELECT:
    case WM_MENUCHAR: return true;
    case WM_DRAWITEM: return reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam)->CtlType == ODT_MENU;
    case WM_MEASUREITEM: return reinterpret_cast<const MEASUREITEMSTRUCT*>(Message.LParam)->CtlType == ODT_MENU;
    default: return false;
    }
}

// The other windows of the program, disabled while a modal form runs.
class TDisabledTaskWindows {
public:
    explicit TDisabledTaskWindows(HWND Keep) : FKeep(Keep) {
        ::EnumThreadWindows(::GetCurrentThreadId(), &TDisabledTaskWindows::Disable, reinterpret_cast<LPARAM>(this));
    }
    ~TDisabledTaskWindows() {
        for (HWND Window : FDisabled)
            if (::IsWindow(Window)) ::EnableWindow(Window, TRUE);
    }
    TDisabledTaskWindows(const TDisabledTaskWindows&) = delete;
    TDisabledTaskWindows& operator=(const TDisabledTaskWindows&) = delete;

private:
    static BOOL CALLBACK Disable(HWND Window, LPARAM Self) {
        auto* This = reinterpret_cast<TDisabledTaskWindows*>(Self);
        if (Window != This->FKeep && ::IsWindowVisible(Window) && ::IsWindowEnabled(Window)) {
            ::EnableWindow(Window, FALSE);
            This->FDisabled.push_back(Window);
        }
        return TRUE;
    }

    HWND FKeep;
    std::vector<HWND> FDisabled;
};
} // namespace

TForm::TForm(TComponent* AOwner) : TCustomForm(AOwner) {}

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner), FIcon(std::make_unique<TIcon>()) {
    FVisible = false;
    FParentFont = false;
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
    SetColor(clBtnFace);
    SetBounds(0, 0, DefaultFormWidth, DefaultFormHeight);
    FIcon->OnChange.Bind(this, &TCustomForm::IconChanged);
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
    BeforeDestruction();
}

void TCustomForm::Destroying() {
    try {
        OnDestroy(this);
    } catch (...) {
        Application->HandleException(this);
    }
    Screen->RemoveForm(this);
    inherited::Destroying();
}

// Descriptions -------------------------------------------------------------------------------------------

void TCustomForm::ReadDescription(std::string_view Text) {
    ReadComponentDescription(*this, Text);
}

void TCustomForm::ReadDescriptionResource(HINSTANCE Instance) {
    std::string Name = ClassName();
    std::transform(Name.begin(), Name.end(), Name.begin(), [](unsigned char C) { return std::toupper(C); });
    const HRSRC Resource = ::FindResourceA(Instance, Name.c_str(), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    const HGLOBAL Data = Resource ? ::LoadResource(Instance, Resource) : nullptr;
    if (!Data) throw EResNotFound(Name.c_str());
    ReadDescription({static_cast<const char*>(::LockResource(Data)), ::SizeofResource(Instance, Resource)});
}

void TCustomForm::DoCreate() {
    try {
        OnCreate(this);
    } catch (...) {
        Application->HandleException(this);
    }
}

void TCustomForm::CreateFromResource(HINSTANCE Instance) {
    if (&ClassInfo() != &TForm::StaticClassInfo()) ReadDescriptionResource(Instance);
    DoCreate();
    if (Visible()) UpdateShowing();
}

void TCustomForm::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const {
    inherited::GetChildren(Proc, Root);
    if (Root != this) return;
    for (int I = 0; I < ComponentCount(); ++I)
        if (!Components(I)->HasParent()) Proc(Components(I));
}

// The window ---------------------------------------------------------------------------------------------

void TCustomForm::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    Params.Style &= ~static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    const bool MDIChild = FFormStyle == fsMDIChild;
    switch (FBorderStyle) {
    case bsNone:
        if (!MDIChild) Params.Style |= WS_POPUP;
        break;
    case bsSingle: Params.Style |= WS_CAPTION; break;
    case bsSizeable: Params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
        Params.Style |= WS_POPUP | WS_CAPTION;
        Params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    case bsToolWindow:
        Params.Style |= WS_CAPTION;
        Params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    case bsSizeToolWin:
        Params.Style |= WS_CAPTION | WS_THICKFRAME;
        Params.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (FBorderStyle != bsNone && FBorderIcons.Contains(biSystemMenu)) {
        Params.Style |= WS_SYSMENU;
        const bool MinMax = FBorderStyle == bsSingle || FBorderStyle == bsSizeable;
        if (MinMax && FBorderIcons.Contains(biMinimize)) Params.Style |= WS_MINIMIZEBOX;
        if (MinMax && FBorderIcons.Contains(biMaximize)) Params.Style |= WS_MAXIMIZEBOX;
        if (FBorderIcons.Contains(biHelp) && !(Params.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
            Params.ExStyle |= WS_EX_CONTEXTHELP;
    }
    if (MDIChild) AddMDIChildStyles(Params);
    if (FFormStyle == fsStayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
    if (auto* Menu = dynamic_cast<TMainMenuLink*>(FMenu); Menu && !MDIChild) Params.Menu = Menu->WindowMenu();
}


void TCustomForm::WindowCreated() {
    inherited::WindowCreated();
    CreateMDIClient();
    IconChanged(nullptr);
}

void TCustomForm::DestroyWnd() {
    // The menu bar belongs to the menu component: the window must not take it along.
    if (FMenu && FFormStyle != fsMDIChild && HandleAllocated()) ::SetMenu(Handle(), nullptr);
    DestroyMDIWindows();
    inherited::DestroyWnd();
}



void TCustomForm::WndProc(TMessage& Message) {
    if (auto* Menu = dynamic_cast<TMainMenuLink*>(FMenu); Menu && IsMenuMessage(Message) && Menu->FormMessage(Message))
        return;
    switch (Message.Msg) {
    case WM_ACTIVATE: WMActivate(Message); break;
    case WM_MDIACTIVATE: WMMDIActivate(Message); break;
    case WM_SIZE: WMSize(Message); break;
    case WM_CLOSE: WMClose(); break;
    case WM_NCDESTROY: WMNCDestroy(Message); break;
    case CM_DIALOGKEY: CMDialogKey(Message); break;
    default: inherited::WndProc(Message); break;
    }
}

void TCustomForm::WMActivate(TMessage& Message) {
    const bool Activating = LOWORD(Message.WParam) != WA_INACTIVE;
    // MDI children hear of activation through WM_MDIACTIVATE; a minimised window keeps no focus.
    if (FFormStyle == fsMDIChild || HIWORD(Message.WParam) != 0) {
        DefaultHandler(Message);
        return;
    }
    FActive = Activating;
    if (Activating) {
        Screen->SetActiveForm(this);
        if (FFormStyle == fsMDIForm)
            DefaultHandler(Message);
        else
            SetWindowFocus();
        OnActivate(this);
    } else {
        DefaultHandler(Message);
        OnDeactivate(this);
    }
}


void TCustomForm::WMSize(TMessage& Message) {
    switch (Message.WParam) {
    case SIZE_MAXIMIZED: FWindowState = wsMaximized; break;
    case SIZE_MINIMIZED: FWindowState = wsMinimized; break;
    case SIZE_RESTORED: FWindowState = wsNormal; break;
    default: break;
    }
    inherited::WndProc(Message);
}

void TCustomForm::WMClose() {
    Close();
}

void TCustomForm::WMNCDestroy(TMessage& Message) {
    FActive = false;
    // The MDI client went with this window.
    FMDIClient.Forget();
    inherited::WndProc(Message);
}

// Tab and the arrows move the focus; everything else is offered to the controls (default and cancel buttons).
void TCustomForm::CMDialogKey(TMessage& Message) {
    if (!KeyHeld(VK_MENU)) {
        switch (Message.WParam) {
        case VK_TAB:
            if (KeyHeld(VK_CONTROL)) break;
            SelectNext(FActiveControl, !KeyHeld(VK_SHIFT), true);
            Message.Result = 1;
            return;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (!FActiveControl || !FActiveControl->Parent()) break;
            FActiveControl->Parent()->SelectNext(FActiveControl,
                                                 Message.WParam == VK_RIGHT || Message.WParam == VK_DOWN, false);
            Message.Result = 1;
            return;
        default: break;
        }
    }
    inherited::WndProc(Message);
}

// Showing ------------------------------------------------------------------------------------------------

void TCustomForm::UpdateShowing() {
    // A description may say Visible: the form is shown once it is complete (CreateFromResource).
    if (IsLoading()) return;
    if (!Visible()) {
        if (!HandleAllocated()) return;
        OnHide(this);
        ::ShowWindow(Handle(), SW_HIDE);
        return;
    }
    const HWND Window = Handle();
    if (!FPositioned) {
        ApplyPosition();
        FPositioned = true;
    }
    if (!FActiveControl) FActiveControl = FindNextControl(nullptr, true, true, false);
    OnShow(this);
    int Show = SW_SHOWNORMAL;
    if (FWindowState == wsMaximized) Show = SW_SHOWMAXIMIZED;
    if (FWindowState == wsMinimized) Show = SW_SHOWMINIMIZED;
    ::ShowWindow(Window, Show);
}

void TCustomForm::ApplyPosition() {
    TRect Area;
    switch (FPosition) {
    case poDesigned: return;
    case poScreenCenter: Area = Screen->WorkAreaRect(); break;
    case poDesktopCenter: Area = Screen->DesktopRect(); break;
    case poMainFormCenter: {
        const TCustomForm* Main = Application->MainForm();
        Area = Main && Main != this ? Main->BoundsRect() : Screen->WorkAreaRect();
        break;
    }
    }
    SetBounds(Area.left + (Area.Width() - Width()) / 2, Area.top + (Area.Height() - Height()) / 2, Width(), Height());
}

void TCustomForm::SetWindowState(TWindowState Value) {
    if (FWindowState == Value) return;
    FWindowState = Value;
    if (!HandleAllocated() || !::IsWindowVisible(Handle())) return;
    static constexpr int Commands[] = {SW_RESTORE, SW_MINIMIZE, SW_MAXIMIZE};
    ::ShowWindow(Handle(), Commands[Value]);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
    if (FBorderStyle == Value) return;
    // While a description is read the client size stays what it says, whatever the frame becomes.
    const SIZE Client{ClientWidth(), ClientHeight()};
    FBorderStyle = Value;
    if (IsLoading())
        SetClientSize(Client);
    else
        RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
    if (FBorderIcons == Value) return;
    FBorderIcons = Value;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
    if (FFormStyle == Value) return;
    FFormStyle = Value;
    if (Value == fsMDIChild) SetVisible(true);
    RecreateWnd();
}

void TCustomForm::SetIcon(const TIcon* Value) {
    if (Value) FIcon->Assign(*Value);
}

void TCustomForm::IconChanged(TObject*) {
    if (!HandleAllocated() || FIcon->Empty()) return;
    const auto Icon = reinterpret_cast<LPARAM>(FIcon->Handle());
    ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, Icon);
    ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, Icon);
}

void TCustomForm::SetMenu(TComponent* Value) {
    auto* Link = dynamic_cast<TMainMenuLink*>(Value);
    if (Value && !Link) throw EPropertyError(ClassName() + ".Menu: a " + Value->ClassName() + " is not a main menu");
    if (FMenu) FMenu->RemoveFreeNotification(this);
    FMenu = Value;
    if (FMenu) FMenu->FreeNotification(this);
    if (HandleAllocated() && FFormStyle != fsMDIChild) {
        ::SetMenu(Handle(), Link ? Link->WindowMenu() : nullptr);
        ::DrawMenuBar(Handle());
    }
}

bool TCustomForm::IsShortCut(const TMessage& Message) {
    auto* Menu = dynamic_cast<TMainMenuLink*>(FMenu);
    return Menu && Menu->IsShortCut(Message);
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove || AComponent != FMenu) return;
    FMenu = nullptr;
    if (HandleAllocated() && FFormStyle != fsMDIChild) ::SetMenu(Handle(), nullptr);
}

// Focus --------------------------------------------------------------------------------------------------

void TCustomForm::SetActiveControl(TWinControl* Control) {
    if (FActiveControl == Control) return;
    if (Control && (Control == this || Control->GetParentForm() != this || (!IsLoading() && !Control->CanFocus())))
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    FActiveControl = Control;
    if (FActive && !IsLoading()) SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* Control) {
    const bool WasActive = FActive;
    SetActiveControl(Control);
    if (!WasActive || (Control && !Control->Focused())) SetFocus();
}

void TCustomForm::SetFocus() {
    if (!Visible() || !Enabled()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    SetWindowFocus();
}

void TCustomForm::SetWindowFocus() {
    TWinControl* Target = FActiveControl && FActiveControl->CanFocus() ? FActiveControl : this;
    const HWND Window = Target->Handle();
    if (Window && ::GetFocus() != Window) ::SetFocus(Window);
}

// A control of this form got the focus: its ancestors up from where the focus was hear OnExit, those down
// to the new control OnEnter, and every control hears CM_FOCUSCHANGED.
void TCustomForm::SetFocusedControl(TWinControl* Control) {
    if (FFocusedControl == Control) return;
    TWinControl* Old = FFocusedControl;
    FFocusedControl = Control;
    FActiveControl = Control;
    if (FActive) Screen->SetActiveControl(Control);
    for (TWinControl* Leaving = Old; Leaving && Leaving != this && !Leaving->ContainsControl(Control);
         Leaving = Leaving->Parent())
        Leaving->DoExit();
    std::vector<TWinControl*> Entering;
    for (TWinControl* Entered = Control; Entered && Entered != this && !(Old && Entered->ContainsControl(Old));
         Entered = Entered->Parent())
        Entering.push_back(Entered);
    for (auto It = Entering.rbegin(); It != Entering.rend(); ++It)
        (*It)->DoEnter();
    Perform(CM_FOCUSCHANGED, 0, ParamOfPointer(Control));
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing) {
    if (Removing && Control->ContainsControl(FFocusedControl)) FFocusedControl = Control->Parent();
    if (Control->ContainsControl(FActiveControl)) FActiveControl = nullptr;
    Screen->DefocusControl(Control);
}

// Closing ------------------------------------------------------------------------------------------------

void TCustomForm::Close() {
    if (FModal) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction Action = caHide;
    if (FFormStyle == fsMDIChild) Action = FBorderIcons.Contains(biMinimize) ? caMinimize : caNone;
    DoClose(Action);
    if (Action == caNone) return;
    if (Application->MainForm() == this)
        Application->Terminate();
    else if (Action == caHide)
        Hide();
    else if (Action == caMinimize)
        SetWindowState(wsMinimized);
    else
        Release();
}

bool TCustomForm::CloseQuery() {
    if (!MDIChildrenCloseQuery()) return false;
    bool CanClose = true;
    OnCloseQuery(this, CanClose);
    return CanClose;
}

void TCustomForm::DoClose(TCloseAction& Action) {
    OnClose(this, Action);
}

void TCustomForm::Release() {
    Application->ReleaseForm(this);
}

TModalResult TCustomForm::ShowModal() {
    if (Visible() || !Enabled() || FModal || FFormStyle == fsMDIChild)
        throw EInvalidOperation("Cannot make a visible window modal");
    if (const HWND Capture = ::GetCapture()) ::SendMessageA(Capture, WM_CANCELMODE, 0, 0);
    FModal = true;
    FModalResult = mrNone;
    try {
        TDisabledTaskWindows Disabled(Handle());
        Show();
        while (FModalResult == mrNone) {
            Application->HandleMessage();
            if (Application->Terminated())
                FModalResult = mrCancel;
            else if (FModalResult != mrNone)
                CloseModal();
        }
    } catch (...) {
        FModal = false;
        Hide();
        throw;
    }
    Hide();
    FModal = false;
    return FModalResult;
}

void TCustomForm::CloseModal() {
    try {
        TCloseAction Action = caNone;
        if (CloseQuery()) {
            Action = caHide;
            DoClose(Action);
        }
        if (Action == caNone) FModalResult = mrNone;
        if (Action == caFree) Release();
    } catch (...) {
        FModalResult = mrNone;
        Application->HandleException(this);
    }
}
