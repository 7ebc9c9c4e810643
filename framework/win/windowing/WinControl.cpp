#include "framework/win/windowing/WinControl.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Form.h"
#include "framework/win/forms/Screen.h"
#include "framework/win/graphics/Brush.h"
#include "framework/win/graphics/ColorConversion.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/graphics/OffscreenBuffer.h"
#include "framework/win/graphics/ScopedGuards.h"
#include "framework/win/menus/MenuLinks.h"
#include "framework/win/windowing/ControlCanvas.h"
#include "framework/win/windowing/MouseHover.h"
#include "framework/win/windowing/WindowClasses.h"

#include <algorithm>
#include <climits>
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

bool IsSystemSuperclass(WNDPROC DefaultProc) {
    return DefaultProc != ::DefWindowProcA;
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

// The window ---------------------------------------------------------------------------------------------

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

// Messages -----------------------------------------------------------------------------------------------

void TWinControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_PAINT: WMPaint(Message); break;
    case WM_PRINTCLIENT: PaintContents(reinterpret_cast<HDC>(Message.WParam)); break;
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
    case WM_SYSKEYUP: WMKey(Message); break;
    case WM_CHAR: WMChar(Message); break;
    case CN_KEYDOWN: CNKeyDown(Message); break;
    case CN_SYSKEYDOWN: Message.Result = IsMenuKey(Message); break;
    case CN_CHAR: CNChar(Message); break;
    case CN_SYSCHAR: CNSysChar(Message); break;
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

// Children -----------------------------------------------------------------------------------------------

TControl* TWinControl::Controls(int Index) const {
    if (Index < 0 || Index >= ControlCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FControls[static_cast<std::size_t>(Index)];
}

bool TWinControl::ContainsControl(const TControl* Control) const {
    for (; Control; Control = Control->Parent())
        if (Control == this) return true;
    return false;
}

void TWinControl::InsertControl(TControl* Control) {
    auto* Window = dynamic_cast<TWinControl*>(Control);
    if (Window && Window->ContainsControl(this)) throw EInvalidOperation("A control cannot be placed inside itself");
    Control->FParent = this;
    FControls.push_back(Control);
    if (Window) FTabList.push_back(Window);
    Control->ApplyParentStyle();
    Control->UpdateAnchorRules();
    if (Window && FHandle && Window->Visible()) Window->CreateHandle();
    Control->InvalidateControl();
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(Control), TRUE);
    if (Control->Align() != alNone) AlignControl(Control);
}

void TWinControl::RemoveControl(TControl* Control) {
    if (Control->FParent != this) return;
    if (auto* Window = dynamic_cast<TWinControl*>(Control)) {
        if (TCustomForm* Form = GetParentForm()) Form->DefocusControl(Window, true);
        Window->DestroyHandle();
        std::erase(FTabList, Window);
    } else {
        Control->InvalidateControl();
    }
    std::erase(FControls, Control);
    Control->FParent = nullptr;
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(Control), FALSE);
    if (Control->Align() != alNone) Realign();
}

TControl* TWinControl::ControlAtPos(const TPoint& Point, bool AllowDisabled, bool AllowWinControls) const {
    for (auto It = FControls.rbegin(); It != FControls.rend(); ++It) {
        TControl* Control = *It;
        if (!AllowWinControls && dynamic_cast<TWinControl*>(Control)) continue;
        const TRect Area = Control->BoundsRect();
        if (Control->Visible() && (Control->Enabled() || AllowDisabled) && ::PtInRect(&Area, Point)) return Control;
    }
    return nullptr;
}

