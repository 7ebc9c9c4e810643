// The check and radio groups under real window messages: one button per line of Items, placed in columns,
// read and set through the group, one group OnClick per choice, the keyboard's way in, along and out, Items
// changed from the very click being handled, and the group stored in a description.
#include "tests/skin/controls/SkinControlFixture.h"
#include "tests/support/Components.h"
#include "tests/support/HandleSnapshot.h"
#include "tests/support/Messages.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"
#include "tests/support/UserInput.h"

#include "framework/core/DescriptionReader.h"
#include "framework/core/DescriptionWriter.h"
#include "framework/core/Strings.h"
#include "framework/win/ComponentClasses.h"
#include "framework/win/graphics/Font.h"
#include "skin/controls/Vskcheckbox.h"
#include "skin/controls/Vskcheckgroup.h"
#include "skin/controls/Vskcontrolclasses.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Tells when a component it watches is destroyed.
class TDeathWatch : public TComponent {
public:
    explicit TDeathWatch(TComponent* Watched) : TComponent(nullptr) { Watched->FreeNotification(this); }
    bool Dead = false;
    void Notification(TComponent*, TOperation Operation) override { Dead = Dead || Operation == opRemove; }
};

// A radio group whose choice may not be changed by a click.
struct TLockedRadioGroup : TvskRadioGroup {
    using TvskRadioGroup::TvskRadioGroup;
    bool CanModify() const override { return false; }
};

struct ButtonGroupTest : SkinControlFixture {
    TvskCheckGroup* Checks = Make<TvskCheckGroup>(10, 10);
    TvskRadioGroup* Radios = Make<TvskRadioGroup>(210, 10);
    std::vector<TObject*> CheckClicks;
    std::vector<TObject*> RadioClicks;

    ButtonGroupTest() {
        Checks->OnClick = [this](TObject* Sender) { CheckClicks.push_back(Sender); };
        Radios->OnClick = [this](TObject* Sender) { RadioClicks.push_back(Sender); };
        Radios->Items()->SetText("*LIBL\n*CURLIB\n*ALL");
    }
    std::vector<TPoint> Places(const TvskCheckGroup& Group) const {
        std::vector<TPoint> Result;
        for (int Index = 0; Index < Group.ButtonCount(); ++Index)
            Result.emplace_back(Group.Buttons(Index)->Left(), Group.Buttons(Index)->Top());
        return Result;
    }
    void ClickButton(TvskCheckGroup& Group, int Index) { ClickAt(Group.Buttons(Index)->Handle(), TPoint(3, 3)); }
};

} // namespace

// 185 x 105 with the caption band fh and TopMargin 8: the rows share 105 - 2 - (fh + 8) pixels, the spare ones
// split above and below; the columns share 185 - 10.
TEST_F(ButtonGroupTest, ButtonsFillColumnsTopToBottomThenLeftToRight) {
    const int Band = std::abs(Checks->Font()->Height());
    const int Top = Band + 8;
    const int Available = 103 - Top;
    Checks->Items()->SetText("a\nb\nc\nd\ne");
    const int One = Available / 5;
    EXPECT_EQ(Places(*Checks), (std::vector<TPoint>{{8, Available % 5 / 2 + Top},
                                                    {8, Available % 5 / 2 + Top + One},
                                                    {8, Available % 5 / 2 + Top + 2 * One},
                                                    {8, Available % 5 / 2 + Top + 3 * One},
                                                    {8, Available % 5 / 2 + Top + 4 * One}}));
    Checks->SetColumns(2); // three rows; the second column starts at the same top
    const int Third = Available / 3;
    const int First = Available % 3 / 2 + Top;
    EXPECT_EQ(Places(*Checks), (std::vector<TPoint>{{8, First},
                                                    {8, First + Third},
                                                    {8, First + 2 * Third},
                                                    {95, First},
                                                    {95, First + Third}}));
    Checks->SetColumns(3); // two rows, columns 58 apart
    const int Half = Available / 2;
    const int Top2 = Available % 2 / 2 + Top;
    EXPECT_EQ(Places(*Checks),
              (std::vector<TPoint>{{8, Top2}, {8, Top2 + Half}, {66, Top2}, {66, Top2 + Half}, {124, Top2}}));
    // Nonsense is ignored; a new size or margin arranges again.
    Checks->SetColumns(0);
    Checks->SetColumns(-2);
    Checks->SetTopMargin(-1);
    EXPECT_EQ(Checks->Columns(), 3);
    EXPECT_EQ(Checks->TopMargin(), 8);
    Checks->SetWidth(305);
    EXPECT_EQ(Checks->Buttons(2)->Left(), 8 + 295 / 3);
    Checks->SetTopMargin(0);
    EXPECT_EQ(Checks->Buttons(0)->Top(), (103 - Band) % 2 / 2 + Band);
}

