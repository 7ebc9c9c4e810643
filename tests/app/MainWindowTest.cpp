// The main window as a user meets it: made from its description with the history file beside the test program,
// driven with real messages (button clicks, keys, characters), and checked by what it shows (list rows, editor,
// buttons, preview), what it writes (the file's bytes), what it copies (the clipboard) and what it asks (message
// boxes, answered through the application's hook).
#include "tests/app/MainWindowFixture.h"
#include "tests/support/Clipboard.h"
#include "tests/support/Components.h"
#include "tests/support/FileBytes.h"
#include "tests/support/MessageBoxAnswers.h"
#include "tests/support/Messages.h"
#include "tests/support/UserInput.h"
#include "tests/support/WindowQueries.h"

#include "app/Apputil.h"
#include "app/CLCmdMgr.h"
#include "app/CLPanel.h"
#include "app/Main.h"
#include "framework/win/controls/Image.h"
#include "framework/win/forms/Application.h"
#include "framework/win/graphics/Picture.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

namespace {

TEST_F(MainWindowTest, IsBuiltFromItsDescriptionWithTheBanner) {
    Open();
    const HWND hForm = m_pForm->Handle();
    EXPECT_EQ(WindowTextOf(hForm), "IBM AS/400 CL Command Vantrel");
    RECT rc;
    GetClientRect(hForm, &rc);
    EXPECT_EQ(rc.right, 794);
    EXPECT_EQ(rc.bottom, 610);
    EXPECT_EQ(GetWindowLongA(hForm, GWL_STYLE) & WS_THICKFRAME, 0) << "the border cannot be dragged";
    EXPECT_EQ(Text("btnCopy"), "&Copy Command Text to Clipboard");

    auto* pBanner = dynamic_cast<TImage*>(m_pForm->FindComponent("imgTop"));
    ASSERT_NE(pBanner, nullptr);
    EXPECT_EQ(pBanner->Picture()->Width(), 300);
    EXPECT_EQ(pBanner->Picture()->Height(), 50);
}

TEST_F(MainWindowTest, FirstStartCreatesAnEmptyHistoryWithTheEditorClosed) {
    Open();
    EXPECT_EQ(ReadHistory(), (TBytes{0, 0, 0, 0}));
    EXPECT_TRUE(Rows().empty());
    EXPECT_FALSE(EditorOpen());
    EXPECT_TRUE(Enabled("btnAdd"));
    EXPECT_FALSE(Enabled("btnUpdate"));
    EXPECT_FALSE(Enabled("btnDel"));
    EXPECT_TRUE(Preview().empty());
}

TEST_F(MainWindowTest, StartListsTheNewestFirstAndSelectsIt) {
    WriteCommands({"P", "Q", "R"});
    Open();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"R", "Q", "P"}));
    EXPECT_EQ(Cell(0, 1), StampText(kOldStamp + 2));
    EXPECT_EQ(Cell(2, 1), StampText(kOldStamp));
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_FALSE(EditorOpen());
    EXPECT_TRUE(Enabled("btnUpdate"));
    EXPECT_TRUE(Enabled("btnDel"));
    EXPECT_EQ(Preview(), (std::vector<std::string>{"R"}));

    SelectRow(2);
    EXPECT_EQ(Preview(), (std::vector<std::string>{"P"}));
}

TEST_F(MainWindowTest, ListShowsStampsPast2038) {
    FileImage image;
    image.Int(2).Record("P", static_cast<int32_t>(LocalStamp(2040, 3, 1, 9, 30, 0)));
    image.Record("Q", static_cast<int32_t>(LocalStamp(2105, 12, 31, 23, 59, 59)));
    WriteHistory(image.Get());
    Open();
    EXPECT_EQ(Cell(0, 1), "12/31/2105 23:59:59");
    EXPECT_EQ(Cell(1, 1), "03/01/2040 09:30:00");
}

