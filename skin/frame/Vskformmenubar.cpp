#include "skin/frame/Vskformmenubar.h"

#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/OffscreenBuffer.h"
#include "skin/controls/Vskmenu.h"
#include "skin/themes/Vskthemesource.h"

namespace {

constexpr UINT CaptionFormat = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
constexpr int TextDrop = 2;     // the caption sits this much below the button's middle
constexpr int PressedShift = 2; // a pressed button's frame narrows, its text moves right
constexpr TColor DisabledTextColor = clGray;
constexpr TColor LightOnDarkMark = 0x30000; // a file theme's font colour entry asking for white bar text
constexpr const char* MacOSMenuBarResource = "MACOS_MENU_BAR";

void DrawCaption(TCanvas& Canvas, TRect Rect, const std::string& Caption, TColor Color) {
    Canvas.Brush().SetStyle(bsClear);
    Canvas.Font().SetColor(Color);
    Canvas.DrawText(Caption, Rect, CaptionFormat);
}

} // namespace

void VskDrawMenuBarButton(TCanvas& Canvas, const TRect& Rect, const std::string& Caption, bool Enabled,
                          TCustomDrawState State, TvskUIStyle UIStyle, const TvskThemeSource& Theme) {
    const bool Pressed = State.Contains(cdsSelected);
    const bool Lit = Enabled && (Pressed || State.Contains(cdsHot));
    const TColor SelectedText = Theme.Color(VSK_THEME_MENU_SELECTED_FONT_COLOR);
    if (Lit && UIStyle == MacOS) {
        TBitmap Face(Rect.Width(), Rect.Height());
        Menu_DrawMacOSSelectedItem(Face.Canvas(), TRect(0, 0, Rect.Width(), Rect.Height()));
        Face.Canvas().Font().Assign(Canvas.Font());
        DrawCaption(Face.Canvas(), TRect(0, 0, Rect.Width(), Rect.Height() + TextDrop), Caption, SelectedText);
        Canvas.Draw(Rect.left, Rect.top, Face);
        return;
    }
    if (Lit) {
        TRect Frame = Rect;
        if (Pressed) Frame.right -= PressedShift;
        Menu_DrawBackGround(Canvas, Frame, Theme.Color(VSK_THEME_MENU_SELECTED_BACKGROUND_COLOR));
        Menu_DrawBorder(Canvas, Frame, Theme.Color(VSK_THEME_MENU_SELECTED_BORDER_COLOR));
        TRect Text = Rect;
        Text.top += TextDrop;
        if (Pressed) Text.left += PressedShift;
        DrawCaption(Canvas, Text, Caption, SelectedText);
        return;
    }
    TRect Text = Rect;
    Text.top += TextDrop;
    TColor Color = Theme.Color(VSK_THEME_MENU_FONT_COLOR);
    if (Theme.FromFile() && Theme.Color(VSK_THEME_CONTROL_FONT_COLOR) == LightOnDarkMark) Color = clWhite;
    DrawCaption(Canvas, Text, Caption, Enabled ? Color : DisabledTextColor);
}

void VskDrawMenuBarBackground(TCanvas& Canvas, const TRect& Rect, TvskUIStyle UIStyle, TBitmap& Picture) {
    if (UIStyle != MacOS) return;
    if (Picture.Empty()) Picture.LoadFromResourceName(::GetModuleHandleA(nullptr), MacOSMenuBarResource);
    Canvas.StretchDraw(Rect, Picture);
}
