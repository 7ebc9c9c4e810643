// Captions must read clearly on the title art of every built-in style: the caption colour against every
// pixel of the band its text covers reaches the 4.5 : 1 contrast of legible text.
#include "tests/support/Pixels.h"

#include "skin/themes/Vskthemes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double LegibleContrast = 4.5;
constexpr int CaptionTextHeight = 13; // Tahoma bold, 8 points

double Channel(int Value) {
    const double C = Value / 255.0;
    return C <= 0.03928 ? C / 12.92 : std::pow((C + 0.055) / 1.055, 2.4);
}

double Luminance(TColor Color) {
    return 0.2126 * Channel(GetRValue(Color)) + 0.7152 * Channel(GetGValue(Color)) + 0.0722 * Channel(GetBValue(Color));
}

double Contrast(TColor A, TColor B) {
    const double La = Luminance(A), Lb = Luminance(B);
    return (std::max(La, Lb) + 0.05) / (std::min(La, Lb) + 0.05);
}

TEST(CaptionContrast, EveryStylesCaptionReadsOnItsTitleArt) {
    for (TvskUIStyle Style : {MacOS, WinXP, DeepBlue, Protein, BlueGlass}) {
        TBitmap Band, Strip;
        GetInsideThemeBitmap(Style, VSK_THEME_TITLE_BAR_CLIENT_IMAGE, &Band);
        GetInsideThemeBitmap(Style, VSK_THEME_TITLE_BAR_BUTTON_IMAGE, &Strip);
        const int Top =
            GetInsideThemeInt(Style, VSK_THEME_TITLE_BAR_BUTTON_TOP_INT) + (Strip.Height() - CaptionTextHeight) / 2;
        const TColor Caption = Style == MacOS ? clBlack : clWhite;
        double Lowest = 100;
        for (int Y = Top; Y < Top + CaptionTextHeight; ++Y)
            Lowest = std::min(Lowest, Contrast(Caption, PixelAt(Band, 0, Y)));
        EXPECT_GE(Lowest, LegibleContrast) << TvskUIStyleInfo.Names[Style];
    }
}

} // namespace
