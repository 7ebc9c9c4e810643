// Menus: the system menus built from the items and rebuilt after changes, shortcuts, owner drawing through
// the items' events, pop-up menus, menus on a form, and menu items as components of descriptions.
#include "tests/support/Components.h"
#include "tests/support/Messages.h"
#include "tests/support/Pixels.h"
#include "tests/support/UserInput.h"

#include "framework/core/DescriptionWriter.h"
#include "framework/win/ComponentClasses.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/ColorConversion.h"
#include "framework/win/menus/MainMenu.h"
#include "framework/win/menus/PopupMenu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

// A main menu that records its change notifications, as a skinned menu bar listens to them.
class TRecordingMenu : public TMainMenu {
public:
    using TMainMenu::TMainMenu;
    std::vector<std::pair<TMenuItem*, bool>> Changes;

protected:
    void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) override {
        TMainMenu::MenuChanged(Sender, Source, Rebuild);
        Changes.emplace_back(Source, Rebuild);
    }
};

std::string MenuString(HMENU Menu, int Position) {
    char Text[128] = {};
    ::GetMenuStringA(Menu, static_cast<UINT>(Position), Text, sizeof(Text), MF_BYPOSITION);
    return Text;
}

UINT MenuState(HMENU Menu, int Position) {
    return ::GetMenuState(Menu, static_cast<UINT>(Position), MF_BYPOSITION);
}

struct MenuTest : ::testing::Test {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TRecordingMenu* Menu = new TRecordingMenu(Form.get());
    TMenuItem* File = NewMenuItem(Form.get(), Menu->Items(), "File");
    TMenuItem* Open = NewMenuItem(Form.get(), File, "Open");
    TMenuItem* Line = NewMenuItem(Form.get(), File, "-");
    TMenuItem* Exit = NewMenuItem(Form.get(), File, "E&xit");
    TMenuItem* Edit = NewMenuItem(Form.get(), Menu->Items(), "Edit");
    int Opened = 0;

    MenuTest() {
        Open->SetShortCut(ShortCut('O', {ssCtrl}));
        Open->OnClick = [this](TObject*) { ++Opened; };
    }
};

} // namespace

TEST(ShortCutTest, ShortCutsAreKeysWithModifiersAndReadAsMenusShowThem) {
    EXPECT_EQ(16463, ShortCut('O', {ssCtrl}));
    EXPECT_EQ("Ctrl+O", ShortCutToText(ShortCut('O', {ssCtrl})));
    EXPECT_EQ("Shift+Del", ShortCutToText(ShortCut(VK_DELETE, {ssShift})));
    EXPECT_EQ("Shift+Ctrl+Alt+F12", ShortCutToText(ShortCut(VK_F12, {ssShift, ssCtrl, ssAlt})));
    EXPECT_EQ("", ShortCutToText(scNone));
    WORD Key = 0;
    TShiftState Shift;
    ShortCutToKey(ShortCut(VK_F5, {ssAlt}), Key, Shift);
    EXPECT_EQ(VK_F5, Key);
    EXPECT_EQ(TShiftState{ssAlt}, Shift);
}

TEST_F(MenuTest, TheSystemMenuIsBuiltFromTheItemsWithAutomaticAccelerators) {
    const HMENU Bar = Menu->Handle();
    ASSERT_EQ(2, ::GetMenuItemCount(Bar));
    EXPECT_EQ("&File", MenuString(Bar, 0));
    EXPECT_EQ("&Edit", MenuString(Bar, 1));
    const HMENU FileMenu = ::GetSubMenu(Bar, 0);
    ASSERT_EQ(File->HandleIfBuilt(), FileMenu);
    ASSERT_EQ(3, ::GetMenuItemCount(FileMenu));
    // Exit keeps its own letter, so Open gets the O.
    EXPECT_EQ("&Open\tCtrl+O", MenuString(FileMenu, 0));
    EXPECT_TRUE(MenuState(FileMenu, 1) & MF_SEPARATOR);
    EXPECT_EQ("E&xit", MenuString(FileMenu, 2));
    EXPECT_EQ(Open->Command(), ::GetMenuItemID(FileMenu, 0));

    Menu->SetAutoHotkeys(maManual);
    EXPECT_EQ("File", MenuString(Bar, 0));
}

TEST_F(MenuTest, ChangesOfItemsRebuildTheMenuAndReachMenuChanged) {
    const HMENU Bar = Menu->Handle();
    Menu->SetAutoHotkeys(maManual);
    Menu->Changes.clear();

    Open->SetCaption("Open...");
    ASSERT_EQ(1u, Menu->Changes.size());
    EXPECT_EQ(Open, Menu->Changes[0].first);
    EXPECT_FALSE(Menu->Changes[0].second);
    EXPECT_EQ("Open...\tCtrl+O", MenuString(File->Handle(), 0));

    Edit->SetEnabled(false);
    EXPECT_TRUE(MenuState(Bar, 1) & MF_GRAYED);
    Line->SetVisible(false);
    EXPECT_EQ(2, ::GetMenuItemCount(File->Handle()));
    EXPECT_TRUE(Menu->Changes.back().second);
    NewMenuItem(Form.get(), Edit, "Copy");
    EXPECT_NE(nullptr, ::GetSubMenu(Bar, 1));
    // The menu bar stays the same menu throughout.
    EXPECT_EQ(Bar, Menu->Handle());

    delete Exit;
    EXPECT_EQ(1, ::GetMenuItemCount(File->Handle()));
    EXPECT_EQ(2, File->Count()); // the hidden line is still there
}

