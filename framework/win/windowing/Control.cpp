#include "framework/win/windowing/Control.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/menus/MenuLinks.h"
#include "framework/win/windowing/MouseHover.h"
#include "framework/win/windowing/SizeConstraints.h"
#include "framework/win/windowing/WinControl.h"

#include <algorithm>
#include <cstring>

VSK_IMPLEMENT_CLASS(TControl)

void TControl::Publish(TPublisher<TControl>& p) {
    p.Int("Left", &TControl::Left, &TControl::SetLeft);
    p.Int("Top", &TControl::Top, &TControl::SetTop);
    p.Int("Width", &TControl::Width, &TControl::SetWidth);
    p.Int("Height", &TControl::Height, &TControl::SetHeight);
    p.Enum("Align", &TControl::Align, &TControl::SetAlign, TAlignInfo).Default(alNone);
    p.Set("Anchors", &TControl::Anchors, &TControl::SetAnchors, TAnchorKindInfo).Default(DefaultAnchors);
    p.Enum("BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode, TBiDiModeInfo).Stored([](TControl& C) {
        return !C.ParentBiDiMode();
    });
    p.Bool("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode).Default(true);
    p.Color("Color", &TControl::Color, &TControl::SetColor).Stored([](TControl& C) { return !C.ParentColor(); });
    p.Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor);
    p.Object("Constraints", &TControl::Constraints, &TControl::SetConstraints);
    p.Int("Cursor", &TControl::Cursor, &TControl::SetCursor).Default(crDefault);
    p.Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(true);
    p.Object("Font", &TControl::Font, &TControl::SetFont).Stored([](TControl& C) { return !C.ParentFont(); });
    p.Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont);
    p.Str("Hint", &TControl::Hint, &TControl::SetHint).Default("");
    p.Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint).Stored([](TControl& C) {
        return !C.ParentShowHint();
    });
    p.Bool("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint).Default(true);
    p.Ref("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu);
    p.Bool("Visible", &TControl::Visible, &TControl::SetVisible).Default(true);
    p.Event("OnClick", &TControl::OnClick);
    p.Event("OnDblClick", &TControl::OnDblClick);
    p.Event("OnMouseDown", &TControl::OnMouseDown);
    p.Event("OnMouseMove", &TControl::OnMouseMove);
    p.Event("OnMouseUp", &TControl::OnMouseUp);
    p.Event("OnResize", &TControl::OnResize);
    p.Event("OnConstrainedResize", &TControl::OnConstrainedResize);
}

namespace {
TControl* GCaptureControl = nullptr;
} // namespace

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), FConstraints(std::make_unique<TSizeConstraints>()), FFont(std::make_unique<TFont>()) {
    FWindowProc = [this](TMessage& Message) { WndProc(Message); };
    FFont->OnChange.Bind(this, &TControl::FontChanged);
    FConstraints->OnChange.Bind(this, &TControl::ConstraintsChanged);
}

// Also a control that was not destroyed with delete (one on the stack) has its windows and children go while
// it is still a control.
TControl::~TControl() {
    BeforeDestruction();
}

void TControl::Destroying() {
    inherited::Destroying();
    TMouseHover::Forget(this);
    if (GCaptureControl == this) GCaptureControl = nullptr;
    if (FParent) FParent->RemoveControl(this);
}

void TControl::SetWindowProc(TWndMethod Value) {
    if (Value)
        FWindowProc = std::move(Value);
    else
        FWindowProc = [this](TMessage& Message) { WndProc(Message); };
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
    TMessage Message{Msg, WParam, LParam, 0};
    FWindowProc(Message);
    return Message.Result;
}

void TControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_LBUTTONDOWN: WMButtonDown(Message, mbLeft); break;
    case WM_RBUTTONDOWN: WMButtonDown(Message, mbRight); break;
    case WM_MBUTTONDOWN: WMButtonDown(Message, mbMiddle); break;
    case WM_LBUTTONDBLCLK: WMButtonDblClk(Message, mbLeft); break;
    case WM_RBUTTONDBLCLK: WMButtonDblClk(Message, mbRight); break;
    case WM_MBUTTONDBLCLK: WMButtonDblClk(Message, mbMiddle); break;
    case WM_LBUTTONUP: WMButtonUp(Message, mbLeft); break;
    case WM_RBUTTONUP: WMButtonUp(Message, mbRight); break;
    case WM_MBUTTONUP: WMButtonUp(Message, mbMiddle); break;
    case WM_MOUSEMOVE: WMMouseMove(Message); break;
    case WM_CONTEXTMENU: WMContextMenu(Message); break;
    case WM_CANCELMODE: WMCancelMode(Message); break;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(); break;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(); break;
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED: Invalidate(); break;
    default: DefaultHandler(Message); break;
    }
}

