// The skinned menu bar from the keyboard, typed through the system's input queue: Alt+letter, F10 and Alt
// alone put the keyboard on the bar, the arrows walk it and its open menus, Enter, Down and letters open,
// Escape steps back, and a click elsewhere lets go.
#include "tests/skin/SkinnedWindow.h"
#include "tests/support/Components.h"
#include "tests/support/DeferredActions.h"
#include "tests/support/Messages.h"
#include "tests/support/SystemInput.h"
#include "tests/support/WindowQueries.h"

#include "skin/controls/Vskmainmenu.h"
#include "skin/frame/Vskmenubar.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int MenuSettle = 250; // for a menu to be down before a probe looks at it

// A skinned window whose skinned main menu has File and Edit menus, a disabled View and a Help item without
// a menu of its own.
struct MenuBarKeys : ::testing::Test {
    TSkinnedWindow Window{BlueGlass, 420, 240};
    TvskMainMenu* Menu = new TvskMainMenu(Window.Host.get());
    TMenuItem* File = NewMenuItem(Window.Host.get(), Menu->Items(), "&File");
    TMenuItem* Open = NewMenuItem(Window.Host.get(), File, "&Open");
    TMenuItem* Edit = NewMenuItem(Window.Host.get(), Menu->Items(), "&Edit");
    TMenuItem* Copy = NewMenuItem(Window.Host.get(), Edit, "&Copy");
    TMenuItem* View = NewMenuItem(Window.Host.get(), Menu->Items(), "&View");
    TMenuItem* Zoom = NewMenuItem(Window.Host.get(), View, "&Zoom");
    TMenuItem* Help = NewMenuItem(Window.Host.get(), Menu->Items(), "&Help");
    int HelpRuns = 0;

    MenuBarKeys() {
        View->SetEnabled(false);
        Help->OnClick = [this](TObject*) { ++HelpRuns; };
        Window.Host->SetFocus();
        PumpFor(30);
    }
    TvskMenuBar& Bar() const { return *Window.Skin->MenuBar(); }
    TToolButton* KeyButton() const { return Bar().KeyboardButton(); }
    TToolButton* Button(int Index) const { return Bar().Buttons(Index); }
    void Type(std::initializer_list<WORD> Keys) {
        Chord(Keys);
        PumpFor(40);
    }
};

// What a series of probes sees while the bar's menus are down, one key typed after each look.
struct TMenuWalk {
    TToolBar* Bar;
    std::vector<WORD> Keys;
    std::vector<int> Pressed{};
    std::vector<bool> FirstSelected{};
    std::vector<HMENU> Menus{};

    void Look() {
        const int Index = PressedToolButton(Bar->Handle());
        Pressed.push_back(Index);
        FirstSelected.push_back(Index >= 0 && MenuItemSelected(Menus[static_cast<std::size_t>(Index)], 0));
        const WORD Key = Keys[Pressed.size() - 1];
        Chord({Key});
        if (Pressed.size() < Keys.size()) RunSoon(MenuSettle, [this] { Look(); });
    }
};

} // namespace

TEST_F(MenuBarKeys, AltAndALetterDropsThatMenuAndLettersOfNothingPassOn) {
    int Pressed = -2;
    RunSoon(MenuSettle, [&] {
        Pressed = PressedToolButton(Bar().Handle());
        ::EndMenu();
    });
    Type({VK_MENU, 'E'});
    PumpUntil([&] { return Pressed != -2; }, 600);
    EXPECT_EQ(1, Pressed);
    EXPECT_EQ(nullptr, KeyButton()) << "closing the menu otherwise than by Escape leaves the bar";

    // No button has Q; a disabled one never opens.
    Type({VK_MENU, 'Q'});
    Type({VK_MENU, 'V'});
    EXPECT_EQ(-1, PressedToolButton(Bar().Handle()));
    EXPECT_EQ(nullptr, KeyButton());
}

TEST_F(MenuBarKeys, F10PutsTheKeyboardOnTheBarWhereArrowsWalkPastDisabledButtonsAndEscapeLeaves) {
    Type({VK_F10});
    EXPECT_EQ(Button(0), KeyButton());
    Type({VK_RIGHT});
    EXPECT_EQ(Button(1), KeyButton());
    Type({VK_RIGHT});
    EXPECT_EQ(Button(3), KeyButton()) << "View is disabled";
    Type({VK_RIGHT});
    EXPECT_EQ(Button(0), KeyButton()) << "round the end";
    Type({VK_LEFT});
    EXPECT_EQ(Button(3), KeyButton());
    Type({VK_ESCAPE});
    EXPECT_EQ(nullptr, KeyButton());
    // F10 a second time leaves too; so does a click elsewhere.
    Type({VK_F10});
    Type({VK_F10});
    EXPECT_EQ(nullptr, KeyButton());
    Type({VK_F10});
    ASSERT_NE(nullptr, KeyButton());
    ClickOnScreen(Window.TitlePoint(60, 8));
    EXPECT_EQ(nullptr, KeyButton());
}

TEST_F(MenuBarKeys, AltAloneThenDownOpensWithTheFirstItemAndArrowsWalkTheOpenMenus) {
    Type({VK_MENU});
    ASSERT_EQ(Button(0), KeyButton());
    TMenuWalk Walk{&Bar(), {VK_RIGHT, VK_RIGHT, VK_ESCAPE}};
    Walk.Menus = {File->Handle(), Edit->Handle(), View->Handle(), nullptr};
    RunSoon(MenuSettle, [&] { Walk.Look(); });
    Type({VK_DOWN});
    PumpUntil([&] { return Walk.Pressed.size() == Walk.Keys.size() && PressedToolButton(Bar().Handle()) == -1; }, 2000);
    // File, Edit, then past the disabled View and the menu-less Help round to File.
    EXPECT_EQ((std::vector<int>{0, 1, 0}), Walk.Pressed);
    EXPECT_EQ((std::vector<bool>{true, true, true}), Walk.FirstSelected);
    EXPECT_EQ(Button(0), KeyButton()) << "Escape from the menu goes back to its button on the bar";
    Type({VK_ESCAPE});
    EXPECT_EQ(nullptr, KeyButton());
}

TEST_F(MenuBarKeys, OnTheBarALetterOpensItsButtonAndAnItemWithoutAMenuRuns) {
    Type({VK_F10});
    Type({'H'});
    PumpUntil([&] { return HelpRuns > 0; }, 100);
    EXPECT_EQ(1, HelpRuns);
    EXPECT_EQ(nullptr, KeyButton());
    Type({VK_F10});
    Type({VK_RIGHT});
    Type({VK_RIGHT});
    Type({VK_RETURN});
    PumpUntil([&] { return HelpRuns > 1; }, 100);
    EXPECT_EQ(2, HelpRuns) << "Enter on Help";
    // Keys for the bar never reach the focused control.
    int KeysSeen = 0;
    Window.Host->SetKeyPreview(true);
    Window.Host->OnKeyDown = [&](TObject*, WORD&, TShiftState) { ++KeysSeen; };
    Type({VK_F10});
    Type({VK_LEFT});
    Type({VK_ESCAPE});
    EXPECT_EQ(0, KeysSeen);
    Type({VK_LEFT});
    EXPECT_EQ(1, KeysSeen) << "off the bar the keys are the window's again";
}
