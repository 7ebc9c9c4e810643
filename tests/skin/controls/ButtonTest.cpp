// The skinned push buttons under real mouse and keyboard messages: the face of each state, the caption of a
// disabled button, clicks, the auto-repeat, the dialog keys and the modal result, and the style's say in
// transparency and focus marking.
#include "tests/skin/controls/SkinControlFixture.h"
#include "tests/support/HandleSnapshot.h"
#include "tests/support/Messages.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"
#include "tests/support/UserInput.h"

#include "framework/win/forms/Timer.h"
#include "framework/win/graphics/Picture.h"
#include "skin/controls/Vskbutton.h"
#include "skin/controls/Vskcheckbox.h"
#include "skin/controls/Vskcontrolclasses.h"
#include "skin/controls/Vskimagebutton.h"
#include "skin/controls/Vskpanel.h"
#include "skin/controls/Vskstatusbar.h"
#include "skin/themes/Vskthemes.h"

#include <set>
#include <utility>
#include <vector>

namespace {

using TPixel = std::pair<int, int>;

struct SkinnedButtonTest : SkinControlFixture {
    TvskButton* Button = Make<TvskButton>(20, 20);
    int Clicks = 0;

    SkinnedButtonTest() {
        Button->SetUIStyle(DeepBlue);
        Button->OnClick = [this](TObject*) { ++Clicks; };
    }

    // The three frames of the style's button strip.
    static std::vector<TBitmap> Frames(TvskUIStyle Style) {
        std::vector<TBitmap> Result(VskPushButtonFrameCount);
        for (int Frame = 1; Frame <= VskPushButtonFrameCount; ++Frame)
            GetInsideThemeBitmap(Style, VSK_THEME_BUTTON_IMAGE, &Result[Frame - 1], VskPushButtonFrameCount, Frame);
        return Result;
    }
};

// Pixels of the top-left corner (which the nine-slice stretch keeps at its natural size) where frame Shown
// differs from the other two frames and is not see-through: a painted button shows frame Shown exactly when
// it has that frame's colour at all of them.
std::vector<TPixel> TellTalePixels(const std::vector<TBitmap>& Frames, int Shown) {
    std::vector<TPixel> Result;
    const TBitmap& Own = Frames[Shown];
    for (int Y = 0; Y < Own.Height() / 2; ++Y)
        for (int X = 0; X < Own.Width() / 2; ++X) {
            const TColor Color = PixelAt(Own, X, Y);
            bool Unique = Color != clFuchsia;
            for (int Other = 0; Other < static_cast<int>(Frames.size()); ++Other)
                if (Other != Shown && PixelAt(Frames[Other], X, Y) == Color) Unique = false;
            if (Unique) Result.push_back({X, Y});
        }
    return Result;
}

bool ShowsFrame(const TBitmap& Painted, const std::vector<TBitmap>& Frames, int Frame) {
    const auto Pixels = TellTalePixels(Frames, Frame);
    if (Pixels.empty()) return false;
    for (const auto& [X, Y] : Pixels)
        if (PixelAt(Painted, X, Y) != PixelAt(Frames[Frame], X, Y)) return false;
    return true;
}

std::set<TPixel> PixelsOf(const TBitmap& Image, TColor Color) {
    std::set<TPixel> Result;
    for (int Y = 0; Y < Image.Height(); ++Y)
        for (int X = 0; X < Image.Width(); ++X)
            if (PixelAt(Image, X, Y) == Color) Result.insert({X, Y});
    return Result;
}

// Pixels that differ between two images of the same size.
std::set<TPixel> Differences(const TBitmap& A, const TBitmap& B) {
    std::set<TPixel> Result;
    for (int Y = 0; Y < A.Height(); ++Y)
        for (int X = 0; X < A.Width(); ++X)
            if (PixelAt(A, X, Y) != PixelAt(B, X, Y)) Result.insert({X, Y});
    return Result;
}

} // namespace

