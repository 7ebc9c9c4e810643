// Each built-in style's push button drawn the way a skinned button draws it: its three frames stretched to
// a narrow and a wide button with the style's own transparency. No fuchsia may show: where the art marks a
// pixel see-through, the style must draw it see-through. Set VANTREL_SCREENSHOTS to a folder to get the
// pictures.
#include "tests/skin/themes/BuiltInStyles.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"

#include "framework/core/PropInfo.h"
#include "skin/themes/Vskpublic.h"
#include "skin/themes/Vskthemes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int ButtonFrames = 3;
constexpr int ButtonHeight = 27;
constexpr int Widths[] = {80, 240};
constexpr int Gap = 4;

TEST(StyleLookTest, ButtonsShowNoFuchsiaInAnyStyle) {
    for (TvskUIStyle Style : BuiltInStyles) {
        const bool Transparent = GetInsideThemeBool(Style, VSK_THEME_BUTTON_TRANSPARENT_BOOL);
        const TColor Face = GetInsideThemeColor(Style, VSK_THEME_FORM_BACKGROUND_COLOR);
        TBitmap Sheet(Widths[0] + Widths[1] + 3 * Gap, ButtonFrames * (ButtonHeight + Gap) + Gap);
        Fill(Sheet, Face);
        for (int Frame = 1; Frame <= ButtonFrames; ++Frame) {
            TBitmap Image;
            GetInsideThemeBitmap(Style, VSK_THEME_BUTTON_IMAGE, &Image, ButtonFrames, Frame);
            int X = Gap;
            for (int Width : Widths) {
                TBitmap Button(Width, ButtonHeight);
                Fill(Button, Face);
                SpitDraw(Image, Button.Canvas(), TRect(0, 0, Width, ButtonHeight), Transparent);
                for (int Y = 0; Y < ButtonHeight; ++Y)
                    for (int BX = 0; BX < Width; ++BX)
                        ASSERT_NE(PixelAt(Button, BX, Y), clFuchsia)
                            << TvskUIStyleInfo.Names[Style] << " frame " << Frame << " at " << BX << ", " << Y;
                Sheet.Canvas().Draw(X, Gap + (Frame - 1) * (ButtonHeight + Gap), Button);
                X += Width + Gap;
            }
        }
        KeepPicture(Sheet, "buttons-" + TvskUIStyleInfo.Names[Style] + ".bmp");
    }
}

} // namespace
