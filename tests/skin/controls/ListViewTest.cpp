// The skinned list view (and, where they are the same, the memo): the style's border drawn over the window's
// edge, and a skinned vertical bar kept in step with the native one both ways under real mouse messages.
#include "tests/skin/controls/SkinControlFixture.h"
#include "tests/support/Messages.h"
#include "tests/support/UserInput.h"

#include "framework/win/graphics/ColorConversion.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "skin/controls/Vskimagebutton.h"
#include "skin/controls/Vskimagepanel.h"
#include "skin/controls/Vsklistview.h"
#include "skin/controls/Vskmemo.h"
#include "skin/controls/Vskpanel.h"
#include "skin/controls/Vsktrackbar.h"
#include "skin/themes/Vskthemes.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace {

constexpr int Rows = 40;

struct ListViewTest : SkinControlFixture {
    TvskListView* List = Make<TvskListView>(20, 20);
    TvskScrollBar* Bar = Make<TvskScrollBar>(0, 0);

    ListViewTest() {
        List->SetBounds(20, 20, 220, 160);
        List->SetViewStyle(vsReport);
        List->Columns()->Add()->SetCaption("CL Command");
        for (int Row = 0; Row < Rows; ++Row)
            List->Items()->Add()->SetCaption("Row " + std::to_string(Row));
    }

    TvskTrackBar& Track() const { return Bar->TrackBar(); }
    int TopRow() const { return static_cast<int>(::SendMessageA(List->Handle(), LVM_GETTOPINDEX, 0, 0)); }
    SCROLLINFO NativeBar() const {
        SCROLLINFO Info{};
        Info.cbSize = sizeof(Info);
        Info.fMask = SIF_ALL;
        ::GetScrollInfo(List->Handle(), SB_VERT, &Info);
        return Info;
    }
    // Drags the skinned thumb, held at its centre, until the bar stands at Position.
    void DragThumbTo(int Position) {
        TvskImagePanel& Thumb = Track().Slider();
        MouseDown(Thumb, Thumb.Width() / 2, Thumb.Height() / 2);
        int Along = 0;
        while (Along < Track().Height() && Track().GetPositionFromSliderPos(Along) < Position)
            ++Along;
        MouseMove(Track(), Thumb.Width() / 2, Along);
        MouseUp(Track(), Thumb.Width() / 2, Along);
    }
};

// The colour of a pixel of the window's whole area, frame included, as the screen shows it.
TColor WindowPixel(TWinControl& Control, int X, int Y) {
    const TWindowDC DC(Control.Handle(), TWindowDC::waWholeWindow);
    return ::GetPixel(DC.Handle(), X, Y);
}

} // namespace

// Border ------------------------------------------------------------------------------------------------------

// MacOS frames its controls in grey, WinXP in dark grey, the others in black: the outer line of the two-pixel
// edge, with the control's own colour inside it, on the list view and on the memo alike.
TEST_F(ListViewTest, BothHostsDrawTheStylesBorderColourOverTheirEdge) {
    auto* Memo = Make<TvskMemo>(250, 20);
    Memo->SetBounds(250, 20, 150, 100);
    Memo->SetColor(clWhite);
    for (TWinControl* Host : {static_cast<TWinControl*>(List), static_cast<TWinControl*>(Memo)}) {
        const auto SetStyle = [&](TvskUIStyle Style) {
            if (Host == List) List->SetUIStyle(Style); else Memo->SetUIStyle(Style);
            Host->Repaint();
            PumpMessages();
        };
        const auto Border = [&] { return Host == List ? List->BorderColor() : Memo->BorderColor(); };
        SetStyle(MacOS);
        EXPECT_EQ(TColor{0x7F7F7F}, Border());
        EXPECT_EQ(TColor{0x7F7F7F}, WindowPixel(*Host, 0, 0));
        EXPECT_EQ(TColor{0x7F7F7F}, WindowPixel(*Host, Host->Width() - 1, Host->Height() - 1));
        EXPECT_EQ(ColorToRGB(Host->Color()), WindowPixel(*Host, 1, 1));
        SetStyle(WinXP);
        EXPECT_EQ(TColor{0x686868}, WindowPixel(*Host, 0, Host->Height() / 2));
        SetStyle(BlueGlass);
        EXPECT_EQ(clBlack, Border());
        EXPECT_EQ(clBlack, WindowPixel(*Host, Host->Width() / 2, 0));
    }
}

