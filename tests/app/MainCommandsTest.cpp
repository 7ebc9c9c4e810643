// The main window's everyday commands beyond the buttons, driven as a user drives them: find (Ctrl+F, the find
// box, F3 and Shift+F3), the list's context menu, undo of deletes (Ctrl+Z), export and import, and the editor's
// rule that keeps the case of quoted text.
#include "tests/app/MainWindowFixture.h"
#include "tests/support/Clipboard.h"
#include "tests/support/DeferredActions.h"
#include "tests/support/Pictures.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/SystemInput.h"

#include "app/CLQuotedCase.h"
#include "app/CLSettings.h"
#include "app/CommandMenu.h"
#include "app/FindBox.h"
#include "framework/win/controls/Memo.h"
#include "framework/win/menus/MenuItem.h"

#include <cstdio>

namespace {

class MainCommandsTest : public MainWindowTest {
protected:
    // A key with modifiers held, sent to a control as the keyboard delivers it.
    void KeyWith(const char* szName, std::initializer_list<int> held, WPARAM nKey) const {
        TKeysHeld keys(held);
        Key(szName, nKey);
    }
    void Menu(TCommandMenuItem nItem) const {
        m_pForm->CommandMenu()->OnPopup(m_pForm->CommandMenu());
        TMenuItem* pItem = m_pForm->CommandMenu()->Item(nItem);
        ASSERT_TRUE(pItem->Enabled());
        pItem->Click();
        PumpMessages();
    }
    HWND FindEdit() const { return FindComponentAs<TWinControl>(*m_pForm->FindBox(), "edFind")->Handle(); }
};

TEST(QuotedCaseTest, RaisesOnlyWhatLiesOutsideApostrophes) {
    EXPECT_EQ(UpperOutsideQuotes("chgobj obj('/home/Ab') objtype(*stmf)"), "CHGOBJ OBJ('/home/Ab') OBJTYPE(*STMF)");
    EXPECT_EQ(UpperOutsideQuotes("sndmsg msg('it''s Done') tousr(qsysopr)"),
              "SNDMSG MSG('it''s Done') TOUSR(QSYSOPR)")
        << "a doubled apostrophe does not end the literal";
    EXPECT_EQ(UpperOutsideQuotes("sndmsg msg('open"), "SNDMSG MSG('open") << "an unfinished literal runs to the end";
    EXPECT_EQ(UpperOutsideQuotes("''x'y'z"), "''X'y'Z");
    EXPECT_EQ(UpperOutsideQuotes("caf\xe9"), "CAF\xc9") << "letters of the ANSI code page, as the editor raises them";
}

// Rows newest first: 0 CRTLIB X, 1 dsplib mylib, 2 WRKACTJOB, 3 DSPLIB QGPL.
TEST_F(MainCommandsTest, FindGoesForwardsAndBackwardsRoundTheListIgnoringCase) {
    WriteCommands({"DSPLIB QGPL", "WRKACTJOB", "dsplib mylib", "CRTLIB X"});
    Open();
    KeyWith("lvCommand", {VK_CONTROL}, 'F');
    TfmFind* pBox = m_pForm->FindBox();
    ASSERT_NE(pBox, nullptr);
    EXPECT_TRUE(IsWindowVisible(pBox->Handle()));
    TypeChars(FindEdit(), "DspLib");
    PostMessageA(FindEdit(), WM_KEYDOWN, VK_RETURN, 1);
    PumpMessages();
    EXPECT_EQ(SelectedRow(), 1) << "Enter finds the next match after the selected row";
    EXPECT_EQ(Preview()[0], "dsplib mylib") << "selected as a click selects it";
    Key("lvCommand", VK_F3);
    EXPECT_EQ(SelectedRow(), 3);
    Key("lvCommand", VK_F3);
    EXPECT_EQ(SelectedRow(), 1) << "wraps round";
    KeyWith("lvCommand", {VK_SHIFT}, VK_F3);
    EXPECT_EQ(SelectedRow(), 3) << "Shift+F3 goes backwards, round the top";
    KeyWith("lvCommand", {VK_SHIFT}, VK_F3);
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_EQ(pBox->Status(), "");

    SendMessageA(FindEdit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("QGPL"));
    Key("lvCommand", VK_F3);
    Key("lvCommand", VK_F3);
    EXPECT_EQ(SelectedRow(), 3) << "a lone match is found again";

    SendMessageA(FindEdit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("WRKSPLF"));
    const size_t nBoxes = m_boxes.Boxes().size();
    EXPECT_FALSE(m_pForm->FindNext(true));
    EXPECT_EQ(pBox->Status(), "Cannot find \"WRKSPLF\".");
    KeepPicture(*WindowImage(pBox->Handle()), "find-box.bmp");
    EXPECT_EQ(m_boxes.Boxes().size(), nBoxes) << "said in the find box, not in a message box";
    EXPECT_EQ(SelectedRow(), 3) << "the selection stays";

    PostMessageA(FindEdit(), WM_KEYDOWN, VK_ESCAPE, 1);
    PumpMessages();
    EXPECT_FALSE(IsWindowVisible(pBox->Handle())) << "Esc closes the box";
}

TEST_F(MainCommandsTest, FindScrollsTheFoundRowIntoView) {
    std::vector<std::string> cmds;
    for (int i = 0; i < 40; ++i)
        cmds.push_back("CMD" + std::to_string(i));
    WriteCommands(cmds);
    Open();
    m_pForm->ShowFind();
    SendMessageA(FindEdit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("cmd0"));
    ASSERT_TRUE(m_pForm->FindNext(true));
    EXPECT_EQ(Cell(SelectedRow(), 0), "CMD0");
    const int nTop = static_cast<int>(SendMessageA(Wnd("lvCommand"), LVM_GETTOPINDEX, 0, 0));
    const int nShown = static_cast<int>(SendMessageA(Wnd("lvCommand"), LVM_GETCOUNTPERPAGE, 0, 0));
    EXPECT_GE(SelectedRow(), nTop);
    EXPECT_LT(SelectedRow(), nTop + nShown);
}

// Deletes go without a question; each Ctrl+Z brings back the most recent one at its place with its stamp, and the
// file has it at once.
TEST_F(MainCommandsTest, UndoDeleteRestoresCommandsOnePerPressAtTheirPlaces) {
    WriteCommands({"A", "B", "C", "D", "E"});
    Open();
    SelectRow(1);
    Click("btnDel"); // D
    SelectRow(3);
    Click("btnDel"); // A
    SelectRow(0);
    Click("btnDel"); // E
    EXPECT_EQ(Rows(), (std::vector<std::string>{"C", "B"}));
    EXPECT_TRUE(m_boxes.Boxes().empty()) << "no confirmation";

    KeyWith("lvCommand", {VK_CONTROL}, 'Z');
    EXPECT_EQ(Rows(), (std::vector<std::string>{"E", "C", "B"}));
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(StoredCommands(), (std::vector<Stored>{{"B", kOldStamp + 1}, {"C", kOldStamp + 2}, {"E", kOldStamp + 4}}));
    KeyWith("lvCommand", {VK_CONTROL}, 'Z');
    KeyWith("lvCommand", {VK_CONTROL}, 'Z');
    EXPECT_EQ(Rows(), (std::vector<std::string>{"E", "D", "C", "B", "A"}));
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_EQ(Cell(1, 1), StampText(kOldStamp + 3));
    EXPECT_EQ(StoredCommands(), (std::vector<Stored>{{"A", kOldStamp},
                                                     {"B", kOldStamp + 1},
                                                     {"C", kOldStamp + 2},
                                                     {"D", kOldStamp + 3},
                                                     {"E", kOldStamp + 4}}));
    EXPECT_FALSE(m_pForm->UndoDelete()) << "nothing left";

    Click("btnUpdate");
    Type("x");
    KeyWith("memCommand", {VK_CONTROL}, 'Z');
    EXPECT_EQ(Rows().size(), 5u) << "in the editor Ctrl+Z is the editor's own";
}

TEST_F(MainCommandsTest, ContextMenuCommandsActOnTheSelectedRow) {
    WriteCommands({"DSPLIB QGPL", "WRKACTJOB"});
    Open();
    SelectRow(1);
    SetClipboardText("before");
    Menu(cmiCopy);
    EXPECT_EQ(ClipboardText(), "DSPLIB QGPL") << "the command's own text, not the preview's layout";

    Menu(cmiEdit);
    EXPECT_TRUE(EditorOpen());
    EXPECT_EQ(Text("memCommand"), "DSPLIB QGPL");

    Menu(cmiDelete);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"WRKACTJOB"}));
    Menu(cmiUndo);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"WRKACTJOB", "DSPLIB QGPL"}));
    m_pForm->CommandMenu()->OnPopup(m_pForm->CommandMenu());
    EXPECT_FALSE(m_pForm->CommandMenu()->Item(cmiUndo)->Enabled());

    Menu(cmiFind);
    ASSERT_NE(m_pForm->FindBox(), nullptr);
    EXPECT_TRUE(IsWindowVisible(m_pForm->FindBox()->Handle()));

    TScratchFolder folder;
    std::vector<bool> asked;
    m_pForm->ChooseFile = [&](bool bSave, std::string& sPath) {
        asked.push_back(bSave);
        sPath = folder.File("history.txt");
        return true;
    };
    Menu(cmiExport);
    Menu(cmiImport);
    EXPECT_EQ(asked, (std::vector<bool>{true, false}));
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].Text, "0 commands imported, 2 already in the history.\n");
}