// A button of exactly one frame's size shows that frame pixel for pixel: frame 1 at rest and when disabled,
// 2 under the pointer, 3 while held, and frame 1 again at once when dragged out.
TEST_F(SkinnedButtonTest, EachStateShowsItsFrameOfTheStrip) {
    const auto Strip = Frames(DeepBlue);
    Button->SetBounds(20, 20, Strip[0].Width(), Strip[0].Height());
    Button->SetTabStop(false); // a press then leaves the focus (and its dotted rectangle) where it is
    int Entered = 0, Left = 0;
    Button->OnMouseEnter = [&](TObject*) { ++Entered; };
    Button->OnMouseExit = [&](TObject*) { ++Left; };

    EXPECT_TRUE(ShowsFrame(*PaintedImage(*Button), Strip, 0));
    MouseMove(*Button, 5, 5);
    EXPECT_TRUE(Button->MouseOn());
    EXPECT_TRUE(ShowsFrame(*PaintedImage(*Button), Strip, 1));
    MouseDown(*Button, 5, 5);
    EXPECT_TRUE(ShowsFrame(*PaintedImage(*Button), Strip, 2));
    MouseMove(*Button, -20, 5);
    EXPECT_FALSE(Button->MouseIsDown());
    EXPECT_TRUE(ShowsFrame(*PaintedImage(*Button), Strip, 0));
    MouseUp(*Button, -20, 5);
    EXPECT_EQ(0, Clicks);
    EXPECT_EQ(1, Entered);
    EXPECT_GE(Left, 1);

    MouseMove(*Button, 5, 5);
    Button->SetEnabled(false);
    EXPECT_TRUE(ShowsFrame(*PaintedImage(*Button), Strip, 0));
}

TEST_F(SkinnedButtonTest, ADisabledCaptionIsGreyOverAWhiteShadowOneRightAndDown) {
    Button->SetCaption("Save");
    const auto Enabled = PaintedImage(*Button);
    Button->SetEnabled(false);
    const auto Disabled = PaintedImage(*Button);

    const std::set<TPixel> Changed = Differences(*Enabled, *Disabled);
    std::set<TPixel> Grey, White;
    for (const TPixel& P : Changed) {
        const TColor Color = PixelAt(*Disabled, P.first, P.second);
        if (Color == clGray) Grey.insert(P);
        if (Color == clWhite) White.insert(P);
    }
    ASSERT_FALSE(Grey.empty());
    ASSERT_FALSE(White.empty());
    // Every grey pixel has its shadow below right, unless grey text covers it there.
    for (const auto& [X, Y] : Grey)
        EXPECT_TRUE(White.count({X + 1, Y + 1}) || Grey.count({X + 1, Y + 1})) << X << "," << Y;
    EXPECT_TRUE(PixelsOf(*Disabled, clBlack).empty());
}

// A click comes from the release over the button after a press on it; a second fast press (which the system
// reports as a double click) is a second click.
TEST_F(SkinnedButtonTest, ClicksComeFromAReleaseOverTheButtonAndTwoQuickClicksAreTwo) {
    int DoubleClicks = 0;
    Button->OnDblClick = [&](TObject*) { ++DoubleClicks; };
    MouseDown(*Button, 10, 10);
    EXPECT_EQ(0, Clicks);
    MouseUp(*Button, 10, 10);
    EXPECT_EQ(1, Clicks);

    ::SendMessageA(Button->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, PointToLParam({10, 10}));
    MouseUp(*Button, 10, 10);
    EXPECT_EQ(2, Clicks);
    EXPECT_EQ(0, DoubleClicks);

    MouseDown(*Button, 10, 10);
    MouseUp(*Button, Button->Width() + 5, 10);
    EXPECT_EQ(2, Clicks);
}

