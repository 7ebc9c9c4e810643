// Push buttons over the system's BUTTON: clicks by mouse, accelerator and dialog keys, the default and
// cancel buttons, and the modal result they hand to their form.
#include "tests/support/Messages.h"
#include "tests/support/UserInput.h"

#include "framework/win/controls/Button.h"
#include "framework/win/controls/ListView.h"
#include "framework/win/forms/Form.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct ButtonTest : ::testing::Test {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TListView* List = new TListView(Form.get()); // a control that takes no Enter or Escape
    TButton* Ok = new TButton(Form.get());
    TButton* Cancel = new TButton(Form.get());
    int OkClicks = 0;
    int CancelClicks = 0;

    ButtonTest() {
        Form->SetBounds(10, 10, 300, 200);
        for (TWinControl* Control : std::initializer_list<TWinControl*>{List, Ok, Cancel})
            Control->SetParent(Form.get());
        List->SetBounds(0, 0, 100, 100);
        Ok->SetBounds(110, 10, 75, 25);
        Ok->SetCaption("&OK");
        Ok->SetDefault(true);
        Ok->SetModalResult(mrOk);
        Cancel->SetBounds(110, 40, 75, 25);
        Cancel->SetCaption("Cancel");
        Cancel->SetCancel(true);
        Cancel->SetModalResult(mrCancel);
        Ok->OnClick = [this](TObject*) { ++OkClicks; };
        Cancel->OnClick = [this](TObject*) { ++CancelClicks; };
    }
};

} // namespace

TEST_F(ButtonTest, AMouseClickClicksOnceAndHandsTheModalResultToTheForm) {
    ClickAt(Ok->Handle(), {5, 5});
    EXPECT_EQ(1, OkClicks);
    EXPECT_EQ(mrOk, Form->ModalResult());
    ::SendMessageA(Cancel->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(1, CancelClicks);
    EXPECT_EQ(mrCancel, Form->ModalResult());
}

TEST_F(ButtonTest, EnterPressesTheDefaultButtonAndEscapeTheCancelButton) {
    Form->Show();
    List->SetFocus();
    ASSERT_EQ(List->Handle(), ::GetFocus());
    EXPECT_TRUE(::GetWindowLongA(Ok->Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON);
    TypeKey(VK_RETURN);
    EXPECT_EQ(1, OkClicks);
    EXPECT_EQ(0, CancelClicks);
    TypeKey(VK_ESCAPE);
    EXPECT_EQ(1, CancelClicks);
    EXPECT_EQ(1, OkClicks);
}

TEST_F(ButtonTest, WhileAButtonHasTheFocusEnterPressesThatButton) {
    Form->Show();
    Cancel->SetFocus();
    ASSERT_EQ(Cancel->Handle(), ::GetFocus());
    // The focused button shows the default frame instead of the default button.
    EXPECT_FALSE(::GetWindowLongA(Ok->Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON);
    TypeKey(VK_RETURN);
    EXPECT_EQ(1, CancelClicks);
    EXPECT_EQ(0, OkClicks);
    List->SetFocus();
    EXPECT_TRUE(::GetWindowLongA(Ok->Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON);
}

TEST_F(ButtonTest, TheAcceleratorClicksTheButton) {
    EXPECT_EQ(1, Form->Perform(CM_DIALOGCHAR, 'o', 0));
    EXPECT_EQ(1, OkClicks);
    EXPECT_EQ(0, Form->Perform(CM_DIALOGCHAR, 'x', 0));
    // A button that cannot take the focus cannot be pressed.
    Ok->SetEnabled(false);
    EXPECT_EQ(0, Form->Perform(CM_DIALOGCHAR, 'o', 0));
    EXPECT_EQ(0, Form->Perform(CM_DIALOGKEY, VK_RETURN, 0));
    EXPECT_EQ(1, OkClicks);
}

TEST_F(ButtonTest, AModalFormClosesWithTheResultOfTheButtonClicked) {
    ::PostMessageA(Ok->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(mrOk, Form->ShowModal());
    EXPECT_FALSE(Form->Visible());
    EXPECT_EQ(1, OkClicks);
}