// The menu as the user opens it: the context-menu key on the list, then the item's letter.
TEST_F(MainCommandsTest, ContextMenuKeyOpensTheSkinnedMenuOnTheList) {
    WriteCommands({"A", "B"});
    Open();
    m_pForm->Show();
    SetForegroundWindow(m_pForm->Handle());
    SelectRow(0);
    RunSoon(200, [] {
        PressKey('D');
        ReleaseKey('D');
    });
    PostMessageA(Wnd("lvCommand"), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Wnd("lvCommand")), -1);
    PumpFor(600);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"A"}));
    EXPECT_EQ(m_pForm->CommandMenu()->Item(cmiDelete)->ShortCut(), VK_DELETE);
}

TEST_F(MainCommandsTest, ExportThenImportIntoAnEmptyHistoryGivesTheSameRows) {
    WriteCommands({"DSPLIB QGPL", "WRKACTJOB", "SNDMSG MSG('Hi')"});
    Open();
    TScratchFolder folder;
    const std::string sFile = folder.File("history.txt");
    ASSERT_TRUE(m_pForm->ExportTo(sFile));
    const std::vector<Stored> before = StoredCommands();
    delete m_pForm;
    m_pForm = nullptr;
    WriteCommands({});
    Open();
    ASSERT_TRUE(m_pForm->ImportFrom(sFile));
    EXPECT_EQ(StoredCommands(), before);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"SNDMSG MSG('Hi')", "WRKACTJOB", "DSPLIB QGPL"}));
    EXPECT_EQ(Cell(2, 1), StampText(kOldStamp));
    EXPECT_EQ(SelectedRow(), 0);

    const TBytes file = ReadHistory();
    EXPECT_FALSE(m_pForm->ImportFrom(folder.File("missing.txt")));
    EXPECT_EQ(ReadHistory(), file) << "a failed import leaves the history file byte-identical";
    EXPECT_EQ(m_boxes.Boxes().back().Text, folder.File("missing.txt") + " could not be read; nothing was imported.\n");
}