TEST_F(ButtonGroupTest, LinesMakeAndFreeButtonsWhichShowTheLinesInOrder) {
    Checks->Items()->SetText("one\ntwo\nthree\nfour");
    ASSERT_EQ(Checks->ButtonCount(), 4);
    TDeathWatch Third(Checks->Buttons(2));
    TDeathWatch Fourth(Checks->Buttons(3));
    Checks->Items()->Delete(1);
    Checks->Items()->Delete(2);
    EXPECT_EQ(Checks->ButtonCount(), 2);
    EXPECT_TRUE(Third.Dead);
    EXPECT_TRUE(Fourth.Dead);
    EXPECT_EQ(Checks->Buttons(0)->Caption(), "one");
    EXPECT_EQ(Checks->Buttons(1)->Caption(), "three");
    EXPECT_EQ(Checks->ControlCount(), 2);
    Checks->Items()->Insert(0, "zero");
    EXPECT_EQ(Checks->Buttons(0)->Caption(), "zero");
    EXPECT_EQ(Checks->Buttons(2)->Caption(), "three");
    // New buttons are no tab stops and follow the group's state.
    Checks->SetEnabled(false);
    Checks->SetTransparent(true);
    Checks->Items()->Add("four");
    EXPECT_FALSE(Checks->Buttons(3)->TabStop());
    EXPECT_FALSE(Checks->Buttons(3)->Enabled());
    EXPECT_TRUE(Checks->Buttons(3)->Transparent());
    Checks->SetCursor(crHandPoint);
    EXPECT_EQ(Checks->Buttons(0)->Cursor(), crHandPoint);
    Checks->Font()->SetHeight(-19);
    EXPECT_EQ(Checks->Buttons(1)->Font()->Height(), -19);
}

TEST_F(ButtonGroupTest, CheckedAndItemEnabledStayInsideTheButtons) {
    Checks->Items()->SetText("a\nb");
    Checks->SetChecked(1, true);
    Checks->SetItemEnabled(0, false);
    EXPECT_TRUE(Checks->Buttons(1)->Checked());
    EXPECT_FALSE(Checks->Buttons(0)->Enabled());
    for (int Outside : {-1, 2, 1000}) {
        Checks->SetChecked(Outside, true);
        Checks->SetItemEnabled(Outside, false);
        EXPECT_FALSE(Checks->Checked(Outside));
        EXPECT_FALSE(Checks->ItemEnabled(Outside));
    }
    EXPECT_EQ(Checks->Buttons(2), nullptr);
    EXPECT_TRUE(Checks->ItemEnabled(1));
}

TEST_F(ButtonGroupTest, ItemIndexChoosesOneButtonAndIgnoresWhatIsOutside) {
    Radios->SetItemIndex(2);
    EXPECT_EQ(Radios->ItemIndex(), 2);
    Radios->SetItemIndex(0);
    EXPECT_FALSE(Radios->Checked(2));
    EXPECT_EQ(Radios->ItemIndex(), 0);
    Radios->SetItemIndex(3);
    Radios->SetItemIndex(-2);
    EXPECT_EQ(Radios->ItemIndex(), 0);
    Radios->SetItemIndex(-1);
    EXPECT_EQ(Radios->ItemIndex(), -1);
    for (int Index = 0; Index < 3; ++Index)
        EXPECT_FALSE(Radios->Checked(Index));
}