void TControl::DefaultHandler(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETTEXTLENGTH: Message.Result = static_cast<LRESULT>(FText.size()); break;
    case WM_GETTEXT: {
        const auto Size = static_cast<std::size_t>(Message.WParam);
        if (Size == 0) break;
        const std::size_t Count = std::min(FText.size(), Size - 1);
        char* Buffer = reinterpret_cast<char*>(Message.LParam);
        std::memcpy(Buffer, FText.data(), Count);
        Buffer[Count] = '\0';
        Message.Result = static_cast<LRESULT>(Count);
        break;
    }
    case WM_SETTEXT:
        FText = Message.LParam ? reinterpret_cast<const char*>(Message.LParam) : "";
        Message.Result = TRUE;
        break;
    default: break;
    }
}

// Mouse ---------------------------------------------------------------------------------------------------

// Mouse messages get their default handling first (a system control places its caret or presses its
// button), then the framework's: capture, clicks and the mouse events.
void TControl::WMButtonDown(TMessage& Message, TMouseButton Button) {
    DefaultHandler(Message);
    if (Button == mbLeft) {
        if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
        if (FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
    }
    DoMouseDown(Message, Button, {});
}

void TControl::WMButtonDblClk(TMessage& Message, TMouseButton Button) {
    if (!FControlStyle.Contains(csDoubleClicks)) {
        // Without double clicks, a fast second press is a press like any other, for the system too.
        static constexpr UINT Presses[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
        Message.Msg = Presses[Button];
        WMButtonDown(Message, Button);
        return;
    }
    DefaultHandler(Message);
    if (Button == mbLeft && FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    DoMouseDown(Message, Button, {ssDouble});
    if (Button == mbLeft) DblClick();
}

void TControl::WMButtonUp(TMessage& Message, TMouseButton Button) {
    DefaultHandler(Message);
    if (Button == mbLeft) {
        if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
        if (FControlState.Contains(csClicked)) {
            FControlState.Exclude(csClicked);
            const TPoint P = MousePoint(Message);
            const TRect Client = ClientRect();
            if (::PtInRect(&Client, P)) Click();
        }
    }
    DoMouseUp(Message, Button);
}

void TControl::WMMouseMove(TMessage& Message) {
    DefaultHandler(Message);
    const TPoint P = MousePoint(Message);
    MouseMove(KeysToShiftState(Message.WParam), P.x, P.y);
}

void TControl::DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Extra) {
    const TPoint P = MousePoint(Message);
    MouseDown(Button, KeysToShiftState(Message.WParam) | Extra, P.x, P.y);
}

void TControl::DoMouseUp(TMessage& Message, TMouseButton Button) {
    const TPoint P = MousePoint(Message);
    MouseUp(Button, KeysToShiftState(Message.WParam), P.x, P.y);
}

void TControl::WMContextMenu(TMessage& Message) {
    auto* Menu = dynamic_cast<TPopupMenuLink*>(FPopupMenu);
    if (!Menu) {
        DefaultHandler(Message);
        return;
    }
    TPoint P{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    // Keyboard-invoked (the menu key): under the control's top-left corner.
    if (P.x == -1 && P.y == -1) P = ClientToScreen({0, 0});
    Menu->PopupFor(*this, P.x, P.y);
    Message.Result = 1;
}

void TControl::WMCancelMode(TMessage& Message) {
    if (MouseCapture()) {
        SetMouseCapture(false);
        FControlState.Exclude(csClicked);
    }
    DefaultHandler(Message);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
    OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::Click() {
    OnClick(this);
}

void TControl::DblClick() {
    OnDblClick(this);
}

void TControl::Resize() {
    FResizedTo = {FWidth, FHeight};
    OnResize(this);
}

TControl* TControl::CaptureControl() {
    return GCaptureControl;
}

bool TControl::MouseCapture() const {
    return GCaptureControl == this;
}

void TControl::SetMouseCapture(bool Value) {
    if (MouseCapture() == Value) return;
    auto* Self = dynamic_cast<TWinControl*>(this);
    TWinControl* Window = Self ? Self : FParent;
    if (Value) {
        if (!Window || !Window->HandleAllocated()) return;
        GCaptureControl = this;
        ::SetCapture(Window->Handle());
    } else {
        GCaptureControl = nullptr;
        if (Window && Window->HandleAllocated() && ::GetCapture() == Window->Handle()) ::ReleaseCapture();
    }
}

// Parent --------------------------------------------------------------------------------------------------

void TControl::SetParent(TWinControl* AParent) {
    if (FParent == AParent) return;
    if (AParent == this) throw EInvalidOperation("A control cannot have itself as its parent");
    if (FParent) FParent->RemoveControl(this);
    if (AParent) AParent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* Value) {
    if (auto* Window = dynamic_cast<TWinControl*>(Value)) SetParent(Window);
}

TComponent* TControl::GetParentComponent() const {
    return FParent;
}

TCustomForm* TControl::GetParentForm() const {
    const TControl* Top = this;
    while (Top->FParent)
        Top = Top->FParent;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(Top));
}

// Called by the new parent once the control is in its list: parent font, colour and hint settings apply.
void TControl::ApplyParentStyle() {
    if (FParentFont) AdoptParentFont();
    if (FParentColor) AdoptParentColor();
    if (FParentShowHint) FShowHint = FParent->ShowHint();
    if (FParentBiDiMode) FBiDiMode = FParent->BiDiMode();
}

// Bounds --------------------------------------------------------------------------------------------------

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    const SIZE Size = SizeLimits().Apply({AWidth, AHeight});
    if (ALeft == FLeft && ATop == FTop && Size.cx == FWidth && Size.cy == FHeight) return;
    const TRect Old = BoundsRect();
    FLeft = ALeft;
    FTop = ATop;
    FWidth = Size.cx;
    FHeight = Size.cy;
    if (!FAnchorMove) UpdateAnchorRules();
    BoundsChanged(Old);
    if (!FAnchorMove) RequestAlign();
}

void TControl::BoundsChanged(const TRect& Old) {
    if (FParent && FParent->HandleAllocated() && FVisible)
        ::InvalidateRect(FParent->Handle(), &Old, !FControlStyle.Contains(csOpaque));
    InvalidateControl();
    if ((FWidth != FResizedTo.cx || FHeight != FResizedTo.cy) && !IsLoading()) Resize();
}

TRect TControl::ClientRect() const {
    return TRect(0, 0, FWidth, FHeight);
}

void TControl::SetClientSize(SIZE Value) {
    const TRect Client = ClientRect();
    SetBounds(FLeft, FTop, FWidth - Client.Width() + Value.cx, FHeight - Client.Height() + Value.cy);
}

TPoint TControl::ClientOrigin() const {
    if (!FParent) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    const TPoint ParentOrigin = FParent->ClientOrigin();
    return {ParentOrigin.x + FLeft, ParentOrigin.y + FTop};
}

TPoint TControl::ClientToScreen(const TPoint& Point) const {
    const TPoint Origin = ClientOrigin();
    return {Point.x + Origin.x, Point.y + Origin.y};
}

TPoint TControl::ScreenToClient(const TPoint& Point) const {
    const TPoint Origin = ClientOrigin();
    return {Point.x - Origin.x, Point.y - Origin.y};
}

void TControl::SetAlign(TAlign Value) {
    if (FAlign == Value) return;
    const TAlign Old = FAlign;
    FAlign = Value;
    // Leaving a side keeps the size it had before it was stretched along that side.
    if (Old == alNone || Value == alNone) UpdateAnchorRules();
    if (FParent) FParent->AlignControl(this);
}

void TControl::SetAnchors(TAnchors Value) {
    if (FAnchors == Value) return;
    FAnchors = Value;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
    if (!FParent) return;
    const TRect Client = FParent->ClientRect();
    FAnchorRule = {BoundsRect(), {Client.Width(), Client.Height()}};
}

TRect TControl::AnchorPlace(SIZE ParentSize) {
    // A rule taken while the parent had no size yet says nothing about distances: start from here.
    if (FAnchorRule.ParentSize.cx <= 0 || FAnchorRule.ParentSize.cy <= 0) {
        FAnchorRule = {BoundsRect(), ParentSize};
        return BoundsRect();
    }
    return AnchoredBounds(FAnchors, FAnchorRule, ParentSize, SizeLimits());
}

void TControl::RequestAlign() {
    if (FParent && (FAlign != alNone || FAnchors != DefaultAnchors)) FParent->AlignControl(this);
}

TSizeLimits TControl::SizeLimits() {
    TSizeLimits Limits = FConstraints->Limits();
    OnConstrainedResize(this, Limits.MinWidth, Limits.MinHeight, Limits.MaxWidth, Limits.MaxHeight);
    return Limits;
}

void TControl::SetConstraints(const TSizeConstraints* Value) {
    if (Value) FConstraints->Assign(*Value);
}

void TControl::ConstraintsChanged(TObject*) {
    const SIZE Size = SizeLimits().Apply({FWidth, FHeight});
    if (Size.cx != FWidth || Size.cy != FHeight) SetBounds(FLeft, FTop, Size.cx, Size.cy);
}

// Visibility, enabled state, colours, font -----------------------------------------------------------------

void TControl::SetVisible(bool Value) {
    if (FVisible == Value) return;
    VisibleChanging();
    InvalidateControl();
    FVisible = Value;
    Perform(CM_VISIBLECHANGED, Value);
    InvalidateControl();
    if (FParent && FAlign != alNone) FParent->AlignControl(this);
}

bool TControl::Showing() const {
    return FVisible && FParent && FParent->Showing();
}

void TControl::SetEnabled(bool Value) {
    if (FEnabled == Value) return;
    FEnabled = Value;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor Value) {
    if (FColor == Value && !FParentColor) return;
    FColor = Value;
    FParentColor = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool Value) {
    if (FParentColor == Value) return;
    FParentColor = Value;
    if (Value && FParent) AdoptParentColor();
}

void TControl::AdoptParentColor() {
    if (FColor == FParent->Color()) return;
    FColor = FParent->Color();
    Perform(CM_COLORCHANGED);
}

void TControl::CMParentColorChanged() {
    if (FParentColor && FParent) AdoptParentColor();
}

void TControl::SetFont(const TFont* Value) {
    if (Value) FFont->Assign(*Value);
}

void TControl::FontChanged(TObject*) {
    if (!FAdoptingFont) FParentFont = false;
    Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool Value) {
    if (FParentFont == Value) return;
    FParentFont = Value;
    if (Value && FParent) AdoptParentFont();
}

void TControl::AdoptParentFont() {
    FAdoptingFont = true;
    try {
        FFont->Assign(*FParent->Font());
    } catch (...) {
        FAdoptingFont = false;
        throw;
    }
    FAdoptingFont = false;
}

void TControl::CMParentFontChanged() {
    if (FParentFont && FParent) AdoptParentFont();
}

void TControl::SetShowHint(bool Value) {
    FShowHint = Value;
    FParentShowHint = false;
}

void TControl::SetParentShowHint(bool Value) {
    FParentShowHint = Value;
    if (Value && FParent) FShowHint = FParent->ShowHint();
}

void TControl::SetBiDiMode(TBiDiMode Value) {
    FBiDiMode = Value;
    FParentBiDiMode = false;
}

void TControl::SetParentBiDiMode(bool Value) {
    FParentBiDiMode = Value;
    if (Value && FParent) FBiDiMode = FParent->BiDiMode();
}

void TControl::SetCursor(TCursor Value) {
    if (FCursor == Value) return;
    FCursor = Value;
    Perform(CM_CURSORCHANGED);
}

// Text ----------------------------------------------------------------------------------------------------

std::string TControl::Text() const {
    auto* Self = const_cast<TControl*>(this);
    const auto Length = static_cast<std::size_t>(Self->Perform(WM_GETTEXTLENGTH));
    std::string Result(Length + 1, '\0');
    const auto Copied =
        static_cast<std::size_t>(Self->Perform(WM_GETTEXT, Result.size(), reinterpret_cast<LPARAM>(Result.data())));
    Result.resize(std::min(Copied, Length));
    return Result;
}

void TControl::SetText(const std::string& Value) {
    if (Text() == Value) return;
    Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Value.c_str()));
    Perform(CM_TEXTCHANGED);
}