// The repeat timer is driven by hand here (its interval is far too long to tick on its own): each tick is one
// OnMouseContinuouslyDown, and the timer lives exactly as long as the hold.
TEST_F(SkinnedButtonTest, TheRepeatFiresOncePerTickWhileHeldAndEndsWithTheClick) {
    constexpr int LongInterval = 600000;
    Button->SetMouseContinuouslyDownInterval(LongInterval);
    int Repeats = 0;
    Button->OnMouseContinuouslyDown = [&](TObject* Sender) {
        EXPECT_EQ(Button, Sender);
        ++Repeats;
    };
    const long Timers = THandleCounts::Live(THandleKind::Timer);
    EXPECT_EQ(nullptr, Button->RepeatTimer());

    MouseDown(*Button, 10, 10);
    TTimer* Timer = Button->RepeatTimer();
    ASSERT_NE(nullptr, Timer);
    EXPECT_EQ(LongInterval, Timer->Interval());
    EXPECT_EQ(Timers + 1, THandleCounts::Live(THandleKind::Timer));
    for (int Tick = 0; Tick < 3; ++Tick)
        Timer->OnTimer(Timer);
    EXPECT_EQ(3, Repeats);
    MouseUp(*Button, 10, 10);
    EXPECT_EQ(1, Clicks);
    EXPECT_EQ(nullptr, Button->RepeatTimer());
    EXPECT_EQ(Timers, THandleCounts::Live(THandleKind::Timer));

    Button->SetMouseContinuouslyDownInterval(0);
    MouseDown(*Button, 10, 10);
    EXPECT_EQ(nullptr, Button->RepeatTimer());
    MouseUp(*Button, 10, 10);
}

TEST_F(SkinnedButtonTest, TheHoldAndItsTimerEndWithTheCaptureTheEnabledStateTheVisibilityAndTheButton) {
    const long Timers = THandleCounts::Live(THandleKind::Timer);
    const auto HoldThen = [&](const std::function<void()>& Interrupt) {
        MouseDown(*Button, 10, 10);
        ASSERT_NE(nullptr, Button->RepeatTimer());
        Interrupt();
        EXPECT_FALSE(Button->MouseIsDown());
        EXPECT_EQ(nullptr, Button->RepeatTimer());
        EXPECT_EQ(Timers, THandleCounts::Live(THandleKind::Timer));
    };
    HoldThen([&] { ::SetCapture(Form->Handle()); });
    ::ReleaseCapture();
    HoldThen([&] { Button->SetEnabled(false); });
    Button->SetEnabled(true);
    HoldThen([&] { Button->Hide(); });
    Button->Show();
    HoldThen([&] { delete Button; });
    ::ReleaseCapture();
}

// With a non-button control focused, Enter clicks the Default button and Escape the Cancel one; with another
// skinned button focused, Enter clicks that one. Every click hands ModalResult, 0 included, to the form.
TEST_F(SkinnedButtonTest, EnterAndEscapeClickTheRightButtonAndEveryClickSetsTheModalResult) {
    auto* Other = Make<TvskButton>(120, 20);
    auto* Check = Make<TvskCheckBox>(20, 80);
    auto* Escape = Make<TvskButton>(220, 20);
    int OtherClicks = 0, EscapeClicks = 0;
    Other->OnClick = [&](TObject*) { ++OtherClicks; };
    Escape->OnClick = [&](TObject*) { ++EscapeClicks; };
    Button->SetDefault(true);
    Button->SetModalResult(mrOk);
    Escape->SetCancel(true);
    Escape->SetModalResult(mrCancel);

    Check->SetFocus();
    ASSERT_EQ(Check->Handle(), ::GetFocus());
    TypeKey(VK_RETURN);
    EXPECT_EQ(1, Clicks);
    EXPECT_EQ(mrOk, Form->ModalResult());
    TypeKey(VK_ESCAPE);
    EXPECT_EQ(1, EscapeClicks);
    EXPECT_EQ(mrCancel, Form->ModalResult());
    EXPECT_FALSE(Check->Checked());
    {
        TKeysHeld Control({VK_CONTROL});
        TypeKey(VK_RETURN);
        EXPECT_EQ(1, Clicks);
    }

    Other->SetFocus();
    EXPECT_TRUE(Other->ActiveDefault());
    EXPECT_FALSE(Button->ActiveDefault());
    TypeKey(VK_RETURN);
    EXPECT_EQ(1, OtherClicks);
    EXPECT_EQ(1, Clicks);
    EXPECT_EQ(mrNone, Form->ModalResult());
}