TEST_F(MenuTest, RadioItemsOfAGroupAreCheckedOneAtATime) {
    TMenuItem* Small = NewMenuItem(Form.get(), Edit, "Small");
    TMenuItem* Large = NewMenuItem(Form.get(), Edit, "Large");
    for (TMenuItem* Item : {Small, Large}) {
        Item->SetRadioItem(true);
        Item->SetGroupIndex(1);
        Item->SetAutoCheck(true);
    }
    Small->Click();
    EXPECT_TRUE(Small->Checked());
    Large->Click();
    EXPECT_TRUE(Large->Checked());
    EXPECT_FALSE(Small->Checked());
    EXPECT_TRUE(MenuState(Edit->Handle(), 1) & MF_CHECKED);
}

TEST_F(MenuTest, IsShortCutRunsTheEnabledItemOfTheKey) {
    const TMessage CtrlO{WM_KEYDOWN, 'O', 0, 0};
    EXPECT_FALSE(Menu->IsShortCut(CtrlO)); // Ctrl is not held
    {
        TKeysHeld Ctrl({VK_CONTROL});
        EXPECT_TRUE(Menu->IsShortCut(CtrlO));
        EXPECT_EQ(1, Opened);
        EXPECT_FALSE(Menu->IsShortCut({WM_KEYDOWN, VK_CONTROL, 0, 0}));
        Open->SetEnabled(false);
        EXPECT_FALSE(Menu->IsShortCut(CtrlO));
    }
    EXPECT_EQ(1, Opened);
}

TEST_F(MenuTest, AFormShowsItsMainMenuAndHandsItTheMenuCommands) {
    Form->SetMenu(Menu);
    const HWND Window = Form->Handle();
    EXPECT_EQ(Menu->Handle(), ::GetMenu(Window));
    ::SendMessageA(Window, WM_COMMAND, Open->Command(), 0);
    EXPECT_EQ(1, Opened);
    {
        TKeysHeld Ctrl({VK_CONTROL});
        EXPECT_TRUE(Form->IsShortCut({WM_KEYDOWN, 'O', 0, 0}));
    }
    EXPECT_EQ(2, Opened);
    // A menu that goes takes itself off the window first.
    delete Menu;
    EXPECT_EQ(nullptr, ::GetMenu(Window));
    EXPECT_EQ(nullptr, Form->Menu());
}

TEST_F(MenuTest, OwnerDrawnItemsAreMeasuredAndDrawnThroughTheirEvents) {
    Menu->SetOwnerDraw(true);
    Form->SetMenu(Menu);
    const HWND Window = Form->Handle();
    std::vector<TObject*> Measured;
    Exit->OnMeasureItem = [&Measured](TObject* Sender, TCanvas* Canvas, int& Width, int& Height) {
        EXPECT_NE(nullptr, Canvas);
        EXPECT_GT(Width, 0); // the plain size comes in
        Measured.push_back(Sender);
        Width = 120;
        Height = 21;
    };
    std::vector<std::pair<TRect, bool>> Drawn;
    Exit->OnDrawItem = [&Drawn](TObject*, TCanvas* Canvas, const TRect& Rect, bool Selected) {
        Drawn.emplace_back(Rect, Selected);
        Canvas->Brush().SetColor(clLime);
        Canvas->FillRect(Rect);
    };
    EXPECT_TRUE(MenuState(File->Handle(), 2) & MF_OWNERDRAW);

    MEASUREITEMSTRUCT Measure{ODT_MENU, 0, Exit->Command(), 0, 0, reinterpret_cast<ULONG_PTR>(Exit)};
    EXPECT_TRUE(::SendMessageA(Window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&Measure)));
    ASSERT_EQ(1u, Measured.size());
    EXPECT_EQ(Exit, Measured[0]);
    EXPECT_EQ(120u, Measure.itemWidth);
    EXPECT_EQ(21u, Measure.itemHeight);

    TBitmap Image(40, 20);
    Fill(Image, clBlack);
    DRAWITEMSTRUCT Draw{};
    Draw.CtlType = ODT_MENU;
    Draw.itemID = Exit->Command();
    Draw.itemState = ODS_SELECTED;
    Draw.hDC = Image.Canvas().Handle();
    Draw.rcItem = TRect(5, 5, 30, 15);
    EXPECT_TRUE(::SendMessageA(Window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&Draw)));
    ASSERT_EQ(1u, Drawn.size());
    EXPECT_EQ(TRect(5, 5, 30, 15), Drawn[0].first);
    EXPECT_TRUE(Drawn[0].second);
    EXPECT_EQ(clLime, PixelAt(Image, 10, 10));
    EXPECT_EQ(clBlack, PixelAt(Image, 2, 2));

    // Without events the framework draws the item itself: a selected one on the highlight colour.
    Draw.itemID = Open->Command();
    ::SendMessageA(Window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&Draw));
    EXPECT_EQ(ColorToRGB(clHighlight), PixelAt(Image, 6, 6));
}

