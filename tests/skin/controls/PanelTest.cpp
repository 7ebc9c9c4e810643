// The skinned panels: the collapse animation's steps and its safety while the message loop runs, the caption
// bar's button under the mouse, the style's colours, and the image panel's sizing and caption.
#include "tests/skin/controls/SkinControlFixture.h"
#include "tests/support/HandleSnapshot.h"
#include "tests/support/Messages.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"
#include "tests/support/UserInput.h"

#include "framework/core/Exceptions.h"
#include "framework/win/graphics/Picture.h"
#include "skin/controls/Vskimagepanel.h"
#include "skin/controls/Vskpanel.h"
#include "skin/themes/Vskthemes.h"

#include <vector>

namespace {

struct PanelTest : SkinControlFixture {
    TvskPanel* Panel = Make<TvskPanel>(0, 0);
    std::vector<int> Heights;

    PanelTest() {
        Panel->SetUIStyle(MacOS);
        Panel->SetAlign(alTop);
        Panel->SetHeight2(91);
        Panel->SetCaption("Banner");
        Panel->OnResize = [this](TObject*) { Heights.push_back(Panel->Height()); };
    }

    TPoint ButtonCenter() const {
        const TRect Button = Panel->ButtonRect();
        return {(Button.left + Button.right) / 2, (Button.top + Button.bottom) / 2};
    }
    void ClickButton() {
        const TPoint At = ButtonCenter();
        MouseMove(*Panel, At.x, At.y);
        MouseDown(*Panel, At.x, At.y);
        MouseUp(*Panel, At.x, At.y);
    }
};

} // namespace

TEST_F(PanelTest, CollapsesAndExpandsInStepsOfFifteenPixels) {
    int Pushes = 0, Pops = 0;
    Panel->OnPush = [&](TObject*) { ++Pushes; };
    Panel->OnPop = [&](TObject*) { ++Pops; };
    Panel->Push();
    EXPECT_EQ((std::vector<int>{76, 61, 46, 31, 21}), Heights);
    EXPECT_TRUE(Panel->GetPushed());
    EXPECT_EQ(91, Panel->ExpandedHeight());
    EXPECT_EQ(1, Pushes);
    Heights.clear();
    Panel->Pop();
    EXPECT_EQ((std::vector<int>{36, 51, 66, 81, 91}), Heights);
    EXPECT_FALSE(Panel->GetPushed());
    EXPECT_EQ(1, Pops);
}

// The caption bar's button collapses and expands under a real click; without it the bar ignores clicks.
TEST_F(PanelTest, TheBarButtonLightsUpUnderThePointerAndCollapsesOnAClick) {
    const TPoint At = ButtonCenter();
    MouseMove(*Panel, At.x, At.y);
    EXPECT_TRUE(Panel->ButtonHot());
    MouseMove(*Panel, 5, 5);
    EXPECT_FALSE(Panel->ButtonHot());
    ClickButton();
    EXPECT_TRUE(Panel->GetPushed());
    ClickButton();
    EXPECT_FALSE(Panel->GetPushed());

    Panel->SetShowButton(false);
    EXPECT_TRUE(Panel->ButtonRect().IsEmpty());
    MouseMove(*Panel, At.x, At.y);
    MouseDown(*Panel, At.x, At.y);
    MouseUp(*Panel, At.x, At.y);
    EXPECT_FALSE(Panel->GetPushed());
    EXPECT_EQ(91, Panel->Height());
}

// Clicks and calls while the animation runs are dropped: no nested animation, the steps stay as they were.
TEST_F(PanelTest, ASecondClickDuringTheAnimationIsIgnored) {
    const TPoint At = ButtonCenter();
    MouseMove(*Panel, At.x, At.y);
    Panel->OnResize = [&](TObject*) {
        Heights.push_back(Panel->Height());
        ASSERT_TRUE(Panel->Animating());
        MouseUp(*Panel, At.x, At.y);
        Panel->Pop();
        Panel->Push();
    };
    Panel->Push();
    EXPECT_EQ((std::vector<int>{76, 61, 46, 31, 21}), Heights);
    EXPECT_TRUE(Panel->GetPushed());
    EXPECT_FALSE(Panel->Animating());
}

// The form goes away while the panel animates (its release is handled between two steps): the animation
// stops without touching the freed panel and reports nothing.
TEST_F(PanelTest, DestroyingTheFormMidAnimationIsSafe) {
    int Pushes = 0;
    Panel->OnPush = [&](TObject*) { ++Pushes; };
    const THandleSnapshot Before = HandleSnapshot();
    TForm* Doomed = Form.release();
    Doomed->Release();
    Panel->Push();
    PumpMessages();
    EXPECT_EQ(0, Pushes);
    EXPECT_FALSE(Heights.empty());
    EXPECT_LT(HandleSnapshot()[static_cast<std::size_t>(THandleKind::Window)],
              Before[static_cast<std::size_t>(THandleKind::Window)]);
}

TEST_F(PanelTest, AHiddenPanelJumpsToTheEndOfItsAnimation) {
    Panel->OnResize = [&](TObject*) {
        Heights.push_back(Panel->Height());
        Panel->Hide();
    };
    Panel->Push();
    EXPECT_EQ((std::vector<int>{76, 21}), Heights);
    EXPECT_TRUE(Panel->GetPushed());
}