TEST_F(MainWindowTest, AddRefusesAnEmptyCommand) {
    WriteCommands({"P"});
    Open();
    Click("btnAdd");
    EXPECT_TRUE(EditorOpen());
    EXPECT_FALSE(Enabled("btnUpdate"));
    EXPECT_FALSE(Enabled("btnDel"));
    EXPECT_EQ(Text("memCommand"), "");

    Click("btnSave");
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].Text, "Empty command is not allowed, please enter the command text.");
    EXPECT_EQ(m_boxes.Boxes()[0].Caption, "Information");
    EXPECT_EQ(m_boxes.Boxes()[0].Flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(Rows(), (std::vector<std::string>{"P"}));
    EXPECT_EQ(StoredCommands(), (std::vector<Stored>{{"P", kOldStamp}}));
}

TEST_F(MainWindowTest, AddPutsTheCommandOnTopAndLastInTheFileEvenTwice) {
    WriteCommands({"P", "Q", "R"});
    Open();
    Click("btnAdd");
    Type("dsplib");
    EXPECT_EQ(Text("memCommand"), "DSPLIB") << "letters typed become upper case";
    EXPECT_EQ(Preview(), (std::vector<std::string>{"DSPLIB"})) << "the preview follows the typing";

    const auto tBefore = static_cast<int32_t>(std::time(nullptr));
    Click("btnSave");
    const auto tAfter = static_cast<int32_t>(std::time(nullptr));
    EXPECT_TRUE(m_boxes.Boxes().empty());
    EXPECT_EQ(Rows(), (std::vector<std::string>{"DSPLIB", "R", "Q", "P"}));
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_FALSE(EditorOpen());
    std::vector<Stored> stored = StoredCommands();
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(stored.back().sCmd, "DSPLIB");
    EXPECT_GE(stored.back().tAccess, tBefore);
    EXPECT_LE(stored.back().tAccess, tAfter);
    EXPECT_EQ(Cell(0, 1), StampText(stored.back().tAccess));

    Click("btnAdd");
    Type("DSPLIB");
    Click("btnSave");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"DSPLIB", "DSPLIB", "R", "Q", "P"}));
    EXPECT_EQ(StoredCommands().size(), 5u);
}

TEST_F(MainWindowTest, UpdateSavesOnlyAChangedTextAndKeepsTheRowInPlace) {
    WriteCommands({"P", "Q", "R"});
    Open();
    SelectRow(1);
    Click("btnUpdate");
    EXPECT_TRUE(EditorOpen());
    EXPECT_EQ(Text("memCommand"), "Q");
    EXPECT_FALSE(Enabled("btnUpdate"));
    EXPECT_TRUE(Enabled("btnDel"));

    Click("btnSave");
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].Text, "Command not modified, save process canceled.");
    EXPECT_EQ(m_boxes.Boxes()[0].Caption, "Information");
    EXPECT_EQ(m_boxes.Boxes()[0].Flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(Cell(1, 1), StampText(kOldStamp + 1)) << "the stamp is kept";
    EXPECT_EQ(StoredCommands()[1], (Stored{"Q", kOldStamp + 1}));

    Click("btnClear");
    EXPECT_TRUE(Preview().empty());
    Type("wrkactjob");
    Click("btnSave");
    EXPECT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"R", "WRKACTJOB", "P"}));
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_TRUE(EditorOpen());
    const std::vector<Stored> stored = StoredCommands();
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[1].sCmd, "WRKACTJOB");
    EXPECT_GT(stored[1].tAccess, kOldStamp + 1);
    EXPECT_EQ(Cell(1, 1), StampText(stored[1].tAccess));
}

TEST_F(MainWindowTest, DoubleClickOpensTheRowAndARowLeftOpenReopensTheEditor) {
    WriteCommands({"P", "Q", "R"});
    Open();
    RECT rc = {LVIR_BOUNDS, 0, 0, 0};
    SendMessageA(Wnd("lvCommand"), LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rc));
    SelectRow(2);
    SendMessageA(Wnd("lvCommand"), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(rc.left + 5, (rc.top + rc.bottom) / 2));
    EXPECT_TRUE(EditorOpen());
    EXPECT_EQ(Text("memCommand"), "P");
    Key("memCommand", VK_END);
    Type("X");
    EXPECT_EQ(Preview(), (std::vector<std::string>{"PX"}));

    SelectRow(1);
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(Preview(), (std::vector<std::string>{"Q"}));

    SelectRow(2);
    EXPECT_TRUE(EditorOpen());
    EXPECT_EQ(Text("memCommand"), "P") << "edits that were not saved are dropped";
    EXPECT_FALSE(Enabled("btnUpdate"));
    EXPECT_EQ(Preview(), (std::vector<std::string>{"P"}));
}