TEST_F(MenuTest, APopupMenuRunsTheItemChosenInIt) {
    auto* Popup = new TPopupMenu(Form.get());
    Popup->SetOwnerDraw(true);
    TMenuItem* Copy = NewMenuItem(Form.get(), Popup->Items(), "Copy");
    TMenuItem* Paste = NewMenuItem(Form.get(), Popup->Items(), "Paste");
    int Pasted = 0;
    int Popups = 0;
    std::vector<TObject*> Measured;
    Paste->OnClick = [&Pasted](TObject*) { ++Pasted; };
    Popup->OnPopup = [&Popups](TObject*) { ++Popups; };
    for (TMenuItem* Item : {Copy, Paste})
        Item->OnMeasureItem = [&Measured](TObject* Sender, TCanvas*, int&, int&) { Measured.push_back(Sender); };
    Form->Show();
    // The menu's loop reads the keys: down to Copy, down to Paste, Enter. The choice comes as a WM_COMMAND
    // posted to the menu's window.
    for (WORD Key : {VK_DOWN, VK_DOWN, VK_RETURN})
        ::PostMessageA(Form->Handle(), WM_KEYDOWN, Key, 1);
    Popup->Popup(Form->Left() + 20, Form->Top() + 20);
    PumpMessages();
    EXPECT_EQ(1, Popups);
    EXPECT_EQ(1, Pasted);
    EXPECT_NE(std::find(Measured.begin(), Measured.end(), Copy), Measured.end());
    EXPECT_NE(std::find(Measured.begin(), Measured.end(), Paste), Measured.end());
}

TEST_F(MenuTest, MenuItemsAreComponentsNestedInDescriptions) {
    RegisterWinComponentClasses();
    auto Read = std::make_unique<TForm>(nullptr);
    Read->ReadDescription("object fmMenu: TForm\n"
                          "  Menu = mmMain\n"
                          "  object mmMain: TMainMenu\n"
                          "    object miFile: TMenuItem\n"
                          "      Caption = '&File'\n"
                          "      object miOpen: TMenuItem\n"
                          "        Caption = '&Open'\n"
                          "        ShortCut = 16463\n"
                          "      end\n"
                          "    end\n"
                          "  end\n"
                          "end\n");
    auto* Main = dynamic_cast<TMainMenu*>(Read->FindComponent("mmMain"));
    auto* FileItem = dynamic_cast<TMenuItem*>(Read->FindComponent("miFile"));
    auto* OpenItem = dynamic_cast<TMenuItem*>(Read->FindComponent("miOpen"));
    ASSERT_TRUE(Main && FileItem && OpenItem);
    EXPECT_EQ(Main, Read->Menu());
    EXPECT_EQ(FileItem, Main->Items()->Items(0));
    EXPECT_EQ(FileItem, OpenItem->Parent());
    EXPECT_EQ(Main, FileItem->GetParentComponent());
    EXPECT_EQ(ShortCut('O', {ssCtrl}), OpenItem->ShortCut());
    EXPECT_EQ("&Open\tCtrl+O", MenuString(::GetSubMenu(::GetMenu(Read->Handle()), 0), 0));
    const std::string Text = WriteComponentDescription(*Read);
    EXPECT_NE(std::string::npos, Text.find("    object miFile: TMenuItem\n")) << Text;
    EXPECT_NE(std::string::npos, Text.find("      object miOpen: TMenuItem\n")) << Text;
}

TEST_F(MenuTest, EveryMenuHandleGoesWithItsMenu) {
    const long Menus = THandleCounts::Live(THandleKind::Menu);
    Form->SetMenu(Menu);
    Form->HandleNeeded();
    NewMenuItem(Form.get(), Edit, "Copy");
    EXPECT_EQ(Menus + 3, THandleCounts::Live(THandleKind::Menu)); // the bar, File's and Edit's menus
    Form->RecreateWnd(); // the old window took its menu bar with it: a new one is built
    EXPECT_EQ(Menu->Handle(), ::GetMenu(Form->Handle()));
    EXPECT_EQ(2, ::GetMenuItemCount(Menu->Handle()));
    Form.reset();
    EXPECT_EQ(Menus, THandleCounts::Live(THandleKind::Menu));
}
