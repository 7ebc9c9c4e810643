#pragma once

#include "framework/core/Component.h"
#include "skin/themes/Vskthemes.h"

#include <functional>
#include <string>

class TMenuItem;
class TvskFileTheme;

// The look the user chose for the program's windows: one of the five built-in styles or a .vsk theme file,
// applied to every skinned component of the window at once and remembered in vantrel.ini, so that the next
// start shows it again. Until a look is chosen the window keeps the look stored with it.
//
// It offers itself as a "Look" sub-menu (the styles, then "Theme File..."), checked at the look in use.
class TLookChoice : public TComponent {
    VSK_CLASS(TLookChoice, TComponent)

public:
    // AOwner is the window whose components take the look (and, through them, the components they own).
    explicit TLookChoice(TComponent* AOwner);

    // Adds the "Look" sub-menu to Parent at nIndex.
    void AddMenu(TMenuItem& Parent, int nIndex);
    // Applies the look vantrel.ini remembers; nothing when none is remembered or its theme file is gone.
    void Restore();
    // Applies a built-in style and remembers it.
    void SetStyle(TvskUIStyle nStyle);
    // Applies the theme file and remembers it; a file that cannot be read is reported (a message box naming it)
    // and the current look stays. bQuiet: no message (at start-up).
    bool SetThemeFile(const std::string& sPath, bool bQuiet = false);
    // The look now: a built-in style, or FromThemeFile with ThemeFile.
    TvskUIStyle Style() const { return m_nStyle; }
    TvskFileTheme* ThemeFile() const { return m_pTheme; }
    // Gives the look to Root's skinned components, and theirs (a window made after the choice, say).
    void ApplyTo(TComponent& Root) const;

    // Asks for the theme file to use; the system's file dialog unless replaced.
    std::function<bool(std::string& sPath)> ChooseThemeFile;

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void StyleClick(TObject* Sender);
    void ThemeFileClick(TObject* Sender);
    void Apply();
    void CheckItems();

    TvskUIStyle m_nStyle;
    TvskFileTheme* m_pTheme = nullptr; // owned as a component while a theme file is in use
    TMenuItem* m_pStyleItems[BlueGlass + 1] = {};
    TMenuItem* m_pThemeFileItem = nullptr;
    std::string m_sThemeFile;
};
