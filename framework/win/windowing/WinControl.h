// TWinControl: a control with a window of its own. The window is made when first needed (Handle,
// HandleNeeded) from the virtual CreateParams, which may superclass a system control; the one trampoline
// window procedure of the framework binds the window to its control at the window's first message and sends
// every message through the control's WindowProc slot.
//
// A windowed control holds child controls (Controls, in z-order, the first at the bottom), aligns and anchors
// them when its client area changes, paints its graphic children after itself, routes mouse messages to the
// graphic child under the pointer, keeps a tab order of its windowed children, and reflects the
// notifications of child windows (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_CTLCOLOR..., scrolling) back to the
// child control as CN_ messages.
//
// Keyboard. The application's message loop first offers key messages to the focused control as CN_KEYDOWN /
// CN_CHAR / CN_SYSKEYDOWN / CN_SYSCHAR. Tab, arrows, Enter and Escape that the control does not want
// (WM_GETDLGCODE, CM_WANTSPECIALKEY) go to its form as CM_DIALOGKEY (Tab and arrows move the focus; the rest
// is broadcast to the form's controls: default and cancel buttons), and characters a control does not want,
// and Alt+letter, go to the form as CM_DIALOGCHAR (broadcast: accelerators).
#pragma once

#include "framework/win/windowing/Control.h"
#include "framework/win/windowing/CreateParams.h"
#include "framework/win/windowing/WindowHandle.h"

#include <memory>
#include <vector>

class TBrush;
class TOffscreenBuffer;

using TKeyEvent = TEvent<TObject* /*Sender*/, WORD& /*Key*/, TShiftState>;
using TKeyPressEvent = TEvent<TObject* /*Sender*/, char& /*Key*/>;

class TWinControl : public TControl {
    VSK_CLASS(TWinControl, TControl)

public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    // The window, made now if there is none yet (and the parent's first). Null only while the control is
    // being destroyed.
    HWND Handle();
    bool HandleAllocated() const { return static_cast<bool>(FHandle); }
    void HandleNeeded() { Handle(); }
    // Destroys the window and makes it again (sends CM_RECREATEWND): for style changes that need a new window.
    void RecreateWnd();
    // The control whose window this is; null for windows that are not the framework's.
    static TWinControl* FindControl(HWND Window);

    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int Index) const;
    void InsertControl(TControl* Control);
    void RemoveControl(TControl* Control);
    bool ContainsControl(const TControl* Control) const;
    // The child at a client point, the topmost first: graphic children only unless AllowWinControls.
    TControl* ControlAtPos(const TPoint& Point, bool AllowDisabled, bool AllowWinControls = false) const;

    // Alignment of the children (see Alignment.h). DisableAlign/EnableAlign bracket many changes so that
    // alignment runs once at the end.
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();
    void Realign();
    void AlignControl(TControl* Control);

    int TabOrder() const;
    void SetTabOrder(int Value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool Value);
    // The windowed descendants in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& List) const;
    TWinControl* FindNextControl(TWinControl* Current, bool GoForward, bool CheckTabStop, bool CheckParent) const;
    void SelectNext(TWinControl* Current, bool GoForward, bool CheckTabStop);

    virtual void SetFocus();
    bool Focused() const;
    virtual bool CanFocus() const;

    // Moves the children by (DeltaX, DeltaY) and scrolls the window's contents along.
    void ScrollBy(int DeltaX, int DeltaY);
    // Paints the graphic children from First (all when null) onto DC, which is in this control's client
    // coordinates.
    void PaintControls(HDC DC, TControl* First);
    // Paints the control and everything on it into DC with its top-left corner at (X, Y): screenshots and
    // tests of painting, also of controls whose windows are hidden or not made yet.
    void PaintTo(HDC DC, int X, int Y);
    // Sends Message to every child until one handles it (sets a result).
    void Broadcast(TMessage& Message);
    // Sends Msg to every child.
    void NotifyControls(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);

    // Opt-in flicker-free painting. A WM_PAINT of the window then paints the control and its graphic children
    // into an off-screen buffer of the client size and puts that on the screen in one BitBlt, and
    // WM_ERASEBKGND erases nothing (a control that is not csOpaque gets its background laid in the buffer).
    // A WM_PAINT that brings its own DC (PaintTo, WM_PRINTCLIENT) gets the part of the buffer that DC shows.
    // The buffer lives from paint to paint while the client size stays, since making a memory DC and bitmap
    // costs more than a whole paint of a small control; it goes with the window.
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool Value);

    // A band of the control's colour inside the window's frame, outside the client area.
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    // The background brush, in the control's colour.
    TBrush* Brush() const { return FBrush.get(); }

    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    bool Showing() const override;
    void Invalidate() override;
    void Update() override;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const override;
    void Loaded() override;