// A mouse click on a button is one click of the group, with the group as sender; choosing another radio button
// unchecks the old one without a second click.
TEST_F(ButtonGroupTest, AClickOnAButtonIsOneClickOfTheGroup) {
    Checks->Items()->SetText("a\nb");
    ClickButton(*Checks, 1);
    EXPECT_TRUE(Checks->Checked(1));
    EXPECT_EQ(CheckClicks, std::vector<TObject*>{Checks});
    Radios->SetItemIndex(0);
    RadioClicks.clear();
    ClickButton(*Radios, 2);
    EXPECT_EQ(Radios->ItemIndex(), 2);
    EXPECT_EQ(RadioClicks, std::vector<TObject*>{Radios});
}

TEST_F(ButtonGroupTest, ARadioGroupThatMayNotChangeKeepsItsChoice) {
    auto* Locked = Make<TLockedRadioGroup>(10, 150);
    Locked->Items()->SetText("x\ny");
    Locked->SetItemIndex(0);
    ClickButton(*Locked, 1);
    EXPECT_EQ(Locked->ItemIndex(), 0);
}

// The buttons are no tab stops, yet show where the focus is: a check box whenever it has it, a radio button
// only while it is the chosen one.
TEST_F(ButtonGroupTest, TheFocusMarkShowsOnTheFocusedCheckBoxAndOnlyOnTheChosenRadioButton) {
    Checks->Items()->SetText("a\nb");
    TvskCheckBox& Check = *Checks->Buttons(1);
    const auto Unfocused = PaintedImage(Check);
    Check.SetFocus();
    EXPECT_FALSE(SameImages(*Unfocused, *PaintedImage(Check)));

    auto* Locked = Make<TLockedRadioGroup>(10, 150); // focus without a change of choice
    Locked->Items()->SetText("x\ny");
    Locked->SetItemIndex(0);
    TvskCheckBox& Chosen = *Locked->Buttons(0);
    TvskCheckBox& Other = *Locked->Buttons(1);
    const auto ChosenUnfocused = PaintedImage(Chosen);
    const auto OtherUnfocused = PaintedImage(Other);
    Other.SetFocus();
    ASSERT_TRUE(Other.Focused());
    EXPECT_TRUE(SameImages(*OtherUnfocused, *PaintedImage(Other)));
    Chosen.SetFocus();
    EXPECT_FALSE(SameImages(*ChosenUnfocused, *PaintedImage(Chosen)));
}

// What lies behind a see-through group shows through it and through its buttons.
TEST_F(ButtonGroupTest, ASeeThroughGroupShowsTheFormThroughItsButtons) {
    Form->SetColor(clYellow);
    Checks->SetColor(clWhite);
    Checks->Items()->SetText("a");
    TvskCheckBox& Button = *Checks->Buttons(0);
    const TPoint Corner(Button.Width() - 1, 0);
    auto Image = PaintedImage(Button);
    EXPECT_EQ(PixelAt(*Image, Corner.x, Corner.y), clWhite);
    Checks->SetTransparent(true);
    Image = PaintedImage(Button);
    EXPECT_EQ(PixelAt(*Image, Corner.x, Corner.y), clYellow);
}