void TWinControl::MoveControlInZOrder(TControl* Control, bool TopMost) {
    std::erase(FControls, Control);
    if (TopMost)
        FControls.push_back(Control);
    else
        FControls.insert(FControls.begin(), Control);
    if (auto* Window = dynamic_cast<TWinControl*>(Control); Window && Window->FHandle)
        ::SetWindowPos(Window->FHandle.Get(), TopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::SetZOrder(bool TopMost) {
    if (Parent())
        Parent()->MoveControlInZOrder(this, TopMost);
    else if (FHandle)
        ::SetWindowPos(FHandle.Get(), TopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// A window made later than its siblings still takes its place in the parent's z-order: just below the next
// windowed sibling above it.
void TWinControl::PlaceWindowInZOrder() {
    if (!Parent()) return;
    const auto& Siblings = Parent()->FControls;
    auto It = std::find(Siblings.begin(), Siblings.end(), this);
    HWND Above = HWND_TOP;
    for (++It; It != Siblings.end(); ++It)
        if (auto* Window = dynamic_cast<TWinControl*>(*It); Window && Window->FHandle) {
            Above = Window->FHandle.Get();
            break;
        }
    ::SetWindowPos(FHandle.Get(), Above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::Broadcast(TMessage& Message) {
    const std::vector<TControl*> Children = FControls;
    for (TControl* Child : Children) {
        Child->FWindowProc(Message);
        if (Message.Result != 0) return;
    }
}

void TWinControl::NotifyControls(UINT Msg, WPARAM WParam, LPARAM LParam) {
    const std::vector<TControl*> Children = FControls;
    for (TControl* Child : Children)
        Child->Perform(Msg, WParam, LParam);
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const {
    for (TControl* Child : FControls)
        if (Child->Owner() == Root) Proc(Child);
}

void TWinControl::Loaded() {
    inherited::Loaded();
    FixupTabList();
    Realign();
}

// Geometry and alignment ---------------------------------------------------------------------------------

// How much of the window its frame takes on each side: left, top, right, bottom. Without a window, what a
// window of the control's styles would take.
TRect TWinControl::FrameInsets() {
    if (FHandle) {
        RECT Outer;
        RECT Client;
        POINT Origin{0, 0};
        ::GetWindowRect(FHandle.Get(), &Outer);
        ::GetClientRect(FHandle.Get(), &Client);
        ::ClientToScreen(FHandle.Get(), &Origin);
        return TRect(Origin.x - Outer.left, Origin.y - Outer.top, Outer.right - Origin.x - Client.right,
                     Outer.bottom - Origin.y - Client.bottom);
    }
    TCreateParams Params;
    CreateParams(Params);
    RECT Frame{0, 0, 0, 0};
    ::AdjustWindowRectEx(&Frame, Params.Style, Params.Menu != nullptr, Params.ExStyle);
    return TRect(FBorderWidth - Frame.left, FBorderWidth - Frame.top, Frame.right + FBorderWidth,
                 Frame.bottom + FBorderWidth);
}

TRect TWinControl::ClientRect() const {
    if (FHandle) {
        RECT Client;
        ::GetClientRect(FHandle.Get(), &Client);
        return Client;
    }
    const TRect Frame = const_cast<TWinControl*>(this)->FrameInsets();
    return TRect(0, 0, std::max<int>(0, Width() - Frame.left - Frame.right),
                 std::max<int>(0, Height() - Frame.top - Frame.bottom));
}

TPoint TWinControl::ClientOrigin() const {
    if (FHandle) {
        POINT Origin{0, 0};
        ::ClientToScreen(FHandle.Get(), &Origin);
        return Origin;
    }
    const TRect Frame = const_cast<TWinControl*>(this)->FrameInsets();
    const TPoint Outer = Parent() ? Parent()->ClientToScreen({Left(), Top()}) : TPoint(Left(), Top());
    return {Outer.x + Frame.left, Outer.y + Frame.top};
}

bool TWinControl::Showing() const {
    return FHandle && ::IsWindowVisible(FHandle.Get());
}

void TWinControl::BoundsChanged(const TRect& Old) {
    if (FHandle)
        ::SetWindowPos(FHandle.Get(), nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    else if (Width() != Old.Width() || Height() != Old.Height())
        ClientResized();
}

void TWinControl::UpdateBounds() {
    if (!FHandle) return;
    RECT Area;
    ::GetWindowRect(FHandle.Get(), &Area);
    if (const HWND ParentWindow = ::GetParent(FHandle.Get());
        ParentWindow && (::GetWindowLongA(FHandle.Get(), GWL_STYLE) & WS_CHILD))
        ::MapWindowPoints(nullptr, ParentWindow, reinterpret_cast<POINT*>(&Area), 2);
    const TRect New(Area);
    if (New == BoundsRect()) return;
    FLeft = New.left;
    FTop = New.top;
    FWidth = New.Width();
    FHeight = New.Height();
    if (!FAnchorMove) UpdateAnchorRules();
}

void TWinControl::ClientResized() {
    Realign();
    if ((Width() != FResizedTo.cx || Height() != FResizedTo.cy) && !IsLoading()) Resize();
}

void TWinControl::EnableAlign() {
    if (FAlignLevel > 0) --FAlignLevel;
    if (FAlignLevel == 0 && ControlState().Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() {
    AlignControl(nullptr);
}

void TWinControl::AlignControl(TControl* Control) {
    if (IsDestroying()) return;
    if (FAlignLevel != 0 || IsLoading()) {
        SetControlState(ControlState() | TControlState{csAlignmentNeeded});
        return;
    }
    SetControlState(ControlState() - TControlState{csAlignmentNeeded});
    DisableAlign();
    TRect Rect = ClientRect();
    try {
        AlignControls(Control, Rect);
    } catch (...) {
        --FAlignLevel;
        throw;
    }
    --FAlignLevel;
}

void TWinControl::AlignControls(TControl* AControl, TRect& Rect) {
    AdjustClientRect(Rect);
    std::vector<TAlignItem> Items;
    Items.reserve(FControls.size());
    int Priority = -1;
    for (TControl* Child : FControls) {
        if (Child == AControl) Priority = static_cast<int>(Items.size());
        Items.push_back({Child->Align(), Child->Visible(), Child->BoundsRect(), Child->SizeLimits()});
    }
    AlignItems(Items, Rect, Priority);
    const TRect Client = ClientRect();
    ApplyAnchors({Client.Width(), Client.Height()});
    const std::vector<TControl*> Children = FControls;
    for (std::size_t I = 0; I < Children.size(); ++I) {
        TControl* Child = Children[I];
        const TAlign Align = Child->Align();
        if (Align == alNone || Align == alCustom || !Child->Visible()) continue;
        Child->FAnchorMove = true;
        Child->SetBoundsRect(Items[I].Bounds);
        Child->FAnchorMove = false;
    }
}

void TWinControl::ApplyAnchors(SIZE ClientSize) {
    const std::vector<TControl*> Children = FControls;
    for (TControl* Child : Children) {
        if (Child->Align() != alNone || Child->Anchors() == DefaultAnchors) continue;
        const TRect Place = Child->AnchorPlace(ClientSize);
        Child->FAnchorMove = true;
        Child->SetBoundsRect(Place);
        Child->FAnchorMove = false;
    }
}

void TWinControl::ScrollBy(int DeltaX, int DeltaY) {
    const bool Scrolling = FHandle && ::IsWindowVisible(FHandle.Get());
    // A visible window moves its child windows along with its contents.
    if (Scrolling) ::ScrollWindow(FHandle.Get(), DeltaX, DeltaY, nullptr, nullptr);
    for (TControl* Child : FControls) {
        auto* Window = dynamic_cast<TWinControl*>(Child);
        if (Window && Window->FHandle) {
            if (Scrolling) continue;
            ::SetWindowPos(Window->FHandle.Get(), nullptr, Child->FLeft + DeltaX, Child->FTop + DeltaY, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        } else {
            Child->FLeft += DeltaX;
            Child->FTop += DeltaY;
        }
    }
    Realign();
}

void TWinControl::SetBorderWidth(int Value) {
    Value = std::max(Value, 0);
    if (FBorderWidth == Value) return;
    FBorderWidth = Value;
    if (FHandle)
        ::SetWindowPos(FHandle.Get(), nullptr, 0, 0, 0, 0,
                       SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);
    else
        Realign();
}

void TWinControl::WMNCCalcSize(TMessage& Message) {
    DefaultHandler(Message);
    if (FBorderWidth == 0) return;
    RECT* Client = Message.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0]
                                  : reinterpret_cast<RECT*>(Message.LParam);
    ::InflateRect(Client, -FBorderWidth, -FBorderWidth);
}

void TWinControl::WMNCPaint(TMessage& Message) {
    DefaultHandler(Message);
    if (FBorderWidth == 0 || !FHandle) return;
    // The band lies just outside the client area, in window coordinates.
    RECT WindowArea;
    POINT Origin{0, 0};
    ::GetWindowRect(FHandle.Get(), &WindowArea);
    ::ClientToScreen(FHandle.Get(), &Origin);
    RECT Inner;
    ::GetClientRect(FHandle.Get(), &Inner);
    ::OffsetRect(&Inner, Origin.x - WindowArea.left, Origin.y - WindowArea.top);
    RECT Outer = Inner;
    ::InflateRect(&Outer, FBorderWidth, FBorderWidth);
    TWindowDC DC(FHandle.Get(), TWindowDC::waWholeWindow);
    ::ExcludeClipRect(DC.Handle(), Inner.left, Inner.top, Inner.right, Inner.bottom);
    ::FillRect(DC.Handle(), &Outer, FBrush->Handle());
}

void TWinControl::WMSize(TMessage& Message) {
    DefaultHandler(Message);
    UpdateBounds();
    if (Message.WParam != SIZE_MINIMIZED) ClientResized();
}

void TWinControl::WMWindowPosChanged(TMessage& Message) {
    UpdateBounds();
    DefaultHandler(Message);
}

void TWinControl::WMNCDestroy(TMessage& Message) {
    DefaultHandler(Message);
    ::SetWindowLongPtrA(FHandle.Get(), GWLP_USERDATA, 0);
    TMouseHover::LeftWindow(this);
    FTrackingMouse = false;
    FHandle.Forget();
}

// Visibility, colours, font ------------------------------------------------------------------------------

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
    const HDC DC = reinterpret_cast<HDC>(Message.WParam);
    ::SetTextColor(DC, ColorToRGB(Font()->Color()));
    ::SetBkColor(DC, ColorToRGB(FBrush->Color()));
    Message.Result = reinterpret_cast<LRESULT>(FBrush->Handle());
}

void TWinControl::Invalidate() {
    if (FHandle) ::InvalidateRect(FHandle.Get(), nullptr, !ControlStyle().Contains(csOpaque));
}

void TWinControl::Update() {
    if (FHandle) ::UpdateWindow(FHandle.Get());
}

// Painting -----------------------------------------------------------------------------------------------

void TWinControl::WMPaint(TMessage& Message) {
    const HDC Given = reinterpret_cast<HDC>(Message.WParam);
    if (Given) {
        PaintContents(Given);
        return;
    }
    if (FDoubleBuffered) {
        PaintBuffered();
        return;
    }
    const bool GraphicChildren = std::any_of(FControls.begin(), FControls.end(), [](TControl* Child) {
        return Child->Visible() && !dynamic_cast<TWinControl*>(Child);
    });
    // A system control with nothing on it paints itself.
    if (IsSystemSuperclass(FDefWndProc) && !GraphicChildren) {
        DefaultHandler(Message);
        return;
    }
    TPaintDC Paint(FHandle.Get());
    PaintHandler(Paint.Handle());
}

// The screen goes from the old picture to the new one in one step: nothing half-painted, no erased
// background, ever shows, however much the control and its graphic children draw over each other.
void TWinControl::PaintBuffered() {
    TPaintDC Paint(FHandle.Get());
    const TRect Client = ClientRect();
    TOffscreenBuffer Buffer(Paint.Handle(), Client.Width(), Client.Height());
    PaintContents(Buffer.DC());
    Buffer.CopyTo(Paint.Handle());
}

// A double-buffered control had nothing erased before it paints, so one that does not cover its whole area
// gets its background here, in the same DC as the rest.
void TWinControl::PaintContents(HDC DC) {
    if (FDoubleBuffered && !ControlStyle().Contains(csOpaque)) {
        const TRect Client = ClientRect();
        ::FillRect(DC, &Client, FBrush->Handle());
    }
    PaintHandler(DC);
}

void TWinControl::PaintHandler(HDC DC) {
    {
        TSaveDCGuard Saved(DC);
        PaintWindow(DC);
    }
    PaintControls(DC, nullptr);
}

void TWinControl::PaintWindow(HDC DC) {
    if (!IsSystemSuperclass(FDefWndProc)) return;
    TMessage Message{WM_PAINT, reinterpret_cast<WPARAM>(DC), 0, 0};
    DefaultHandler(Message);
}

void TWinControl::PaintControls(HDC DC, TControl* First) {
    RECT Clip;
    if (::GetClipBox(DC, &Clip) == NULLREGION) return;
    auto It = First ? std::find(FControls.begin(), FControls.end(), First) : FControls.begin();
    const std::vector<TControl*> Children(It, FControls.end());
    for (TControl* Child : Children) {
        if (dynamic_cast<TWinControl*>(Child) || !Child->Visible()) continue;
        const TRect Area = Child->BoundsRect();
        RECT Overlap;
        if (!::IntersectRect(&Overlap, &Area, &Clip)) continue;
        TSaveDCGuard Saved(DC);
        ::OffsetViewportOrgEx(DC, Area.left, Area.top, nullptr);
        ::IntersectClipRect(DC, 0, 0, Area.Width(), Area.Height());
        Child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC));
    }
}

void TWinControl::PaintTo(HDC DC, int X, int Y) {
    TSaveDCGuard Saved(DC);
    ::OffsetViewportOrgEx(DC, X, Y, nullptr);
    ::IntersectClipRect(DC, 0, 0, Width(), Height());
    if (FHandle) Perform(WM_PRINT, reinterpret_cast<WPARAM>(DC), PRF_NONCLIENT);
    const TRect Frame = FrameInsets();
    ::OffsetViewportOrgEx(DC, Frame.left, Frame.top, nullptr);
    const TRect Client = ClientRect();
    ::IntersectClipRect(DC, 0, 0, Client.right, Client.bottom);
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC));
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC));
    const std::vector<TControl*> Children = FControls;
    for (TControl* Child : Children)
        if (auto* Window = dynamic_cast<TWinControl*>(Child); Window && Window->Visible())
            Window->PaintTo(DC, Window->Left(), Window->Top());
}

void TWinControl::WMEraseBkgnd(TMessage& Message) {
    if (FDoubleBuffered) {
        Message.Result = 1;
        return;
    }
    if (IsSystemSuperclass(FDefWndProc)) {
        DefaultHandler(Message);
        return;
    }
    if (!ControlStyle().Contains(csOpaque)) {
        const TRect Client = ClientRect();
        ::FillRect(reinterpret_cast<HDC>(Message.WParam), &Client, FBrush->Handle());
    }
    Message.Result = 1;
}

// Mouse --------------------------------------------------------------------------------------------------

void TWinControl::WMMouse(TMessage& Message) {
    if (Message.Msg == WM_MOUSEMOVE) TrackMouse(Message);
    if (!IsControlMouseMsg(Message)) inherited::WndProc(Message);
}

bool TWinControl::IsControlMouseMsg(TMessage& Message) {
    TControl* Target = nullptr;
    TControl* Captured = CaptureControl();
    if (FHandle && ::GetCapture() == FHandle.Get() && Captured) {
        if (Captured == this || Captured->Parent() != this) return false;
        Target = Captured;
    } else {
        Target = ControlAtPos(MousePoint(Message), false);
    }
    if (!Target) return false;
    const TPoint P = MousePoint(Message);
    Message.Result =
        Target->Perform(Message.Msg, Message.WParam, PointToLParam({P.x - Target->Left(), P.y - Target->Top()}));
    return true;
}

// Hover: the control under the pointer gets CM_MOUSEENTER, and the window asks to hear when the pointer
// leaves it. While the mouse is captured the pointer may be over another window altogether.
void TWinControl::TrackMouse(TMessage& Message) {
    const TPoint P = MousePoint(Message);
    const TRect Client = ClientRect();
    TControl* Target = nullptr;
    if (::PtInRect(&Client, P)) {
        Target = ControlAtPos(P, false);
        if (!Target) Target = this;
    } else {
        const TPoint Screen = ClientToScreen(P);
        if (TWinControl* Window = FindControl(::WindowFromPoint(Screen))) {
            Target = Window->ControlAtPos(Window->ScreenToClient(Screen), false);
            if (!Target) Target = Window;
        }
    }
    TMouseHover::MovedOver(Target);
    if (!FTrackingMouse && FHandle) {
        TRACKMOUSEEVENT Track{sizeof(Track), TME_LEAVE, FHandle.Get(), 0};
        FTrackingMouse = ::TrackMouseEvent(&Track) != FALSE;
    }
}

void TWinControl::WMMouseLeave() {
    FTrackingMouse = false;
    TMouseHover::LeftWindow(this);
}

void TWinControl::WMCaptureChanged(TMessage& Message) {
    TControl* Captured = CaptureControl();
    if (Captured && reinterpret_cast<HWND>(Message.LParam) != FHandle.Get() &&
        (Captured == this || Captured->Parent() == this))
        Captured->Perform(WM_CANCELMODE);
    DefaultHandler(Message);
}

void TWinControl::WMSetCursor(TMessage& Message) {
    if (reinterpret_cast<HWND>(Message.WParam) == FHandle.Get() && LOWORD(Message.LParam) == HTCLIENT) {
        TCursor Cursor = Screen->Cursor();
        if (Cursor == crDefault) {
            POINT P;
            ::GetCursorPos(&P);
            const TControl* Control = ControlAtPos(ScreenToClient(P), false);
            Cursor = Control ? Control->Cursor() : crDefault;
            if (Cursor == crDefault) Cursor = this->Cursor();
        }
        if (Cursor != crDefault) {
            ::SetCursor(Screen->Cursors(Cursor));
            Message.Result = TRUE;
            return;
        }
    }
    DefaultHandler(Message);
}

// Sizing by the user (or the system) keeps within the constraints as well.
void TWinControl::WMGetMinMaxInfo(TMessage& Message) {
    DefaultHandler(Message);
    const TSizeLimits Limits = SizeLimits();
    auto* Info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
    if (Limits.MinWidth > 0) Info->ptMinTrackSize.x = Limits.MinWidth;
    if (Limits.MinHeight > 0) Info->ptMinTrackSize.y = Limits.MinHeight;
    if (Limits.MaxWidth > 0) Info->ptMaxTrackSize.x = Limits.MaxWidth;
    if (Limits.MaxHeight > 0) Info->ptMaxTrackSize.y = Limits.MaxHeight;
}

// Focus and keyboard -------------------------------------------------------------------------------------

int TWinControl::TabOrder() const {
    if (!Parent()) return FTabOrder;
    const auto& List = Parent()->FTabList;
    const auto It = std::find(List.begin(), List.end(), this);
    return It == List.end() ? -1 : static_cast<int>(It - List.begin());
}

void TWinControl::SetTabOrder(int Value) {
    // While a description is read the siblings are not all there yet: the parent sorts them when loaded.
    if (IsLoading() || !Parent()) {
        FTabOrder = Value;
        return;
    }
    auto& List = Parent()->FTabList;
    std::erase(List, this);
    const auto Position = static_cast<std::size_t>(std::clamp(Value, 0, static_cast<int>(List.size())));
    List.insert(List.begin() + static_cast<std::ptrdiff_t>(Position), this);
}

void TWinControl::FixupTabList() {
    auto Key = [](const TWinControl* Control) { return Control->FTabOrder < 0 ? INT_MAX : Control->FTabOrder; };
    std::stable_sort(FTabList.begin(), FTabList.end(),
                     [&Key](const TWinControl* A, const TWinControl* B) { return Key(A) < Key(B); });
    for (TWinControl* Child : FTabList)
        Child->FTabOrder = -1;
}

void TWinControl::SetTabStop(bool Value) {
    if (FTabStop == Value) return;
    FTabStop = Value;
    if (FHandle) {
        const LONG Style = ::GetWindowLongA(FHandle.Get(), GWL_STYLE);
        ::SetWindowLongA(FHandle.Get(), GWL_STYLE, Value ? (Style | WS_TABSTOP) : (Style & ~WS_TABSTOP));
    }
    Perform(CM_TABSTOPCHANGED);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const {
    for (TWinControl* Child : FTabList) {
        List.push_back(Child);
        Child->GetTabOrderList(List);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* Current, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) const {
    std::vector<TWinControl*> List;
    GetTabOrderList(List);
    if (List.empty()) return nullptr;
    const int Count = static_cast<int>(List.size());
    const auto Found = std::find(List.begin(), List.end(), Current);
    // Without a current control, forward starts at the first and backward at the last.
    int Start = Found == List.end() ? (GoForward ? Count - 1 : 0) : static_cast<int>(Found - List.begin());
    int I = Start;
    do {
        I = GoForward ? (I + 1) % Count : (I + Count - 1) % Count;
        TWinControl* Candidate = List[static_cast<std::size_t>(I)];
        if (Candidate != Current && Candidate->CanFocus() && (!CheckTabStop || Candidate->TabStop()) &&
            (!CheckParent || Candidate->Parent() == this))
            return Candidate;
    } while (I != Start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* Current, bool GoForward, bool CheckTabStop) {
    if (TWinControl* Next = FindNextControl(Current, GoForward, CheckTabStop, !CheckTabStop)) Next->SetFocus();
}

void TWinControl::SetFocus() {
    if (TCustomForm* Form = GetParentForm())
        Form->FocusControl(this);
    else if (HWND Window = Handle())
        ::SetFocus(Window);
}

bool TWinControl::Focused() const {
    return FHandle && ::GetFocus() == FHandle.Get();
}

bool TWinControl::CanFocus() const {
    const TCustomForm* Form = GetParentForm();
    if (!Form) return false;
    for (const TControl* Control = this; Control != Form; Control = Control->Parent())
        if (!Control->Visible() || !Control->Enabled()) return false;
    return true;
}

void TWinControl::WMSetFocus(TMessage& Message) {
    DefaultHandler(Message);
    if (TCustomForm* Form = GetParentForm(); Form && Form != this) Form->SetFocusedControl(this);
}

void TWinControl::WMKillFocus(TMessage& Message) {
    DefaultHandler(Message);
}

void TWinControl::CMFocusChanged(TMessage& Message) {
    const std::vector<TControl*> Children = FControls;
    for (TControl* Child : Children) {
        TMessage Copy = Message;
        Child->FWindowProc(Copy);
    }
}

void TWinControl::DoEnter() {
    OnEnter(this);
}

void TWinControl::DoExit() {
    OnExit(this);
}

void TWinControl::KeyDown(WORD& Key, TShiftState Shift) {
    OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(WORD& Key, TShiftState Shift) {
    OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(char& Key) {
    OnKeyPress(this, Key);
}

bool TWinControl::DoKeyDown(TMessage& Message) {
    TCustomForm* Form = GetParentForm();
    if (Form && Form != this && Form->KeyPreview() && Form->DoKeyDown(Message)) return true;
    auto Key = static_cast<WORD>(Message.WParam);
    KeyDown(Key, KeyDataToShiftState(Message.LParam));
    if (Key == 0) return true;
    Message.WParam = Key;
    return false;
}

bool TWinControl::DoKeyUp(TMessage& Message) {
    TCustomForm* Form = GetParentForm();
    if (Form && Form != this && Form->KeyPreview() && Form->DoKeyUp(Message)) return true;
    auto Key = static_cast<WORD>(Message.WParam);
    KeyUp(Key, KeyDataToShiftState(Message.LParam));
    if (Key == 0) return true;
    Message.WParam = Key;
    return false;
}

bool TWinControl::DoKeyPress(TMessage& Message) {
    TCustomForm* Form = GetParentForm();
    if (Form && Form != this && Form->KeyPreview() && Form->DoKeyPress(Message)) return true;
    char Key = static_cast<char>(Message.WParam);
    KeyPress(Key);
    if (Key == '\0') return true;
    Message.WParam = static_cast<unsigned char>(Key);
    return false;
}

void TWinControl::WMKey(TMessage& Message) {
    const bool Down = Message.Msg == WM_KEYDOWN || Message.Msg == WM_SYSKEYDOWN;
    if (!(Down ? DoKeyDown(Message) : DoKeyUp(Message))) DefaultHandler(Message);
}

void TWinControl::WMChar(TMessage& Message) {
    if (!DoKeyPress(Message)) DefaultHandler(Message);
}

bool TWinControl::IsMenuKey(const TMessage& Message) {
    for (TControl* Control = this; Control; Control = Control->Parent())
        if (auto* Menu = dynamic_cast<TPopupMenuLink*>(Control->PopupMenu()); Menu && Menu->IsShortCut(Message))
            return true;
    TCustomForm* Form = GetParentForm();
    return Form && Form->IsShortCut(Message);
}

// A key the focused control does not want becomes a dialog key of its form: Tab and the arrows move the
// focus, Enter and Escape go to the default and cancel buttons.
void TWinControl::CNKeyDown(TMessage& Message) {
    Message.Result = 1;
    if (IsMenuKey(Message)) return;
    UINT Wanted = 0;
    switch (Message.WParam) {
    case VK_TAB: Wanted = DLGC_WANTTAB; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: Wanted = DLGC_WANTARROWS; break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL: Wanted = DLGC_WANTALLKEYS; break;
    default: break;
    }
    if (Wanted != 0 && Perform(CM_WANTSPECIALKEY, Message.WParam, Message.LParam) == 0 &&
        (Perform(WM_GETDLGCODE) & Wanted) == 0) {
        TCustomForm* Form = GetParentForm();
        if (Form && Form->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam) != 0) return;
    }
    Message.Result = 0;
}

void TWinControl::CNChar(TMessage& Message) {
    Message.Result = 1;
    if ((Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0) {
        TCustomForm* Form = GetParentForm();
        if (Form && Form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0) return;
    }
    Message.Result = 0;
}

// Alt+letter: an accelerator anywhere on the form, whatever has the focus (Alt+Space stays the system menu).
void TWinControl::CNSysChar(TMessage& Message) {
    Message.Result = 0;
    if (Message.WParam == VK_SPACE) return;
    if (TCustomForm* Form = GetParentForm())
        Message.Result = Form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0;
}
