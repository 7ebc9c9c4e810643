// What panels, labels and images paint, read back pixel by pixel from a memory bitmap (PaintTo), and that a
// shown form paints itself through WM_PAINT the same way.
#include "tests/support/Messages.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"

#include "framework/win/controls/Image.h"
#include "framework/win/controls/Label.h"
#include "framework/win/controls/Panel.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/ColorConversion.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/graphics/Picture.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const TColor Highlight = ColorToRGB(clBtnHighlight);
const TColor Shadow = ColorToRGB(clBtnShadow);

// The size of Text in Font, as a label or panel measures it.
SIZE TextSize(const TFont& Font, const char* Text) {
    TBitmap Scratch(1, 1);
    Scratch.Canvas().SetFont(Font);
    return Scratch.Canvas().TextExtent(Text);
}

struct PaintingTest : ::testing::Test {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TPanel* Panel = new TPanel(Form.get());

    PaintingTest() {
        Panel->SetParent(Form.get());
        Panel->SetBounds(0, 0, 60, 40);
        Panel->SetColor(clRed);
    }
};

} // namespace

TEST_F(PaintingTest, PanelBevelsAreLightAboveAndLeftWhenRaisedAndDarkWhenLowered) {
    Panel->SetBevelInner(bvLowered);
    const auto Image = PaintedImage(*Panel);
    KeepPicture(*Image, "panel-bevels.bmp");
    // Outer raised ring: light top and left, dark bottom and right (the far corners belong to the dark sides).
    EXPECT_TRUE(AreaIs(*Image, TRect(0, 0, 59, 1), Highlight));
    EXPECT_TRUE(AreaIs(*Image, TRect(0, 1, 1, 39), Highlight));
    EXPECT_TRUE(AreaIs(*Image, TRect(59, 0, 60, 40), Shadow));
    EXPECT_TRUE(AreaIs(*Image, TRect(0, 39, 60, 40), Shadow));
    // Inner lowered ring, one pixel in.
    EXPECT_TRUE(AreaIs(*Image, TRect(1, 1, 58, 2), Shadow));
    EXPECT_TRUE(AreaIs(*Image, TRect(58, 1, 59, 39), Highlight));
    EXPECT_TRUE(AreaIs(*Image, TRect(2, 2, 58, 38), clRed));
}

TEST_F(PaintingTest, PanelCaptionIsCentredInItsFontColour) {
    Panel->SetBevelOuter(bvNone);
    Panel->SetBounds(0, 0, 120, 40);
    Panel->Font()->SetColor(clBlue);
    Panel->SetCaption("Mid");
    const auto Image = PaintedImage(*Panel);
    KeepPicture(*Image, "panel-caption.bmp");
    const SIZE Text = TextSize(*Panel->Font(), "Mid");
    const TRect Cell = Bounds((120 - Text.cx) / 2, (40 - Text.cy) / 2, Text.cx, Text.cy);
    const TRect Ink = InkBounds(*Image, clRed);
    ASSERT_FALSE(Ink.IsEmpty());
    EXPECT_GE(Ink.left, Cell.left);
    EXPECT_LE(Ink.right, Cell.right);
    EXPECT_GE(Ink.top, Cell.top);
    EXPECT_LE(Ink.bottom, Cell.bottom);
    EXPECT_TRUE(AreaIs(*Image, TRect(0, 0, 120, Cell.top), clRed));
    bool Blue = false;
    for (int X = Ink.left; X < Ink.right; ++X)
        Blue = Blue || PixelAt(*Image, X, (Ink.top + Ink.bottom) / 2) == clBlue;
    EXPECT_TRUE(Blue);
}

TEST_F(PaintingTest, LabelsSizeToTheirTextAndPaintOnTheParentInZOrder) {
    Panel->SetBevelOuter(bvNone);
    Panel->SetBounds(0, 0, 100, 40);
    auto* Back = new TLabel(Form.get());
    Back->SetParent(Panel);
    Back->SetColor(clYellow);
    Back->Font()->SetColor(clBlack);
    Back->SetCaption("Hi there");
    Back->SetLeft(5);
    Back->SetTop(5);
    auto* Front = new TLabel(Form.get());
    Front->SetParent(Panel);
    Front->SetAutoSize(false);
    Front->SetBounds(50, 0, 20, 40);
    Front->SetColor(clLime);

    const auto Image = PaintedImage(*Panel);
    KeepPicture(*Image, "labels.bmp");
    // AutoSize made the back label exactly as large as its text, and it paints just that area.
    const SIZE Text = TextSize(*Back->Font(), "Hi there");
    EXPECT_EQ(Bounds(5, 5, Text.cx, Text.cy), Back->BoundsRect());
    EXPECT_EQ(clYellow, PixelAt(*Image, 5, 5));
    EXPECT_EQ(clRed, PixelAt(*Image, 4, 5));
    EXPECT_EQ(clRed, PixelAt(*Image, 5, 5 + Text.cy));
    bool Black = false;
    for (int Y = 5; Y < 5 + Text.cy; ++Y)
        for (int X = 5; X < 50; ++X)
            Black = Black || PixelAt(*Image, X, Y) == clBlack;
    EXPECT_TRUE(Black);
    // The label added later lies on top.
    EXPECT_TRUE(AreaIs(*Image, TRect(50, 0, 70, 40), clLime));
    EXPECT_EQ(clRed, PixelAt(*Image, 80, 20));
}

