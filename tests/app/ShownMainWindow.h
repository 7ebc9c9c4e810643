// The main window as a user sees it: made from its description over a given history, shown and in the
// foreground, so that real input reaches it and pictures of the screen show it; the quit confirmation on, as
// the program has it. Message boxes are recorded and answered (OK unless answers are queued).
#pragma once

#include "tests/app/HistoryFile.h"
#include "tests/support/MessageBoxAnswers.h"

#include "app/Main.h"

#include <windows.h>

#include <string>
#include <vector>

class TvskTitleBar;

class ShownMainWindowTest : public HistoryFileTest {
protected:
    static void SetUpTestSuite();
    void TearDown() override;

    // Writes Commands (oldest first) as the history, then opens the window.
    void Open(const std::vector<std::string>& Commands = {});
    void Close();

    HWND Wnd(const char* szName) const;
    TvskTitleBar& TitleBar() const;
    // The screen centre of the title bar button of that type (a TvskTitleBarBtnType).
    POINT TitleButtonCentre(int nType) const;
    void Click(const char* szName) const;

    TfmMain* m_pForm = nullptr;
    TMessageBoxAnswers m_boxes;
};