void TControl::SetName(const std::string& NewName) {
    // A control named before it has a caption of its own shows its name, as a new control on a form does.
    const bool CaptionFollows = FControlStyle.Contains(csSetCaption) && !IsLoading() && Text() == Name();
    inherited::SetName(NewName);
    if (CaptionFollows) SetText(NewName);
}

// Pop-up menu ---------------------------------------------------------------------------------------------

void TControl::SetPopupMenu(TComponent* Value) {
    if (Value && !dynamic_cast<TPopupMenuLink*>(Value))
        throw EPropertyError(ClassName() + ".PopupMenu: a " + Value->ClassName() + " is not a pop-up menu");
    if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = Value;
    if (FPopupMenu) FPopupMenu->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

void TControl::Loaded() {
    inherited::Loaded();
    UpdateAnchorRules();
}

// Painting ------------------------------------------------------------------------------------------------

void TControl::InvalidateControl() {
    // A windowed control repaints its own window.
    if (!FParent || !FParent->HandleAllocated() || !FVisible || dynamic_cast<TWinControl*>(this)) return;
    const TRect Area = BoundsRect();
    ::InvalidateRect(FParent->Handle(), &Area, !FControlStyle.Contains(csOpaque));
}

void TControl::Invalidate() {
    InvalidateControl();
}

void TControl::Update() {
    if (FParent) FParent->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::SetZOrder(bool TopMost) {
    if (FParent) FParent->MoveControlInZOrder(this, TopMost);
    InvalidateControl();
}
