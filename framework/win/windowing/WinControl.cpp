// TWinControl's window: making it from CreateParams, binding it to the control in the one trampoline window
// procedure, destroying and recreating it, the message switch, and following visibility, colours and font.
// The rest of the class lives in the WinControl*.cpp units named after what they hold.
#include "framework/win/windowing/WinControl.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/win/forms/Application.h"
#include "framework/win/graphics/Brush.h"
#include "framework/win/graphics/ColorConversion.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/graphics/OffscreenBuffer.h"
#include "framework/win/windowing/ControlCanvas.h"
#include "framework/win/windowing/MouseHover.h"
#include "framework/win/windowing/WindowClasses.h"

#include <utility>

VSK_IMPLEMENT_CLASS(TWinControl)

void TWinControl::Publish(TPublisher<TWinControl>& p) {
    p.Int("BorderWidth", &TWinControl::BorderWidth, &TWinControl::SetBorderWidth).Default(0);
    p.Int("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder);
    p.Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop);
    p.Event("OnEnter", &TWinControl::OnEnter);
    p.Event("OnExit", &TWinControl::OnExit);
    p.Event("OnKeyDown", &TWinControl::OnKeyDown);
    p.Event("OnKeyPress", &TWinControl::OnKeyPress);
    p.Event("OnKeyUp", &TWinControl::OnKeyUp);
}

namespace {
// The control whose window CreateWindowExA is making right now: the trampoline binds it to the window at the
// window's first message.
TWinControl* GCreationControl = nullptr;

// Child windows get distinct ids, by which WM_MEASUREITEM names its control.
UINT_PTR NextChildId() {
    static UINT_PTR Id = 0;
    Id = Id % 0xFFFF + 1;
    return Id;
}
} // namespace

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner), FBrush(std::make_unique<TBrush>()) {
    FBrush->SetColor(Color());
}

TWinControl::~TWinControl() {
    BeforeDestruction();
}

void TWinControl::Destroying() {
    // The window and the child controls go while this control is still whole, so that every message they
    // cause reaches complete objects.
    inherited::Destroying();
    DestroyHandle();
    while (!FControls.empty()) {
        TControl* Child = FControls.back();
        delete Child;
        if (!FControls.empty() && FControls.back() == Child) FControls.pop_back();
    }
}

HWND TWinControl::Handle() {
    if (!FHandle) {
        if (IsDestroying() || ControlState().Contains(csDestroyingHandle)) return nullptr;
        if (Parent()) Parent()->HandleNeeded();
        if (!FHandle) CreateHandle();
    }
    return FHandle.Get();
}

void TWinControl::CreateParams(TCreateParams& Params) {
    Params.Caption = Text();
    Params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (Visible()) Params.Style |= WS_VISIBLE;
    if (!Enabled()) Params.Style |= WS_DISABLED;
    if (FTabStop) Params.Style |= WS_TABSTOP;
    Params.X = Left();
    Params.Y = Top();
    Params.Width = Width();
    Params.Height = Height();
    Params.WinClassName = ClassName();
    Params.ClassStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
}

void TWinControl::CreateSubClass(TCreateParams& Params, const char* SystemClass) {
    Params.SystemClassName = SystemClass;
}

void TWinControl::CreateHandle() {
    if (FHandle) return;
    CreateWnd();
    const std::vector<TControl*> Children = FControls;
    for (TControl* Child : Children)
        if (auto* Window = dynamic_cast<TWinControl*>(Child); Window && Window->Visible()) Window->CreateHandle();
}

void TWinControl::CreateWnd() {
    TCreateParams Params;
    CreateParams(Params);
    const bool Child = (Params.Style & WS_CHILD) != 0;
    if (Child && !Params.WndParent) Params.WndParent = ParentWindowHandle();
    if (Child && !Params.WndParent) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    FDefWndProc = RegisterControlClass(Params, &TWinControl::MainWndProc);
    const HMENU MenuOrId = Child ? reinterpret_cast<HMENU>(NextChildId()) : Params.Menu;
    GCreationControl = this;
    const HWND Window = ::CreateWindowExA(Params.ExStyle, Params.WinClassName.c_str(), Params.Caption.c_str(),
                                          Params.Style, Params.X, Params.Y, Params.Width, Params.Height,
                                          Params.WndParent, MenuOrId, ProgramInstance(), Params.Param);
    GCreationControl = nullptr;
    if (!Window) throw EInvalidOperation("Error creating the window of " + ClassName() + " '" + Name() + "'");
    if (!FHandle) Bind(Window);
    WindowCreated();
}

