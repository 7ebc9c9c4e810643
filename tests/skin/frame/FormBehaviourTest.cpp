// The skinned window under real mouse and keyboard input: moving, maximising, the system menu, closing,
// menu shortcuts; destroying it in the middle of its own modal loops and handlers; and many lives in a row.
#include "tests/skin/SkinnedWindow.h"
#include "tests/support/Components.h"
#include "tests/support/DeferredActions.h"
#include "tests/support/HandleSnapshot.h"
#include "tests/support/Messages.h"
#include "tests/support/SystemInput.h"

#include "framework/win/controls/ToolBar.h"
#include "framework/win/forms/Application.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/controls/ToolButton.h"
#include "framework/win/graphics/Picture.h"
#include "framework/win/menus/MainMenu.h"
#include "framework/win/menus/MenuItem.h"
#include "framework/win/menus/ShortCuts.h"
#include "skin/frame/Vskformkeys.h"
#include "skin/frame/Vsktitlebarmenu.h"
#include "skin/frame/Vskwindowstate.h"

#include <gtest/gtest.h>

namespace {

constexpr int CaptionX = 300; // a point of the caption band, away from every button
constexpr int CaptionY = 12;

RECT WindowRect(HWND Window) {
    RECT Rect;
    ::GetWindowRect(Window, &Rect);
    return Rect;
}

TEST(FormMouse, DraggingTheCaptionMovesTheWindow) {
    TSkinnedWindow Window(BlueGlass);
    const RECT Before = WindowRect(Window.Window());
    const POINT Start = Window.TitlePoint(CaptionX, CaptionY);
    MoveMouse(Start);
    // The whole gesture is queued before the system's move loop starts reading it.
    PressLeft();
    for (int Step = 1; Step <= 5; ++Step)
        QueueMouseMove({Start.x + 8 * Step, Start.y + 6 * Step});
    ReleaseLeft();
    PumpUntil([&] { return WindowRect(Window.Window()).left != Before.left; }, 300);
    const RECT After = WindowRect(Window.Window());
    EXPECT_EQ(After.left - Before.left, 40);
    EXPECT_EQ(After.top - Before.top, 30);
    EXPECT_FALSE(Window.Skin->TitleBar()->MouseIsDown());
}

TEST(FormMouse, DoubleClickMaximisesOnlyThroughAVisibleMaximiseButton) {
    TSkinnedWindow Window(BlueGlass);
    const RECT Normal = WindowRect(Window.Window());
    DoubleClickOnScreen(Window.TitlePoint(CaptionX, CaptionY));
    PumpUntil([&] { return Window.Host->WindowState() == wsMaximized; }, 300);
    ASSERT_EQ(Window.Host->WindowState(), wsMaximized);
    // Maximized, the window covers the work area but its last row.
    const TRect Expected = VskMaximizedBounds();
    EXPECT_EQ(TRect(WindowRect(Window.Window())), Expected);
    EXPECT_EQ(Window.Skin->TitleBar()->Buttons()->Items(2)->PicNormal()->Width(), 19);

    DoubleClickOnScreen(Window.TitlePoint(CaptionX, CaptionY));
    PumpUntil([&] { return Window.Host->WindowState() == wsNormal; }, 300);
    EXPECT_EQ(Window.Host->WindowState(), wsNormal);
    EXPECT_EQ(TRect(WindowRect(Window.Window())), TRect(Normal));

    // The main window's buttons: control box and close only. A double click on the caption does nothing.
    Window.Skin->TitleBar()->Buttons()->Items(2)->SetVisible(false);
    Window.Skin->TitleBar()->Buttons()->Items(3)->SetVisible(false);
    DoubleClickOnScreen(Window.TitlePoint(CaptionX, CaptionY));
    PumpFor(150);
    EXPECT_EQ(Window.Host->WindowState(), wsNormal);
}

TEST(FormMouse, DoubleClickOnTheControlBoxClosesTheWindow) {
    TSkinnedWindow Window(BlueGlass);
    int Queries = 0;
    Window.Host->OnCloseQuery = [&](TObject*, bool& CanClose) {
        ++Queries;
        CanClose = false;
    };
    CloseMenusSoon(150); // the first click opens the system menu
    DoubleClickOnScreen(Window.TitlePoint(8, 8));
    PumpUntil([&] { return Queries > 0; }, 300);
    EXPECT_GE(Queries, 1);
}

TEST(FormMouse, ControlBoxOpensTheSystemMenuWithAbsentButtonsDisabled) {
    TSkinnedWindow Window(BlueGlass);
    TvskTitleBar& Bar = *Window.Skin->TitleBar();
    Bar.Buttons()->Items(2)->SetVisible(false);
    Bar.Buttons()->Items(3)->SetVisible(false);
    TvskTitleBarPopupMenu& Menu = *Bar.SystemMenu();
    int Shown = 0;
    Menu.OnPopup = [&](TObject*) { ++Shown; };
    CloseMenusSoon();
    ClickOnScreen(Window.TitlePoint(8, 8));
    PumpUntil([&] { return Shown > 0; }, 300);
    EXPECT_EQ(Shown, 1);
    EXPECT_FALSE(Menu.MinimizeItem()->Enabled());
    EXPECT_FALSE(Menu.MaximizeItem()->Enabled());
    EXPECT_TRUE(Menu.CloseItem()->Enabled());
    EXPECT_EQ(Menu.UIStyle(), BlueGlass);
}

TEST(FormMouse, TheClickHappensOverTheButtonUnderThePointerAtRelease) {
    TSkinnedWindow Window(BlueGlass);
    TvskTitleBar& Bar = *Window.Skin->TitleBar();
    for (int Extra = 0; Extra < 2; ++Extra) {
        TvskTitleBarButton* Custom = Bar.Buttons()->Add();
        Custom->PicNormal()->Bitmap().SetSize(19, 19);
    }
    std::vector<int> Clicked;
    Window.Skin->OnTitleBarCustomBtnsClick = [&](TObject*, int Index) { Clicked.push_back(Index); };
    const TvskTitleBar::TLayout Layout = Bar.Layout();
    const TRect First = Layout.Places[3].Rect;  // custom button 4
    const TRect Second = Layout.Places[4].Rect; // custom button 5
    MoveMouse(Window.TitlePoint(First.left + 5, First.top + 5));
    PressLeft();
    PumpFor(30);
    EXPECT_TRUE(Bar.MouseIsDown());
    EXPECT_EQ(Bar.HotButton(), 4);
    MoveMouse(Window.TitlePoint(Second.left + 5, Second.top + 5));
    ReleaseLeft();
    PumpUntil([&] { return !Clicked.empty(); }, 100);
    EXPECT_EQ(Clicked, std::vector<int>{5});
}

TEST(FormMouse, TheCloseButtonAsksTheHostsCloseQuery) {
    TSkinnedWindow Window(BlueGlass);
    int Queries = 0;
    Window.Host->OnCloseQuery = [&](TObject*, bool& CanClose) {
        ++Queries;
        CanClose = false;
    };
    const TRect Close = Window.Skin->TitleBar()->Layout().Places[0].Rect;
    ClickOnScreen(Window.TitlePoint(Close.left + 9, Close.top + 9));
    PumpUntil([&] { return Queries > 0; }, 200);
    EXPECT_EQ(Queries, 1);
    EXPECT_TRUE(::IsWindowVisible(Window.Window()));
}

TEST(FormKeyboard, AltSpaceOpensTheSkinnedSystemMenuBelowTheCaption) {
    TSkinnedWindow Window(BlueGlass);
    ASSERT_TRUE(TvskFormKeys::Installed());
    int Shown = 0;
    Window.Skin->TitleBar()->SystemMenu()->OnPopup = [&](TObject*) { ++Shown; };
    CloseMenusSoon(200);
    PressKey(VK_MENU);
    PressKey(VK_SPACE);
    ReleaseKey(VK_SPACE);
    ReleaseKey(VK_MENU);
    PumpUntil([&] { return Shown > 0; }, 400);
    EXPECT_EQ(Shown, 1);
}

TEST(FormKeyboard, ShortcutsOfTheMenuRunWhileTheHostIsActive) {
    TSkinnedWindow Window(BlueGlass);
    auto* Menu = new TMainMenu(Window.Host.get());
    TMenuItem* File = NewMenuItem(Window.Host.get(), Menu->Items(), "File");
    TMenuItem* Keep = NewMenuItem(Window.Host.get(), File, "Keep");
    Keep->SetShortCut(ShortCut('K', TShiftState{ssCtrl}));
    int Runs = 0;
    Keep->OnClick = [&](TObject*) { ++Runs; };
    TMenuItem* Help = NewMenuItem(Window.Host.get(), Menu->Items(), "Help");
    Window.Skin->SetMenu(Menu);

    ASSERT_NE(Window.Skin->MenuBar(), nullptr);
    ASSERT_EQ(Window.Skin->MenuBar()->ButtonCount(), 2);
    EXPECT_EQ(Window.Skin->MenuBar()->Buttons(0)->MenuItem(), File);
    EXPECT_EQ(Window.Skin->MenuBar()->Buttons(1)->MenuItem(), Help);
    EXPECT_EQ(Window.Host->Menu(), nullptr) << "no system menu bar on the host";

    Window.Host->SetFocus();
    PumpFor(30);
    PressKey(VK_CONTROL);
    PressKey('K');
    ReleaseKey('K');
    ReleaseKey(VK_CONTROL);
    PumpUntil([&] { return Runs > 0; }, 200);
    EXPECT_EQ(Runs, 1);

    delete Menu;
    EXPECT_EQ(Window.Skin->Menu(), nullptr);
    EXPECT_EQ(Window.Skin->MenuBar(), nullptr);
}

TEST(FormKeyboard, OneHookPerThreadUntilTheLastSkinnedFormGoes) {
    ASSERT_FALSE(TvskFormKeys::Installed());
    const long Hooks = THandleCounts::Live(THandleKind::Hook);
    {
        TSkinnedWindow First(BlueGlass);
        TSkinnedWindow Second(DeepBlue);
        EXPECT_EQ(THandleCounts::Live(THandleKind::Hook), Hooks + 1);
        First.Host.reset();
        EXPECT_TRUE(TvskFormKeys::Installed());
        // Key messages for the surviving form still flow through the hook without touching the first.
        PressKey(VK_SHIFT);
        ReleaseKey(VK_SHIFT);
        PumpFor(30);
    }
    EXPECT_FALSE(TvskFormKeys::Installed());
    EXPECT_EQ(THandleCounts::Live(THandleKind::Hook), Hooks);
}

TEST(FormTeardown, DestroyedWhileItsSystemMenuIsOpen) {
    auto Window = std::make_unique<TSkinnedWindow>(BlueGlass);
    bool Destroyed = false;
    RunSoon(100, [&] {
        Window->Host.reset();
        Destroyed = true;
        ::EndMenu();
    });
    ClickOnScreen(Window->TitlePoint(8, 8));
    PumpUntil([&] { return Destroyed; }, 400);
    EXPECT_TRUE(Destroyed);
    EXPECT_FALSE(TvskFormKeys::Installed());
}

TEST(FormTeardown, DestroyedDuringADrag) {
    auto Window = std::make_unique<TSkinnedWindow>(BlueGlass);
    bool Destroyed = false;
    // Inside the system's move loop: the window goes, then the user lets go of the button.
    RunSoon(80, [&] {
        Window->Host.reset();
        Destroyed = true;
        ReleaseLeft();
    });
    MoveMouse(Window->TitlePoint(CaptionX, CaptionY));
    PressLeft();
    PumpUntil([&] { return Destroyed; }, 300);
    PumpFor(50);
    EXPECT_TRUE(Destroyed);
}

TEST(FormTeardown, DestroyedFromItsOwnClickHandler) {
    auto Window = std::make_unique<TSkinnedWindow>(BlueGlass);
    TvskTitleBarButton* Custom = Window->Skin->TitleBar()->Buttons()->Add();
    Custom->PicNormal()->Bitmap().SetSize(19, 19);
    bool Destroyed = false;
    Window->Skin->OnTitleBarHelpBtnClick = nullptr;
    Window->Skin->OnTitleBarCustomBtnsClick = [&](TObject*, int) {
        Window->Host.reset();
        Destroyed = true;
    };
    const TRect Place = Window->Skin->TitleBar()->Layout().Places[3].Rect;
    ClickOnScreen(Window->TitlePoint(Place.left + 5, Place.top + 5));
    PumpUntil([&] { return Destroyed; }, 200);
    EXPECT_TRUE(Destroyed);
}

TEST(FormStress, FiveHundredLivesGiveEveryHandleBack) {
    { TSkinnedWindow Warm(BlueGlass); } // classes registered, fonts cached, the first time only
    const THandleSnapshot Before = HandleSnapshot();
    constexpr int Lives = 500;
    for (int Life = 0; Life < Lives; ++Life) {
        auto Host = std::make_unique<TForm>(Application);
        Host->SetBorderStyle(bsDialog);
        Host->SetBounds(40, 40, 320, 200);
        auto* Skin = new TvskForm(Host.get());
        Skin->SetUIStyle(static_cast<TvskUIStyle>(MacOS + Life % 5));
        auto* Menu = new TMainMenu(Host.get());
        NewMenuItem(Host.get(), Menu->Items(), "File");
        Skin->SetMenu(Menu);
        TvskTitleBarButton* Help = Skin->TitleBar()->Buttons()->Add();
        Help->SetButtonType(vskHelp);
        Host->Show();
        Application->ProcessMessages();
        Host.reset();
        Application->ProcessMessages();
        ASSERT_EQ(HandleSnapshot(), Before) << "life " << Life;
    }
}

} // namespace
