// The tool bar over ToolbarWindow32: buttons bound to the top-level items of a menu (a menu bar), their
// menus dropping down, clicks, custom drawing of the bar and of each button, and its size and edges.
#include "tests/support/Components.h"
#include "tests/support/Messages.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"
#include "tests/support/UserInput.h"
#include "tests/support/WindowQueries.h"

#include "framework/win/controls/ToolBar.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/menus/MainMenu.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A menu bar as the skinned form builds one: one grouped, auto-sized button per top-level item.
struct ToolBarTest : ::testing::Test {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TMainMenu* Menu = new TMainMenu(Form.get());
    TMenuItem* File = NewMenuItem(Form.get(), Menu->Items(), "&File");
    TMenuItem* Open = NewMenuItem(Form.get(), File, "&Open");
    TMenuItem* Edit = NewMenuItem(Form.get(), Menu->Items(), "&Edit");
    TMenuItem* Copy = NewMenuItem(Form.get(), Edit, "&Copy");
    TMenuItem* Help = NewMenuItem(Form.get(), Menu->Items(), "&Help");
    TToolBar* Bar = new TToolBar(Form.get());
    int Opened = 0;
    int FileClicks = 0;
    int HelpClicks = 0;

    ToolBarTest() {
        Form->SetBounds(20, 20, 400, 200);
        Bar->SetParent(Form.get());
        Bar->SetFlat(true);
        Bar->SetEdgeBorders({});
        Bar->SetShowCaptions(true);
        Bar->SetAutoSize(true);
        Edit->SetEnabled(false);
        for (int I = 0; I < Menu->Items()->Count(); ++I) {
            auto* Button = new TToolButton(Form.get());
            Button->SetParent(Bar);
            Button->SetGrouped(true);
            Button->SetAutoSize(true);
            Button->SetMenuItem(Menu->Items()->Items(I));
        }
        Open->OnClick = [this](TObject*) { ++Opened; };
        File->OnClick = [this](TObject*) { ++FileClicks; };
        Help->OnClick = [this](TObject*) { ++HelpClicks; };
    }
};

} // namespace

TEST_F(ToolBarTest, ButtonsShowTheirMenuItemsInMenuOrder) {
    const HWND Window = Bar->Handle();
    ASSERT_EQ(3, Bar->ButtonCount());
    EXPECT_EQ(3, ::SendMessageA(Window, TB_BUTTONCOUNT, 0, 0));
    EXPECT_EQ("&Edit", Bar->Buttons(1)->Caption());
    EXPECT_FALSE(Bar->Buttons(1)->Enabled());
    TBBUTTON Native{};
    ::SendMessageA(Window, TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&Native));
    EXPECT_FALSE(Native.fsState & TBSTATE_ENABLED);
    EXPECT_TRUE(Native.fsStyle & BTNS_AUTOSIZE);
    // The buttons sit side by side where the system control shows them; the bar is as high as they are.
    for (int I = 0; I < 3; ++I) {
        TRect Native;
        ::SendMessageA(Window, TB_GETITEMRECT, static_cast<WPARAM>(I), reinterpret_cast<LPARAM>(&Native));
        EXPECT_EQ(Native, Bar->Buttons(I)->BoundsRect());
    }
    EXPECT_GT(Bar->Buttons(1)->Left(), Bar->Buttons(0)->Left());
    EXPECT_EQ(Bar->Buttons(0)->BoundsRect().bottom, Bar->Height());
    EXPECT_EQ(Form->ClientWidth(), Bar->Width());

    // A new caption comes in through the button (as a skinned menu bar copies it there).
    const int HelpLeft = Bar->Buttons(2)->Left();
    Bar->Buttons(1)->SetCaption("&Edit everything");
    EXPECT_GT(Bar->Buttons(2)->Left(), HelpLeft);
    Bar->SetButtonHeight(30);
    EXPECT_EQ(30, Bar->Buttons(0)->Height());
    EXPECT_EQ(Bar->Buttons(0)->BoundsRect().bottom, Bar->Height());
}

namespace {

// What a timer sees from inside the menu's loop (timer procedures run there, however the menu is owned).
struct TMenuLoopProbe {
    HWND Bar = nullptr;
    int Ticks = 0;
    bool PressedWhileOpen = false;
};
TMenuLoopProbe* GProbe = nullptr;

bool FirstButtonPressed(HWND Bar) {
    TBBUTTON Native{};
    ::SendMessageA(Bar, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&Native));
    return (Native.fsState & TBSTATE_PRESSED) != 0;
}