void TWinControl::WindowCreated() {
    Perform(WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), FALSE);
    PlaceWindowInZOrder();
}

HWND TWinControl::ParentWindowHandle() {
    return Parent() ? Parent()->Handle() : nullptr;
}

void TWinControl::Bind(HWND Window) {
    FHandle.Adopt(Window);
    ::SetWindowLongPtrA(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void TWinControl::DestroyHandle() {
    if (!FHandle) return;
    for (TWinControl* Child : FTabList)
        Child->DestroyHandle();
    DestroyWnd();
}

void TWinControl::DestroyWnd() {
    // The window held the text; the control keeps it for the next window.
    FText = Text();
    TControlCanvas::FreeDeviceContexts(FHandle.Get());
    SetControlState(ControlState() | TControlState{csDestroyingHandle});
    FHandle.Destroy();
    SetControlState(ControlState() - TControlState{csDestroyingHandle});
}

void TWinControl::RecreateWnd() {
    if (FHandle) Perform(CM_RECREATEWND);
}

void TWinControl::CMRecreateWnd() {
    if (!FHandle) return;
    const bool WasFocused = Focused();
    DestroyHandle();
    CreateHandle();
    UpdateShowing();
    if (WasFocused && FHandle) ::SetFocus(FHandle.Get());
}

TWinControl* TWinControl::FindControl(HWND Window) {
    if (!Window) return nullptr;
    DWORD Process = 0;
    ::GetWindowThreadProcessId(Window, &Process);
    if (Process != ::GetCurrentProcessId()) return nullptr;
    // Our windows all have the trampoline as their class procedure; others may use their user data freely.
    if (::GetClassLongPtrA(Window, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&TWinControl::MainWndProc))
        return nullptr;
    return reinterpret_cast<TWinControl*>(::GetWindowLongPtrA(Window, GWLP_USERDATA));
}

LRESULT CALLBACK TWinControl::MainWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    auto* Control = reinterpret_cast<TWinControl*>(::GetWindowLongPtrA(Window, GWLP_USERDATA));
    if (!Control) {
        Control = std::exchange(GCreationControl, nullptr);
        if (!Control) return ::DefWindowProcA(Window, Msg, WParam, LParam);
        Control->Bind(Window);
    }
    TMessage Message{Msg, WParam, LParam, 0};
    try {
        Control->FWindowProc(Message);
    } catch (...) {
        // Nothing may unwind through the system's code: the application shows what went wrong.
        Application->HandleException(Control);
    }
    return Message.Result;
}

void TWinControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_PAINT: WMPaint(Message); break;
    case WM_PRINTCLIENT: PaintGiven(MessageDC(Message).Get()); break;
    case WM_ERASEBKGND: WMEraseBkgnd(Message); break;
    case WM_NCCALCSIZE: WMNCCalcSize(Message); break;
    case WM_NCPAINT: WMNCPaint(Message); break;
    case WM_SIZE: WMSize(Message); break;
    case WM_WINDOWPOSCHANGED: WMWindowPosChanged(Message); break;
    case WM_NCDESTROY: WMNCDestroy(Message); break;
    case WM_SETFOCUS: WMSetFocus(Message); break;
    case WM_KILLFOCUS: WMKillFocus(Message); break;
    case WM_SETCURSOR: WMSetCursor(Message); break;
    case WM_GETMINMAXINFO: WMGetMinMaxInfo(Message); break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: WMMouse(Message); break;
    case WM_MOUSELEAVE: WMMouseLeave(); break;
    case WM_CAPTURECHANGED: WMCaptureChanged(Message); break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR: WMKey(Message); break;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
    case CN_CHAR:
    case CN_SYSCHAR: CNKey(Message); break;
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC: CNCtlColor(Message); break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_CHARTOITEM:
    case WM_VKEYTOITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        if (!ReflectToChild(Message)) inherited::WndProc(Message);
        break;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR: Broadcast(Message); break;
    case CM_FOCUSCHANGED: CMFocusChanged(Message); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(); break;
    case CM_VISIBLECHANGED: UpdateShowing(); break;
    case CM_FONTCHANGED: CMFontChanged(); break;
    case CM_COLORCHANGED: CMColorChanged(); break;
    case CM_RECREATEWND: CMRecreateWnd(); break;
    default: inherited::WndProc(Message); break;
    }
}