protected:
    virtual void CreateParams(TCreateParams& Params);
    // Makes Params' class a superclass of the system control SystemClass (EDIT, SysListView32, ...).
    static void CreateSubClass(TCreateParams& Params, const char* SystemClass);
    // Makes the window (CreateWnd) and the windows of its visible windowed children.
    virtual void CreateHandle();
    virtual void CreateWnd();
    // Destroys the children's windows, then DestroyWnd.
    void DestroyHandle();
    virtual void DestroyWnd();
    // The window was just made: set its font and z-order.
    virtual void WindowCreated();
    // The window the control's window is made in: the parent's.
    virtual HWND ParentWindowHandle();

    void WndProc(TMessage& Message) override;
    // The window's default processing: the class's default procedure (DefWindowProcA or the superclassed
    // system control's). Framework messages stop here.
    void DefaultHandler(TMessage& Message) override;
    // Calls the default window procedure; forms replace it with the MDI default procedures.
    virtual LRESULT CallDefaultProc(UINT Msg, WPARAM WParam, LPARAM LParam);

    // Lays the children out in Rect, which overrides may shrink (AdjustClientRect) before the inherited call.
    virtual void AlignControls(TControl* AControl, TRect& Rect);
    virtual void AdjustClientRect(TRect& Rect) { (void)Rect; }
    // Shows or hides the window after Visible changed.
    virtual void UpdateShowing();

    // Painting: PaintWindow paints the control itself (a superclassed system control paints itself; a
    // custom control calls Paint), then PaintHandler paints the graphic children.
    virtual void PaintWindow(HDC DC);
    void PaintHandler(HDC DC);
    // The DC of the kept off-screen buffer a double-buffered control paints into; null when there is none.
    HDC PaintBufferDC() const;
    // The kept buffer is about to go: whatever is selected into its DC must leave it now.
    virtual void PaintBufferReleasing() {}

    virtual void KeyDown(WORD& Key, TShiftState Shift);
    virtual void KeyUp(WORD& Key, TShiftState Shift);
    virtual void KeyPress(char& Key);
    virtual void DoEnter();
    virtual void DoExit();
    // Whether a key message is a menu shortcut (pop-up menus up the parent chain, then the form's menu).
    bool IsMenuKey(const TMessage& Message);

    void BoundsChanged(const TRect& Old) override;
    void SetZOrder(bool TopMost) override;
    void Destroying() override;
    // The bounds of the window as it is now, taken over after the system moved or sized it.
    void UpdateBounds();
    // The client area changed size: realign the children and report the resize.
    void ClientResized();

private:
    friend class TControl;
    friend class TCustomForm;

    static LRESULT CALLBACK MainWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
    void Bind(HWND Window);
    void MoveControlInZOrder(TControl* Control, bool TopMost);
    void PlaceWindowInZOrder();
    void FixupTabList();
    void ApplyAnchors(SIZE ClientSize);
    bool IsControlMouseMsg(TMessage& Message);
    void TrackMouse(TMessage& Message);
    bool ReflectToChild(TMessage& Message);
    TRect FrameInsets();
    bool DoKey(TMessage& Message);
    WPARAM KeyEvent(const TMessage& Message);
    bool KeepsKey(const TMessage& Message);

    void PaintGiven(HDC DC);
    void PaintBuffered(HDC Target);
    void PaintContents(HDC DC);
    void ReleasePaintBuffer();

    // Message handlers.
    void WMPaint(TMessage& Message);
    void WMEraseBkgnd(TMessage& Message);
    void WMNCCalcSize(TMessage& Message);
    void WMNCPaint(TMessage& Message);
    void WMSize(TMessage& Message);
    void WMWindowPosChanged(TMessage& Message);
    void WMNCDestroy(TMessage& Message);
    void WMSetFocus(TMessage& Message);
    void WMKillFocus(TMessage& Message);
    void WMSetCursor(TMessage& Message);
    void WMGetMinMaxInfo(TMessage& Message);
    void WMMouse(TMessage& Message);
    void WMMouseLeave();
    void WMCaptureChanged(TMessage& Message);
    void WMKey(TMessage& Message);
    void CNKey(TMessage& Message);
    void CNCtlColor(TMessage& Message);
    void CMFocusChanged(TMessage& Message);
    void CMEnabledChanged();
    void CMFontChanged();
    void CMColorChanged();
    void CMRecreateWnd();

    TWindowHandle FHandle;
    WNDPROC FDefWndProc = ::DefWindowProcA;
    std::vector<TControl*> FControls;   // z-order, bottom first
    std::vector<TWinControl*> FTabList; // the windowed children in tab order
    int FTabOrder = -1;                 // the tab order read from a description, applied by FixupTabList
    bool FTabStop = false;
    int FAlignLevel = 0;
    int FBorderWidth = 0;
    std::unique_ptr<TBrush> FBrush;
    bool FTrackingMouse = false;
    bool FDoubleBuffered = false;
    std::unique_ptr<TOffscreenBuffer> FPaintBuffer; // while double-buffered and the window lives
    bool FPaintingBuffer = false;                   // PaintContents into FPaintBuffer is under way
};