// The first tick comes with the menu down: it looks at the bar and closes the menu. (Choosing an item is the menu's
// own business; its command reaches the item as MenuTest shows for pop-up menus.)
void CALLBACK ProbeMenuLoop(HWND, UINT, UINT_PTR, DWORD) {
    if (GProbe->Ticks++ > 0) return;
    GProbe->PressedWhileOpen = FirstButtonPressed(GProbe->Bar);
    ::EndMenu();
}

} // namespace

// A font given to a bar that has its buttons already sizes them to their captions in it, and a button greyed
// or renamed later keeps the bar's height.
TEST_F(ToolBarTest, ButtonsFollowTheBarsFontAndOneChangedKeepsTheBarsHeight) {
    Form->Show();
    const int Narrow = Bar->Buttons(0)->Width();
    Bar->Font()->SetName("Courier New");
    Bar->Font()->SetSize(14);
    EXPECT_GT(Bar->Buttons(0)->Width(), Narrow);
    Bar->Font()->SetName("Tahoma");
    Bar->Font()->SetSize(8);
    const int Height = Bar->Height();
    const int ButtonHeight = Bar->Buttons(0)->Height();
    Bar->Buttons(0)->SetEnabled(false);
    Bar->Buttons(2)->SetCaption("&Help and more");
    EXPECT_EQ(Height, Bar->Height());
    EXPECT_EQ(ButtonHeight, Bar->Buttons(0)->Height());
    EXPECT_EQ(ButtonHeight, Bar->Buttons(2)->Height());
}

TEST_F(ToolBarTest, PressingAButtonWithAMenuDropsItsSubMenu) {
    Form->Show();
    TMenuLoopProbe Probe{Bar->Handle()};
    GProbe = &Probe;
    const UINT_PTR Timer = ::SetTimer(nullptr, 0, 50, ProbeMenuLoop);
    const TPoint Center = CenterOf(Bar->Buttons(0)->BoundsRect());
    ::SendMessageA(Bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(Center.x, Center.y));
    ::KillTimer(nullptr, Timer);
    GProbe = nullptr;
    EXPECT_GT(Probe.Ticks, 0) << "the menu's loop ran";
    EXPECT_TRUE(Probe.PressedWhileOpen) << "the button shows pressed while its menu is down";
    EXPECT_EQ(1, FileClicks); // as its menu opened
    PumpMessages();
    EXPECT_EQ(0, Opened) << "nothing was chosen";
    EXPECT_FALSE(FirstButtonPressed(Bar->Handle())) << "the button is up again";
}

TEST_F(ToolBarTest, AButtonOfAnItemWithoutSubItemsRunsTheItem) {
    Form->Show();
    int ButtonClicks = 0;
    Bar->Buttons(2)->OnClick = [&ButtonClicks](TObject*) { ++ButtonClicks; };
    ClickAt(Bar->Handle(), CenterOf(Bar->Buttons(2)->BoundsRect()));
    EXPECT_EQ(1, ButtonClicks);
    EXPECT_EQ(1, HelpClicks);
    // A disabled button does nothing.
    ClickAt(Bar->Handle(), CenterOf(Bar->Buttons(1)->BoundsRect()));
    EXPECT_EQ(1, HelpClicks);
}

TEST_F(ToolBarTest, TheBarAndEachButtonCanBeDrawnByTheProgram) {
    std::vector<TRect> BarRects;
    Bar->OnCustomDraw = [&BarRects](TToolBar*, const TRect& Rect, bool&) { BarRects.push_back(Rect); };
    std::vector<std::pair<TToolButton*, TCustomDrawState>> Buttons;
    Bar->OnCustomDrawButton = [&Buttons](TToolBar* Sender, TToolButton* Button, TCustomDrawState State,
                                         bool& DefaultDraw) {
        Buttons.emplace_back(Button, State);
        Sender->Canvas().Brush().SetColor(Button->Enabled() ? clRed : clBlue);
        Sender->Canvas().FillRect(Button->BoundsRect());
        DefaultDraw = false;
    };
    const auto Image = PaintedImage(*Bar);
    ASSERT_FALSE(BarRects.empty());
    EXPECT_EQ(Bar->ClientRect(), BarRects.front());
    ASSERT_EQ(3u, Buttons.size());
    EXPECT_EQ(Bar->Buttons(0), Buttons[0].first);
    EXPECT_TRUE(Buttons[1].second.Contains(cdsDisabled));
    EXPECT_FALSE(Buttons[0].second.Contains(cdsDisabled));
    const TPoint First = CenterOf(Bar->Buttons(0)->BoundsRect());
    const TPoint Second = CenterOf(Bar->Buttons(1)->BoundsRect());
    EXPECT_EQ(clRed, PixelAt(*Image, First.x, First.y));
    EXPECT_EQ(clBlue, PixelAt(*Image, Second.x, Second.y));

    // Not drawing the bar by default leaves everything to the program.
    Bar->OnCustomDraw = [](TToolBar*, const TRect&, bool& DefaultDraw) { DefaultDraw = false; };
    Buttons.clear();
    PaintedImage(*Bar);
    EXPECT_TRUE(Buttons.empty());
}

