// Window messages as the controls see them: TMessage (one message with its result), the per-control window
// procedure type, the framework's own notifications (CM_) and the control notifications that a parent
// reflects back to the child control that sent them (CN_), plus small typed readers of message parameters.
//
// The numbering is the classic one: CM_ messages from 0xB000, CN_ messages at 0xBC00 + the Win32 message, so
// code written against that numbering (the recreate-window notification 0xB033, the reflected WM_PARENTNOTIFY
// 0xBE10) keeps working.
#pragma once

#include "framework/core/Sets.h"
#include "framework/win/graphics/Geometry.h"
#include "framework/win/graphics/HandleOwners.h"

#include <windows.h>

#include <windowsx.h>

#include <cstdint>
#include <functional>

// One message on its way through a control's window procedure. Handlers set Result; the trampoline returns
// it to the system.
struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};

// A control's replaceable window procedure (see TControl::WindowProc).
using TWndMethod = std::function<void(TMessage&)>;

inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_ACTIVATE = CM_BASE + 0;
inline constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
inline constexpr UINT CM_DIALOGKEY = CM_BASE + 5;    // WParam: virtual key, LParam: key data
inline constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;   // WParam: character, LParam: key data
inline constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7; // LParam: the newly focused TWinControl*
inline constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
inline constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
inline constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11; // WParam: the new Visible
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
inline constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
inline constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
inline constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
inline constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 19; // LParam: the control the pointer entered
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 20; // LParam: the control the pointer left
inline constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
inline constexpr UINT CM_ENTER = CM_BASE + 26;
inline constexpr UINT CM_EXIT = CM_BASE + 27;
inline constexpr UINT CM_ICONCHANGED = CM_BASE + 29;
inline constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 30; // WParam: virtual key; Result 1 = the control wants it
inline constexpr UINT CM_RELEASE = CM_BASE + 33;        // posted to a form that is to destroy itself
inline constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 40;
inline constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44; // WParam: the TControl*, LParam: 1 inserted, 0 removed
inline constexpr UINT CM_RECREATEWND = CM_BASE + 51;
static_assert(CM_RECREATEWND == 0xB033, "code hooked into forms relies on this number");

inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_CHARTOITEM = CN_BASE + WM_CHARTOITEM;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_COMPAREITEM = CN_BASE + WM_COMPAREITEM;
inline constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
inline constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
inline constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
inline constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
inline constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
inline constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
inline constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
inline constexpr UINT CN_DELETEITEM = CN_BASE + WM_DELETEITEM;
inline constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
inline constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
inline constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
inline constexpr UINT CN_PARENTNOTIFY = CN_BASE + WM_PARENTNOTIFY;
static_assert(CN_PARENTNOTIFY == 0xBE10, "code hooked into forms relies on this number");
inline constexpr UINT CN_VKEYTOITEM = CN_BASE + WM_VKEYTOITEM;
inline constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
inline constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
inline constexpr UINT CN_KEYUP = CN_BASE + WM_KEYUP;
inline constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
inline constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
inline constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;

// The framework's messages stop at the framework: they never reach a system window procedure.
inline constexpr bool IsFrameworkMessage(UINT Msg) {
    return Msg >= CM_BASE && Msg < 0xC000;
}

// Modifier keys and mouse buttons held during an input event.
enum TShiftStateItem : std::uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;
enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

// The point of a client-area mouse message (signed: captured mouse messages may lie left of or above it).
inline TPoint MousePoint(const TMessage& Message) {
    return {GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
}
inline LPARAM PointToLParam(const TPoint& Point) {
    return MAKELPARAM(static_cast<WORD>(Point.x), static_cast<WORD>(Point.y));
}
// The MK_ flags of a mouse message as a shift state (Alt is read from the keyboard: mouse messages omit it).
TShiftState KeysToShiftState(WPARAM Keys);
// The shift state of a key message: Shift and Ctrl from the keyboard, Alt from the key data (bit 29).
TShiftState KeyDataToShiftState(LPARAM KeyData);

// The DC a message brings along (WM_PAINT from PaintTo or a parent, WM_ERASEBKGND, WM_PRINTCLIENT,
// WM_CTLCOLOR...): the sender's, drawn on and never freed here. Null for a WM_PAINT of the system's own.
inline TBorrowedDC MessageDC(const TMessage& Message) {
    return TBorrowedDC(reinterpret_cast<HDC>(Message.WParam));
}

// Pointers travel in message parameters (CM_FOCUSCHANGED, CM_MOUSEENTER).
template<class T>
T* PointerParam(LPARAM Param) {
    return reinterpret_cast<T*>(Param);
}
template<class T>
LPARAM ParamOfPointer(T* Pointer) {
    return reinterpret_cast<LPARAM>(Pointer);
}