void TWinControl::DefaultHandler(TMessage& Message) {
    if (!FHandle || IsFrameworkMessage(Message.Msg)) {
        inherited::DefaultHandler(Message);
        return;
    }
    if (Message.Msg == WM_SETTEXT) inherited::DefaultHandler(Message);
    Message.Result = CallDefaultProc(Message.Msg, Message.WParam, Message.LParam);
}

LRESULT TWinControl::CallDefaultProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
    return ::CallWindowProcA(FDefWndProc, FHandle.Get(), Msg, WParam, LParam);
}

bool TWinControl::ReflectToChild(TMessage& Message) {
    HWND Child = nullptr;
    switch (Message.Msg) {
    case WM_NOTIFY: Child = reinterpret_cast<NMHDR*>(Message.LParam)->hwndFrom; break;
    case WM_DRAWITEM: {
        auto* Item = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
        if (Item->CtlType != ODT_MENU) Child = Item->hwndItem;
        break;
    }
    case WM_MEASUREITEM: {
        auto* Item = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
        if (Item->CtlType != ODT_MENU && FHandle) Child = ::GetDlgItem(FHandle.Get(), static_cast<int>(Item->CtlID));
        break;
    }
    case WM_DELETEITEM: Child = reinterpret_cast<DELETEITEMSTRUCT*>(Message.LParam)->hwndItem; break;
    case WM_COMPAREITEM: Child = reinterpret_cast<COMPAREITEMSTRUCT*>(Message.LParam)->hwndItem; break;
    default: Child = reinterpret_cast<HWND>(Message.LParam); break;
    }
    TWinControl* Control = FindControl(Child);
    if (!Control || Control == this) return false;
    Message.Result = Control->Perform(CN_BASE + Message.Msg, Message.WParam, Message.LParam);
    return true;
}

bool TWinControl::Showing() const {
    return FHandle && ::IsWindowVisible(FHandle.Get());
}

void TWinControl::WMNCDestroy(TMessage& Message) {
    DefaultHandler(Message);
    ::SetWindowLongPtrA(FHandle.Get(), GWLP_USERDATA, 0);
    TMouseHover::LeftWindow(this);
    FTrackingMouse = false;
    ReleasePaintBuffer();
    FHandle.Forget();
}

void TWinControl::UpdateShowing() {
    if (Visible() && !FHandle) {
        if (Parent() && Parent()->FHandle) CreateHandle();
        return;
    }
    if (!FHandle) return;
    const UINT Show = Visible() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    ::SetWindowPos(FHandle.Get(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | Show);
}

void TWinControl::CMEnabledChanged() {
    if (FHandle) ::EnableWindow(FHandle.Get(), Enabled());
    Invalidate();
}

void TWinControl::CMFontChanged() {
    if (FHandle) Perform(WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
    NotifyControls(CM_PARENTFONTCHANGED);
    Invalidate();
}

void TWinControl::CMColorChanged() {
    FBrush->SetColor(Color());
    NotifyControls(CM_PARENTCOLORCHANGED);
    Invalidate();
}

void TWinControl::CNCtlColor(TMessage& Message) {
    const HDC DC = MessageDC(Message).Get();
    ::SetTextColor(DC, ColorToRGB(Font()->Color()));
    ::SetBkColor(DC, ColorToRGB(FBrush->Color()));
    Message.Result = reinterpret_cast<LRESULT>(FBrush->Handle());
}
