// What controls and forms need of the menu components. A control refers to its pop-up menu and a form to
// its main menu through the published "PopupMenu" and "Menu" properties, but the menu classes are built on
// top of the controls; so the menus implement these two small interfaces and the controls talk to them
// through nothing else.
#pragma once

#include "framework/win/windowing/Messages.h"

#include <windows.h>

class TControl;

class TPopupMenuLink {
public:
    // Shows the menu for Control at a point on the screen (a right click or the menu key).
    virtual void PopupFor(TControl& Control, int ScreenX, int ScreenY) = 0;
    // Runs the item whose shortcut the key message is (WM_KEYDOWN or WM_SYSKEYDOWN data); true when one ran.
    virtual bool IsShortCut(const TMessage& KeyMessage) = 0;

protected:
    ~TPopupMenuLink() = default;
};

class TMainMenuLink {
public:
    // The menu bar the form's window shows (null: none).
    virtual HMENU WindowMenu() = 0;
    virtual bool IsShortCut(const TMessage& KeyMessage) = 0;
    // The form's menu messages, offered to the menu before the form handles them: WM_COMMAND from a menu item,
    // WM_INITMENUPOPUP, WM_MENUSELECT, WM_MENUCHAR, and WM_DRAWITEM / WM_MEASUREITEM of menu items. True when
    // the menu handled the message (and set its Result).
    virtual bool FormMessage(TMessage& Message) = 0;

protected:
    ~TMainMenuLink() = default;
};
