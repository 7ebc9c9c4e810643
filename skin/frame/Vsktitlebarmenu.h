// TvskTitleBarPopupMenu: the small system menu of a skinned title bar (minimise, maximise/restore, close),
// drawn like every skinned pop-up menu. Its captions are string resources of the program, so that a
// translated build changes them without code. They are kept and drawn as UTF-16: the resources are in a script
// that the ANSI code page of a Western system cannot hold. The items' own captions are their ANSI renderings,
// which keep the accelerators.
#pragma once

#include "skin/controls/Vskpopupmenu.h"

#include <map>
#include <string>

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

protected:
    std::wstring WideCaption(const TMenuItem& Item) const override;

private:
    TMenuItem* AddItem(UINT CaptionId, void (TvskTitleBarPopupMenu::*Click)(TObject*));
    void MinimizeClick(TObject* Sender);
    void MaximizeClick(TObject* Sender);
    void CloseClick(TObject* Sender);

    TvskTitleBar* FTitleBar;
    TMenuItem* FMinimize;
    TMenuItem* FMaximize;
    TMenuItem* FClose;
    std::map<const TMenuItem*, std::wstring> FWideCaptions;
};
