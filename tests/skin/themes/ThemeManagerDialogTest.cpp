// The theme manager's dialog: its layout, its buttons, and ThemeManagerEdit driven through the modal loop.

#include "tests/skin/themes/ThemeConsumer.h"
#include "tests/support/Components.h"

#include "framework/win/controls/Button.h"
#include "framework/win/controls/CheckListBox.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Screen.h"
#include "framework/win/graphics/Font.h"
#include "skin/themes/Frmthememgr.h"
#include "skin/themes/Vskdesignedit.h"
#include "skin/themes/Vskthememanager.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

constexpr UINT DriveDialog = WM_APP + 0x5E;

// Runs Action on the open dialog from inside its modal loop, through the application's message hook.
class TDialogDriver {
public:
    explicit TDialogDriver(std::function<void(TfrmMgr&)> Action) {
        Application->OnMessage = [Action](MSG& Msg, bool& Handled) {
            if (Msg.message != DriveDialog) return;
            Handled = true;
            for (int I = 0; I < Screen->FormCount(); ++I)
                if (auto* Dialog = dynamic_cast<TfrmMgr*>(Screen->Forms(I))) Action(*Dialog);
        };
        ::PostThreadMessageA(::GetCurrentThreadId(), DriveDialog, 0, 0);
    }
    ~TDialogDriver() { Application->OnMessage.Clear(); }
    TDialogDriver(const TDialogDriver&) = delete;
    TDialogDriver& operator=(const TDialogDriver&) = delete;
};

TEST(ThemeManagerDialogTest, LaidOutAsDesigned) {
    const auto Dialog = std::make_unique<TfrmMgr>(nullptr);
    EXPECT_EQ(Dialog->Caption(), "Theme Manager - VanSkin");
    EXPECT_EQ(Dialog->BorderStyle(), bsDialog);
    EXPECT_EQ(Dialog->Position(), poScreenCenter);
    EXPECT_EQ(Dialog->ClientWidth(), 233);
    EXPECT_EQ(Dialog->ClientHeight(), 301);
    EXPECT_EQ(Dialog->Font()->Name(), "MS Sans Serif");
    EXPECT_EQ(Dialog->List->BoundsRect(), Bounds(16, 16, 201, 185));
    EXPECT_EQ(Dialog->btn_sel->BoundsRect(), Bounds(120, 208, 97, 25));
    EXPECT_EQ(Dialog->btn_sel->Caption(), "&Select all");
    EXPECT_EQ(Dialog->btn_unsel->BoundsRect(), Bounds(16, 208, 97, 25));
    EXPECT_EQ(Dialog->btn_unsel->Caption(), "&Unselect all");
    EXPECT_EQ(Dialog->btn_ok->BoundsRect(), Bounds(72, 264, 89, 25));
    EXPECT_EQ(Dialog->btn_ok->Caption(), "&OK");
    EXPECT_TRUE(Dialog->btn_ok->Default());
    EXPECT_EQ(Dialog->btn_ok->ModalResult(), mrOk);
}

TEST(ThemeManagerDialogTest, ButtonsTickAndUntickEverything) {
    const auto Dialog = std::make_unique<TfrmMgr>(nullptr);
    Dialog->AddCandidate("a", nullptr, true);
    Dialog->AddCandidate("b", nullptr, false);
    Dialog->AddCandidate("c", nullptr, true);
    EXPECT_EQ(Dialog->TickedNames(), (std::vector<std::string>{"a", "c"}));
    Dialog->btn_sel->Click();
    EXPECT_EQ(Dialog->TickedNames(), (std::vector<std::string>{"a", "b", "c"}));
    Dialog->btn_unsel->Click();
    EXPECT_TRUE(Dialog->TickedNames().empty());
}

class ThemeManagerEditTest : public ::testing::Test {
protected:
    ThemeManagerEditTest() {
        for (const char* Name : {"One", "Two", "Three"})
            (new TvskTestConsumer(Form.get()))->SetName(Name);
        Manager->CompList()->SetLines({"One", "Three"});
        Manager->SetUIStyle(Protein);
    }
    TvskTestConsumer* Consumer(const char* Name) { return FindComponentAs<TvskTestConsumer>(*Form, Name); }

    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TvskThemeManager* Manager = new TvskThemeManager(Form.get());
};

TEST_F(ThemeManagerEditTest, OkTakesTheTickedNamesAndUpdatesThem) {
    std::vector<std::string> Offered;
    std::vector<std::string> TickedAtStart;
    const TDialogDriver Driver([&](TfrmMgr& Dialog) {
        Offered = Dialog.List->Items()->Lines();
        TickedAtStart = Dialog.TickedNames();
        Dialog.List->SetChecked(0, false);
        Dialog.List->SetChecked(1, true);
        Dialog.btn_ok->Click();
    });
    ThemeManagerEdit(*Manager);
    EXPECT_EQ(Offered, (std::vector<std::string>{"One", "Two", "Three"}));
    EXPECT_EQ(TickedAtStart, (std::vector<std::string>{"One", "Three"}));
    EXPECT_EQ(Manager->CompList()->Lines(), (std::vector<std::string>{"Two", "Three"}));
    EXPECT_EQ(Consumer("Two")->UIStyle(), Protein);
}

TEST_F(ThemeManagerEditTest, CancelKeepsTheListButStillUpdates) {
    Consumer("One")->SetUIStyle(WinXP);
    const TDialogDriver Driver([](TfrmMgr& Dialog) {
        Dialog.btn_sel->Click();
        Dialog.Close();
    });
    ThemeManagerEdit(*Manager);
    EXPECT_EQ(Manager->CompList()->Lines(), (std::vector<std::string>{"One", "Three"}));
    EXPECT_EQ(Consumer("One")->UIStyle(), Protein);
}

} // namespace
