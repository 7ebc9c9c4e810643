#include "skin/controls/Vskmenulook.h"

#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/ImageList.h"
#include "framework/win/menus/MenuItem.h"
#include "framework/win/menus/ShortCuts.h"
#include "skin/controls/Vskmenu.h"
#include "skin/themes/Vskthemesource.h"

#include <memory>

namespace {

// Every style draws a left bar this wide.
constexpr int StyleBarWidth = 26;
// The MacOS item bitmaps are this high; the other styles' items and separators are drawn to these heights.
constexpr int MacOSItemHeight = 20;
constexpr int MacOSSeparatorHeight = 12;
constexpr int StyleItemHeight = 21;
constexpr int StyleSeparatorHeight = 5;
constexpr TColor MacOSSeparatorColor = clBlack;
constexpr TColor StyleSeparatorColor = 0x848284;

// Item layout, in pixels from the item's corner.
constexpr int TextLeftGap = 4; // from the left bar to the caption
constexpr int TextTop = 4;     // caption and shortcut text
constexpr int ShortCutRightGap = 16;
constexpr int MeasureExtraWidth = 40; // room for the gaps around caption and shortcut
constexpr TPoint GlyphOrigin{4, 3};   // the check mark or the item's image
constexpr TRect CheckBoxFrame{2, 1, 21, 20};
constexpr TRect CheckBoxFill{3, 2, 20, 19};
constexpr TColor DisabledTextColor = clGray;

constexpr const char* CheckMarkResource = "MENU_CHECKED";
constexpr TColor CheckMarkMaskColor = clWhite;

TRect Offset(const TRect& Rect, const TRect& By) {
    return TRect(Rect.left + By.left, Rect.top + By.top, Rect.left + By.right, Rect.top + By.bottom);
}

bool HasUsableImage(const TMenuItem& Item, const TImageList* Images) {
    return Item.ImageIndex() != -1 && Images && Item.ImageIndex() < Images->Count();
}

// The shared check mark and the number of TvskCheckMarks holding it.
std::unique_ptr<TImageList> GCheckMarks;
int GCheckMarkUsers = 0;

} // namespace

void TvskMenuLook::Apply(TvskUIStyle Style, const TvskThemeSource& Theme) {
    UIStyle = Style;
    BarWidth = StyleBarWidth;
    MenuItemHeight = IsMacOS() ? MacOSItemHeight : StyleItemHeight;
    SeparatorHeight = IsMacOS() ? MacOSSeparatorHeight : StyleSeparatorHeight;
    SeparatorColor = IsMacOS() ? MacOSSeparatorColor : StyleSeparatorColor;
    BarColor = Theme.Color(VSK_THEME_MENU_BAR_COLOR);
    Color = Theme.Color(VSK_THEME_MENU_BACKGROUND_COLOR);
    FontColor = Theme.Color(VSK_THEME_MENU_FONT_COLOR);
    SelectedBorderColor = Theme.Color(VSK_THEME_MENU_SELECTED_BORDER_COLOR);
    SelectedColor = Theme.Color(VSK_THEME_MENU_SELECTED_BACKGROUND_COLOR);
    SelectedFontColor = Theme.Color(VSK_THEME_MENU_SELECTED_FONT_COLOR);
    FlatLineColor = Theme.Color(VSK_THEME_FORM_BACKGROUND_COLOR);
}

void TvskMenuLook::SetMenuItemHeight(int Value) {
    if (!IsMacOS()) MenuItemHeight = Value;
}

void TvskMenuLook::SetSeparatorHeight(int Value) {
    if (!IsMacOS()) SeparatorHeight = Value;
}

void TvskMenuLook::MeasureItem(const TMenuItem& Item, TCanvas& Canvas, int& Width, int& Height) const {
    Height = Item.IsLine() ? SeparatorHeight : MenuItemHeight;
    Width = Canvas.TextWidth(Item.Caption()) + Canvas.TextWidth(ShortCutToText(Item.ShortCut())) + BarWidth +
            MeasureExtraWidth;
}

void TvskMenuLook::DrawPlainBackground(TCanvas& Canvas, const TRect& Rect) const {
    if (BarWidth > 0)
        Menu_DrawBackGround(Canvas, TRect(Rect.left, Rect.top, Rect.left + BarWidth, Rect.bottom), BarColor);
    Menu_DrawBackGround(Canvas, TRect(Rect.left + BarWidth, Rect.top, Rect.right, Rect.bottom), Color);
}

