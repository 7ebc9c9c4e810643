// The skinned scroll bar under real mouse and keyboard messages: its layout and thumb in every style and both
// orientations, the arrows' faces and repeat, paging on the track with a timer the test drives, dragging the
// thumb, the keys, OnChange with its delta, and ranges that would divide by zero or go negative.
#include "tests/skin/controls/SkinControlFixture.h"
#include "tests/support/Messages.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"
#include "tests/support/UserInput.h"

#include "framework/win/forms/Timer.h"
#include "framework/win/graphics/ColorConversion.h"
#include "skin/controls/Vskimagebutton.h"
#include "skin/controls/Vskimagepanel.h"
#include "skin/controls/Vskscrollbar.h"
#include "skin/controls/Vsktrackbar.h"
#include "skin/themes/Vskthemes.h"

#include <limits>
#include <memory>
#include <vector>

namespace {

struct ScrollBarTest : SkinControlFixture {
    TvskScrollBar* Bar = Make<TvskScrollBar>(10, 10);
    std::vector<int> Changes; // LastChange of every OnChange

    ScrollBarTest() {
        Bar->OnChange = [this](TObject* Sender) {
            EXPECT_EQ(Bar, Sender);
            Changes.push_back(Bar->LastChange());
        };
    }

    void MakeVertical(TvskUIStyle Style, int Length) {
        Bar->SetUIStyle(Style);
        Bar->SetOrientation(vskVertical);
        Bar->SetHeight(Length);
    }
    void MakeHorizontal(TvskUIStyle Style, int Length) {
        Bar->SetUIStyle(Style);
        Bar->SetOrientation(vskHorizontal);
        Bar->SetWidth(Length);
    }
    TvskScrollTrackBar& Track() const { return Bar->TrackBar(); }
    TvskImagePanel& Thumb() const { return Track().Slider(); }
    int ThumbLength() const {
        return Bar->Orientation() == vskVertical ? Thumb().Height() : Thumb().Width();
    }
    int ThumbStart() const { return Bar->Orientation() == vskVertical ? Thumb().Top() : Thumb().Left(); }
    // A press on the track at a point along it (and in the middle across it), held.
    void PressTrackAt(int Along) {
        const int Across = Bar->Orientation() == vskVertical ? Track().Width() / 2 : Track().Height() / 2;
        if (Bar->Orientation() == vskVertical)
            MouseDown(Track(), Across, Along);
        else
            MouseDown(Track(), Along, Across);
    }
    void Tick() const { Track().RepeatTimer()->OnTimer(Track().RepeatTimer()); }
};

// Frame Frame (from 1) of Count of a style's strip.
std::unique_ptr<TBitmap> StripFrame(TvskUIStyle Style, int Entry, int Count, int Frame) {
    auto Result = std::make_unique<TBitmap>();
    GetInsideThemeBitmap(Style, Entry, Result.get(), Count, Frame);
    return Result;
}

} // namespace

// Layout ------------------------------------------------------------------------------------------------------

TEST_F(ScrollBarTest, AVerticalBlueGlassBarOf200PixelsHasA167PixelTrackBetween17By16Arrows) {
    MakeVertical(BlueGlass, 200);
    EXPECT_EQ(17, Bar->Width());
    EXPECT_EQ(TRect(0, 0, 17, 16), Bar->DecButton().BoundsRect());
    EXPECT_EQ(TRect(0, 184, 17, 200), Bar->IncButton().BoundsRect());
    EXPECT_EQ(16, Track().Top());
    EXPECT_EQ(167, Track().Height());
    EXPECT_EQ(16, Track().Width()); // as thick as the thumb
}

// Every style's arrows come out of its six-frame strip at the frame's size, turned for a horizontal bar,
// which has no one-pixel gap before its increment arrow.
TEST_F(ScrollBarTest, EachStyleSizesItsArrowsAndTrackFromItsStrips) {
    struct TCase {
        TvskUIStyle Style;
        int ArrowWidth, ArrowHeight, ThumbThickness;
    };
    for (const TCase& Case : {TCase{MacOS, 16, 22, 16}, TCase{WinXP, 16, 17, 16}, TCase{DeepBlue, 16, 16, 16},
                              TCase{Protein, 16, 16, 16}, TCase{BlueGlass, 17, 16, 16}}) {
        SCOPED_TRACE(Case.Style);
        MakeVertical(Case.Style, 150);
        EXPECT_EQ(Case.ArrowWidth, Bar->Width());
        EXPECT_EQ(Case.ArrowHeight, Bar->DecButton().Height());
        EXPECT_EQ(150 - 2 * Case.ArrowHeight - 1, Track().Height());
        EXPECT_EQ(Case.ThumbThickness, Thumb().Width());
        MakeHorizontal(Case.Style, 150);
        EXPECT_EQ(Case.ArrowWidth, Bar->Height());
        EXPECT_EQ(Case.ArrowHeight, Bar->DecButton().Width());
        EXPECT_EQ(150 - 2 * Case.ArrowHeight, Track().Width());
        EXPECT_EQ(Case.ArrowHeight, Track().Left());
        EXPECT_EQ(Case.ThumbThickness, Thumb().Height());
    }
}

