// The list view over the system's SysListView32: items with sub-items and data, selection by the program
// and by the mouse with the change events in the order the window reports them, deletion, double clicks,
// and items, checks and selection that survive a new window and a description.
#include "tests/support/UserInput.h"
#include "tests/support/WindowQueries.h"

#include "framework/core/DescriptionWriter.h"
#include "framework/core/Exceptions.h"
#include "framework/win/ComponentClasses.h"
#include "framework/win/controls/ListView.h"
#include "framework/win/forms/Form.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct TChange {
    std::string Caption; // of the item, when the event came
    TItemChange Change;
    bool Selected;
};

struct ListViewTest : ::testing::Test {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TListView* List = new TListView(Form.get());
    std::vector<TChange> Changes;
    std::vector<std::pair<std::string, bool>> Selections;
    int Records[3] = {10, 11, 12};

    ListViewTest() {
        Form->SetBounds(0, 0, 400, 300);
        List->SetParent(Form.get());
        List->SetBounds(0, 0, 300, 200);
        List->SetViewStyle(vsReport);
        List->SetRowSelect(true);
        List->SetReadOnly(true);
        List->SetHideSelection(false);
        List->Columns()->Add()->SetCaption("CL Command");
        List->Columns()->Items(0)->SetWidth(120);
        List->Columns()->Add()->SetCaption("Last Access Time");
        for (int I = 0; I < 3; ++I) {
            TListItem* Item = List->Items()->Add();
            Item->SetCaption("row" + std::to_string(I));
            Item->SubItems()->Add("stamp" + std::to_string(I));
            Item->SetData(&Records[I]);
        }
        List->OnChange = [this](TObject*, TListItem* Item, TItemChange Change) {
            Changes.push_back({Item->Caption(), Change, Item->Selected()});
        };
        List->OnSelectItem = [this](TObject*, TListItem* Item, bool Selected) {
            Selections.emplace_back(Item->Caption(), Selected);
        };
    }

    std::string WindowText(int Index, int Column) { return ListItemText(List->Handle(), Index, Column); }
    int WindowCount() { return static_cast<int>(::SendMessageA(List->Handle(), LVM_GETITEMCOUNT, 0, 0)); }
};

} // namespace

TEST_F(ListViewTest, ItemsOfAListOnAFormGoIntoItsWindowAtOnce) {
    // Adding to a list view on a form made its window, with the columns before the rows.
    ASSERT_TRUE(List->HandleAllocated());
    EXPECT_EQ(3, WindowCount());
    EXPECT_EQ("row1", WindowText(1, 0));
    EXPECT_EQ("stamp2", WindowText(2, 1));
    EXPECT_TRUE(::GetWindowLongA(List->Handle(), GWL_STYLE) & LVS_REPORT);

    TListItem* Top = List->Items()->Insert(0);
    Top->SetCaption("newest");
    Top->SubItems()->Add("now");
    EXPECT_EQ(4, WindowCount());
    EXPECT_EQ("newest", WindowText(0, 0));
    EXPECT_EQ("now", WindowText(0, 1));
    EXPECT_EQ(1, List->Items()->Item(1)->Index());
    EXPECT_EQ(&Records[2], List->Items()->Item(3)->Data());
    EXPECT_EQ(3, List->Items()->IndexOf(List->Items()->Item(3)));
}

TEST_F(ListViewTest, SettingTheItemIndexSelectsAndFocusesTheRowAndReportsItAtOnce) {
    List->SetItemIndex(1);
    ASSERT_EQ(1u, Changes.size());
    EXPECT_EQ("row1", Changes[0].Caption);
    EXPECT_EQ(ctState, Changes[0].Change);
    EXPECT_TRUE(Changes[0].Selected); // the handler already sees the new selection
    EXPECT_EQ(1, List->ItemIndex());
    EXPECT_EQ(List->Items()->Item(1), List->Selected());
    EXPECT_EQ(List->Items()->Item(1), List->ItemFocused());

    Changes.clear();
    List->SetItemIndex(2);
    ASSERT_GE(Changes.size(), 2u);
    EXPECT_EQ("row1", Changes.front().Caption); // the old row loses the selection first
    EXPECT_FALSE(Changes.front().Selected);
    EXPECT_EQ("row2", Changes.back().Caption);
    EXPECT_TRUE(Changes.back().Selected);
    const std::vector<std::pair<std::string, bool>> Expected{{"row1", true}, {"row1", false}, {"row2", true}};
    EXPECT_EQ(Expected, Selections);

    List->SetItemIndex(-1);
    EXPECT_EQ(-1, List->ItemIndex());
    EXPECT_EQ(nullptr, List->Selected());
    EXPECT_THROW(List->SetItemIndex(3), EListError);
}

TEST_F(ListViewTest, OneClickOnAnotherRowReportsTheOldRowBeforeTheNewOne) {
    List->SetItemIndex(0);
    Changes.clear();
    Selections.clear();
    int Clicks = 0;
    List->OnClick = [&Clicks](TObject*) { ++Clicks; };

    ClickAt(List->Handle(), CenterOf(List->Items()->Item(2)->DisplayRect()));

    EXPECT_EQ(2, List->ItemIndex());
    ASSERT_FALSE(Changes.empty());
    for (const TChange& Change : Changes)
        EXPECT_EQ(ctState, Change.Change);
    EXPECT_EQ("row0", Changes.front().Caption);
    EXPECT_EQ("row2", Changes.back().Caption);
    const std::vector<std::pair<std::string, bool>> Expected{{"row0", false}, {"row2", true}};
    EXPECT_EQ(Expected, Selections);
    EXPECT_EQ(1, Clicks);
}

