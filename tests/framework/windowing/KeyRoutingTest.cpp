// Where a key goes inside a form, message by message: the key events (the previewing form first, which may
// change or swallow the key), and the keys and characters a control does not keep, which its form hears as
// dialog keys and dialog characters.
#include "tests/support/HandleSnapshot.h"
#include "tests/support/Messages.h"

#include "framework/win/controls/Memo.h"
#include "framework/win/controls/Panel.h"
#include "framework/win/forms/Form.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using TEvents = std::vector<std::string>;

// Keeps the dialog keys by asking for them (CM_WANTSPECIALKEY) and characters by its dialog code, as a grid
// editing a cell does.
class TKeyKeeper : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void WndProc(TMessage& Message) override {
        switch (Message.Msg) {
        case CM_WANTSPECIALKEY: Message.Result = 1; break;
        case WM_GETDLGCODE: Message.Result = DLGC_WANTCHARS; break;
        default: inherited::WndProc(Message); break;
        }
    }
};

struct KeyRoutingTest : ::testing::Test {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TPanel* Plain = new TPanel(Form.get());
    TKeyKeeper* Keeper = new TKeyKeeper(Form.get());
    TEvents FormHeard;

    KeyRoutingTest() {
        Plain->SetParent(Form.get());
        Keeper->SetParent(Form.get());
        // The form takes every dialog key and character, and says which it got.
        Form->SetWindowProc([this, Saved = Form->WindowProc()](TMessage& Message) {
            if (Message.Msg == CM_DIALOGKEY || Message.Msg == CM_DIALOGCHAR) {
                FormHeard.push_back((Message.Msg == CM_DIALOGKEY ? "key:" : "char:") + std::to_string(Message.WParam));
                Message.Result = 1;
                return;
            }
            Saved(Message);
        });
    }
};

} // namespace

TEST_F(KeyRoutingTest, ThePreviewingFormSeesEveryKeyEventFirstAndMayChangeOrSwallowTheKey) {
    auto* Memo = new TMemo(Form.get());
    Memo->SetParent(Form.get());
    Memo->HandleNeeded(); // the edit window types what reaches it
    TEvents Events;
    Form->SetKeyPreview(true);
    Form->OnKeyUp = [&](TObject*, WORD& Key, TShiftState) {
        Events.push_back("form up:" + std::to_string(Key));
        if (Key == 'A') Key = 'B';
    };
    Memo->OnKeyUp = [&](TObject*, WORD& Key, TShiftState) { Events.push_back("memo up:" + std::to_string(Key)); };
    Form->OnKeyPress = [&](TObject*, char& Key) {
        Events.push_back(std::string("form press:") + Key);
        if (Key == 'a') Key = 'b';
        if (Key == 'q') Key = '\0';
    };
    Memo->OnKeyPress = [&](TObject*, char& Key) {
        Events.push_back(std::string("memo press:") + Key);
        if (Key == 'z') Key = '\0';
    };

    Memo->Perform(WM_KEYUP, 'A', 1);
    Memo->Perform(WM_CHAR, 'a', 1); // reaches the edit as 'b'
    Memo->Perform(WM_CHAR, 'q', 1); // swallowed by the form: the memo hears nothing
    Memo->Perform(WM_CHAR, 'z', 1); // swallowed by the memo's handler: the edit types nothing
    Memo->Perform(WM_CHAR, 'c', 1);
    EXPECT_EQ(TEvents({"form up:65", "memo up:66", "form press:a", "memo press:b", "form press:q", "form press:z",
                       "memo press:z", "form press:c", "memo press:c"}),
              Events);
    EXPECT_EQ("bc", Memo->Text());

    // Without the preview the form hears nothing of its controls' keys.
    Form->SetKeyPreview(false);
    Events.clear();
    Memo->Perform(WM_CHAR, 'q', 1);
    EXPECT_EQ(TEvents({"memo press:q"}), Events);
    EXPECT_EQ("bcq", Memo->Text());
}

TEST_F(KeyRoutingTest, KeysAndCharactersAControlDoesNotKeepGoToTheFormAsDialogMessages) {
    // Tab, arrows, Enter and Escape go to the form unless the control keeps them; other keys never do.
    EXPECT_EQ(1, Plain->Perform(CN_KEYDOWN, VK_ESCAPE, 1));
    EXPECT_EQ(1, Plain->Perform(CN_KEYDOWN, VK_TAB, 1));
    EXPECT_EQ(0, Plain->Perform(CN_KEYDOWN, 'A', 1));
    EXPECT_EQ(0, Keeper->Perform(CN_KEYDOWN, VK_ESCAPE, 1));
    EXPECT_EQ(0, Keeper->Perform(CN_KEYDOWN, VK_DOWN, 1));
    EXPECT_EQ(TEvents({"key:27", "key:9"}), FormHeard);

    // Characters go to the form's accelerators unless the control takes characters.
    FormHeard.clear();
    EXPECT_EQ(1, Plain->Perform(CN_CHAR, 'x', 1));
    EXPECT_EQ(0, Keeper->Perform(CN_CHAR, 'x', 1));
    EXPECT_EQ(TEvents({"char:120"}), FormHeard);

    // Alt+letter goes to the accelerators whatever has the focus; Alt+Space stays the system menu's, and a
    // system key press is only ever a menu shortcut.
    FormHeard.clear();
    EXPECT_EQ(1, Keeper->Perform(CN_SYSCHAR, 'x', 1));
    EXPECT_EQ(0, Keeper->Perform(CN_SYSCHAR, VK_SPACE, 1));
    EXPECT_EQ(0, Plain->Perform(CN_SYSCHAR, VK_SPACE, 1));
    EXPECT_EQ(0, Plain->Perform(CN_SYSKEYDOWN, 'X', 1));
    EXPECT_EQ(TEvents({"char:120"}), FormHeard);
}

TEST(KeyRouting, AControlOutsideAFormKeepsEveryKey) {
    const auto Orphan = std::make_unique<TPanel>(nullptr);
    EXPECT_EQ(0, Orphan->Perform(CN_KEYDOWN, VK_ESCAPE, 1));
    EXPECT_EQ(0, Orphan->Perform(CN_CHAR, 'x', 1));
    EXPECT_EQ(0, Orphan->Perform(CN_SYSCHAR, 'x', 1));
}
