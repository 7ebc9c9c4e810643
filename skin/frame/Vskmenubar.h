// TvskMenuBar: the menu bar of a skinned frame (the skinned form, the MDI parent frame): a tool bar with one
// button per top-level item of the frame's menu, drawn in the menu colours of the frame's style, or of the
// menu's own style when it is a skinned main menu (whose font it then takes too).
//
// It also works the bar from the keyboard, as a user of a normal menu bar expects: Alt+letter opens the
// menu of that letter; F10, or Alt pressed and released alone, puts the keyboard on the bar (the first
// button lit), where Left and Right go along the buttons, Down, Up or Enter open the lit one, its letter
// opens that one, and Escape, F10 or Alt leave the bar. The frame hands it every key message of its window
// before the message is handled (KeyMessage); menus open from the bar's own queue, never inside the hook.
#pragma once

#include "framework/win/controls/ToolBar.h"
#include "framework/win/graphics/Bitmap.h"
#include "skin/themes/Vskthemetables.h"

class TMainMenu;
class TvskFileTheme;

class TvskMenuBar : public TToolBar {
    VSK_CLASS(TvskMenuBar, TToolBar)

public:
    explicit TvskMenuBar(TComponent* AOwner);

    // The style the frame draws in; a skinned main menu's own style wins over it.
    void SetFrameStyle(TvskUIStyle Style, TvskFileTheme* Theme);
    TMainMenu* Menu() const { return FMenu; }
    // One button per top-level item of Menu, in menu order; none for null. The caller keeps Menu alive or
    // shows another before it goes.
    void ShowMenu(TMainMenu* Menu);
    // Takes the top-level items' captions, enabled and visible states into their buttons.
    void UpdateTopMenu();
    // Takes the menu's font and repaints.
    void RepaintMenuBar();

    // A key (or mouse) message of the frame's window before it is handled; true when the bar took it.
    bool KeyMessage(const MSG& Msg);
    // The button the keyboard is on, or null when the keyboard is not on the bar.
    TToolButton* KeyboardButton() const { return FKeyButton; }
    void LeaveKeyboard();

protected:
    void WndProc(TMessage& Message) override;

private:
    bool SystemKey(const MSG& Msg);
    bool KeyInBar(WPARAM Key);
    void EnterKeyboard(TToolButton* Button);
    // Opens Button's menu (or runs its item) once the message being handled is done.
    void OpenSoon(TToolButton* Button);
    void Open(int Index);
    TToolButton* ButtonOfAccel(char Key) const;
    TvskUIStyle EffectiveStyle() const;
    TvskFileTheme* EffectiveTheme() const;
    void DrawButton(TToolBar* Sender, TToolButton* Button, TCustomDrawState State, bool& DefaultDraw);
    void DrawBackground(TToolBar* Sender, const TRect& Rect, bool& DefaultDraw);

    TMainMenu* FMenu = nullptr;
    TvskUIStyle FFrameStyle = DeepBlue;
    TvskFileTheme* FFrameTheme = nullptr;
    TBitmap FMacOSBackground; // read at the first MacOS paint, not on every one
    TToolButton* FKeyButton = nullptr;
    bool FAltAlone = false; // Alt is down and nothing else happened since
    UINT FOpenMessage;
};
