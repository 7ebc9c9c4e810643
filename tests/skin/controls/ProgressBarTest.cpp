// The skinned progress bar: its arithmetic over every range an int allows, the pixels of its fill, caption
// and frame in both orientations, what the styles give it, and how it is stored in a description.
#include "tests/support/HandleSnapshot.h"
#include "tests/support/Messages.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"

#include "framework/core/DescriptionReader.h"
#include "framework/core/DescriptionWriter.h"
#include "framework/win/ComponentClasses.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Picture.h"
#include "skin/controls/Vskcontrolclasses.h"
#include "skin/controls/Vskprogressbar.h"
#include "skin/themes/Vskthemes.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <memory>

namespace {

// Colours no style uses, so that each part of a painted bar can be told apart.
constexpr TColor FillColor = clLime;
constexpr TColor EmptyColor = clWhite;
constexpr TColor FrameColor = clBlue;
constexpr TColor TextColor = clRed;

std::unique_ptr<TvskProgressBar> MakeBar(int Min, int Max, int Position) {
    auto Bar = std::make_unique<TvskProgressBar>(nullptr);
    Bar->SetMin(Min);
    Bar->SetMax(Max);
    Bar->SetPosition(Position);
    return Bar;
}

// A bar whose every part has a colour of its own: a plain fill picture, white empty part, blue frame, red text.
std::unique_ptr<TvskProgressBar> MarkedBar(int Min, int Max, int Position) {
    auto Bar = MakeBar(Min, Max, Position);
    TPicture Fill;
    TBitmap& Image = Fill.Bitmap();
    Image.SetSize(4, 4);
    ::Fill(Image, FillColor);
    Bar->SetPicture(&Fill);
    Bar->SetColor(EmptyColor);
    Bar->SetBorderColor(FrameColor);
    Bar->SetCaptionColor(TextColor);
    return Bar;
}

bool HasInk(const TBitmap& Image, TColor Color) {
    return !ColorBounds(Image, Color).IsEmpty();
}

// Every pixel of the frame, one pixel wide all round.
bool Framed(const TBitmap& Image, TColor Color) {
    const int W = Image.Width();
    const int H = Image.Height();
    return AreaIs(Image, TRect(0, 0, W, 1), Color) && AreaIs(Image, TRect(0, H - 1, W, H), Color) &&
           AreaIs(Image, TRect(0, 0, 1, H), Color) && AreaIs(Image, TRect(W - 1, 0, W, H), Color);
}

TEST(ProgressBarArithmetic, PercentAndFillFollowThePositionOverEveryRange) {
    struct TCase {
        int Min, Max, Position;
        std::int64_t Percent;
        int Fill; // of a length of 149
    };
    for (const TCase& C : {
             TCase{0, 100, 50, 50, 74},
             {0, 100, 0, 0, 0},
             {0, 100, 150, 150, 149},
             {0, 100, -20, -20, 0},
             {7, 7, 7, 0, 0},    // Max = Min
             {10, 0, 5, 50, 0},  // a reversed range fills nothing
             {0, 3, 1, 33, 49},  // truncated, not rounded
             {0, 3, -1, -33, 0}, // towards zero
             {INT_MIN, INT_MAX, 0, 50, 74},
             {INT_MIN, INT_MAX, INT_MAX, 100, 149},
             {INT_MIN, INT_MIN + 1, INT_MAX, std::int64_t{UINT_MAX} * 100, 149},
             {INT_MAX - 1, INT_MAX, INT_MIN, -(std::int64_t{UINT_MAX} - 1) * 100, 0},
         }) {
        const auto Bar = MakeBar(C.Min, C.Max, C.Position);
        SCOPED_TRACE(testing::Message() << C.Min << ".." << C.Max << " at " << C.Position);
        EXPECT_EQ(Bar->GetPercentFromPosition(), C.Percent);
        EXPECT_EQ(Bar->GetWidthFromPosition(149), C.Fill);
        EXPECT_EQ(Bar->Caption(), std::to_string(C.Percent) + "%");
    }
    // A whole screen's length over the widest range still fits.
    EXPECT_EQ(MakeBar(INT_MIN, INT_MAX, INT_MAX - 1)->GetWidthFromPosition(INT_MAX), INT_MAX - 1);
}

TEST(ProgressBarArithmetic, StepsMoveThePositionAndStopAtTheEndsOfInt) {
    const auto Bar = MakeBar(0, 100, 50);
    Bar->StepIt();
    EXPECT_EQ(Bar->Position(), 51);
    Bar->StepBy(-11);
    EXPECT_EQ(Bar->Caption(), "40%");
    Bar->SetPosition(INT_MAX - 1);
    Bar->StepBy(5);
    EXPECT_EQ(Bar->Position(), INT_MAX);
    Bar->SetPosition(INT_MIN + 1);
    Bar->StepBy(-5);
    EXPECT_EQ(Bar->Position(), INT_MIN);
}

TEST(ProgressBarPaint, HalfwayFillsTheFirstSeventyThreeColumnsAndCentresItsCaption) {
    const auto Bar = MarkedBar(0, 100, 50);
    ASSERT_EQ(Bar->Width(), 150);
    ASSERT_EQ(Bar->Height(), 12);
    const auto Image = PaintedImage(*Bar);
    EXPECT_TRUE(Framed(*Image, FrameColor));
    // 149 * 50 div 100 = 74: the picture in (1, 1, 74, 11), the empty part from 74 to the frame.
    EXPECT_TRUE(AreaIs(*Image, TRect(1, 1, 74, 2), FillColor));
    EXPECT_TRUE(AreaIs(*Image, TRect(1, 1, 2, 11), FillColor));
    EXPECT_EQ(PixelAt(*Image, 74, 1), EmptyColor);
    EXPECT_TRUE(AreaIs(*Image, TRect(74, 1, 149, 2), EmptyColor));
    EXPECT_TRUE(AreaIs(*Image, TRect(148, 1, 149, 11), EmptyColor));
    EXPECT_EQ(Bar->Caption(), "50%");
    const TRect Text = ColorBounds(*Image, TextColor);
    ASSERT_TRUE(HasInk(*Image, TextColor));
    EXPECT_NEAR(Text.left + Text.right, 150, 3);
    EXPECT_GE(Text.top, 1);
    EXPECT_LE(Text.bottom, 11);
}

TEST(ProgressBarPaint, EmptyFullAndDegenerateBars) {
    {
        SCOPED_TRACE("Position = Min: nothing filled, caption 0%");
        const auto Bar = MarkedBar(20, 80, 20);
        const auto Image = PaintedImage(*Bar);
        EXPECT_FALSE(HasInk(*Image, FillColor));
        EXPECT_TRUE(AreaIs(*Image, TRect(1, 1, 149, 2), EmptyColor));
        EXPECT_EQ(Bar->Caption(), "0%");
        EXPECT_TRUE(HasInk(*Image, TextColor));
        Bar->SetSmartShowCaption(true);
        EXPECT_FALSE(HasInk(*PaintedImage(*Bar), TextColor));
        Bar->StepIt(); // once started, the caption shows again
        EXPECT_TRUE(HasInk(*PaintedImage(*Bar), TextColor));
    }
    {
        SCOPED_TRACE("Max = Min");
        const auto Bar = MarkedBar(5, 5, 9);
        const auto Image = PaintedImage(*Bar);
        EXPECT_FALSE(HasInk(*Image, FillColor));
        EXPECT_EQ(Bar->Caption(), "0%");
    }
    {
        SCOPED_TRACE("150 of 100: full, and the caption says so");
        const auto Bar = MarkedBar(0, 100, 150);
        const auto Image = PaintedImage(*Bar);
        EXPECT_TRUE(AreaIs(*Image, TRect(1, 1, 149, 2), FillColor));
        EXPECT_TRUE(Framed(*Image, FrameColor));
        EXPECT_EQ(Bar->Caption(), "150%");
    }
    {
        SCOPED_TRACE("no caption asked for");
        const auto Bar = MarkedBar(0, 100, 50);
        Bar->SetShowCaption(false);
        EXPECT_FALSE(HasInk(*PaintedImage(*Bar), TextColor));
    }
}

TEST(ProgressBarPaint, VerticalBarFillsFromTheFootWithThePictureUpsideDownAndDropsItsCaptionForGood) {
    auto Bar = MakeBar(0, 100, 50);
    Bar->SetOrientation(vskVertical);
    EXPECT_EQ(Bar->Width(), 12);
    EXPECT_EQ(Bar->Height(), 150);
    // Marked after the turn, which applies the style again.
    TPicture TwoRows; // top row yellow, bottom row aqua
    TBitmap& Image = TwoRows.Bitmap();
    Image.SetSize(4, 2);
    ::Fill(Image, clYellow);
    Image.Canvas().Brush().SetColor(clAqua);
    Image.Canvas().FillRect(TRect(0, 1, 4, 2));
    Bar->SetPicture(&TwoRows);
    Bar->SetColor(EmptyColor);
    Bar->SetBorderColor(FrameColor);
    Bar->SetCaptionColor(TextColor);
    EXPECT_TRUE(Bar->ShowCaption()); // until it is painted vertically
    const auto Painted = PaintedImage(*Bar);
    EXPECT_FALSE(Bar->ShowCaption());
    EXPECT_FALSE(HasInk(*Painted, TextColor));
    EXPECT_TRUE(Framed(*Painted, FrameColor));
    // 149 * 50 div 100 = 74 rows filled from the frame at the foot: rows 75 to 148; above them the empty part.
    EXPECT_TRUE(AreaIs(*Painted, TRect(1, 1, 11, 75), EmptyColor));
    EXPECT_EQ(PixelAt(*Painted, 5, 148), clYellow); // the picture's first row at the foot
    EXPECT_EQ(PixelAt(*Painted, 5, 75), clAqua);    // its last row at the top of the fill
    const TRect Yellow = ColorBounds(*Painted, clYellow);
    const TRect Aqua = ColorBounds(*Painted, clAqua);
    EXPECT_EQ(Aqua.top, 75);
    EXPECT_EQ(Yellow.bottom, 149);
    EXPECT_EQ(Aqua.bottom, Yellow.top);

    Bar->SetOrientation(vskHorizontal);
    EXPECT_EQ(Bar->Width(), 150);
    EXPECT_EQ(Bar->Height(), 12);
    EXPECT_FALSE(Bar->ShowCaption());
    EXPECT_FALSE(HasInk(*PaintedImage(*Bar), TextColor));
}

TEST(ProgressBarStyle, EachStyleGivesItsImageAndColoursAndAVerticalBarTurnsTheImageOnce) {
    for (TvskUIStyle Style : {MacOS, WinXP, DeepBlue, Protein, BlueGlass}) {
        SCOPED_TRACE(TvskUIStyleInfo.Names[Style]);
        TBitmap Source;
        GetInsideThemeBitmap(Style, VSK_THEME_PROGRESS_BAR_IMAGE, &Source);
        ASSERT_FALSE(Source.Empty());
        const auto Bar = MakeBar(0, 100, 100);
        Bar->SetUIStyle(Style);
        EXPECT_EQ(Bar->Color(), GetInsideThemeColor(Style, VSK_THEME_CONTROL_BACKGROUND_COLOR));
        EXPECT_EQ(Bar->BorderColor(), GetInsideThemeColor(Style, VSK_THEME_CONTROL_BORDER_COLOR));
        const TBitmap& Picture = Bar->Picture()->Bitmap();
        EXPECT_EQ(Picture.Width(), Source.Width());
        EXPECT_EQ(Picture.Height(), Source.Height());
        // A full bar shows the image stretched between the frame's edges.
        const auto Image = PaintedImage(*Bar);
        EXPECT_EQ(PixelAt(*Image, 1, 1), PixelAt(Source, 0, 0));
        EXPECT_EQ(PixelAt(*Image, 148, 10), PixelAt(Source, Source.Width() - 1, Source.Height() - 1));

        for (int Turn = 0; Turn < 2; ++Turn) { // applying the style again must not turn it further
            Bar->SetOrientation(vskVertical);
            const TBitmap& Turned = Bar->Picture()->Bitmap();
            EXPECT_EQ(Turned.Width(), Source.Height());
            EXPECT_EQ(Turned.Height(), Source.Width());
            EXPECT_EQ(PixelAt(Turned, 0, 0), PixelAt(Source, Source.Width() - 1, 0));
        }
        Bar->SetOrientation(vskHorizontal);
        EXPECT_EQ(Bar->Picture()->Bitmap().Width(), Source.Width());
    }
}

TEST(ProgressBarDescription, StoresItsSettingsButNotTheCaptionItWorksOut) {
    RegisterWinComponentClasses();
    RegisterSkinControlClasses();
    TForm Original(nullptr);
    auto* Bar = new TvskProgressBar(&Original);
    Bar->SetName("pbCopy");
    Bar->SetParent(&Original);
    Bar->SetUIStyle(Protein);
    Bar->SetMin(10);
    Bar->SetMax(30);
    Bar->SetPosition(25);
    Bar->SetOrientation(vskVertical);
    const std::string Text = WriteComponentDescription(Original);
    EXPECT_NE(Text.find("Orientation = vskVertical"), std::string::npos) << Text;
    EXPECT_EQ(Text.find("Caption = '75%'"), std::string::npos) << Text;

    TForm Copy(nullptr);
    ReadComponentDescription(Copy, Text);
    auto* Read = dynamic_cast<TvskProgressBar*>(Copy.FindComponent("pbCopy"));
    ASSERT_NE(Read, nullptr);
    EXPECT_EQ(Read->UIStyle(), Protein);
    EXPECT_EQ(Read->Orientation(), vskVertical);
    EXPECT_EQ(Read->BoundsRect(), Bar->BoundsRect());
    EXPECT_EQ(Read->Caption(), "75%");
}

} // namespace