TEST_F(MainWindowTest, UpdateWithAnEmptyMemoSavesNothingAndClosesTheRecord) {
    WriteCommands({"P", "Q", "R"});
    Open();
    const TBytes before = ReadHistory();
    SelectRow(1);
    Click("btnUpdate");
    Click("btnClear");
    Click("btnSave");
    EXPECT_TRUE(m_boxes.Boxes().empty());
    EXPECT_EQ(ReadHistory(), before);
    EXPECT_TRUE(EditorOpen()) << "the editor stays until the selection changes";

    SelectRow(0);
    SelectRow(1);
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(Preview(), (std::vector<std::string>{"Q"}));
}

TEST_F(MainWindowTest, DeleteSelectsTheNextOlderOrElseTheNewerRow) {
    WriteCommands({"A", "B", "C", "D", "E"});
    Open();
    SelectRow(2);
    Click("btnDel");
    EXPECT_TRUE(m_boxes.Boxes().empty()) << "no confirmation";
    EXPECT_EQ(Rows(), (std::vector<std::string>{"E", "D", "B", "A"}));
    EXPECT_EQ(SelectedRow(), 2);
    EXPECT_EQ(Preview(), (std::vector<std::string>{"B"}));
    std::vector<Stored> stored = StoredCommands();
    EXPECT_EQ(stored, (std::vector<Stored>{
                          {"A", kOldStamp}, {"B", kOldStamp + 1}, {"D", kOldStamp + 3}, {"E", kOldStamp + 4}}));

    SelectRow(3);
    Click("btnDel");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"E", "D", "B"}));
    EXPECT_EQ(SelectedRow(), 2);
    EXPECT_EQ(StoredCommands().size(), 3u);
}

TEST_F(MainWindowTest, DeletingTheOnlyRowLeavesNothingSelected) {
    WriteCommands({"ONLY"});
    Open();
    Click("btnDel");
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(SelectedRow(), -1);
    EXPECT_TRUE(Preview().empty());
    EXPECT_EQ(ReadHistory(), (TBytes{0, 0, 0, 0}));
    EXPECT_TRUE(Enabled("btnUpdate")) << "the buttons keep their state";
    EXPECT_TRUE(Enabled("btnDel"));
    Click("btnUpdate");
    Click("btnDel");
    EXPECT_FALSE(EditorOpen());
    EXPECT_EQ(ReadHistory(), (TBytes{0, 0, 0, 0}));
}

TEST_F(MainWindowTest, PasteAndClearWorkOnTheEditor) {
    Open();
    SetClipboardText("dsplib lib(qgpl)");
    Click("btnAdd");
    Type("x ");
    Click("btnPaste");
    EXPECT_EQ(Text("memCommand"), "X DSPLIB LIB(QGPL)");
    EXPECT_EQ(Preview(), (std::vector<std::string>{"X DSPLIB LIB(QGPL)"}));
    Click("btnClear");
    EXPECT_EQ(Text("memCommand"), "");
    EXPECT_TRUE(Preview().empty());
}

TEST_F(MainWindowTest, EditorHoldsAtMost1023CharactersAndLineBreaksPreviewAsBlanks) {
    Open();
    Click("btnAdd");
    Type("A\rB");
    EXPECT_EQ(Text("memCommand"), "A\r\nB");
    EXPECT_EQ(Preview(), (std::vector<std::string>{"A  B"}));
    Type(std::string(1100, 'C'));
    EXPECT_EQ(Text("memCommand").size(), 1023u);
    Click("btnSave");
    EXPECT_EQ(StoredCommands().at(0).sCmd, "A\r\nB" + std::string(1019, 'C'));
}

