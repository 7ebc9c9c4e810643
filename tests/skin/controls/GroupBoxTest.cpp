// The skinned group box: the frame and its caption gap in pixels, the caption band its aligned children keep
// clear of, enabling passed to the children, and the style's colours reaching the box and what it holds.
#include "tests/skin/controls/SkinControlFixture.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"

#include "framework/win/graphics/Font.h"
#include "skin/controls/Vskbutton.h"
#include "skin/controls/Vskcheckbox.h"
#include "skin/controls/Vskgroupbox.h"
#include "skin/themes/Vskthemes.h"

#include <cstdlib>

namespace {

// Colours no style uses, so that frame, fill and caption can be told apart.
constexpr TColor FrameColor = clBlue;
constexpr TColor FillColor = clWhite;
constexpr TColor CaptionColor = clRed;

struct GroupBoxTest : SkinControlFixture {
    TvskGroupBox* Box = Make<TvskGroupBox>(0, 0);

    GroupBoxTest() {
        Box->SetColor(FillColor);
        Box->SetBorderColor(FrameColor);
        Box->SetFontColor(CaptionColor);
    }
    template<class T>
    T* Inside(int Left, int Top) {
        auto* Child = Make<T>(Left, Top);
        Child->SetParent(Box);
        return Child;
    }
    // The row of the frame's top line.
    int FrameY() const { return std::abs(Box->Font()->Height()) / 2 + 1; }
};

TEST_F(GroupBoxTest, TheFrameLeavesAGapForTheCaptionAndClosesWithoutOne) {
    ASSERT_EQ(Box->Width(), VskGroupBoxWidth);
    ASSERT_EQ(Box->Height(), VskGroupBoxHeight);
    const int W = Box->Width();
    const int H = Box->Height();
    const int Y = FrameY();
    {
        SCOPED_TRACE("no caption: a closed frame");
        const auto Image = PaintedImage(*Box);
        EXPECT_TRUE(AreaIs(*Image, TRect(0, Y, W, Y + 1), FrameColor));
        EXPECT_TRUE(AreaIs(*Image, TRect(0, Y, 1, H), FrameColor));
        EXPECT_TRUE(AreaIs(*Image, TRect(W - 1, Y, W, H), FrameColor));
        EXPECT_TRUE(AreaIs(*Image, TRect(0, H - 1, W, H), FrameColor));
        EXPECT_TRUE(AreaIs(*Image, TRect(0, 0, W, Y), FillColor));
        EXPECT_TRUE(AreaIs(*Image, TRect(1, Y + 1, W - 1, H - 1), FillColor));
    }
    Box->SetCaption("Library list");
    TBitmap Measure(1, 1);
    Measure.Canvas().SetFont(*Box->Font());
    const int GapEnd = Measure.Canvas().TextWidth("Library list") + 6;
    const auto Image = PaintedImage(*Box);
    // The line runs to left + 2, breaks, and takes up again after left + caption width + 6.
    EXPECT_TRUE(AreaIs(*Image, TRect(0, Y, 3, Y + 1), FrameColor));
    EXPECT_FALSE(AreaHas(*Image, TRect(3, Y, GapEnd + 1, Y + 1), FrameColor));
    EXPECT_TRUE(AreaIs(*Image, TRect(GapEnd + 1, Y, W, Y + 1), FrameColor));
    // The caption is written from x = 5 in the band above the line's foot.
    EXPECT_FALSE(AreaHas(*Image, TRect(0, 0, 5, H), CaptionColor));
    EXPECT_TRUE(AreaHas(*Image, TRect(5, 0, 8, Y + 4), CaptionColor));
    EXPECT_LT(RightmostOf(*Image, TRect(0, 0, W, H), CaptionColor), GapEnd);
}

TEST_F(GroupBoxTest, ASeeThroughBoxShowsWhatLiesBehindIt) {
    Form->SetColor(clYellow);
    const TPoint Inside(20, 60);
    EXPECT_EQ(PixelAt(*PaintedImage(*Box), Inside.x, Inside.y), FillColor);
    Box->SetTransparent(true);
    const auto Image = PaintedImage(*Box);
    EXPECT_EQ(PixelAt(*Image, Inside.x, Inside.y), clYellow);
    EXPECT_EQ(PixelAt(*Image, 0, Box->Height() - 1), FrameColor);
}

TEST_F(GroupBoxTest, AlignedChildrenStayInsideTheFrameAndBelowTheCaption) {
    auto* Client = Inside<TvskButton>(0, 0);
    Client->SetAlign(alClient);
    const int Band = std::abs(Box->Font()->Height()) + 5;
    EXPECT_EQ(Client->BoundsRect(), TRect(3, Band, Box->Width() - 3, Box->Height() - 3));
    // A larger font makes a deeper band.
    Box->Font()->SetHeight(-20);
    EXPECT_EQ(Client->Top(), 25);
}

TEST_F(GroupBoxTest, DisablingReachesEveryChildAndGreysTheCaption) {
    Box->SetCaption("Options");
    auto* Check = Inside<TvskCheckBox>(10, 40);
    auto* Button = Inside<TvskButton>(10, 70);
    Box->SetEnabled(false);
    EXPECT_FALSE(Check->Enabled());
    EXPECT_FALSE(Button->Enabled());
    const auto Grey = PaintedImage(*Box);
    const TRect Band(0, 0, Box->Width(), FrameY() + 4);
    EXPECT_TRUE(AreaHas(*Grey, Band, clGray));
    EXPECT_FALSE(AreaHas(*Grey, Band, CaptionColor));
    Box->SetEnabled(true);
    EXPECT_TRUE(Check->Enabled());
    EXPECT_TRUE(Button->Enabled());
    EXPECT_TRUE(AreaHas(*PaintedImage(*Box), Band, CaptionColor));
}

TEST_F(GroupBoxTest, EachStyleColoursTheFrameAndCaptionAndReachesTheChildren) {
    auto* Check = Inside<TvskCheckBox>(10, 40);
    for (TvskUIStyle Style : {MacOS, WinXP, DeepBlue, Protein, BlueGlass}) {
        SCOPED_TRACE(TvskUIStyleInfo.Names[Style]);
        Box->SetUIStyle(Style);
        EXPECT_EQ(Box->BorderColor(), GetInsideThemeColor(Style, VSK_THEME_CONTROL_BORDER_COLOR));
        EXPECT_EQ(Box->FontColor(), GetInsideThemeColor(Style, VSK_THEME_CONTROL_FONT_COLOR));
        EXPECT_EQ(Check->UIStyle(), Style);
        EXPECT_EQ(PixelAt(*PaintedImage(*Box), 0, Box->Height() - 1), Box->BorderColor());
    }
}

} // namespace
