// TvskPopupMenu: the framework's pop-up menu with every item drawn in the colours of a skin style: a bar
// down the left side, the background, a framed selection, thin separator lines, check marks and, in MacOS,
// the MacOS menu bitmaps. Items added at any time are drawn so too.
#pragma once

#include "framework/win/menus/PopupMenu.h"
#include "skin/controls/Vskmenulook.h"
#include "skin/themes/Vskthemed.h"

#include <string>

class TvskPopupMenu : public TvskThemed<TPopupMenu> {
    VSK_CLASS(TvskPopupMenu, TvskThemed<TPopupMenu>)

public:
    explicit TvskPopupMenu(TComponent* AOwner);

    // Always owner-drawn: the published value reads true and cannot be changed.
    bool OwnerDraw() const { return true; }
    void SetOwnerDraw(bool) {}

    const TvskMenuLook& Look() const { return FLook; }
    int MenuItemHeight() const { return FLook.MenuItemHeight; }
    void SetHeight(int Value) { FLook.SetMenuItemHeight(Value); }
    int SeparatorHeight() const { return FLook.SeparatorHeight; }
    void SetSeparatorHeight(int Value) { FLook.SetSeparatorHeight(Value); }
    int BarWidth() const { return FLook.BarWidth; }
    void SetBarWidth(int Value) { FLook.BarWidth = Value; }
    TColor BarColor() const { return FLook.BarColor; }
    void SetBarColor(TColor Value) { FLook.BarColor = Value; }
    TColor Color() const { return FLook.Color; }
    void SetColor(TColor Value) { FLook.Color = Value; }
    TColor SeparatorColor() const { return FLook.SeparatorColor; }
    void SetSeparatorColor(TColor Value) { FLook.SeparatorColor = Value; }
    TColor SelectedBorderColor() const { return FLook.SelectedBorderColor; }
    void SetSelectedBorderColor(TColor Value) { FLook.SelectedBorderColor = Value; }
    TColor SelectedColor() const { return FLook.SelectedColor; }
    void SetSelectedColor(TColor Value) { FLook.SelectedColor = Value; }
    TColor SelectedFontColor() const { return FLook.SelectedFontColor; }
    void SetSelectedFontColor(TColor Value) { FLook.SelectedFontColor = Value; }
    TColor FontColor() const { return FLook.FontColor; }
    void SetFontColor(TColor Value) { FLook.FontColor = Value; }
    TColor BorderColor() const { return FLook.BorderColor; }
    void SetBorderColor(TColor Value) { FLook.BorderColor = Value; }
    bool FlatMenu() const { return FLook.FlatMenu; }
    void SetFlatMenu(bool Value) { FLook.FlatMenu = Value; }
    const std::string& FontName() const { return FLook.FontName; }
    void SetFontName(const std::string& Value) { FLook.FontName = Value; }
    int FontSize() const { return FLook.FontSize; }
    void SetFontSize(int Value) { FLook.FontSize = Value; }
    int FontCharset() const { return FLook.FontCharset; }
    void SetFontCharset(int Value) { FLook.FontCharset = Value; }
    bool UseSystemFont() const { return FLook.UseSystemFont; }
    void SetUseSystemFont(bool Value) { FLook.UseSystemFont = Value; }

    // Routes the measure and draw events of every item (and sub-item) to this menu.
    void MenuAdded();
    // The framework's measure and draw events of one item.
    void MeasureItem(TObject* Sender, TCanvas* Canvas, int& Width, int& Height);
    void DrawItem(TObject* Sender, TCanvas* Canvas, const TRect& Rect, bool Selected);

    void Loaded() override;

protected:
    // The UTF-16 text an item shows instead of its caption; empty for the caption itself.
    virtual std::wstring WideCaption(const TMenuItem& Item) const;
    // Nothing is repainted: a menu's items are drawn when it is next shown.
    void ApplyUIStyle(const TvskThemeSource& Theme) override;
    // A changed structure may bring items that do not draw through this menu yet.
    void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) override;

private:
    TvskMenuLook FLook;
    TvskCheckMarks FCheckMarks;
};
