// The skinned memo's scroll bars: its native bars follow the skinned ones attached, a skinned bar stays on
// (disabled, without a thumb) while there is nothing to scroll, typing that scrolls moves the thumb, and the
// thumb scrolls the memo to its line, each without feeding back.
#include "tests/skin/controls/SkinControlFixture.h"
#include "tests/support/Messages.h"
#include "tests/support/UserInput.h"

#include "skin/controls/Vskimagepanel.h"
#include "skin/controls/Vskmemo.h"
#include "skin/controls/Vsktrackbar.h"

namespace {

struct MemoTest : SkinControlFixture {
    TvskMemo* Memo = Make<TvskMemo>(20, 20);
    TvskScrollBar* VBar = Make<TvskScrollBar>(0, 0);
    TvskScrollBar* HBar = Make<TvskScrollBar>(0, 0);

    MemoTest() { Memo->SetBounds(20, 20, 200, 120); }

    int FirstVisibleLine() const {
        return static_cast<int>(::SendMessageA(Memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
    }
    int NativePosition() const {
        SCROLLINFO Info{};
        Info.cbSize = sizeof(Info);
        Info.fMask = SIF_POS;
        ::GetScrollInfo(Memo->Handle(), SB_VERT, &Info);
        return Info.nPos;
    }
};

} // namespace

TEST_F(MemoTest, TheNativeScrollBarsFollowTheSkinnedOnesAttached) {
    ASSERT_EQ(ssNone, Memo->ScrollBars());
    Memo->SetVScrollBar(VBar);
    EXPECT_EQ(ssVertical, Memo->ScrollBars());
    EXPECT_NE(0, ::GetWindowLongPtrA(Memo->Handle(), GWL_STYLE) & WS_VSCROLL);
    Memo->SetHScrollBar(HBar);
    EXPECT_EQ(ssBoth, Memo->ScrollBars());
    EXPECT_EQ(vskHorizontal, HBar->Orientation());
    EXPECT_EQ(3 * HBar->PageSize(), HBar->SmallChange());
    // Inside the two-pixel border of the memo at (20, 20, 220, 140), each bar stops short of the other's corner.
    const int VWidth = VBar->Width();
    const int HHeight = HBar->Height();
    EXPECT_EQ(TRect(218 - VWidth, 21, 218, 139 - HHeight), VBar->BoundsRect());
    EXPECT_EQ(TRect(21, 138 - HHeight, 219 - VWidth, 138), HBar->BoundsRect());
    Memo->SetVScrollBar(nullptr);
    EXPECT_EQ(ssHorizontal, Memo->ScrollBars());
    delete HBar;
    EXPECT_EQ(ssNone, Memo->ScrollBars());
}

// With nothing to scroll the native bar is there but unavailable: the skinned one stays in place, disabled
// and without a thumb, until the text outgrows the memo.
TEST_F(MemoTest, ASkinnedBarStaysShownDisabledAndThumblessWhileTheTextFits) {
    Memo->SetVScrollBar(VBar);
    EXPECT_TRUE(VBar->Visible());
    EXPECT_FALSE(VBar->Enabled());
    EXPECT_FALSE(VBar->SliderVisible());
    std::string Text;
    for (int Line = 0; Line < 40; ++Line)
        Text += "Line " + std::to_string(Line) + "\r\n";
    Memo->SetText(Text);
    EXPECT_TRUE(VBar->Visible());
    EXPECT_TRUE(VBar->Enabled());
    EXPECT_TRUE(VBar->SliderVisible());
    EXPECT_GT(VBar->Max(), 0);
}

// Each line typed past the bottom scrolls the memo by itself, and the thumb follows key by key; nothing of
// that copying sends the memo a scroll message.
TEST_F(MemoTest, TypingThatScrollsMovesTheThumbWithoutFeedback) {
    Memo->SetVScrollBar(VBar);
    Memo->SetFocus();
    TMessageLog Log(*Memo);
    int Scrolled = 0;
    for (int Line = 0; Line < 20; ++Line) {
        TypeChars(Memo->Handle(), "LINE\r");
        EXPECT_EQ(NativePosition(), VBar->Position()) << Line;
        if (VBar->Position() > 0) ++Scrolled;
    }
    EXPECT_GT(Scrolled, 5);
    EXPECT_GT(VBar->Position(), 5);
    EXPECT_EQ(0, Log.Count(WM_VSCROLL));
}

// The thumb sends the memo one SB_THUMBPOSITION per change, and the memo's first line is the bar's position.
TEST_F(MemoTest, DraggingTheThumbScrollsTheMemoToItsLine) {
    std::string Text;
    for (int Line = 0; Line < 60; ++Line)
        Text += "Line " + std::to_string(Line) + "\r\n";
    Memo->SetText(Text);
    Memo->SetVScrollBar(VBar);
    TvskTrackBar& Track = VBar->TrackBar();
    TvskImagePanel& Thumb = Track.Slider();
    TMessageLog Log(*Memo);
    MouseDown(Thumb, Thumb.Width() / 2, Thumb.Height() / 2);
    MouseMove(Track, Thumb.Width() / 2, Track.Height() / 2);
    MouseUp(Track, Thumb.Width() / 2, Track.Height() / 2);
    ASSERT_GT(VBar->Position(), 10);
    EXPECT_EQ(VBar->Position(), FirstVisibleLine());
    EXPECT_EQ(VBar->Position(), NativePosition());
    const auto Scrolls = Log.Of(WM_VSCROLL);
    ASSERT_EQ(1u, Scrolls.size());
    EXPECT_EQ(SB_THUMBPOSITION, LOWORD(Scrolls[0].WParam));
    EXPECT_EQ(VBar->Position(), HIWORD(Scrolls[0].WParam));
}
