// A form described as the program stores its windows, holding a list view, memos, buttons, a status bar
// and menus: it loads, shows, paints and reacts, and creating and destroying it many times gives back
// every handle.
#include "tests/support/Components.h"
#include "tests/support/HandleSnapshot.h"
#include "tests/support/Messages.h"
#include "tests/support/Pictures.h"
#include "tests/support/WindowQueries.h"

#include "framework/win/ComponentClasses.h"
#include "framework/win/controls/Button.h"
#include "framework/win/controls/ListView.h"
#include "framework/win/controls/Memo.h"
#include "framework/win/controls/StatusBar.h"
#include "framework/win/forms/Form.h"
#include "framework/win/forms/Screen.h"
#include "framework/win/menus/MainMenu.h"
#include "framework/win/menus/PopupMenu.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int StressRounds = 100;

constexpr const char* CommandsForm = R"(object fmCommands: TForm
  Left = 40
  Top = 40
  BorderStyle = bsDialog
  Caption = 'IBM AS/400 CL Command Vantrel'
  ClientHeight = 300
  ClientWidth = 400
  Menu = mmMain
  object lvCommand: TListView
    Left = 8
    Top = 8
    Width = 384
    Height = 120
    Columns = <
      item
        Caption = 'CL Command'
        Width = 250
      end
      item
        Caption = 'Last Access Time'
        Width = 110
      end>
    HideSelection = False
    PopupMenu = pmList
    ReadOnly = True
    RowSelect = True
    ViewStyle = vsReport
  end
  object memCommand: TMemo
    Left = 8
    Top = 136
    Width = 384
    Height = 60
    ScrollBars = ssVertical
  end
  object memEdit: TMemo
    Left = 8
    Top = 200
    Visible = False
  end
  object btnAdd: TButton
    Left = 8
    Top = 240
    Width = 120
    Height = 27
    Caption = '&Add Command'
    Default = True
  end
  object btnExit: TButton
    Left = 272
    Top = 240
    Width = 120
    Height = 27
    Cancel = True
    Caption = 'E&xit'
    ModalResult = 2
  end
  object sbMain: TStatusBar
    Panels = <
      item
        Text = 'Ready'
        Width = 100
      end
      item
      end>
  end
  object mmMain: TMainMenu
    object miFile: TMenuItem
      Caption = '&File'
      object miExit: TMenuItem
        Caption = 'E&xit'
        ShortCut = 32883
      end
    end
  end
  object pmList: TPopupMenu
    OwnerDraw = True
    object miCopy: TMenuItem
      Caption = '&Copy'
    end
  end
end
)";

std::unique_ptr<TForm> LoadCommandsForm() {
    RegisterWinComponentClasses();
    auto Form = std::make_unique<TForm>(nullptr);
    Form->ReadDescription(CommandsForm);
    return Form;
}

std::string ColumnCaption(HWND List, int Index) {
    char Text[64] = {};
    LVCOLUMNA Column{};
    Column.mask = LVCF_TEXT;
    Column.pszText = Text;
    Column.cchTextMax = sizeof(Text);
    ::SendMessageA(List, LVM_GETCOLUMNA, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&Column));
    return Text;
}

// One life of the form: loaded, filled, shown, painted, used, destroyed.
void UseCommandsForm() {
    auto Form = LoadCommandsForm();
    auto* List = FindComponentAs<TListView>(*Form, "lvCommand");
    for (const char* Command : {"DSPLIB", "CRTLIB", "WRKACTJOB"}) {
        TListItem* Item = List->Items()->Add();
        Item->SetCaption(Command);
        Item->SubItems()->Add("2024-01-01 12:00:00");
    }
    List->SetItemIndex(0);
    FindComponentAs<TMemo>(*Form, "memCommand")->SetText("DSPLIB");
    Form->Show();
    Form->Update();
    PaintedImage(*Form);
    FindComponentAs<TPopupMenu>(*Form, "pmList")->Handle();
}

} // namespace

TEST(CommonControlsFormTest, AStoredFormWithTheCommonControlsLoadsAndWorks) {
    auto Form = LoadCommandsForm();
    auto* List = FindComponentAs<TListView>(*Form, "lvCommand");
    auto* Memo = FindComponentAs<TMemo>(*Form, "memCommand");
    auto* Hidden = FindComponentAs<TMemo>(*Form, "memEdit");
    auto* Add = FindComponentAs<TButton>(*Form, "btnAdd");
    auto* Exit = FindComponentAs<TButton>(*Form, "btnExit");
    auto* Status = FindComponentAs<TStatusBar>(*Form, "sbMain");
    ASSERT_TRUE(List && Memo && Hidden && Add && Exit && Status);
    Form->Show();
    PumpMessages();

    EXPECT_EQ(Form->Handle(), ::GetParent(List->Handle()));
    EXPECT_EQ("CL Command", ColumnCaption(List->Handle(), 0));
    EXPECT_EQ("Last Access Time", ColumnCaption(List->Handle(), 1));
    EXPECT_EQ(FindComponentAs<TPopupMenu>(*Form, "pmList"), List->PopupMenu());
    EXPECT_TRUE(::GetWindowLongA(Memo->Handle(), GWL_STYLE) & WS_VSCROLL);
    EXPECT_FALSE(Hidden->HandleAllocated() && ::IsWindowVisible(Hidden->Handle()));
    EXPECT_TRUE(::GetWindowLongA(Add->Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON);
    EXPECT_EQ("&Add Command", WindowTextOf(Add->Handle()));
    EXPECT_EQ(Form->ClientHeight() - Status->Height(), Status->Top());
    EXPECT_EQ(2, ::SendMessageA(Status->Handle(), SB_GETPARTS, 0, 0));
    EXPECT_EQ(FindComponentAs<TMainMenu>(*Form, "mmMain")->Handle(), ::GetMenu(Form->Handle()));

    // It reacts: rows are selected with their change events, typing changes the memo, Escape presses Exit.
    int Changes = 0;
    List->OnChange = [&Changes](TObject*, TListItem*, TItemChange Change) { Changes += Change == ctState; };
    List->Items()->Add()->SetCaption("DSPLIB");
    List->SetItemIndex(0);
    EXPECT_GT(Changes, 0);
    int Typed = 0;
    Memo->OnChange = [&Typed](TObject*) { ++Typed; };
    ::SendMessageA(Memo->Handle(), WM_CHAR, 'x', 1);
    EXPECT_EQ(1, Typed);
    List->SetFocus();
    ::PostMessageA(List->Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
    PumpMessages();
    EXPECT_EQ(mrCancel, Form->ModalResult());
}

TEST(CommonControlsFormTest, CreatingShowingPaintingAndDestroyingGivesBackEveryHandle) {
    // Once first, so that what lives for the whole program (the menu font, window classes) exists.
    UseCommandsForm();
    PumpMessages();
    const THandleSnapshot Before = HandleSnapshot();
    for (int Round = 0; Round < StressRounds; ++Round) {
        UseCommandsForm();
        PumpMessages();
    }
    EXPECT_EQ(Before, HandleSnapshot());
}
