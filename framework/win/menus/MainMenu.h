// TMainMenu: the menu bar of a form (the form's Menu). The form hands it the menu messages of its window:
// clicks on items, owner drawing, sub-menus opening, and the keyboard's shortcuts.
#pragma once

#include "framework/win/menus/Menu.h"
#include "framework/win/menus/MenuLinks.h"

class TMainMenu : public TMenu, public TMainMenuLink {
    VSK_CLASS(TMainMenu, TMenu)

public:
    explicit TMainMenu(TComponent* AOwner);

    HMENU WindowMenu() override { return Handle(); }
    bool IsShortCut(const TMessage& KeyMessage) override { return TMenu::IsShortCut(KeyMessage); }
    bool FormMessage(TMessage& Message) override;

protected:
    void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) override;
    bool IsMenuBar() const override { return true; }
    void Destroying() override;

private:
    // The window whose menu bar this menu is, or null.
    HWND FormWindow() const;
};
