// TvskMenuLook: what a skinned menu draws its items with (the published look of TvskPopupMenu and of the
// skinned main menu), how a style sets it, and the measuring and drawing of one item in it. The menus keep
// one look each and only route the framework's measure and draw events here.
#pragma once

#include "framework/core/Colors.h"
#include "framework/win/graphics/Geometry.h"
#include "skin/themes/Vskthemetables.h"

#include <memory>
#include <string>

class TCanvas;
class TComponent;
class TImageList;
class TMenuItem;
class TvskThemeSource;

struct TvskMenuLook {
    // The values a menu has before its first style application.
    static constexpr int InitialItemHeight = 21;
    static constexpr int InitialFontSize = 8;
    static constexpr int InitialFontCharset = 1; // the default character set

    TvskUIStyle UIStyle = DeepBlue;
    int MenuItemHeight = InitialItemHeight;
    int SeparatorHeight = InitialItemHeight;
    int BarWidth = 0;
    TColor BarColor = clBtnFace;
    TColor Color = clWhite;
    TColor SeparatorColor = clGray;
    TColor SelectedBorderColor = clHighlight;
    TColor SelectedColor = clHighlight;
    TColor SelectedFontColor = clWhite;
    TColor FontColor = clWhite;
    TColor BorderColor = clBlack; // stored for descriptions; nothing draws it
    bool FlatMenu = false;
    TColor FlatLineColor = clBlack; // the form background of the style, for the flat frame's edges
    std::string FontName = "MS Sans Serif";
    int FontSize = InitialFontSize;
    int FontCharset = InitialFontCharset;
    bool UseSystemFont = true;

    bool IsMacOS() const { return UIStyle == MacOS; }
    // Stores UIStyle and takes the style's heights and colours from Theme (the source UIStyle and the menu's
    // file theme resolve to).
    void Apply(TvskUIStyle Style, const TvskThemeSource& Theme);
    // The item heights may be set by hand, except in MacOS, whose bitmaps have fixed heights.
    void SetMenuItemHeight(int Value);
    void SetSeparatorHeight(int Value);

    void MeasureItem(const TMenuItem& Item, TCanvas& Canvas, int& Width, int& Height) const;
    // Images: the menu's image list (null for none); CheckMarks: the check mark for checked items without an
    // image of their own.
    void DrawItem(const TMenuItem& Item, TCanvas& Canvas, const TRect& Rect, bool Selected, const TImageList* Images,
                  const TImageList& CheckMarks) const;

private:
    void DrawPlainBackground(TCanvas& Canvas, const TRect& Rect) const;
    void PrepareFont(const TMenuItem& Item, TCanvas& Canvas, bool Selected) const;
    void DrawGlyph(const TMenuItem& Item, TCanvas& Canvas, const TRect& Rect, const TImageList* Images,
                   const TImageList& CheckMarks) const;
};

// A new image list holding the check mark of skinned menus (the "MENU_CHECKED" bitmap, white see-through).
std::unique_ptr<TImageList> VskMakeCheckMarkList(TComponent* Owner);

// The check mark all skinned menus share: made from the "MENU_CHECKED" bitmap when the first menu needs it
// and freed with the last one, so that no image list outlives the menus.
class TvskCheckMarks {
public:
    TvskCheckMarks();
    ~TvskCheckMarks();
    TvskCheckMarks(const TvskCheckMarks&) = delete;
    TvskCheckMarks& operator=(const TvskCheckMarks&) = delete;

    const TImageList& List() const;
};