void TvskMenuLook::DrawItem(const TMenuItem& Item, TCanvas& Canvas, const TRect& Rect, bool Selected,
                            const TImageList* Images, const TImageList& CheckMarks) const {
    if (FlatMenu) Menu_DrawWindowBorder(::WindowFromDC(Canvas.Handle()), clBlack, FlatLineColor);
    if (Item.IsLine()) {
        if (IsMacOS()) {
            Menu_DrawMacOSLineItem(Canvas, Rect);
        } else {
            DrawPlainBackground(Canvas, Rect);
            Menu_DrawLineItem(Canvas, Rect, SeparatorColor, BarWidth);
        }
        return;
    }
    // A disabled item never shows the selection.
    const bool Highlighted = Selected && Item.Enabled();
    if (Highlighted && IsMacOS()) {
        Menu_DrawMacOSSelectedItem(Canvas, Rect);
    } else if (Highlighted) {
        Menu_DrawBackGround(Canvas, Rect, SelectedColor);
        Menu_DrawBorder(Canvas, Rect, SelectedBorderColor);
    } else if (IsMacOS()) {
        Menu_DrawMacOSNonSelectedItem(Canvas, Rect);
    } else {
        DrawPlainBackground(Canvas, Rect);
    }
    PrepareFont(Item, Canvas, Highlighted);
    Canvas.Brush().SetStyle(bsClear);
    TRect TextRect(Rect.left + BarWidth + TextLeftGap, Rect.top + TextTop, Rect.right, Rect.bottom);
    Canvas.DrawText(Item.Caption(), TextRect, DT_SINGLELINE);
    const std::string ShortCut = ShortCutToText(Item.ShortCut());
    if (!ShortCut.empty())
        Canvas.TextOut(Rect.right - Canvas.TextWidth(ShortCut) - ShortCutRightGap, Rect.top + TextTop, ShortCut);
    DrawGlyph(Item, Canvas, Rect, Images, CheckMarks);
}

void TvskMenuLook::PrepareFont(const TMenuItem& Item, TCanvas& Canvas, bool Selected) const {
    TFont& Font = Canvas.Font();
    if (UseSystemFont) {
        Menu_GetSystemFont(Font); // a failed query leaves the canvas font as it is
    } else {
        Font.SetName(FontName);
        Font.SetSize(FontSize);
        Font.SetCharset(FontCharset);
    }
    if (!Item.Enabled())
        Font.SetColor(DisabledTextColor);
    else
        Font.SetColor(Selected ? SelectedFontColor : FontColor);
    TFontStyles Style = Font.Style();
    if (Item.Default()) Style.Include(fsBold);
    Font.SetStyle(Style);
}

void TvskMenuLook::DrawGlyph(const TMenuItem& Item, TCanvas& Canvas, const TRect& Rect, const TImageList* Images,
                             const TImageList& CheckMarks) const {
    const bool HasImage = HasUsableImage(Item, Images);
    if (Item.Checked()) {
        if (HasImage) {
            Menu_DrawBorder(Canvas, Offset(Rect, CheckBoxFrame), clBlack);
            Menu_DrawBackGround(Canvas, Offset(Rect, CheckBoxFill), SelectedColor);
        } else {
            CheckMarks.Draw(Canvas, Rect.left + GlyphOrigin.x, Rect.top + GlyphOrigin.y, 0, Item.Enabled());
        }
    }
    if (HasImage)
        Images->Draw(Canvas, Rect.left + GlyphOrigin.x, Rect.top + GlyphOrigin.y, Item.ImageIndex(), Item.Enabled());
}

std::unique_ptr<TImageList> VskMakeCheckMarkList(TComponent* Owner) {
    auto List = std::make_unique<TImageList>(Owner);
    TBitmap Mark;
    Mark.LoadFromResourceName(::GetModuleHandleA(nullptr), CheckMarkResource);
    List->AddMasked(Mark, CheckMarkMaskColor);
    return List;
}

TvskCheckMarks::TvskCheckMarks() {
    if (GCheckMarkUsers++ > 0) return;
    GCheckMarks = VskMakeCheckMarkList(nullptr);
}

TvskCheckMarks::~TvskCheckMarks() {
    if (--GCheckMarkUsers == 0) GCheckMarks.reset();
}

const TImageList& TvskCheckMarks::List() const {
    return *GCheckMarks;
}