TEST_F(ListViewTest, ADoubleClickOnARowFiresOnDblClick) {
    int DoubleClicks = 0;
    List->OnDblClick = [&DoubleClicks](TObject*) { ++DoubleClicks; };
    const TPoint Row = CenterOf(List->Items()->Item(1)->DisplayRect());
    ClickAt(List->Handle(), Row);
    ::SendMessageA(List->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(Row.x, Row.y));
    ::SendMessageA(List->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(Row.x, Row.y));
    EXPECT_EQ(1, DoubleClicks);
    EXPECT_EQ(1, List->ItemIndex());
}

TEST_F(ListViewTest, ANewCaptionIsATextChange) {
    List->Items()->Item(1)->SetCaption("CRTLIB");
    ASSERT_EQ(1u, Changes.size());
    EXPECT_EQ("CRTLIB", Changes[0].Caption);
    EXPECT_EQ(ctText, Changes[0].Change);
    EXPECT_EQ("CRTLIB", WindowText(1, 0));
}

TEST_F(ListViewTest, DeletingRowsKeepsItemsAndWindowInStep) {
    List->SetItemIndex(1);
    Changes.clear();
    List->Items()->Delete(1);
    EXPECT_EQ(2, List->Items()->Count());
    EXPECT_EQ(2, WindowCount());
    EXPECT_EQ("row2", WindowText(1, 0));
    EXPECT_EQ(1, List->Items()->Item(1)->Index());
    EXPECT_EQ(&Records[2], List->Items()->Item(1)->Data());
    // What the window reported on the way out named the deleted row, still whole.
    for (const TChange& Change : Changes)
        EXPECT_EQ("row1", Change.Caption);
    EXPECT_EQ(-1, List->ItemIndex());

    List->Items()->Item(0)->Delete();
    EXPECT_EQ("row2", List->Items()->Item(0)->Caption());
    List->Items()->Clear();
    EXPECT_EQ(0, List->Items()->Count());
    EXPECT_EQ(0, WindowCount());
    EXPECT_EQ(nullptr, List->Selected());
}

TEST_F(ListViewTest, ItemsChecksSelectionAndDraggedWidthsSurviveANewWindow) {
    List->SetCheckboxes(true);
    List->Items()->Item(2)->SetChecked(true);
    List->SetItemIndex(1);
    ::SendMessageA(List->Handle(), LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(77, 0)); // as if the user dragged it
    const HWND Old = List->Handle();
    Changes.clear();

    List->SetMultiSelect(true);

    ASSERT_NE(Old, List->Handle());
    EXPECT_TRUE(Changes.empty()); // filling the new window is no change of the items
    EXPECT_EQ(3, WindowCount());
    EXPECT_EQ("stamp0", WindowText(0, 1));
    EXPECT_EQ(1, List->ItemIndex());
    EXPECT_TRUE(List->Items()->Item(2)->Checked());
    EXPECT_FALSE(List->Items()->Item(0)->Checked());
    EXPECT_EQ(77, List->Columns()->Items(1)->Width());
    EXPECT_EQ(77, ::SendMessageA(List->Handle(), LVM_GETCOLUMNWIDTH, 1, 0));
    EXPECT_FALSE(::GetWindowLongA(List->Handle(), GWL_STYLE) & LVS_SINGLESEL);
}

TEST_F(ListViewTest, ScrollMovesTheRows) {
    for (int I = 0; I < 40; ++I)
        List->Items()->Add()->SetCaption("more");
    const int RowHeight = List->Items()->Item(1)->DisplayRect().top - List->Items()->Item(0)->DisplayRect().top;
    List->Scroll(0, 5 * RowHeight);
    EXPECT_EQ(5, ::SendMessageA(List->Handle(), LVM_GETTOPINDEX, 0, 0));
}

TEST_F(ListViewTest, ColumnsAndItemsGoThroughDescriptions) {
    RegisterWinComponentClasses();
    Form->SetName("fmTest");
    List->SetName("lvCommand");
    const std::string Text = WriteComponentDescription(*Form);
    EXPECT_NE(std::string::npos, Text.find("Caption = 'Last Access Time'")) << Text;

    auto Copy = std::make_unique<TForm>(nullptr);
    Copy->ReadDescription(Text);
    auto* Read = dynamic_cast<TListView*>(Copy->FindComponent("lvCommand"));
    ASSERT_NE(nullptr, Read);
    ASSERT_EQ(2, Read->Columns()->Count());
    EXPECT_EQ(120, Read->Columns()->Items(0)->Width());
    ASSERT_EQ(3, Read->Items()->Count());
    EXPECT_EQ("row2", Read->Items()->Item(2)->Caption());
    EXPECT_EQ("stamp2", Read->Items()->Item(2)->SubItems()->Get(0));
    EXPECT_TRUE(Read->RowSelect());
    EXPECT_EQ(vsReport, Read->ViewStyle());
    EXPECT_EQ(WriteComponentDescription(*Form), WriteComponentDescription(*Copy));
}