// Off (the default) the editor raises everything as before; on, quoted text keeps its case in typing, paste and
// the Update path, and the choice is remembered.
TEST_F(MainCommandsTest, QuotedTextKeepsItsCaseWhenTheOptionIsOn) {
    WriteCommands({"chgobj obj('/home/Ab')", "DSPLIB"});
    Open();
    EXPECT_FALSE(m_pForm->QuotedCase());
    Click("btnAdd");
    Type("chgobj obj('/home/Ab')");
    EXPECT_EQ(Text("memCommand"), "CHGOBJ OBJ('/HOME/AB')");

    m_pForm->SetQuotedCase(true);
    Click("btnClear");
    Type("chgobj obj('/home/Ab')");
    EXPECT_EQ(Text("memCommand"), "CHGOBJ OBJ('/home/Ab')");
    EXPECT_EQ(Preview()[0], "CHGOBJ OBJ('/home/Ab')");
    Click("btnClear");
    SetClipboardText("sndmsg msg('it''s Done') tousr(qsysopr)");
    Click("btnPaste");
    EXPECT_EQ(Text("memCommand"), "SNDMSG MSG('it''s Done') TOUSR(QSYSOPR)");
    Type(" x");
    EXPECT_EQ(Text("memCommand"), "SNDMSG MSG('it''s Done') TOUSR(QSYSOPR) X") << "typing goes on at the caret";

    SelectRow(1);
    Click("btnUpdate");
    EXPECT_EQ(Text("memCommand"), "CHGOBJ OBJ('/home/Ab')");
    Click("btnSave");
    EXPECT_EQ(StoredCommands()[0].sCmd, "CHGOBJ OBJ('/home/Ab')");

    delete m_pForm;
    m_pForm = nullptr;
    Open();
    EXPECT_TRUE(m_pForm->QuotedCase()) << "remembered in vantrel.ini";
}

} // namespace
