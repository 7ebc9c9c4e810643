// TPopupMenu: a menu shown at a point of the screen (Popup), or for a control when the user right-clicks it
// or presses the menu key (the control's PopupMenu). Its items' messages go to a hidden window of the
// framework, so the menu works for any control, windowed or not. Popup returns when the menu closes; the
// chosen item's OnClick runs from the message loop right after.
#pragma once

#include "framework/win/menus/Menu.h"
#include "framework/win/menus/MenuLinks.h"

#include <cstdint>
#include <memory>

class TUtilityWindow;

struct TEnumInfo;

enum TPopupAlignment : std::uint8_t { paLeft, paRight, paCenter };
extern const TEnumInfo TPopupAlignmentInfo;

class TPopupMenu : public TMenu, public TPopupMenuLink {
    VSK_CLASS(TPopupMenu, TMenu)

public:
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;

    // Shows the menu with its corner (by Alignment) at a point on the screen.
    virtual void Popup(int X, int Y);
    // The control the menu was last shown for (null when shown by Popup alone).
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* Value);
    // Which side of the menu lies at the point.
    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
    // Shown by a right click on the controls that name it.
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool Value) { FAutoPopup = Value; }

    void PopupFor(TControl& Control, int ScreenX, int ScreenY) override;
    bool IsShortCut(const TMessage& KeyMessage) override { return TMenu::IsShortCut(KeyMessage); }

    // Just before the menu shows: the moment to enable, check or hide items.
    TNotifyEvent OnPopup;

    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    virtual void DoPopup();

private:
    TComponent* FPopupComponent = nullptr;
    TPopupAlignment FAlignment = paLeft;
    bool FAutoPopup = true;
    std::shared_ptr<TUtilityWindow> FWindow;
};