// Where the two skinned bars meet, the native corner box does not show: the square takes the bars' colour.
TEST_F(ListViewTest, TheSquareBetweenBothSkinnedBarsTakesTheirColour) {
    List->SetUIStyle(BlueGlass);
    List->Columns()->Items(0)->SetWidth(600);
    auto* Across = Make<TvskScrollBar>(0, 0);
    List->SetVScrollBar(Bar);
    List->SetHScrollBar(Across);
    ASSERT_TRUE(Bar->Visible() && Across->Visible());
    List->Repaint();
    PumpMessages();
    const int Inside = VskHostBorderWidth + 1;
    EXPECT_EQ(ColorToRGB(Bar->Color()), WindowPixel(*List, List->Width() - Inside, List->Height() - Inside));
    EXPECT_EQ(ColorToRGB(Bar->Color()),
              WindowPixel(*List, List->Width() - VskHostBorderWidth - Bar->Width(),
                          List->Height() - VskHostBorderWidth - Across->Height()));
}

// A disabled list cannot be scrolled through its skinned bar; enabled again, it can.
TEST_F(ListViewTest, ADisabledListDisablesItsSkinnedBar) {
    List->SetVScrollBar(Bar);
    ASSERT_TRUE(Bar->Visible());
    List->SetEnabled(false);
    EXPECT_FALSE(Bar->Enabled());
    EXPECT_FALSE(Track().Enabled());
    Bar->IncButton().Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({3, 3}));
    EXPECT_EQ(nullptr, Bar->IncButton().RepeatTimer());
    Bar->IncButton().Perform(WM_LBUTTONUP, 0, PointToLParam({3, 3}));
    Track().Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({Track().Width() / 2, Track().Height() - 2}));
    Track().Perform(WM_LBUTTONUP, 0, PointToLParam({Track().Width() / 2, Track().Height() - 2}));
    EXPECT_EQ(0, Bar->Position());
    EXPECT_EQ(0, TopRow());
    List->SetEnabled(true);
    EXPECT_TRUE(Bar->Enabled());
}

// Attaching and releasing -----------------------------------------------------------------------------------

// The bar becomes a vertical sibling over the right edge inside the border, in front of the list, with the
// list view's arrow step; let go, it is a plain bar again.
TEST_F(ListViewTest, AnAttachedBarLiesOverTheRightEdgeAndIsReleasedToANeutralState) {
    auto* Panel = Make<TvskPanel>(0, 200);
    Bar->SetParent(Panel);
    List->SetVScrollBar(Bar);
    EXPECT_EQ(vskVertical, Bar->Orientation());
    EXPECT_EQ(Form.get(), Bar->Parent());
    EXPECT_EQ(VskListViewSmallChange, Bar->SmallChange());
    EXPECT_EQ(TRect(240 - 2 - Bar->Width(), 21, 240 - 2, 21 + 158), Bar->BoundsRect());
    EXPECT_EQ(Form->Controls(Form->ControlCount() - 1), Bar);
    List->SetBounds(30, 30, 200, 100); // the bar follows the list
    EXPECT_EQ(TRect(230 - 2 - Bar->Width(), 31, 230 - 2, 31 + 98), Bar->BoundsRect());

    List->SetVScrollBar(nullptr);
    EXPECT_FALSE(static_cast<bool>(Bar->OnChange));
    EXPECT_EQ(0, Bar->LineButton());
    EXPECT_EQ(100, Bar->Max());
    EXPECT_TRUE(Bar->Enabled());
}

// Native to skinned -----------------------------------------------------------------------------------------

// The skinned range ends where the native thumb can go: the range's end less the page.
TEST_F(ListViewTest, ANativeRangeOf0To99WithAPageOf10GivesMax90) {
    List->SetVScrollBar(Bar);
    SCROLLINFO Info{};
    Info.cbSize = sizeof(Info);
    Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    Info.nMin = 0;
    Info.nMax = 99;
    Info.nPage = 10;
    Info.nPos = 7;
    ::SetScrollInfo(List->Handle(), SB_VERT, &Info, TRUE);
    List->UpdateScrollBars();
    EXPECT_EQ(0, Bar->Min());
    EXPECT_EQ(90, Bar->Max());
    EXPECT_EQ(7, Bar->Position());
}