// Normal, pointer over and pressed show frames 1, 2, 3 (decrement) and 4, 5, 6 (increment) of the strip; a
// horizontal bar shows them turned a quarter counter-clockwise (the frame's top-right pixel at top-left). The
// frame's corner colour is keyed out: the bar's own colour shows there.
TEST_F(ScrollBarTest, ArrowsShowTheirStripFramesPerStateUnderTheMouse) {
    MakeVertical(WinXP, 150);
    const auto ShowsFrame = [this](TvskImageButton& Arrow, int Frame, bool Turned) {
        const auto ExpectedFrame = StripFrame(WinXP, VSK_THEME_SCROLL_BAR_BUTTON_IMAGE, 6, Frame);
        const TBitmap& Expected = *ExpectedFrame;
        const TColor Key = Turned ? PixelAt(Expected, Expected.Width() - 1, 0) : PixelAt(Expected, 0, 0);
        const auto Shown = PaintedImage(Arrow);
        for (int Y = 0; Y < Shown->Height(); ++Y)
            for (int X = 0; X < Shown->Width(); ++X) {
                const TColor Face = Turned ? PixelAt(Expected, Expected.Width() - 1 - Y, X) : PixelAt(Expected, X, Y);
                const TColor Want = Face == Key ? ColorToRGB(Bar->Color()) : Face;
                if (PixelAt(*Shown, X, Y) != Want) return false;
            }
        return true;
    };
    TvskImageButton& Dec = Bar->DecButton();
    TvskImageButton& Inc = Bar->IncButton();
    EXPECT_TRUE(ShowsFrame(Dec, 1, false));
    EXPECT_TRUE(ShowsFrame(Inc, 4, false));
    MouseMove(Inc, 3, 3);
    EXPECT_TRUE(ShowsFrame(Inc, 5, false));
    MouseDown(Inc, 3, 3);
    EXPECT_TRUE(ShowsFrame(Inc, 6, false));
    MouseUp(Inc, 3, 3);
    MouseMove(Dec, 3, 3);
    EXPECT_TRUE(ShowsFrame(Dec, 2, false));
    MouseDown(Dec, 3, 3);
    EXPECT_TRUE(ShowsFrame(Dec, 3, false));
    MouseUp(Dec, 3, 3);

    MouseMove(*Form, 300, 250);
    Bar->SetOrientation(vskHorizontal);
    Bar->SetWidth(150); // long enough to hold both arrows side by side
    EXPECT_TRUE(ShowsFrame(Dec, 1, true));
    EXPECT_TRUE(ShowsFrame(Inc, 4, true));
}

// The thumb of a vertical bar is the strip's horizontal thumb turned clockwise: its head's bottom-left pixel
// becomes the thumb's top-left one. The track around it is the style's scroll bar colour.
TEST_F(ScrollBarTest, TheThumbIsComposedOfTheTurnedPiecesOnTheStylesColour) {
    MakeVertical(MacOS, 200);
    Bar->SetPageSize(50);
    const auto HeadPiece = StripFrame(MacOS, VSK_THEME_SCROLL_BAR_SLIDER_IMAGE, 3, 1);
    const auto TailPiece = StripFrame(MacOS, VSK_THEME_SCROLL_BAR_SLIDER_IMAGE, 3, 3);
    const TBitmap& Head = *HeadPiece;
    const TBitmap& Tail = *TailPiece;
    const auto Shown = PaintedImage(Thumb());
    const int Last = Shown->Height() - 1;
    for (int X = 0; X < Shown->Width(); ++X) {
        EXPECT_EQ(PixelAt(Head, 0, Head.Height() - 1 - X), PixelAt(*Shown, X, 0)) << X;
        EXPECT_EQ(PixelAt(Tail, Tail.Width() - 1, Tail.Height() - 1 - X), PixelAt(*Shown, X, Last)) << X;
    }
    Bar->SetPosition(100); // the thumb at the bottom leaves the top of the track bare
    const auto TrackShown = PaintedImage(Track());
    EXPECT_TRUE(AreaIs(*TrackShown, TRect(0, 0, Track().Width(), 10), TColor{0xC9C9C9}));
}

