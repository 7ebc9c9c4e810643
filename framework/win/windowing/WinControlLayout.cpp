// Geometry of a windowed control: the frame around its client area (the window's, and the band of
// BorderWidth), keeping the bounds in step with the window, and aligning and anchoring the children whenever
// the client area changes.
#include "framework/win/windowing/WinControl.h"

#include "framework/win/windowing/Alignment.h"

#include <algorithm>

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

void TWinControl::WMSize(TMessage& Message) {
    DefaultHandler(Message);
    UpdateBounds();
    if (Message.WParam != SIZE_MINIMIZED) ClientResized();
}

void TWinControl::WMWindowPosChanged(TMessage& Message) {
    UpdateBounds();
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
