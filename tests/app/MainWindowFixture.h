// The main window as the program makes it, with the history file beside the test program, and the ways the tests
// drive it (real messages) and read it (rows, editor, buttons, preview, the file's records).
#pragma once

#include "tests/app/HistoryFile.h"
#include "tests/support/Components.h"
#include "tests/support/MessageBoxAnswers.h"
#include "tests/support/Messages.h"
#include "tests/support/UserInput.h"
#include "tests/support/WindowQueries.h"

#include "app/CLPanel.h"
#include "app/CLSettings.h"
#include "app/Main.h"
#include "framework/win/forms/Application.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

inline constexpr int32_t kOldStamp = 1158352107; // 15 September 2006, in the evening

struct Stored {
    std::string sCmd;
    int32_t tAccess;
    bool operator==(const Stored&) const = default;
};

// The records of the history file, oldest first, checking that the file holds exactly these and nothing else.
std::vector<Stored> StoredCommands();
// A history file of these commands, oldest first, stamped kOldStamp, kOldStamp + 1, ...
void WriteCommands(const std::vector<std::string>& cmds);
// A stamp as the list shows it.
std::string StampText(int32_t tAccess);

class MainWindowTest : public HistoryFileTest {
protected:
    static void SetUpTestSuite() { RegisterProgramClasses(); }

    // Every test starts with the window's settings (vantrel.ini) as a first start has them: none.
    void SetUp() override {
        HistoryFileTest::SetUp();
        DeleteFileA(SettingsPath().c_str());
    }
    void TearDown() override {
        delete m_pForm;
        PumpMessages();
        DeleteFileA(SettingsPath().c_str());
        HistoryFileTest::TearDown();
    }

    // The window as the program makes it at start-up (hidden: showing adds nothing the tests look at).
    void Open() {
        m_pForm = Application->CreateForm<TfmMain>();
        PumpMessages();
    }

    HWND Wnd(const char* szName) const {
        auto* pControl = FindComponentAs<TWinControl>(*m_pForm, szName);
        return pControl ? pControl->Handle() : nullptr;
    }

    void Click(const char* szName) const { SendMessageA(Wnd(szName), BM_CLICK, 0, 0); }
    void Key(const char* szName, WPARAM nKey) const { SendMessageA(Wnd(szName), WM_KEYDOWN, nKey, 1); }
    void Type(const std::string& sText) const { TypeChars(Wnd("memCommand"), sText); }
    // Alt and a letter, through the message loop as the keyboard delivers it.
    void AltKey(const char* szName, char ch) const {
        constexpr LPARAM kAltDown = 1 << 29;
        PostMessageA(Wnd(szName), WM_SYSCHAR, static_cast<WPARAM>(ch), kAltDown);
        PumpMessages();
    }
    // Selects a row as a user does with the keyboard: Home, then Down arrow.
    void SelectRow(int nRow) const {
        Key("lvCommand", VK_HOME);
        for (int i = 0; i < nRow; ++i)
            Key("lvCommand", VK_DOWN);
    }

    bool Shown(const char* szName) const { return (GetWindowLongA(Wnd(szName), GWL_STYLE) & WS_VISIBLE) != 0; }
    bool Enabled(const char* szName) const { return IsWindowEnabled(Wnd(szName)) != FALSE; }
    int Height(const char* szName) const {
        RECT rc;
        GetWindowRect(Wnd(szName), &rc);
        return rc.bottom - rc.top;
    }
    std::string Text(const char* szName) const { return WindowTextOf(Wnd(szName)); }
    bool EditorOpen() const {
        const bool bOpen = Shown("memCommand");
        EXPECT_EQ(Shown("btnSave"), bOpen);
        EXPECT_EQ(Shown("btnPaste"), bOpen);
        EXPECT_EQ(Shown("btnClear"), bOpen);
        EXPECT_EQ(Height("lvCommand"), bOpen ? 135 : 235);
        return bOpen;
    }

    std::string Cell(int nRow, int nColumn) const { return ListItemText(Wnd("lvCommand"), nRow, nColumn); }
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        const auto nCount = static_cast<int>(SendMessageA(Wnd("lvCommand"), LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < nCount; ++i)
            rows.push_back(Cell(i, 0));
        return rows;
    }
    int SelectedRow() const {
        return static_cast<int>(
            SendMessageA(Wnd("lvCommand"), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }

    // What the preview shows, row by row, read through its window.
    std::vector<std::string> Preview() const {
        const HWND hPanel = FindWindowExA(Wnd("pnlPreview"), nullptr, "CLPanel", nullptr);
        EXPECT_NE(hPanel, nullptr);
        const auto* pPanel = reinterpret_cast<const CLPanel*>(GetWindowLongPtrA(hPanel, GWLP_USERDATA));
        std::vector<std::string> rows;
        for (int i = 0; pPanel && i < kPanelRows && *pPanel->GetLine(i); ++i)
            rows.emplace_back(pPanel->GetLine(i));
        return rows;
    }

    TfmMain* m_pForm = nullptr;
    // Boxes the program shows are recorded and answered OK, or with the answers queued for them.
    TMessageBoxAnswers m_boxes;
};

