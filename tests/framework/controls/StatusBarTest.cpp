// The status bar over msctls_statusbar32: panels with their widths and texts, the simple text, panels the
// program draws, the size grip and its place at the bottom of the form.
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"

#include "framework/win/controls/StatusBar.h"
#include "framework/win/forms/Form.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct StatusBarTest : ::testing::Test {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TStatusBar* Bar = new TStatusBar(Form.get());

    StatusBarTest() {
        Form->SetClientSize({300, 200});
        Bar->SetParent(Form.get());
    }

    std::string PartText(int Part) {
        char Text[128] = {};
        ::SendMessageA(Bar->Handle(), SB_GETTEXTA, static_cast<WPARAM>(Part), reinterpret_cast<LPARAM>(Text));
        return Text;
    }
    std::vector<int> PartEdges() {
        int Edges[8] = {};
        const auto Count = ::SendMessageA(Bar->Handle(), SB_GETPARTS, 8, reinterpret_cast<LPARAM>(Edges));
        return std::vector<int>(Edges, Edges + Count);
    }
};

} // namespace

TEST_F(StatusBarTest, ItSitsAtTheBottomOfTheFormAcrossItsWidth) {
    Form->HandleNeeded();
    EXPECT_EQ(alBottom, Bar->Align());
    EXPECT_EQ(0, Bar->Left());
    EXPECT_EQ(Form->ClientHeight() - Bar->Height(), Bar->Top());
    EXPECT_EQ(Form->ClientWidth(), Bar->Width());
    Form->SetClientSize({320, 240});
    EXPECT_EQ(240 - Bar->Height(), Bar->Top());
    EXPECT_EQ(320, Bar->Width());
}

TEST_F(StatusBarTest, PanelsAreThePartsOfTheBarAndTheLastOneReachesTheRightEdge) {
    Bar->HandleNeeded();
    TStatusPanel* First = Bar->Panels()->Add();
    First->SetText("one");
    First->SetWidth(60);
    TStatusPanel* Second = Bar->Panels()->Add();
    Second->SetText("two");
    Second->SetWidth(90);
    Bar->Panels()->Add()->SetText("three");

    EXPECT_EQ((std::vector<int>{60, 150, -1}), PartEdges());
    EXPECT_EQ("one", PartText(0));
    EXPECT_EQ("three", PartText(2));
    Second->SetText("changed");
    EXPECT_EQ("changed", PartText(1));
    First->SetWidth(40);
    EXPECT_EQ((std::vector<int>{40, 130, -1}), PartEdges());
    Bar->Panels()->Delete(1);
    EXPECT_EQ((std::vector<int>{40, -1}), PartEdges());
    EXPECT_EQ("three", PartText(1));
}

TEST_F(StatusBarTest, TheSimplePanelShowsOneText) {
    Bar->Panels()->Add()->SetText("panel");
    Bar->SetSimpleText("simple");
    Bar->SetSimplePanel(true);
    EXPECT_TRUE(::SendMessageA(Bar->Handle(), SB_ISSIMPLE, 0, 0));
    Bar->SetSimplePanel(false);
    EXPECT_FALSE(::SendMessageA(Bar->Handle(), SB_ISSIMPLE, 0, 0));
    EXPECT_EQ("panel", PartText(0));
}

TEST_F(StatusBarTest, OwnerDrawnPanelsArePaintedByOnDrawPanel) {
    Bar->SetColor(clWhite);
    Bar->Panels()->Add()->SetWidth(50);
    TStatusPanel* Drawn = Bar->Panels()->Add();
    Drawn->SetStyle(psOwnerDraw);
    std::vector<TStatusPanel*> Panels;
    Bar->OnDrawPanel = [&Panels](TStatusBar* Sender, TStatusPanel* Panel, const TRect& Rect) {
        Panels.push_back(Panel);
        Sender->Canvas().Brush().SetColor(clRed);
        Sender->Canvas().FillRect(Rect);
    };
    Form->Show(); // a hidden status bar paints nothing
    const auto Image = PaintedImage(*Bar);
    ASSERT_FALSE(Panels.empty());
    EXPECT_EQ(Drawn, Panels.front());
    EXPECT_EQ(clRed, PixelAt(*Image, 100, Bar->Height() / 2));
    EXPECT_NE(clRed, PixelAt(*Image, 25, Bar->Height() / 2));
}

TEST_F(StatusBarTest, TheSizeGripShowsOnlyOnAFormThatCanBeSized) {
    Form->SetBorderStyle(bsSizeable);
    EXPECT_TRUE(::GetWindowLongA(Bar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
    Bar->SetSizeGrip(false);
    EXPECT_FALSE(::GetWindowLongA(Bar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);

    auto Dialog = std::make_unique<TForm>(nullptr);
    Dialog->SetBorderStyle(bsDialog);
    auto* DialogBar = new TStatusBar(Dialog.get());
    DialogBar->SetParent(Dialog.get());
    EXPECT_FALSE(::GetWindowLongA(DialogBar->Handle(), GWL_STYLE) & SBARS_SIZEGRIP);
}