TEST_F(MainWindowTest, CopyPutsThePreviewedTextOnTheClipboardInItsLayout) {
    const std::string sLong = std::string(74, 'A') + std::string(26, 'B');
    WriteCommands({sLong});
    Open();
    Click("btnCopy");
    EXPECT_EQ(ClipboardText(), "      " + std::string(74, 'A') + "\r\n" + std::string(26, 'B'));

    Click("btnDel");
    SetClipboardText("KEEP ME");
    Click("btnCopy");
    EXPECT_EQ(ClipboardText(), "KEEP ME") << "an empty preview copies nothing";
}

TEST_F(MainWindowTest, AltWithTheUnderlinedLetterPressesTheButton) {
    WriteCommands({"P", "Q"});
    Open();
    AltKey("lvCommand", 'a');
    EXPECT_TRUE(EditorOpen());
    Type("X");
    AltKey("memCommand", 'c');
    EXPECT_EQ(Text("memCommand"), "") << "with the editor open, Alt+C clears it";

    SelectRow(1);
    SetClipboardText("KEEP ME");
    AltKey("lvCommand", 'c');
    EXPECT_EQ(ClipboardText(), "      P") << "with the editor closed, Alt+C copies";
}

TEST_F(MainWindowTest, ExitAsksAndNoOrCancelKeepTheWindow) {
    Open();
    m_pForm->SetConfirmQuit(true);
    for (int nAnswer : {IDNO, IDCANCEL}) {
        m_boxes.Queue(nAnswer);
        Click("btnExit");
        PumpMessages();
        EXPECT_FALSE(Application->Terminated());
        EXPECT_TRUE(IsWindow(m_pForm->Handle()));
    }
    ASSERT_EQ(m_boxes.Boxes().size(), 2u);
    EXPECT_EQ(m_boxes.Boxes()[0].Text, "Are you sure to quit Vantrel program?");
    EXPECT_EQ(m_boxes.Boxes()[0].Caption, "Confirmation");
    EXPECT_EQ(m_boxes.Boxes()[0].Flags, static_cast<UINT>(MB_YESNOCANCEL));
}

// The whole program: started, closed with Exit and Yes. A byte after the records, which the store ignores when
// reading and would drop when writing, shows that the file was not written on the way out.
TEST_F(MainWindowTest, ProgramEndsOnYesWithoutWritingTheFile) {
    WriteHistory(FileImage().Int(1).Record("P", kOldStamp).Raw("!").Get());
    const TBytes before = ReadHistory();
    bool bClicked = false;
    Application->OnMessage = [&](MSG&, bool&) {
        auto* pMain = dynamic_cast<TfmMain*>(Application->MainForm());
        if (bClicked || !pMain || !IsWindowVisible(pMain->Handle())) return;
        bClicked = true;
        auto* pExit = dynamic_cast<TWinControl*>(pMain->FindComponent("btnExit"));
        PostMessageA(pExit->Handle(), BM_CLICK, 0, 0);
    };
    m_boxes.Queue(IDYES);
    PostMessageA(nullptr, WM_NULL, 0, 0); // something for the hook to see once the loop runs
    EXPECT_EQ(RunProgram(), 0);
    Application->OnMessage = nullptr;
    m_pForm = dynamic_cast<TfmMain*>(Application->MainForm());
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].Caption, "Confirmation");
    EXPECT_EQ(ReadHistory(), before);
}

TEST_F(MainWindowTest, HistoryThatCannotBeWrittenIsReportedAndKeptUntilTheEnd) {
    WriteCommands({"P"});
    Open();
    ASSERT_TRUE(CreateDirectoryA(TempPath().c_str(), nullptr)) << "the new history cannot be written";
    Click("btnAdd");
    Type("DSPLIB");
    Click("btnSave");
    RemoveDirectoryA(TempPath().c_str());
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_NE(m_boxes.Boxes()[0].Text.find(HistoryPath()), std::string::npos) << m_boxes.Boxes()[0].Text;
    EXPECT_NE(m_boxes.Boxes()[0].Text.find("kept only until the program closes"), std::string::npos);
    EXPECT_EQ(m_boxes.Boxes()[0].Caption, "Information");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"DSPLIB", "P"}));
    EXPECT_EQ(StoredCommands(), (std::vector<Stored>{{"P", kOldStamp}}));
}

} // namespace