// Tab reaches a group and goes on to a button: the first of a check group, the chosen one of a radio group.
// The arrows move along the buttons (a radio group's choice with them), Space toggles a check box, and
// Shift+Tab leaves the group instead of coming back into it.
TEST_F(ButtonGroupTest, TheKeyboardGoesIntoAlongAndOutOfAGroup) {
    Checks->Items()->SetText("a\nb");
    Radios->SetItemIndex(1);
    Checks->SetFocus();
    EXPECT_TRUE(Checks->Buttons(0)->Focused());
    TypeKey(VK_SPACE);
    EXPECT_TRUE(Checks->Checked(0));
    TypeKey(VK_DOWN);
    EXPECT_TRUE(Checks->Buttons(1)->Focused());

    TypeKey(VK_TAB);
    EXPECT_TRUE(Radios->Buttons(1)->Focused());
    RadioClicks.clear();
    TypeKey(VK_DOWN);
    EXPECT_TRUE(Radios->Buttons(2)->Focused());
    EXPECT_EQ(Radios->ItemIndex(), 2);
    EXPECT_EQ(RadioClicks.size(), 1u);
    {
        const TKeysHeld Shift({VK_SHIFT});
        TypeKey(VK_TAB);
    }
    EXPECT_TRUE(Checks->Buttons(0)->Focused());
}

// The handler of a button's own click takes its line away: the button is hidden at once and freed once the
// click is over. A removed button that had the focus leaves it in the group.
TEST_F(ButtonGroupTest, ItemsChangedFromTheClickOfTheButtonRemovedAndUnderTheFocus) {
    Checks->Items()->SetText("a\nb\nc");
    TDeathWatch Clicked(Checks->Buttons(2));
    Checks->OnClick = [this](TObject*) { Checks->Items()->Clear(); };
    ClickButton(*Checks, 2);
    EXPECT_EQ(Checks->ButtonCount(), 0);
    EXPECT_FALSE(Clicked.Dead);
    PumpMessages();
    EXPECT_TRUE(Clicked.Dead);

    // Space on the focused last button takes its line away: the focus goes to the first one, and Space works
    // on there.
    Checks->Items()->SetText("a\nb\nc");
    Checks->OnClick = [this](TObject*) { Checks->Items()->Delete(2); };
    Checks->Buttons(2)->SetFocus();
    TypeKey(VK_SPACE);
    EXPECT_EQ(Checks->ButtonCount(), 2);
    EXPECT_TRUE(Checks->Buttons(0)->Focused());
    Checks->OnClick = nullptr;
    TypeKey(VK_SPACE);
    EXPECT_TRUE(Checks->Checked(0));

    // A group freed with a removed button still waiting leaves nothing behind.
    const THandleSnapshot Before = HandleSnapshot();
    auto* Doomed = Make<TvskCheckGroup>(10, 150);
    Doomed->Items()->SetText("a\nb");
    Doomed->OnClick = [Doomed](TObject*) { Doomed->Items()->Delete(0); };
    ClickButton(*Doomed, 1);
    ASSERT_EQ(Doomed->ButtonCount(), 1);
    delete Doomed;
    PumpMessages();
    EXPECT_EQ(HandleSnapshot(), Before);
}

TEST(ButtonGroupDescription, StoresTheLinesAndTheChoiceButNeverTheButtons) {
    RegisterWinComponentClasses();
    RegisterSkinControlClasses();
    TForm Original(nullptr);
    auto* Group = new TvskRadioGroup(&Original);
    Group->SetName("rgLibrary");
    Group->SetParent(&Original);
    Group->SetCaption("Library list");
    Group->SetColumns(2);
    Group->Items()->SetText("*LIBL\n*CURLIB\n*ALL");
    Group->SetItemIndex(2);
    const std::string Text = WriteComponentDescription(Original);
    EXPECT_EQ(Text.find("TvskRadioGroupButton"), std::string::npos) << Text;

    TForm Copy(nullptr);
    ReadComponentDescription(Copy, Text);
    auto* Read = FindComponentAs<TvskRadioGroup>(Copy, "rgLibrary");
    ASSERT_NE(Read, nullptr);
    EXPECT_EQ(Read->Caption(), "Library list");
    EXPECT_EQ(Read->Columns(), 2);
    EXPECT_EQ(Read->ButtonCount(), 3);
    EXPECT_EQ(Read->ControlCount(), 3);
    EXPECT_EQ(Read->ItemIndex(), 2);
    EXPECT_EQ(Read->Buttons(1)->Caption(), "*CURLIB");
    EXPECT_EQ(WriteComponentDescription(Copy), Text);
}
