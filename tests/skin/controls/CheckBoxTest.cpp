// Check boxes and radio buttons: marks per state, toggling by mouse and keys, and radio groups.
#include "tests/skin/controls/SkinControlFixture.h"
#include "tests/support/HandleSnapshot.h"
#include "tests/support/Messages.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"
#include "tests/support/UserInput.h"

#include "skin/controls/Vskbutton.h"
#include "skin/controls/Vskcheckbox.h"
#include "skin/themes/Vskthemes.h"

namespace {

struct CheckBoxTest : SkinControlFixture {
    TvskCheckBox* Check = Make<TvskCheckBox>(20, 20);
    int Changes = 0;

    CheckBoxTest() {
        Check->SetUIStyle(WinXP);
        Check->SetCaption("Wrap");
        Check->OnClick = [this](TObject*) { ++Changes; };
    }

    // Whether the painted mark is frame Frame of the style's strip.
    bool ShowsMark(int Frame) {
        TBitmap Mark;
        GetInsideThemeBitmap(WinXP, VSK_THEME_CHECK_BOX_IMAGE, &Mark, VskCheckMarkFrameCount, Frame);
        const auto Image = PaintedImage(*Check);
        const int Top = (Check->ClientHeight() - Mark.Height()) / 2;
        for (int Y = 0; Y < Mark.Height(); ++Y)
            for (int X = 0; X < Mark.Width(); ++X)
                if (PixelAt(*Image, 1 + X, Top + Y) != PixelAt(Mark, X, Y)) return false;
        return true;
    }
};

} // namespace

TEST_F(CheckBoxTest, TheMarkFollowsCheckedAndEnabledAndTheBoxSizesToItsCaption) {
    EXPECT_TRUE(ShowsMark(2));
    Check->SetChecked(true);
    EXPECT_TRUE(ShowsMark(1));
    Check->SetEnabled(false);
    EXPECT_TRUE(ShowsMark(3));
    Check->SetChecked(false);
    EXPECT_TRUE(ShowsMark(4));
    const int Short = Check->Width();
    Check->SetCaption("Wrap long lines");
    EXPECT_GT(Check->Width(), Short);
}

// A click toggles and reports once per change; Space let go on the box toggles it, but an Enter that clicked
// the form's default button does not.
TEST_F(CheckBoxTest, ClicksAndTheSpaceKeyToggleButAnEnterMeantForTheDefaultButtonDoesNot) {
    MouseDown(*Check, 3, 3);
    MouseUp(*Check, 3, 3);
    EXPECT_TRUE(Check->Checked());
    EXPECT_EQ(1, Changes);
    Check->SetFocus();
    TypeKey(VK_SPACE);
    EXPECT_FALSE(Check->Checked());
    EXPECT_EQ(2, Changes);

    auto* Ok = Make<TvskButton>(200, 20);
    int OkClicks = 0;
    Ok->OnClick = [&](TObject*) { ++OkClicks; };
    Ok->SetDefault(true);
    Check->SetFocus();
    TypeKey(VK_RETURN);
    EXPECT_EQ(1, OkClicks);
    EXPECT_FALSE(Check->Checked());
    EXPECT_EQ(2, Changes);
}

TEST_F(CheckBoxTest, RadioButtonsUncheckTheirGroupOnly) {
    auto* First = Make<TvskRadioButton>(20, 60);
    auto* Second = Make<TvskRadioButton>(20, 80);
    auto* OtherGroup = Make<TvskRadioButton>(20, 100);
    OtherGroup->SetGroupIndex(1);
    OtherGroup->SetChecked(true);
    int FirstChanges = 0;
    First->OnClick = [&](TObject*) { ++FirstChanges; };

    MouseDown(*First, 3, 3);
    MouseUp(*First, 3, 3);
    EXPECT_TRUE(First->Checked());
    Second->SetChecked(true);
    EXPECT_FALSE(First->Checked());
    EXPECT_TRUE(OtherGroup->Checked());
    EXPECT_EQ(2, FirstChanges);

    // Clicking a checked radio button leaves it checked; focusing one checks it.
    MouseDown(*Second, 3, 3);
    MouseUp(*Second, 3, 3);
    EXPECT_TRUE(Second->Checked());
    First->SetFocus();
    EXPECT_TRUE(First->Checked());
    EXPECT_FALSE(Second->Checked());
}
