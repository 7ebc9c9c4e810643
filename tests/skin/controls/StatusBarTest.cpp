// The skinned status bar: the style's colour, its own grip on sizeable forms only, and no mouse at all while
// its form is maximized.
#include "tests/skin/controls/SkinControlFixture.h"
#include "tests/support/HandleSnapshot.h"
#include "tests/support/Messages.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"

#include "framework/win/graphics/ColorConversion.h"
#include "skin/controls/Vskstatusbar.h"

#include <utility>

namespace {

struct StatusBarTest : SkinControlFixture {
    TvskStatusBar* Bar = Make<TvskStatusBar>(0, 0);

    StatusBarTest() {
        Bar->SetAlign(alBottom);
        Bar->SetHeight(19);
        PumpMessages();
    }

    int GripPixels() {
        const auto Image = PaintedImage(*Bar);
        const TColor Line = ColorToRGB(clInactiveCaption);
        int Count = 0;
        for (int Y = Bar->Height() - VskStatusGripSize; Y < Bar->Height(); ++Y)
            for (int X = Bar->Width() - VskStatusGripSize; X < Bar->Width(); ++X)
                if (PixelAt(*Image, X, Y) == Line) ++Count;
        return Count;
    }
};

} // namespace

TEST_F(StatusBarTest, TakesTheFormColourOfItsStyle) {
    for (const auto& [Style, Color] :
         {std::pair{MacOS, 0xE7E7E7}, std::pair{WinXP, 0xDEEBEF}, std::pair{DeepBlue, 0xE8E8E8},
          std::pair{Protein, 0xFBFBFB}, std::pair{BlueGlass, 0xE7E7E7}}) {
        Bar->SetUIStyle(Style);
        EXPECT_EQ(static_cast<TColor>(Color), Bar->PanelColor()) << Style;
    }
    Bar->SetUIStyle(Protein);
    EXPECT_EQ(static_cast<TColor>(0xFBFBFB), PixelAt(*PaintedImage(*Bar), 5, 10));
}

TEST_F(StatusBarTest, DrawsItsGripOnSizeableFormsOnly) {
    EXPECT_GT(GripPixels(), 8);
    Bar->SetSizeGrip(false);
    EXPECT_EQ(0, GripPixels());
    Bar->SetSizeGrip(true);
    Form->SetBorderStyle(bsSingle);
    PumpMessages();
    EXPECT_EQ(0, GripPixels());
}

TEST_F(StatusBarTest, IgnoresTheMouseWhileTheFormIsMaximized) {
    const TPoint Grip = Bar->ClientToScreen({Bar->Width() - 4, Bar->Height() - 4});
    const LPARAM At = PointToLParam(Grip);
    EXPECT_NE(HTNOWHERE, ::SendMessageA(Bar->Handle(), WM_NCHITTEST, 0, At));
    Form->SetWindowState(wsMaximized);
    PumpMessages();
    EXPECT_EQ(HTNOWHERE, ::SendMessageA(Bar->Handle(), WM_NCHITTEST, 0, At));
    Form->SetWindowState(wsNormal);
    PumpMessages();
}