TEST_F(ToolBarTest, EdgeBordersTakeRoomAroundTheButtons) {
    Bar->SetEdgeBorders({ebTop, ebBottom});
    Bar->HandleNeeded();
    EXPECT_EQ(Bar->Height() - 4, Bar->ClientHeight());
    EXPECT_EQ(Bar->Buttons(0)->BoundsRect().bottom + 4, Bar->Height());
}

namespace {

// A walk along the bar by keys typed into the open menu, one key per tick of a timer of the menu's loop.
struct TKeyWalk {
    HWND Bar = nullptr;
    std::vector<WPARAM> Keys;
    std::vector<int> Pressed{};        // the button shown pressed at each tick
    std::vector<bool> FirstSelected{}; // whether that menu had its first item selected
    std::vector<HMENU> Menus{};        // the sub-menu of each button
};
TKeyWalk* GWalk = nullptr;

void CALLBACK WalkMenus(HWND, UINT, UINT_PTR, DWORD) {
    TKeyWalk& Walk = *GWalk;
    const std::size_t Step = Walk.Pressed.size();
    if (Step >= Walk.Keys.size()) return;
    const int Button = PressedToolButton(Walk.Bar);
    Walk.Pressed.push_back(Button);
    const HMENU Menu = Button >= 0 ? Walk.Menus[static_cast<std::size_t>(Button)] : nullptr;
    Walk.FirstSelected.push_back(MenuItemSelected(Menu, 0));
    ::PostMessageA(Walk.Bar, WM_KEYDOWN, Walk.Keys[Step], 0);
}

} // namespace

TEST_F(ToolBarTest, LeftAndRightWalkTheMenusRoundTheBarAndEscapeReportsWhereItLeft) {
    Edit->SetEnabled(true);
    Bar->Buttons(1)->SetEnabled(true);
    Form->Show();
    TKeyWalk Walk{Bar->Handle(), {VK_RIGHT, VK_RIGHT, VK_LEFT, VK_ESCAPE}};
    Walk.Menus = {File->Handle(), Edit->Handle(), nullptr};
    GWalk = &Walk;
    const UINT_PTR Timer = ::SetTimer(nullptr, 0, 60, WalkMenus);
    TToolButton* Left = Bar->TrackMenu(Bar->Buttons(0), true);
    ::KillTimer(nullptr, Timer);
    GWalk = nullptr;
    // File, then Edit; Help runs no menu, so Right goes round to File; Left goes back round to Edit.
    EXPECT_EQ((std::vector<int>{0, 1, 0, 1}), Walk.Pressed);
    EXPECT_EQ((std::vector<bool>{true, true, true, true}), Walk.FirstSelected) << "menus opened by keys";
    EXPECT_EQ(Bar->Buttons(1), Left) << "Escape leaves the keyboard on the bar at Edit";
    EXPECT_EQ(-1, PressedToolButton(Bar->Handle()));
    EXPECT_EQ(0, Opened);

    // Opened by the mouse nothing is selected, and a menu closed otherwise than by Escape reports nothing.
    Walk = TKeyWalk{Bar->Handle(), {VK_RETURN}};
    Walk.Menus = {File->Handle(), Edit->Handle(), nullptr};
    GWalk = &Walk;
    const UINT_PTR Again = ::SetTimer(nullptr, 0, 60, WalkMenus);
    EXPECT_EQ(nullptr, Bar->TrackMenu(Bar->Buttons(0)));
    ::KillTimer(nullptr, Again);
    GWalk = nullptr;
    EXPECT_EQ((std::vector<bool>{false}), Walk.FirstSelected);
}
