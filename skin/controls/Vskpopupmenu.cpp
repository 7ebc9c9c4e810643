#include "skin/controls/Vskpopupmenu.h"

#include "framework/core/Properties.h"
#include "skin/controls/Vskmenu.h"

VSK_IMPLEMENT_CLASS(TvskPopupMenu)

void TvskPopupMenu::Publish(TPublisher<TvskPopupMenu>& p) {
    using T = TvskPopupMenu;
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

TvskPopupMenu::TvskPopupMenu(TComponent* AOwner) : inherited(AOwner) {
    TPopupMenu::SetOwnerDraw(true);
    ApplyStartUpStyle();
}

void TvskPopupMenu::ApplyUIStyle(const TvskThemeSource& Theme) {
    FLook.Apply(UIStyle(), Theme);
}

void TvskPopupMenu::MenuAdded() {
    TMenuMeasureItemEvent Measure;
    Measure.Bind(this, &TvskPopupMenu::MeasureItem);
    TMenuDrawItemEvent Draw;
    Draw.Bind(this, &TvskPopupMenu::DrawItem);
    for (int Index = 0; Index < Items()->Count(); ++Index)
        Menu_SetItemEvent(*Items()->Items(Index), Measure, Draw);
}

void TvskPopupMenu::MeasureItem(TObject* Sender, TCanvas* Canvas, int& Width, int& Height) {
    const auto& Item = *static_cast<TMenuItem*>(Sender);
    FLook.MeasureItem(Item, *Canvas, Width, Height, WideCaption(Item));
}

void TvskPopupMenu::DrawItem(TObject* Sender, TCanvas* Canvas, const TRect& Rect, bool Selected) {
    const auto& Item = *static_cast<TMenuItem*>(Sender);
    FLook.DrawItem(Item, *Canvas, Rect, Selected, Images(), FCheckMarks.List(), WideCaption(Item));
}

std::wstring TvskPopupMenu::WideCaption(const TMenuItem&) const {
    return {};
}

void TvskPopupMenu::Loaded() {
    inherited::Loaded();
    MenuAdded();
}

void TvskPopupMenu::MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) {
    // A menu being destroyed lets go of its items one by one: nothing to hook then.
    if (Rebuild && !ComponentState().Contains(csDestroying)) MenuAdded();
    inherited::MenuChanged(Sender, Source, Rebuild);
}