// Scrolling the list its own way (keys, wheel, its own bar) moves the skinned thumb, and the copy into the
// skinned bar sends nothing back to the list.
TEST_F(ListViewTest, TheListScrollingItselfMovesTheSkinnedThumbWithoutAnEcho) {
    List->SetVScrollBar(Bar);
    ASSERT_TRUE(Bar->Visible());
    ASSERT_TRUE(Bar->Enabled());
    const SCROLLINFO Native = NativeBar();
    EXPECT_EQ(static_cast<int>(Native.nMax - Native.nPage + 1), Bar->Max());
    int Changes = 0;
    const TNotifyEvent Host = Bar->OnChange;
    Bar->OnChange = [&](TObject* Sender) {
        ++Changes;
        Host(Sender);
    };
    TMessageLog Log(*List);
    ::SendMessageA(List->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(NativeBar().nPos, Bar->Position());
    EXPECT_GT(Bar->Position(), 0);
    ::SendMessageA(List->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(NativeBar().nPos, Bar->Position());
    EXPECT_EQ(2, Changes);
    EXPECT_EQ(1, Log.Count(WM_VSCROLL));
    SCROLLBARINFO NativeThumb{};
    NativeThumb.cbSize = sizeof(NativeThumb);
    ASSERT_TRUE(::GetScrollBarInfo(List->Handle(), OBJID_VSCROLL, &NativeThumb));
    EXPECT_EQ(std::max(18, static_cast<int>(NativeThumb.xyThumbBottom - NativeThumb.xyThumbTop)), Bar->LineButton());
}

// A list whose rows all fit has no native vertical bar, and the skinned one goes with it; rows added come
// back with both.
TEST_F(ListViewTest, TheSkinnedBarHidesWhileTheRowsFitAndReturnsWithMoreRows) {
    List->Items()->Clear();
    List->Items()->Add()->SetCaption("One row");
    List->SetVScrollBar(Bar);
    EXPECT_FALSE(Bar->Visible());
    EXPECT_FALSE(Bar->Enabled());
    for (int Row = 0; Row < Rows / 2; ++Row)
        List->Items()->Add()->SetCaption("Row");
    EXPECT_TRUE(Bar->Visible());
    EXPECT_TRUE(Bar->Enabled());
    List->Hide();
    EXPECT_FALSE(Bar->Visible());
    List->Show();
    EXPECT_TRUE(Bar->Visible());
}

// Skinned to native -----------------------------------------------------------------------------------------

// Dragging the skinned thumb three rows down sends the list three SB_LINEDOWN, two back two SB_LINEUP: a row
// per position, and nothing else.
TEST_F(ListViewTest, DraggingTheSkinnedThumbScrollsTheReportRowByRow) {
    List->SetVScrollBar(Bar);
    TMessageLog Log(*List);
    DragThumbTo(3);
    ASSERT_EQ(3, Bar->Position());
    const auto Scrolls = Log.Of(WM_VSCROLL);
    ASSERT_EQ(3u, Scrolls.size());
    for (const TMessage& Scroll : Scrolls)
        EXPECT_EQ(WPARAM{SB_LINEDOWN}, Scroll.WParam);
    EXPECT_EQ(3, TopRow());

    Log.Clear();
    DragThumbTo(1);
    ASSERT_EQ(1, Bar->Position());
    EXPECT_EQ(2, Log.Count(WM_VSCROLL));
    EXPECT_EQ(WPARAM{SB_LINEUP}, Log.Of(WM_VSCROLL).front().WParam);
    EXPECT_EQ(1, TopRow());
}

// Past the last row the list cannot follow: the skinned bar is pulled back to where the list stands.
TEST_F(ListViewTest, ABarMovedFurtherThanTheListCanGoIsPulledBack) {
    List->SetVScrollBar(Bar);
    const int Last = Bar->Max();
    Bar->SetRange(0, Last + 50); // as if the bar had not heard of the list's range
    Bar->SetPosition(Last + 40);
    EXPECT_EQ(Last, TopRow());
    EXPECT_EQ(Last, Bar->Position());
    EXPECT_EQ(Last, Bar->Max());
}

// A destroyed bar leaves no dangling reference: the list scrolls on without it.
TEST_F(ListViewTest, ADestroyedBarIsForgotten) {
    List->SetVScrollBar(Bar);
    delete Bar;
    EXPECT_EQ(nullptr, List->VScrollBar());
    ::SendMessageA(List->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_GT(TopRow(), 0);
}
