// Long runs of the main window in its skinned look, driven through real messages: every handle the skinned
// components take (bitmaps, fonts, regions, DCs, hooks, timers, windows) must be back to its count at the end.
// GetGuiResources adds the system's own view where it keeps one (Wine reports 0).
#include "tests/app/ShownMainWindow.h"
#include "tests/support/HandleSnapshot.h"
#include "tests/support/Messages.h"
#include "tests/support/UserInput.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>

namespace {

constexpr int kSoakCommands = 200;
constexpr int kRounds = 100;

struct TGuiObjects {
    DWORD nGdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    DWORD nUser = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    bool operator==(const TGuiObjects&) const = default;
};

class MainWindowSoakTest : public ShownMainWindowTest {
protected:
    int RowCount() const { return static_cast<int>(::SendMessageA(Wnd("lvCommand"), LVM_GETITEMCOUNT, 0, 0)); }
    int SelectedRow() const {
        return static_cast<int>(
            ::SendMessageA(Wnd("lvCommand"), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    void Key(WPARAM nKey) const { ::SendMessageA(Wnd("lvCommand"), WM_KEYDOWN, nKey, 1); }
    std::string TopRow() const {
        char szText[64] = "";
        LVITEMA item = {};
        item.pszText = szText;
        item.cchTextMax = sizeof(szText);
        ::SendMessageA(Wnd("lvCommand"), LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&item));
        return szText;
    }
};

// Each test first makes and closes one window: the first window of the process fills the caches that live as
// long as the program (the styles' pictures, the face cache), and the counts are taken after it.
TEST_F(MainWindowSoakTest, TwoHundredCommandsAddedSelectedUpdatedAndDeleted) {
    Open();
    Close();
    const THandleSnapshot before = HandleSnapshot();
    const TGuiObjects guiBefore;

    Open();
    for (int i = 0; i < kSoakCommands; ++i) {
        Click("btnAdd");
        TypeChars(Wnd("memCommand"), "CALL PGM" + std::to_string(i));
        Click("btnSave");
    }
    ASSERT_EQ(RowCount(), kSoakCommands);
    EXPECT_EQ(TopRow(), "CALL PGM" + std::to_string(kSoakCommands - 1));

    // Each row selected with the keyboard, opened, changed and saved in place.
    Key(VK_HOME);
    for (int i = 0; i < kSoakCommands; ++i) {
        if (i > 0) Key(VK_DOWN);
        ASSERT_EQ(SelectedRow(), i);
        Click("btnUpdate");
        TypeChars(Wnd("memCommand"), "X");
        Click("btnSave");
    }
    EXPECT_EQ(TopRow(), "CALL PGM" + std::to_string(kSoakCommands - 1) + "X");
    EXPECT_TRUE(m_boxes.Boxes().empty()) << "no command was refused";

    Key(VK_HOME);
    for (int i = 0; i < kSoakCommands; ++i)
        Click("btnDel");
    EXPECT_EQ(RowCount(), 0);
    Close();

    EXPECT_EQ(HandleSnapshot(), before);
    EXPECT_TRUE(TGuiObjects() == guiBefore);
}

TEST_F(MainWindowSoakTest, HundredRoundsOfMakingAndClosingTheWindow) {
    Open({"DSPLIB", "WRKACTJOB"});
    Close();
    const THandleSnapshot before = HandleSnapshot();
    const TGuiObjects guiBefore;
    for (int i = 0; i < kRounds; ++i) {
        Open({"DSPLIB", "WRKACTJOB"});
        Click("btnUpdate");
        Close();
    }
    EXPECT_EQ(HandleSnapshot(), before);
    EXPECT_TRUE(TGuiObjects() == guiBefore);
}

} // namespace