// Thumb length ------------------------------------------------------------------------------------------------

TEST_F(ScrollBarTest, ThumbLengthFollowsPageSizeAsAPercentageOrLineButtonInPixels) {
    MakeVertical(BlueGlass, 200); // track 167
    EXPECT_EQ(2, Bar->PageSize());
    EXPECT_EQ(167 * 10 / 100, ThumbLength()); // 2 is below 10: a tenth
    Bar->SetPageSize(50);
    EXPECT_EQ(167 / 2, ThumbLength());
    Bar->SetPageSize(100);
    EXPECT_EQ(167, ThumbLength());

    Bar->SetLineButton(5);
    EXPECT_EQ(18, Bar->LineButton());
    EXPECT_EQ(18, ThumbLength());
    Bar->SetLineButton(40);
    EXPECT_EQ(40, ThumbLength());
    Bar->SetLineButton(200 - 16 - 16 + 1); // longer than the room between the arrows: refused
    EXPECT_EQ(40, Bar->LineButton());
    Bar->SetLineButton(0);
    EXPECT_EQ(167, ThumbLength());

    Bar->SetLargeChange(30); // the page step alone
    EXPECT_EQ(30, Bar->PageSize());
    EXPECT_EQ(167, ThumbLength());
}

// A bar shorter than its arrows, a range of one value, a reversed or negative range and a page larger than
// the range all give a thumb inside its track, at least a pixel long, and positions inside the range.
TEST_F(ScrollBarTest, DegenerateRangesAndTracksGiveSaneThumbs) {
    MakeVertical(DeepBlue, 20); // arrows 16 + 16: no room at all
    EXPECT_EQ(0, Track().Height());
    EXPECT_EQ(1, ThumbLength());
    EXPECT_EQ(Bar->Min(), Track().GetPositionFromSliderPos(5));

    MakeVertical(DeepBlue, 200);
    Bar->SetMin(40);
    Bar->SetMax(40);
    EXPECT_EQ(40, Bar->Position());
    EXPECT_EQ(0, ThumbStart());
    EXPECT_EQ(40, Track().GetPositionFromSliderPos(150));

    Bar->SetRange(-500, -100);
    EXPECT_EQ(-100, Bar->Position());
    Bar->SetPageSize(300); // a page of most of a range below zero is taken
    EXPECT_EQ(300, Bar->PageSize());
    Bar->SetPageSize(401); // more than the whole range is not
    EXPECT_EQ(300, Bar->PageSize());
    EXPECT_EQ(Track().Height() - ThumbLength(), ThumbStart());
    Bar->SetPosition(-300);
    EXPECT_EQ((Track().Height() - ThumbLength()) / 2, ThumbStart());
    EXPECT_EQ(-500, Track().GetPositionFromSliderPos(-1000));
    EXPECT_EQ(-100, Track().GetPositionFromSliderPos(1000));

    Bar->SetRange(0, 10);
    Bar->SetLineButton(Track().Height()); // the thumb fills the track
    EXPECT_EQ(0, Track().GetPositionFromSliderPos(Track().Height()));
    EXPECT_EQ(0, ThumbStart());

    Bar->SetRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    Bar->SetLineButton(0);
    Bar->SetPosition(std::numeric_limits<int>::max());
    EXPECT_EQ(Track().Height() - ThumbLength(), ThumbStart());
}

// Positions and pixels ----------------------------------------------------------------------------------------

