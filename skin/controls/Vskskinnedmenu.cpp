#include "skin/controls/Vskskinnedmenu.h"

#include "framework/core/Properties.h"
#include "framework/win/menus/MainMenu.h"
#include "framework/win/menus/PopupMenu.h"
#include "skin/controls/Vskmenu.h"

#include <string>

template<class TBase>
const TClassInfo& TvskSkinnedMenu<TBase>::StaticClassInfo() {
    // Never destroyed, as the class information that keeps a pointer to it.
    static const auto* const Name = new std::string("TvskSkinnedMenu<" + TBase::StaticClassInfo().Name() + ">");
    static const TClassInfo& Info = BuildClassInfo<TvskSkinnedMenu>(Name->c_str());
    return Info;
}

template<class TBase>
void TvskSkinnedMenu<TBase>::Publish(TPublisher<TvskSkinnedMenu>& p) {
    using T = TvskSkinnedMenu;
    p.Bool("OwnerDraw", &T::OwnerDraw, &T::SetOwnerDraw).Stored(false);
    p.Int("MenuItemHeight", &T::MenuItemHeight, &T::SetHeight);
    p.Int("SeparatorHeight", &T::SeparatorHeight, &T::SetSeparatorHeight);
    p.Int("BarWidth", &T::BarWidth, &T::SetBarWidth);
    p.Color("BarColor", &T::BarColor, &T::SetBarColor);
    p.Color("Color", &T::Color, &T::SetColor);
    p.Color("SeparatorColor", &T::SeparatorColor, &T::SetSeparatorColor);
    p.Color("SelectedBorderColor", &T::SelectedBorderColor, &T::SetSelectedBorderColor);
    p.Color("SelectedColor", &T::SelectedColor, &T::SetSelectedColor);
    p.Color("SelectedFontColor", &T::SelectedFontColor, &T::SetSelectedFontColor);
    p.Color("FontColor", &T::FontColor, &T::SetFontColor);
    p.Color("BorderColor", &T::BorderColor, &T::SetBorderColor);
    p.Bool("FlatMenu", &T::FlatMenu, &T::SetFlatMenu).Default(false);
    p.Str("FontName", &T::FontName, &T::SetFontName);
    p.Int("FontSize", &T::FontSize, &T::SetFontSize).Default(TvskMenuLook::InitialFontSize);
    p.Int("FontCharset", &T::FontCharset, &T::SetFontCharset).Default(TvskMenuLook::InitialFontCharset);
    p.Bool("UseSystemFont", &T::UseSystemFont, &T::SetUseSystemFont).Default(true);
}

template<class TBase>
TvskSkinnedMenu<TBase>::TvskSkinnedMenu(TComponent* AOwner) : inherited(AOwner) {
    TBase::SetOwnerDraw(true);
}

template<class TBase>
void TvskSkinnedMenu<TBase>::SetUseSystemFont(bool Value) {
    FLook.UseSystemFont = Value;
    FontChanged();
}

template<class TBase>
void TvskSkinnedMenu<TBase>::HookItems() {
    TMenuMeasureItemEvent Measure;
    Measure.Bind(this, &TvskSkinnedMenu::MeasureItem);
    TMenuDrawItemEvent Draw;
    Draw.Bind(this, &TvskSkinnedMenu::DrawItem);
    TMenuItem* Root = this->Items();
    for (int Index = 0; Index < Root->Count(); ++Index)
        Menu_SetItemEvent(*Root->Items(Index), Measure, Draw);
}

template<class TBase>
void TvskSkinnedMenu<TBase>::MeasureItem(TObject* Sender, TCanvas* Canvas, int& Width, int& Height) {
    const auto& Item = *static_cast<TMenuItem*>(Sender);
    FLook.MeasureItem(Item, *Canvas, Width, Height, WideCaption(Item));
}

template<class TBase>
void TvskSkinnedMenu<TBase>::DrawItem(TObject* Sender, TCanvas* Canvas, const TRect& Rect, bool Selected) {
    const auto& Item = *static_cast<TMenuItem*>(Sender);
    FLook.DrawItem(Item, *Canvas, Rect, Selected, ItemImages(), CheckMarks(), WideCaption(Item));
}

template class TvskSkinnedMenu<TPopupMenu>;
template class TvskSkinnedMenu<TMainMenu>;
