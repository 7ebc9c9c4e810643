// The skinned status bar: the style's colour on the screen too, its panels, bevels, texts and owner-drawn
// panels painted by itself, its own grip on sizeable forms only, and no mouse at all while its form is
// maximized.
#include "tests/skin/controls/SkinControlFixture.h"
#include "tests/support/HandleSnapshot.h"
#include "tests/support/Messages.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"

#include "framework/win/graphics/ColorConversion.h"
#include "skin/controls/Vskstatusbar.h"

#include <commctrl.h>

#include <utility>
#include <vector>

namespace {

struct StatusBarTest : SkinControlFixture {
    TvskStatusBar* Bar = Make<TvskStatusBar>(0, 0);

    StatusBarTest() {
        Bar->SetAlign(alBottom);
        Bar->SetHeight(19);
        PumpMessages();
    }

    // Where the platform's control lays out part Index, asked of the window.
    TRect Part(int Index) const {
        RECT Rect{};
        ::SendMessageA(Bar->Handle(), SB_GETRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&Rect));
        return Rect;
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

// The bar paints every pixel itself, so what the screen shows is the style's colour whatever visual theme the
// platform would give its status bar.
TEST_F(StatusBarTest, TheScreenShowsTheStylesColour) {
    Bar->SetUIStyle(WinXP);
    Bar->Update();
    PumpMessages();
    const auto Shown = ScreenImage(Bar->Handle());
    EXPECT_TRUE(AreaIs(*Shown, TRect(0, 0, Bar->Width() - VskStatusGripSize, Bar->Height()), 0xDEEBEF));
}

TEST_F(StatusBarTest, PaintsItsPanelsWithTheirBevelsAndAlignedTexts) {
    TStatusPanel* Left = Bar->Panels()->Add();
    Left->SetWidth(120);
    Left->SetText("Ready");
    TStatusPanel* Right = Bar->Panels()->Add();
    Right->SetWidth(120);
    Right->SetBevel(pbRaised);
    Right->SetAlignment(taRightJustify);
    Right->SetText("42");
    Bar->Panels()->Add()->SetBevel(pbNone);
    Bar->Font()->SetColor(clRed);
    PumpMessages();
    const auto Image = PaintedImage(*Bar);
    const TColor Shadow = ColorToRGB(clBtnShadow), Highlight = ColorToRGB(clBtnHighlight);

    const TRect First = Part(0), Second = Part(1), Third = Part(2);
    EXPECT_EQ(Shadow, PixelAt(*Image, First.left, First.top)) << "lowered: dark top-left";
    EXPECT_EQ(Highlight, PixelAt(*Image, First.right - 1, First.bottom - 1)) << "and light bottom-right";
    EXPECT_EQ(Highlight, PixelAt(*Image, Second.left, Second.top)) << "raised: the other way round";
    EXPECT_EQ(Shadow, PixelAt(*Image, Second.right - 1, Second.bottom - 1));
    EXPECT_EQ(Bar->Color(), PixelAt(*Image, Third.left, Third.top)) << "no bevel";

    // Each text stays inside its own panel, on the side its alignment says.
    const TRect Ready = ColorBounds(*Image, clRed);
    ASSERT_FALSE(Ready.IsEmpty());
    EXPECT_LT(Ready.left, First.left + 8);
    EXPECT_LT(Ready.top, First.top + First.Height() / 2);
    EXPECT_GT(Ready.bottom, First.top + First.Height() / 2) << "centred from top to bottom";
    EXPECT_GT(RightmostOf(*Image, Second, clRed), Second.right - 8);
    EXPECT_FALSE(AreaHas(*Image, TRect(Second.left, Second.top, Second.left + Second.Width() / 2, Second.bottom),
                         clRed));
    EXPECT_FALSE(AreaHas(*Image, Third, clRed));
}

TEST_F(StatusBarTest, OwnerDrawnPanelsAreDrawnByOnDrawPanelInsideTheirBevel) {
    Bar->Panels()->Add()->SetWidth(60);
    TStatusPanel* Drawn = Bar->Panels()->Add();
    Drawn->SetStyle(psOwnerDraw);
    Bar->Panels()->Add(); // the last panel runs under the grip
    std::vector<std::pair<TStatusPanel*, TRect>> Calls;
    Bar->OnDrawPanel = [&Calls](TStatusBar* Sender, TStatusPanel* Panel, const TRect& Rect) {
        Calls.emplace_back(Panel, Rect);
        EXPECT_EQ(Sender->Canvas().Brush().Color(), Sender->Color()) << "the brush comes in the bar's colour";
        Sender->Canvas().Brush().SetColor(clLime);
        Sender->Canvas().FillRect(Rect);
    };
    PumpMessages();
    Calls.clear();
    const auto Image = PaintedImage(*Bar);
    ASSERT_EQ(1u, Calls.size());
    EXPECT_EQ(Drawn, Calls[0].first);
    const TRect Whole = Part(1);
    EXPECT_EQ(TRect(Whole.left + 1, Whole.top + 1, Whole.right - 1, Whole.bottom - 1), Calls[0].second);
    EXPECT_TRUE(AreaIs(*Image, Calls[0].second, clLime));
    EXPECT_EQ(ColorToRGB(clBtnShadow), PixelAt(*Image, Whole.left, Whole.top)) << "the bevel stays the bar's";
    EXPECT_FALSE(AreaHas(*Image, Part(0), clLime));
}

TEST_F(StatusBarTest, TheSimpleTextTakesThePlaceOfThePanels) {
    Bar->Panels()->Add()->SetText("Panel");
    Bar->SetSimpleText("Working");
    Bar->Font()->SetColor(clRed);
    const TRect Panel = Part(0);
    const int PanelInk = ColorBounds(*PaintedImage(*Bar), clRed).Width();
    Bar->SetSimplePanel(true);
    PumpMessages();
    const auto Image = PaintedImage(*Bar);
    EXPECT_NE(ColorToRGB(clBtnShadow), PixelAt(*Image, Panel.left, Panel.top)) << "no panel bevel";
    const TRect Simple = ColorBounds(*Image, clRed);
    ASSERT_FALSE(Simple.IsEmpty());
    EXPECT_GT(Simple.Width(), PanelInk) << "the longer simple text, not the panel's";
}
