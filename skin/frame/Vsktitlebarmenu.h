// TvskTitleBarPopupMenu: the small system menu of a skinned title bar (minimise, maximise/restore, close),
// drawn like every skinned pop-up menu. Its captions are string resources of the program, so that a
// translated build changes them without code.
#pragma once

#include "skin/controls/Vskpopupmenu.h"

class TvskTitleBar;

// The string resources of the three captions.
inline constexpr UINT VskMinimizeCaptionId = 65466;
inline constexpr UINT VskMaximizeCaptionId = 65467;
inline constexpr UINT VskCloseCaptionId = 65468;

class TvskTitleBarPopupMenu : public TvskPopupMenu {
    VSK_CLASS(TvskTitleBarPopupMenu, TvskPopupMenu)

public:
    // Owned by its title bar.
    explicit TvskTitleBarPopupMenu(TvskTitleBar* ATitleBar);

    // Enables each item only while the title bar shows the button it stands for, then shows the menu.
    void Popup(int X, int Y) override;

    TMenuItem* MinimizeItem() const { return FMinimize; }
    TMenuItem* MaximizeItem() const { return FMaximize; }
    TMenuItem* CloseItem() const { return FClose; }

private:
    TMenuItem* AddItem(const std::string& Caption, void (TvskTitleBarPopupMenu::*Click)(TObject*));
    void MinimizeClick(TObject* Sender);
    void MaximizeClick(TObject* Sender);
    void CloseClick(TObject* Sender);

    TvskTitleBar* FTitleBar;
    TMenuItem* FMinimize;
    TMenuItem* FMaximize;
    TMenuItem* FClose;
};
