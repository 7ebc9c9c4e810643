// Painting of a windowed control: the control itself, then its graphic children on top, into the paint DC,
// a DC a message brings along, or (double-buffered) an off-screen buffer copied to the screen in one BitBlt.
#include "framework/win/windowing/WinControl.h"

#include "framework/core/FlagScope.h"
#include "framework/win/graphics/Brush.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/OffscreenBuffer.h"
#include "framework/win/graphics/ScopedGuards.h"

#include <algorithm>
#include <vector>

namespace {
// A superclassed system control (EDIT, SysListView32, ...) paints itself in its own window procedure.
bool IsSystemSuperclass(WNDPROC DefaultProc) {
    return DefaultProc != ::DefWindowProcA;
}
} // namespace

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

void TWinControl::Invalidate() {
    if (FHandle) ::InvalidateRect(FHandle.Get(), nullptr, !ControlStyle().Contains(csOpaque));
}

void TWinControl::Update() {
    if (FHandle) ::UpdateWindow(FHandle.Get());
}

void TWinControl::WMPaint(TMessage& Message) {
    if (const TBorrowedDC Given = MessageDC(Message)) {
        PaintGiven(Given.Get());
        return;
    }
    if (FDoubleBuffered) {
        TPaintDC Paint(FHandle.Get());
        PaintBuffered(Paint.Handle());
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

// A DC a message brings (a parent's PaintTo, the backdrop of a see-through child, WM_PRINTCLIENT) gets the
// same picture as the screen. A double-buffered control paints into its kept buffer for it too, where its
// canvas finds its font still selected, unless it is painting into that buffer already (a graphic child
// asking for what lies behind it).
void TWinControl::PaintGiven(HDC DC) {
    if (FDoubleBuffered && !FPaintingBuffer)
        PaintBuffered(DC);
    else
        PaintContents(DC);
}

// The screen goes from the old picture to the new one in one step: nothing half-painted, no erased
// background, ever shows, however much the control and its graphic children draw over each other. Only what
// Target can show (its clip box) is painted and copied.
void TWinControl::PaintBuffered(HDC Target) {
    const TRect Client = ClientRect();
    TRect Needed;
    if (::GetClipBox(Target, &Needed) == NULLREGION || !::IntersectRect(&Needed, &Needed, &Client)) return;
    if (FPaintBuffer && !FPaintBuffer->Fits(Client.Width(), Client.Height())) ReleasePaintBuffer();
    if (!FPaintBuffer) FPaintBuffer = std::make_unique<TOffscreenBuffer>(nullptr, Client.Width(), Client.Height());
    const HDC Buffer = FPaintBuffer->DC();
    {
        const TOriginClipGuard Saved(Buffer);
        ::IntersectClipRect(Buffer, Needed.left, Needed.top, Needed.right, Needed.bottom);
        const TFlagScope Painting(FPaintingBuffer);
        PaintContents(Buffer);
    }
    FPaintBuffer->CopyAreaTo(Target, Needed);
}

HDC TWinControl::PaintBufferDC() const {
    return FPaintBuffer ? FPaintBuffer->DC() : nullptr;
}

void TWinControl::ReleasePaintBuffer() {
    if (!FPaintBuffer) return;
    PaintBufferReleasing();
    FPaintBuffer.reset();
}

void TWinControl::SetDoubleBuffered(bool Value) {
    FDoubleBuffered = Value;
    if (!Value) ReleasePaintBuffer();
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

// What the control's own painting leaves in the DC besides origin and clip (objects, colours) is put back by
// whoever changed it: canvases deselect their objects, system controls restore theirs.
void TWinControl::PaintHandler(HDC DC) {
    {
        const TOriginClipGuard Saved(DC);
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
        const TOriginClipGuard Saved(DC);
        ::OffsetViewportOrgEx(DC, Area.left, Area.top, nullptr);
        ::IntersectClipRect(DC, 0, 0, Area.Width(), Area.Height());
        Child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC));
    }
}

void TWinControl::PaintTo(HDC DC, int X, int Y) {
    const TOriginClipGuard Saved(DC);
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
        ::FillRect(MessageDC(Message).Get(), &Client, FBrush->Handle());
    }
    Message.Result = 1;
}