// Space works like the mouse: down shows the pressed face, up clicks.
TEST_F(SkinnedButtonTest, SpacePressesAndClicksTheFocusedButton) {
    Button->SetFocus();
    ::SendMessageA(Button->Handle(), WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_TRUE(Button->MouseIsDown());
    ::SendMessageA(Button->Handle(), WM_KEYUP, VK_SPACE, 1);
    EXPECT_FALSE(Button->MouseIsDown());
    EXPECT_EQ(1, Clicks);
}

TEST_F(SkinnedButtonTest, AcceleratorsClickEnabledButtonsOnly) {
    Button->SetCaption("&Add");
    EXPECT_EQ(1, Form->Perform(CM_DIALOGCHAR, 'a'));
    EXPECT_EQ(1, Clicks);
    EXPECT_EQ(0, Form->Perform(CM_DIALOGCHAR, 'd'));
    Button->SetEnabled(false);
    EXPECT_EQ(0, Form->Perform(CM_DIALOGCHAR, 'a'));
    EXPECT_EQ(1, Clicks);
}

// Code that presses push buttons by message (tests, automation) presses a skinned one the same way.
TEST_F(SkinnedButtonTest, BmClickPressesAnEnabledButtonOnly) {
    ::SendMessageA(Button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(1, Clicks);
    Button->SetEnabled(false);
    ::SendMessageA(Button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(1, Clicks);
}

TEST_F(SkinnedButtonTest, TransparencyFollowsTheStyle) {
    for (const auto& [Style, Transparent] :
         {std::pair{BlueGlass, true}, std::pair{DeepBlue, false}, std::pair{MacOS, true}, std::pair{WinXP, false}}) {
        Button->SetUIStyle(Style);
        EXPECT_EQ(Transparent, Button->Transparent()) << Style;
        EXPECT_EQ(Transparent, Button->PicTransparent()) << Style;
    }
    // See-through: the form's colour shows in the face's rounded corner; opaque: the button's colour.
    Button->SetUIStyle(BlueGlass);
    Button->SetColor(clRed);
    EXPECT_EQ(clSilver, PixelAt(*PaintedImage(*Button), 0, 0));
    Button->SetUIStyle(DeepBlue);
    Button->SetTransparent(false);
    const auto Opaque = PaintedImage(*Button);
    EXPECT_NE(clSilver, PixelAt(*Opaque, 0, 0));
}

// BlueGlass marks the focus with a bold caption and no rectangle; DeepBlue with a dotted rectangle inset by
// FocusedRectMargin, the caption unchanged.
TEST_F(SkinnedButtonTest, FocusIsABoldCaptionInBlueGlassAndADottedRectangleInDeepBlue) {
    Button->SetCaption("Help");
    Button->SetFocusedRectMargin(3);
    const auto MarginRow = [&](const std::set<TPixel>& Changed) {
        return std::count_if(Changed.begin(), Changed.end(), [](const TPixel& P) { return P.second == 3; });
    };
    auto* Elsewhere = Make<TvskCheckBox>(20, 80);
    for (const TvskUIStyle Style : {BlueGlass, DeepBlue}) {
        Button->SetUIStyle(Style);
        Elsewhere->SetFocus();
        const auto Unfocused = PaintedImage(*Button);
        Button->SetFocus();
        ASSERT_TRUE(Button->Focused());
        const auto Focused = PaintedImage(*Button);
        const auto Changed = Differences(*Unfocused, *Focused);
        ASSERT_FALSE(Changed.empty()) << Style;
        if (Style == BlueGlass)
            EXPECT_EQ(0, MarginRow(Changed));
        else
            EXPECT_GT(MarginRow(Changed), Button->Width() / 4);
    }
    // Beside a glyph the caption keeps its weight, so a BlueGlass glyph button looks the same focused.
    Button->SetUIStyle(BlueGlass);
    TBitmap Glyph(16, 16);
    Fill(Glyph, clLime);
    Button->SetGlyph(&Glyph);
    Elsewhere->SetFocus();
    const auto Unfocused = PaintedImage(*Button);
    Button->SetFocus();
    EXPECT_TRUE(Differences(*Unfocused, *PaintedImage(*Button)).empty());
}

// A glyph twice as wide as high holds an enabled and a disabled image, shown as they are; a single glyph is
// greyed when disabled. Left of the caption by default.
TEST_F(SkinnedButtonTest, GlyphPairsShowTheirOwnDisabledImageAndSingleGlyphsAreGreyed) {
    Button->SetCaption("Go");
    Button->SetBounds(20, 20, 120, 30);
    TBitmap Pair(32, 16);
    Pair.Canvas().Brush().SetColor(clLime);
    Pair.Canvas().FillRect(TRect(0, 0, 16, 16));
    Pair.Canvas().Brush().SetColor(clBlue);
    Pair.Canvas().FillRect(TRect(16, 0, 32, 16));
    Pair.Canvas().SetPixels(0, 0, clFuchsia); // the mask colour: the corner stays see-through
    Button->SetGlyph(&Pair);
    auto Image = PaintedImage(*Button);
    const auto Lime = PixelsOf(*Image, clLime);
    ASSERT_EQ(16u * 16u - 1, Lime.size());
    EXPECT_TRUE(PixelsOf(*Image, clBlue).empty());
    const auto Text = PixelsOf(*Image, clBlack);
    ASSERT_FALSE(Text.empty());
    EXPECT_LT(Lime.rbegin()->first, Text.begin()->first); // glyph left of the caption

    Button->SetEnabled(false);
    Image = PaintedImage(*Button);
    EXPECT_TRUE(PixelsOf(*Image, clLime).empty());
    EXPECT_EQ(16u * 16u, PixelsOf(*Image, clBlue).size()); // its corner is not the mask colour

    TBitmap Single(16, 16);
    Single.Canvas().Brush().SetColor(clRed);
    Single.Canvas().FillRect(TRect(0, 0, 16, 16));
    Single.Canvas().SetPixels(0, 0, clFuchsia);
    Button->SetGlyph(&Single);
    EXPECT_TRUE(PixelsOf(*PaintedImage(*Button), clRed).empty());
    Button->SetEnabled(true);
    EXPECT_EQ(16u * 16u - 1, PixelsOf(*PaintedImage(*Button), clRed).size());
}

TEST_F(SkinnedButtonTest, AutoSizeTakesOneFrameOfTheStyleStrip) {
    Button->SetUIStyle(BlueGlass);
    Button->SetAutoSize(true);
    const auto Strip = Frames(BlueGlass);
    EXPECT_EQ(Strip[0].Width(), Button->Width());
    EXPECT_EQ(Strip[0].Height(), Button->Height());
}

// Image buttons show their own pictures per state, the normal one where a state has none.
TEST_F(SkinnedButtonTest, ImageButtonsShowTheirPicturesAndFallBackToTheNormalOne) {
    auto* Image = new TvskImageButton(Form.get()); // pictures first, parent last, as a scroll bar makes its arrows
    TPicture Normal, Pressed;
    for (auto [Picture, Color] : {std::pair{&Normal, clRed}, std::pair{&Pressed, clBlue}}) {
        Picture->Bitmap().SetSize(12, 10);
        Picture->Bitmap().Canvas().Brush().SetColor(Color);
        Picture->Bitmap().Canvas().FillRect(TRect(0, 0, 12, 10));
    }
    Image->SetAutoSize(true);
    Image->SetPicNormal(&Normal);
    Image->SetPicMouseDown(&Pressed);
    Image->SetParent(Form.get());
    EXPECT_EQ(12, Image->Width());
    EXPECT_EQ(10, Image->Height());
    EXPECT_EQ(clRed, PixelAt(*PaintedImage(*Image), 5, 5));
    MouseMove(*Image, 5, 5);
    EXPECT_EQ(clRed, PixelAt(*PaintedImage(*Image), 5, 5));
    MouseDown(*Image, 5, 5);
    EXPECT_EQ(clBlue, PixelAt(*PaintedImage(*Image), 5, 5));
    MouseUp(*Image, 5, 5);
}

TEST_F(SkinnedButtonTest, ControlButtonsTakeTheSizeOfTheirFrameAndAreNoTabStops) {
    auto* Control = Make<TvskControlButton>(20, 80);
    EXPECT_FALSE(Control->TabStop());
    EXPECT_EQ(DeepBlue, Control->UIStyle());
    Control->SetThemeID(VSK_THEME_TITLE_BAR_BUTTON_IMAGE);
    Control->SetPicCount(18);
    Control->SetPicIndex(3);
    TBitmap Frame;
    GetInsideThemeBitmap(DeepBlue, VSK_THEME_TITLE_BAR_BUTTON_IMAGE, &Frame, 18, 3);
    EXPECT_EQ(Frame.Width(), Control->Width());
    EXPECT_EQ(Frame.Height(), Control->Height());
}

TEST_F(SkinnedButtonTest, ArrowButtonsDrawABlackTriangleThatPointsTheirWay) {
    auto* Arrow = Make<TvskArrowButton>(20, 80);
    Arrow->SetUIStyle(DeepBlue);
    Arrow->SetBounds(20, 80, 30, 20);
    const int CenterX = 15, Top = (20 - 3) / 2;
    Arrow->SetArrow(vskUp);
    auto Image = PaintedImage(*Arrow);
    EXPECT_EQ(clBlack, PixelAt(*Image, CenterX, Top));
    EXPECT_NE(clBlack, PixelAt(*Image, CenterX - 3, Top));
    EXPECT_EQ(clBlack, PixelAt(*Image, CenterX - 3, Top + 3));
    Arrow->SetArrow(vskDown);
    Image = PaintedImage(*Arrow);
    EXPECT_EQ(clBlack, PixelAt(*Image, CenterX - 3, Top));
    EXPECT_NE(clBlack, PixelAt(*Image, CenterX - 3, Top + 3));
}

// Stored windows create the skinned controls by class name and set what they store, the old "ResHandle = 0"
// of buttons included.
TEST(SkinnedControlDescriptions, CreateTheRegisteredControlsByNameWithTheirStoredValues) {
    RegisterSkinControlClasses();
    auto Form = std::make_unique<TForm>(nullptr);
    Form->ReadDescription(R"(object fmMain: TForm
  object spTop: TvskPanel
    UIStyle = MacOS
    Align = alTop
    Height = 91
    ShowButton = False
    object btnHelp: TvskButton
      Left = 10
      Top = 30
      Caption = '&Help'
      ResHandle = 0
      UIStyle = BlueGlass
      ModalResult = 1
    end
  end
  object sbMain: TvskStatusBar
    UIStyle = BlueGlass
    PanelColor = 15198183
  end
end
)");
    auto* Panel = dynamic_cast<TvskPanel*>(Form->FindComponent("spTop"));
    auto* Help = dynamic_cast<TvskButton*>(Form->FindComponent("btnHelp"));
    ASSERT_NE(nullptr, Panel);
    ASSERT_NE(nullptr, Help);
    EXPECT_EQ(Panel, Help->Parent());
    EXPECT_EQ(91, Panel->ExpandedHeight());
    EXPECT_FALSE(Panel->ShowButton());
    EXPECT_EQ(MacOS, Panel->UIStyle());
    EXPECT_EQ("&Help", Help->Caption());
    EXPECT_EQ(BlueGlass, Help->UIStyle());
    EXPECT_TRUE(Help->Transparent());
    EXPECT_EQ(mrOk, Help->ModalResult());
    EXPECT_NE(nullptr, dynamic_cast<TvskStatusBar*>(Form->FindComponent("sbMain")));
}
