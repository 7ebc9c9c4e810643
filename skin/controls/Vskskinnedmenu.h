// TvskSkinnedMenu<TBase>: what the skinned pop-up menu and the skinned main menu have in common, over the
// framework's menu class each of them is (TPopupMenu, TMainMenu): always owner-drawn, the published look
// (TvskMenuLook) that each style application sets, and every item measured and drawn in that look. The two
// menus differ only in where a checked item's mark comes from (CheckMarks) and in what a change of the
// font means to them (FontChanged).
#pragma once

#include "skin/controls/Vskmenulook.h"
#include "skin/themes/Vskthemed.h"

class TImageList;

template<class TBase>
class TvskSkinnedMenu : public TvskThemed<TBase> {
public:
    using inherited = TvskThemed<TBase>;

    static const TClassInfo& StaticClassInfo();
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static void Publish(TPublisher<TvskSkinnedMenu>& p);

    explicit TvskSkinnedMenu(TComponent* AOwner);

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
    void SetUseSystemFont(bool Value);

    // Routes the measure and draw events of every item (and sub-item) to this menu.
    void HookItems();
    // The framework's measure and draw events of one item.
    void MeasureItem(TObject* Sender, TCanvas* Canvas, int& Width, int& Height);
    void DrawItem(TObject* Sender, TCanvas* Canvas, const TRect& Rect, bool Selected);

protected:
    // Nothing is repainted: a menu's items are drawn when it is next shown.
    void ApplyUIStyle(const TvskThemeSource& Theme) override { FLook.Apply(this->UIStyle(), Theme); }
    // The images items show beside their captions (null for none), and the check mark of a checked item
    // without an image.
    virtual const TImageList* ItemImages() const { return TBase::Images(); }
    virtual const TImageList& CheckMarks() const = 0;
    // UseSystemFont changed.
    virtual void FontChanged() {}

private:
    TvskMenuLook FLook;
};
