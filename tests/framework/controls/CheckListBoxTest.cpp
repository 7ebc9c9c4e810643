// The check list box: items with objects and checks that outlive its windows, checking by a click on the
// box or by the space bar, selecting by a click on the text, and the boxes it draws.
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"
#include "tests/support/UserInput.h"

#include "framework/win/controls/CheckListBox.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/ColorConversion.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct CheckListBoxTest : ::testing::Test {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TCheckListBox* List = new TCheckListBox(Form.get());
    TStringList Tags[3]; // any objects will do
    int ClickChecks = 0;
    int Clicks = 0;

    CheckListBoxTest() {
        List->SetParent(Form.get());
        List->SetBounds(0, 0, 150, 100);
        const char* const Names[] = {"component0", "component1", "component2"};
        for (int I = 0; I < 3; ++I)
            List->Items()->AddObject(Names[I], &Tags[I]);
        List->OnClickCheck = [this](TObject*) { ++ClickChecks; };
        List->OnClick = [this](TObject*) { ++Clicks; };
    }

    TRect ItemRect(int Index) {
        TRect Rect;
        ::SendMessageA(List->Handle(), LB_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&Rect));
        return Rect;
    }
};

} // namespace

TEST_F(CheckListBoxTest, ItemsObjectsAndChecksOutliveTheWindow) {
    List->SetChecked(1, true);
    List->SetItemIndex(2);
    const HWND Old = List->Handle();
    EXPECT_EQ(3, ::SendMessageA(Old, LB_GETCOUNT, 0, 0));
    List->SetBorderStyle(bsNone);
    ASSERT_NE(Old, List->Handle());
    EXPECT_EQ(3, ::SendMessageA(List->Handle(), LB_GETCOUNT, 0, 0));
    EXPECT_TRUE(List->Checked(1));
    EXPECT_FALSE(List->Checked(0));
    EXPECT_EQ(&Tags[1], List->Items()->Objects(1));
    EXPECT_EQ(2, List->ItemIndex());
    EXPECT_EQ(0, ClickChecks); // checks set by the program are not clicks

    List->Items()->Delete(0);
    EXPECT_TRUE(List->Checked(0));
    EXPECT_EQ(2, ::SendMessageA(List->Handle(), LB_GETCOUNT, 0, 0));
    List->Items()->Insert(0, "first");
    EXPECT_FALSE(List->Checked(0));
    EXPECT_EQ("first", List->Items()->Get(0));
}

TEST_F(CheckListBoxTest, AClickOnTheBoxChecksAndAClickOnTheTextSelects) {
    const TRect Row = ItemRect(1);
    ClickAt(List->Handle(), {Row.left + 4, (Row.top + Row.bottom) / 2});
    EXPECT_TRUE(List->Checked(1));
    EXPECT_EQ(1, ClickChecks);
    EXPECT_EQ(1, List->ItemIndex());
    EXPECT_EQ(1, Clicks);

    const TRect Other = ItemRect(2);
    ClickAt(List->Handle(), {Other.right - 10, (Other.top + Other.bottom) / 2});
    EXPECT_FALSE(List->Checked(2));
    EXPECT_EQ(1, ClickChecks);
    EXPECT_EQ(2, List->ItemIndex());
    EXPECT_EQ(2, Clicks);
}

TEST_F(CheckListBoxTest, TheSpaceBarTogglesTheSelectedItem) {
    List->SetItemIndex(0);
    ::SendMessageA(List->Handle(), WM_CHAR, ' ', 1);
    EXPECT_TRUE(List->Checked(0));
    ::SendMessageA(List->Handle(), WM_CHAR, ' ', 1);
    EXPECT_FALSE(List->Checked(0));
    EXPECT_EQ(2, ClickChecks);
}

TEST_F(CheckListBoxTest, CheckedAndUncheckedBoxesLookDifferent) {
    List->SetChecked(0, true);
    Form->Show(); // a hidden list box paints nothing
    const auto Image = PaintedImage(*List);
    const int Frame = 2; // the sunken border around the list
    const TRect Checked = ItemRect(0);
    const TRect Unchecked = ItemRect(1);
    int Differences = 0;
    for (int Y = 0; Y < Checked.Height(); ++Y)
        for (int X = 0; X < Checked.Height(); ++X)
            if (PixelAt(*Image, Frame + X, Frame + Checked.top + Y) !=
                PixelAt(*Image, Frame + X, Frame + Unchecked.top + Y))
                ++Differences;
    EXPECT_GT(Differences, 4);
    // Right of the text, a row not selected shows the list's colour.
    EXPECT_EQ(ColorToRGB(clWindow), PixelAt(*Image, Frame + Checked.right - 2, Frame + Checked.top + 1));
}
