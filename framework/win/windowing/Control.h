// TControl: the base of everything visible on a form. It has bounds in its parent's client coordinates, an
// alignment or anchors that keep it placed when the parent changes size, visibility, an enabled state, a
// colour and a font (each optionally the parent's), a caption, a cursor, a hint, a pop-up menu and size
// constraints, and it turns mouse messages into MouseDown/MouseMove/MouseUp, clicks and double clicks.
//
// Messages. Every message a control receives, from the system or through Perform, goes through its
// WindowProc slot. The slot starts out calling the virtual WndProc; another component may save it, install
// its own procedure and pass messages on to the saved one (a skinned frame takes over its host form this
// way). WndProc overrides are short switches that call one named handler per message and pass everything
// else to the inherited WndProc; at the end of the chain, DefaultHandler does the default processing.
#pragma once

#include "framework/core/Colors.h"
#include "framework/core/Component.h"
#include "framework/core/Events.h"
#include "framework/win/graphics/Geometry.h"
#include "framework/win/windowing/Alignment.h"
#include "framework/win/windowing/ControlTypes.h"
#include "framework/win/windowing/Messages.h"

#include <memory>
#include <string>

class TCustomForm;
class TFont;
class TSizeConstraints;
class TWinControl;

using TMouseEvent = TEvent<TObject* /*Sender*/, TMouseButton, TShiftState, int /*X*/, int /*Y*/>;
using TMouseMoveEvent = TEvent<TObject* /*Sender*/, TShiftState, int /*X*/, int /*Y*/>;
// Asked before every change of size: the handler may change the limits the new size is kept within.
using TConstrainedResizeEvent =
    TEvent<TObject* /*Sender*/, int& /*MinWidth*/, int& /*MinHeight*/, int& /*MaxWidth*/, int& /*MaxHeight*/>;

class TControl : public TComponent {
    VSK_CLASS(TControl, TComponent)

public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    // The window procedure slot (see above). A null procedure puts WndProc back.
    TWndMethod WindowProc() const { return FWindowProc; }
    void SetWindowProc(TWndMethod Value);
    // Sends a message through WindowProc at once and returns its result.
    LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);
    // The form this control is on (the top of its parent chain, when that is a form), or null.
    TCustomForm* GetParentForm() const;

    // Bounds in the parent's client coordinates; sizes are kept within Constraints.
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
    void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
    void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
    void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& Rect) { SetBounds(Rect.left, Rect.top, Rect.Width(), Rect.Height()); }

    // The area inside the control's frame, from (0, 0).
    virtual TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int Value) { SetClientSize({Value, ClientHeight()}); }
    void SetClientHeight(int Value) { SetClientSize({ClientWidth(), Value}); }
    virtual void SetClientSize(SIZE Value);
    // The screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(const TPoint& Point) const;
    TPoint ScreenToClient(const TPoint& Point) const;

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign Value);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors Value);
    TSizeConstraints* Constraints() const { return FConstraints.get(); }
    void SetConstraints(const TSizeConstraints* Value);
    // The limits a new size is kept within now: Constraints, as OnConstrainedResize may change them.
    TSizeLimits SizeLimits();

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible on the screen: this control and all its parents are.
    virtual bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* Value);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool Value);

    // Caption and Text are one thing: the control's text (a windowed control keeps it in its window).
    std::string Text() const;
    void SetText(const std::string& Value);
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& Value) { SetText(Value); }

    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool Value);
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode Value);
    bool ParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool Value);

    // A component that implements TPopupMenuLink (a TPopupMenu), or null; anything else raises EPropertyError.
    TComponent* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TComponent* Value);

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState Value) { FControlState = Value; }

    // Painting: Invalidate asks for a repaint later, Update paints what is invalid now, Repaint (Refresh) both.
    virtual void Invalidate();
    virtual void Update();
    void Repaint();
    void Refresh() { Repaint(); }

    // Z-order among the parent's controls (windowed controls always lie above graphic ones on the screen).
    void BringToFront() { SetZOrder(true); }
    void SendToBack() { SetZOrder(false); }

    // The control that has the mouse captured (also a graphic control, whose parent window holds the capture).
    bool MouseCapture() const;
    void SetMouseCapture(bool Value);
    static TControl* CaptureControl();

    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TConstrainedResizeEvent OnConstrainedResize;

    // Descriptions nest controls: the enclosing control becomes the parent.
    void SetParentComponent(TComponent* Value) override;
    TComponent* GetParentComponent() const override;
    bool HasParent() const override { return true; }
    void SetName(const std::string& NewName) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;

protected:
    virtual void WndProc(TMessage& Message);
    // The end of the message chain: the text messages are answered from the control's own text.
    virtual void DefaultHandler(TMessage& Message);

    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void Click();
    virtual void DblClick();
    virtual void Resize();

    // Bounds changed from Old: windowed controls move their window, graphic ones repaint both places.
    virtual void BoundsChanged(const TRect& Old);
    // The control's part of the parent's area needs repainting (graphic controls).
    void InvalidateControl();
    virtual void SetZOrder(bool TopMost);
    // Asks the parent to realign it (when aligned or anchored).
    void RequestAlign();
    // Remembers the current place as the one to keep anchored from.
    void UpdateAnchorRules();
    // The bounds anchoring gives the control in a parent client area of ParentSize.
    TRect AnchorPlace(SIZE ParentSize);
    // Set while the parent aligns or anchors the control, so that the move is not taken as a new place.
    bool FAnchorMove = false;

    virtual void VisibleChanging() {}
    void Destroying() override;
    bool IsLoading() const { return ComponentState().Contains(csLoading); }
    bool IsDestroying() const { return ComponentState().Contains(csDestroying); }

    // Message handlers of TControl.
    void WMButtonDown(TMessage& Message, TMouseButton Button);
    void WMButtonDblClk(TMessage& Message, TMouseButton Button);
    void WMButtonUp(TMessage& Message, TMouseButton Button);
    void WMMouseMove(TMessage& Message);
    void WMContextMenu(TMessage& Message);
    void WMCancelMode(TMessage& Message);
    void CMParentFontChanged();
    void CMParentColorChanged();

private:
    friend class TWinControl;
    friend class TCustomForm;

    void FontChanged(TObject* Sender);
    void ConstraintsChanged(TObject* Sender);
    void AdoptParentFont();
    void AdoptParentColor();
    void ApplyParentStyle();
    void DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Extra);
    void DoMouseUp(TMessage& Message, TMouseButton Button);

    TWndMethod FWindowProc;
    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    TAlign FAlign = alNone;
    TAnchors FAnchors = DefaultAnchors;
    TAnchorRule FAnchorRule;
    std::unique_ptr<TSizeConstraints> FConstraints;
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clWindow;
    bool FParentColor = true;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    bool FAdoptingFont = false; // the font changes because the parent's did: ParentFont stays on
    std::string FText;
    TCursor FCursor = crDefault;
    std::string FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FParentBiDiMode = true;
    TComponent* FPopupMenu = nullptr;
    TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControlState FControlState;
    SIZE FResizedTo{0, 0}; // the size the last Resize reported
};