TEST_F(ScrollBarTest, PositionsAndPixelsMapBothWaysWithTheThumbCentredOnThePoint) {
    MakeHorizontal(DeepBlue, 132); // track 100, thumb 10: 90 pixels of room for 0 ... 100
    ASSERT_EQ(100, Track().Width());
    ASSERT_EQ(10, ThumbLength());
    Bar->SetPosition(50);
    EXPECT_EQ(45, ThumbStart());
    Bar->SetPosition(33);
    EXPECT_EQ(29, ThumbStart()); // 33 * 90 / 100, truncated
    EXPECT_EQ(0, Track().GetPositionFromSliderPos(5));
    EXPECT_EQ(50, Track().GetPositionFromSliderPos(50));
    Bar->SetRange(0, 9); // 9 / 90 per pixel: x = 10 gives 0.5, x = 20 gives 1.5
    EXPECT_EQ(0, Track().GetPositionFromSliderPos(10));
    EXPECT_EQ(2, Track().GetPositionFromSliderPos(20));
    EXPECT_EQ(1, Track().GetPositionFromSliderPos(16));
}

// OnChange ----------------------------------------------------------------------------------------------------

TEST_F(ScrollBarTest, OnChangeFiresOncePerChangeWithItsSignedDelta) {
    MakeVertical(DeepBlue, 200);
    Bar->SetPosition(30);
    Bar->SetPosition(30);
    Bar->SetPosition(12);
    Bar->SetPosition(500); // clamped to Max
    EXPECT_EQ((std::vector<int>{30, -18, 88}), Changes);
    EXPECT_EQ(100, Bar->Position());

    Changes.clear();
    Bar->SetMax(60); // below Position: Position follows
    EXPECT_EQ(60, Bar->Position());
    Bar->SetMin(80); // above Max: pulled down to it, nothing moves
    EXPECT_EQ(60, Bar->Min());
    Bar->SetMax(20); // below Min: raised to it
    EXPECT_EQ(60, Bar->Max());
    EXPECT_EQ((std::vector<int>{-40}), Changes);
}

// A new range is taken whole, whatever the old one was.
TEST_F(ScrollBarTest, SetRangeIsNotPulledByTheOldBounds) {
    Bar->SetRange(200, 300);
    Bar->SetRange(0, 50);
    EXPECT_EQ(0, Bar->Min());
    EXPECT_EQ(50, Bar->Max());
    EXPECT_EQ(50, Bar->Position());
}

// Arrows, track and keys --------------------------------------------------------------------------------------

// Held arrows step by SmallChange on each tick of their repeat timer (the first tick an interval after the
// press); a quick click moves nothing, and a disabled bar's arrows stop.
TEST_F(ScrollBarTest, HeldArrowsStepBySmallChangeOnEveryTick) {
    MakeVertical(DeepBlue, 200);
    Bar->SetSmallChange(7);
    TvskImageButton& Inc = Bar->IncButton();
    MouseMove(Inc, 3, 3);
    MouseDown(Inc, 3, 3);
    ASSERT_NE(nullptr, Inc.RepeatTimer());
    EXPECT_EQ(VskDefaultRepeatInterval, Inc.RepeatTimer()->Interval());
    EXPECT_EQ(0, Bar->Position());
    for (int I = 0; I < 3; ++I)
        Inc.RepeatTimer()->OnTimer(Inc.RepeatTimer());
    EXPECT_EQ(21, Bar->Position());
    MouseUp(Inc, 3, 3);
    EXPECT_EQ(nullptr, Inc.RepeatTimer());

    TvskImageButton& Dec = Bar->DecButton();
    MouseMove(Dec, 3, 3);
    MouseDown(Dec, 3, 3);
    MouseUp(Dec, 3, 3);
    EXPECT_EQ(21, Bar->Position());
    MouseDown(Dec, 3, 3);
    Dec.RepeatTimer()->OnTimer(Dec.RepeatTimer());
    EXPECT_EQ(14, Bar->Position());
    Bar->SetEnabled(false);
    EXPECT_EQ(nullptr, Dec.RepeatTimer());
    EXPECT_EQ((std::vector<int>{7, 7, 7, -7}), Changes);
}

// A press on a horizontal track pages by PageSize at once and then by three pages a tick, never past the
// pointer; the timer goes with the release.
TEST_F(ScrollBarTest, PressingTheTrackPagesTowardsThePointerAndStopsThere) {
    MakeHorizontal(DeepBlue, 232); // track 200, thumb 20: 0 ... 100 over 180 pixels
    Bar->SetPageSize(10);
    ASSERT_EQ(20, ThumbLength());
    PressTrackAt(160); // the thumb centred there would stand at round(150 * 100 / 180) = 83
    EXPECT_EQ(10, Bar->Position());
    ASSERT_NE(nullptr, Track().RepeatTimer());
    EXPECT_EQ(VskTrackPagingInterval, Track().RepeatTimer()->Interval());
    Tick();
    EXPECT_EQ(40, Bar->Position());
    Tick();
    EXPECT_EQ(70, Bar->Position());
    Tick();
    EXPECT_EQ(83, Bar->Position());
    Tick();
    EXPECT_EQ(83, Bar->Position());
    MouseUp(Track(), 160, 5);
    EXPECT_EQ(nullptr, Track().RepeatTimer());
    EXPECT_EQ((std::vector<int>{10, 30, 30, 13}), Changes);

    PressTrackAt(2); // before the thumb: back by a page, then by three
    EXPECT_EQ(73, Bar->Position());
    Tick();
    EXPECT_EQ(43, Bar->Position());
}