TEST_F(PaintingTest, TransparentRightAlignedAndDisabledLabels) {
    Panel->SetBevelOuter(bvNone);
    Panel->SetBounds(0, 0, 100, 20);
    auto* Label = new TLabel(Form.get());
    Label->SetParent(Panel);
    Label->SetAutoSize(false);
    Label->SetBounds(0, 0, 100, 20);
    Label->SetAlignment(taRightJustify);
    Label->SetTransparent(true);
    Label->Font()->SetColor(clBlack);
    Label->SetCaption("R");
    auto Image = PaintedImage(*Panel);
    TRect Ink = InkBounds(*Image, clRed);
    EXPECT_GE(Ink.left, 85); // hugging the right edge
    EXPECT_GE(Ink.right, 97);
    EXPECT_EQ(clRed, PixelAt(*Image, 10, 10)); // the panel shows through

    Label->SetEnabled(false);
    Image = PaintedImage(*Panel);
    KeepPicture(*Image, "label-disabled.bmp");
    Ink = InkBounds(*Image, clRed);
    bool Light = false;
    bool Grey = false;
    for (int Y = Ink.top; Y < Ink.bottom; ++Y)
        for (int X = Ink.left; X < Ink.right; ++X) {
            Light = Light || PixelAt(*Image, X, Y) == Highlight;
            Grey = Grey || PixelAt(*Image, X, Y) == Shadow;
        }
    EXPECT_TRUE(Light && Grey);
}

TEST_F(PaintingTest, ImagesDrawTheirPictureAtNaturalSizeCentredOrStretched) {
    TBitmap Picture(4, 2);
    Fill(Picture, clBlue);
    Picture.Canvas().SetPixels(0, 0, clLime);
    auto* Image = new TImage(Form.get());
    Image->SetParent(Panel);
    Image->SetAutoSize(true);
    Image->Picture()->SetGraphic(&Picture);
    EXPECT_EQ(4, Image->Width());
    EXPECT_EQ(2, Image->Height());

    Image->SetAutoSize(false);
    Image->SetBounds(10, 10, 8, 4);
    Image->SetStretch(true);
    auto Painted = PaintedImage(*Panel);
    EXPECT_TRUE(AreaIs(*Painted, TRect(10, 10, 12, 12), clLime)); // one source pixel became 2 x 2
    EXPECT_TRUE(AreaIs(*Painted, TRect(12, 10, 18, 14), clBlue));

    Image->SetStretch(false);
    Image->SetCenter(true);
    Painted = PaintedImage(*Panel);
    EXPECT_EQ(clLime, PixelAt(*Painted, 12, 11));
    EXPECT_EQ(clRed, PixelAt(*Painted, 11, 11));
}

TEST_F(PaintingTest, AShownFormPaintsThroughWindowMessagesWhatPaintToShows) {
    Form->SetBounds(100, 100, 200, 150);
    Form->SetBorderStyle(bsNone);
    Panel->SetAlign(alClient);
    auto* Label = new TLabel(Form.get());
    Label->SetParent(Panel);
    Label->SetCaption("On screen");
    Label->SetLeft(10);
    Label->SetTop(10);
    Form->Show();
    PumpMessages();
    ::UpdateWindow(Form->Handle());

    const auto Expected = PaintedImage(*Form);
    const auto OnScreen = ScreenImage(Form->Handle());
    ASSERT_EQ(200, OnScreen->Width());
    ASSERT_EQ(150, OnScreen->Height());
    KeepPicture(*OnScreen, "form-on-screen.bmp");
    KeepPicture(*Expected, "form-paintto.bmp");
    int Different = 0;
    for (int Y = 0; Y < 150; ++Y)
        for (int X = 0; X < 200; ++X)
            if (PixelAt(*OnScreen, X, Y) != PixelAt(*Expected, X, Y)) ++Different;
    EXPECT_EQ(0, Different);
}