TEST_F(PanelTest, PanelsAlignedToASideOrTheClientCannotCollapse) {
    Panel->SetAlign(alLeft);
    const int Height = Panel->Height();
    try {
        Panel->Push();
        FAIL() << "no error";
    } catch (const EInvalidOperation& Error) {
        EXPECT_STREQ("Can't push when Align is alClient, alLeft or alRight.", Error.what());
    }
    EXPECT_EQ(Height, Panel->Height());
    EXPECT_FALSE(Panel->GetPushed());
}

// Every style change makes the body white again; the caption bar's height moves the children.
TEST_F(PanelTest, AStyleResetsTheBodyToWhiteAndPlacesChildrenUnderTheBar) {
    Panel->SetColor(clYellow);
    Panel->SetUIStyle(BlueGlass);
    EXPECT_EQ(clWhite, Panel->Color());
    auto* Child = new TvskPanel(Form.get());
    Child->SetParent(Panel);
    Child->SetAlign(alClient);
    EXPECT_EQ(VskPanelChildMargin, Child->Left());
    EXPECT_GT(Child->Top(), VskPanelChildMargin + 10);
    EXPECT_EQ(Panel->Height() - VskPanelChildMargin, Child->Top() + Child->Height());
    EXPECT_EQ(clWhite, PixelAt(*PaintedImage(*Panel), 2, Panel->Height() - 2));
    EXPECT_EQ(Panel->BorderColor(), PixelAt(*PaintedImage(*Panel), 0, Panel->Height() - 1));
}

TEST_F(PanelTest, ImagePanelsSizeToTheirPictureWhereTheirAlignmentAllows) {
    auto* Image = Make<TvskImagePanel>(10, 120);
    Image->SetBounds(10, 120, 150, 40);
    TPicture Picture;
    Picture.Bitmap().SetSize(30, 25);
    Image->SetAutoSize(true);
    Image->SetAlign(alBottom);
    const int Width = Image->Width();
    Image->SetPicture(&Picture);
    EXPECT_EQ(Width, Image->Width());
    EXPECT_EQ(25, Image->Height());
}

// Stretched, tiled or plain, and with an automatic caption right-aligned and vertically centred.
TEST_F(PanelTest, ImagePanelsDrawTheirPictureAndCaptionAsAsked) {
    auto* Image = Make<TvskImagePanel>(10, 120);
    Image->SetBounds(10, 120, 60, 30);
    Image->SetColor(clYellow);
    TPicture Picture;
    Picture.Bitmap().SetSize(20, 10);
    Picture.Bitmap().Canvas().Brush().SetColor(clBlue);
    Picture.Bitmap().Canvas().FillRect(TRect(0, 0, 20, 10));
    Picture.Bitmap().Canvas().SetPixels(0, 0, clRed);
    Image->SetPicture(&Picture);
    auto Painting = PaintedImage(*Image);
    EXPECT_EQ(clRed, PixelAt(*Painting, 0, 0));
    EXPECT_EQ(clYellow, PixelAt(*Painting, 30, 20));
    Image->SetDrawStyle(vskTile);
    Painting = PaintedImage(*Image);
    EXPECT_EQ(clRed, PixelAt(*Painting, 20, 10));
    EXPECT_EQ(clRed, PixelAt(*Painting, 40, 20));
    Image->SetDrawStyle(vskStretch);
    Painting = PaintedImage(*Image);
    EXPECT_EQ(clRed, PixelAt(*Painting, 2, 2));
    EXPECT_EQ(clBlue, PixelAt(*Painting, 59, 29));

    Image->SetPicture(nullptr);
    Image->SetCaption("Hi");
    Image->SetAlignment(taRightJustify);
    Painting = PaintedImage(*Image);
    const TRect Ink = [&] {
        TRect Bounds(60, 30, 0, 0);
        for (int Y = 0; Y < 30; ++Y)
            for (int X = 0; X < 60; ++X)
                if (PixelAt(*Painting, X, Y) != clYellow) {
                    Bounds.left = std::min<LONG>(Bounds.left, X);
                    Bounds.top = std::min<LONG>(Bounds.top, Y);
                    Bounds.right = std::max<LONG>(Bounds.right, X + 1);
                    Bounds.bottom = std::max<LONG>(Bounds.bottom, Y + 1);
                }
        return Bounds;
    }();
    EXPECT_GT(Ink.left, 30);
    EXPECT_GE(Ink.right, 55);
    EXPECT_LE(std::abs((Ink.top + Ink.bottom) - 30), 4);
}

// A style applied between two steps may change the caption bar (DeepBlue's is a pixel lower than MacOS's): the
// animation ends on the new bar's height.
TEST_F(PanelTest, ARestyleDuringTheAnimationEndsOnTheNewBarHeight) {
    TBitmap Bar, Old;
    GetInsideThemeBitmap(DeepBlue, VSK_THEME_SIDE_CHANNEL_BAR_IMAGE, &Bar);
    GetInsideThemeBitmap(MacOS, VSK_THEME_SIDE_CHANNEL_BAR_IMAGE, &Old);
    ASSERT_NE(Old.Height(), Bar.Height());
    Panel->OnResize = [&](TObject*) {
        Heights.push_back(Panel->Height());
        if (Heights.size() == 1) Panel->SetUIStyle(DeepBlue);
    };
    Panel->Push();
    EXPECT_EQ(DeepBlue, Panel->UIStyle());
    EXPECT_EQ(Bar.Height(), Panel->Height());
    EXPECT_EQ(Bar.Height(), Heights.back());
    EXPECT_TRUE(Panel->GetPushed());
    EXPECT_EQ(91, Panel->ExpandedHeight());
}