// A vertical track pages by one page a tick. Paging ends when the pointer leaves the track, when another
// window takes the capture, and when the bar is disabled or hidden.
TEST_F(ScrollBarTest, PagingStopsWhenThePressIsLostInAnyWay) {
    MakeVertical(DeepBlue, 232);
    Bar->SetPageSize(10);
    PressTrackAt(190);
    Tick();
    EXPECT_EQ(20, Bar->Position());
    MouseMove(Track(), 100, 190); // outside the track
    EXPECT_EQ(nullptr, Track().RepeatTimer());
    MouseUp(Track(), 100, 190);

    PressTrackAt(190);
    ASSERT_NE(nullptr, Track().RepeatTimer());
    ::SetCapture(Form->Handle());
    EXPECT_EQ(nullptr, Track().RepeatTimer());
    ::ReleaseCapture();

    PressTrackAt(190);
    Bar->SetEnabled(false);
    EXPECT_EQ(nullptr, Track().RepeatTimer());
    Bar->SetEnabled(true);
    PressTrackAt(190);
    Bar->Hide();
    EXPECT_EQ(nullptr, Track().RepeatTimer());

    // Destroyed while paging: no tick reaches the freed track.
    Bar->Show();
    PressTrackAt(190);
    ASSERT_NE(nullptr, Track().RepeatTimer());
    const std::size_t ChangesBefore = Changes.size();
    delete Bar;
    Bar = nullptr;
    PumpFor(3 * VskTrackPagingInterval);
    EXPECT_EQ(ChangesBefore, Changes.size());
}

// The thumb follows the pointer from where it was grabbed, clamped at the ends; the release ends the drag.
TEST_F(ScrollBarTest, DraggingTheThumbMovesThePositionWithThePointer) {
    MakeHorizontal(DeepBlue, 232); // 180 pixels of room for 0 ... 100
    MouseDown(Thumb(), 5, 5);
    EXPECT_TRUE(Track().Dragging());
    EXPECT_EQ(Track().Handle(), ::GetCapture());
    MouseMove(Track(), 95, 5); // the grab point 5 pixels into the thumb, moved by 90 pixels
    EXPECT_EQ(50, Bar->Position());
    EXPECT_EQ(90, ThumbStart());
    MouseMove(Track(), 500, 5);
    EXPECT_EQ(100, Bar->Position());
    MouseMove(Track(), -500, 5);
    EXPECT_EQ(0, Bar->Position());
    MouseUp(Track(), -500, 5);
    EXPECT_FALSE(Track().Dragging());
    MouseMove(Track(), 95, 5);
    EXPECT_EQ(0, Bar->Position());
    EXPECT_EQ((std::vector<int>{50, 50, -100}), Changes);
}

TEST_F(ScrollBarTest, TheFocusedTrackTakesPageLineAndEndKeys) {
    MakeVertical(DeepBlue, 200);
    Bar->SetPageSize(25);
    Bar->SetPosition(50);
    PressTrackAt(Track().Height() - 1); // a click gives the track the focus
    MouseUp(Track(), 5, Track().Height() - 1);
    ASSERT_EQ(Track().Handle(), ::GetFocus());
    Bar->SetPosition(50);
    TypeKey(VK_NEXT);
    EXPECT_EQ(75, Bar->Position());
    TypeKey(VK_PRIOR);
    TypeKey(VK_UP);
    EXPECT_EQ(49, Bar->Position());
    TypeKey(VK_RIGHT);
    TypeKey(VK_RIGHT);
    EXPECT_EQ(51, Bar->Position());
    TypeKey(VK_END);
    EXPECT_EQ(100, Bar->Position());
    TypeKey(VK_HOME);
    EXPECT_EQ(0, Bar->Position());
}
