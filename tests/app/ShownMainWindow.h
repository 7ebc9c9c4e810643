// The main window as a user sees it: made from its description over a given history, shown and in the
// foreground, so that real input reaches it and pictures of the screen show it; the quit confirmation on, as
// the program has it.
#pragma once

#include "tests/app/MainWindowFixture.h"

#include <windows.h>

#include <string>
#include <vector>

class TvskTitleBar;

class ShownMainWindowTest : public MainWindowTest {
protected:
    // Writes Commands (oldest first) as the history, then opens the window on the screen.
    void Open(const std::vector<std::string>& Commands = {});
    void Close();

    TvskTitleBar& TitleBar() const;
    // The screen centre of the title bar button of that type (a TvskTitleBarBtnType).
    POINT TitleButtonCentre(int nType) const;
};
