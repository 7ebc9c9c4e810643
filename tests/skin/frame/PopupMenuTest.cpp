// The skinned pop-up menu: the look each style gives it, how its items measure, and the pixels of each kind
// of item drawn on a bitmap through the framework's own draw event (so unhooked items would show).
#include "tests/support/Components.h"
#include "tests/support/HandleSnapshot.h"
#include "tests/support/Pixels.h"

#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/ImageList.h"
#include "framework/win/menus/MenuItem.h"
#include "framework/win/menus/ShortCuts.h"
#include "skin/controls/Vskpopupmenu.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int ItemWidth = 160;
constexpr TColor Paper = 0x00FF00; // a colour no style draws menus with

struct TMenuFixture : ::testing::Test {
    std::unique_ptr<TForm> Owner = std::make_unique<TForm>(nullptr);
    TvskPopupMenu* Menu = new TvskPopupMenu(Owner.get());

    TMenuItem* AddItem(const std::string& Caption) { return NewMenuItem(Owner.get(), Menu->Items(), Caption); }
    // The item drawn selected or not on a bitmap of its measured height.
    std::unique_ptr<TBitmap> Draw(TMenuItem& Item, bool Selected) {
        auto SheetPtr = std::make_unique<TBitmap>(ItemWidth, 1);
        TBitmap& Sheet = *SheetPtr;
        int Width = 0, Height = 0;
        Item.MeasureItem(Sheet.Canvas(), Width, Height);
        Sheet.SetSize(ItemWidth, Height);
        Sheet.Canvas().Brush().SetColor(Paper);
        Sheet.Canvas().FillRect(TRect(0, 0, ItemWidth, Height));
        Item.DrawItem(Sheet.Canvas(), TRect(0, 0, ItemWidth, Height), Selected);
        return SheetPtr;
    }
};

TEST_F(TMenuFixture, TakesEachStylesColoursAndHeights) {
    // Without a skinned form on its owner the menu starts in DeepBlue.
    EXPECT_EQ(Menu->UIStyle(), DeepBlue);
    EXPECT_EQ(Menu->BarWidth(), 26);
    EXPECT_EQ(Menu->BarColor(), 0xCED3D6u);
    EXPECT_EQ(Menu->Color(), 0xFFFFFFu);
    EXPECT_EQ(Menu->FontColor(), 0x000000u);
    EXPECT_EQ(Menu->SelectedColor(), 0xA04A44u);
    EXPECT_EQ(Menu->SelectedFontColor(), 0xFFFFFFu);
    EXPECT_EQ(Menu->MenuItemHeight(), 21);
    EXPECT_EQ(Menu->SeparatorHeight(), 5);
    EXPECT_EQ(Menu->SeparatorColor(), 0x848284u);
    EXPECT_TRUE(Menu->OwnerDraw());

    Menu->SetUIStyle(BlueGlass);
    EXPECT_EQ(Menu->BarColor(), 0xCED3D6u);
    EXPECT_EQ(Menu->Color(), 0xE7E7E7u);
    EXPECT_EQ(Menu->SelectedColor(), 0xEC5E5Eu);
    EXPECT_EQ(Menu->SelectedBorderColor(), 0xEC5E5Eu);

    // MacOS draws from bitmaps of fixed height: hand-set heights are ignored there, and only there.
    Menu->SetUIStyle(MacOS);
    Menu->SetHeight(30);
    Menu->SetSeparatorHeight(30);
    EXPECT_EQ(Menu->MenuItemHeight(), 20);
    EXPECT_EQ(Menu->SeparatorHeight(), 12);
    EXPECT_EQ(Menu->SeparatorColor(), 0x000000u);
    Menu->SetUIStyle(WinXP);
    Menu->SetHeight(30);
    EXPECT_EQ(Menu->MenuItemHeight(), 30);
    Menu->SetUIStyle(WinXP); // every style application sets the heights again
    EXPECT_EQ(Menu->MenuItemHeight(), 21);
}

TEST_F(TMenuFixture, MeasuresCaptionShortcutAndBar) {
    TMenuItem* Open = AddItem("Open");
    Open->SetShortCut(ShortCut('O', TShiftState{ssCtrl}));
    TMenuItem* Line = AddItem("-");
    for (TvskUIStyle Style : {MacOS, WinXP, DeepBlue, Protein, BlueGlass}) {
        Menu->SetUIStyle(Style);
        TBitmap Sheet(8, 8);
        TCanvas& Canvas = Sheet.Canvas();
        int Width = 0, Height = 0;
        Open->MeasureItem(Canvas, Width, Height);
        EXPECT_EQ(Width, Canvas.TextWidth("Open") + Canvas.TextWidth(ShortCutToText(Open->ShortCut())) + 66);
        EXPECT_EQ(Height, Menu->MenuItemHeight());
        Line->MeasureItem(Canvas, Width, Height);
        EXPECT_EQ(Height, Menu->SeparatorHeight());
    }
}

TEST_F(TMenuFixture, DrawsBarBackgroundSelectionAndSeparators) {
    TMenuItem* Item = AddItem("Item");
    TMenuItem* Line = AddItem("-");

    auto PlainPtr = Draw(*Item, false);
    TBitmap& Plain = *PlainPtr;
    EXPECT_EQ(PixelAt(Plain, 0, 10), 0xCED3D6u) << "left bar";
    EXPECT_EQ(PixelAt(Plain, 25, 10), 0xCED3D6u);
    EXPECT_EQ(PixelAt(Plain, 26, 1), 0xFFFFFFu) << "background right of the bar";
    EXPECT_TRUE(AreaHas(Plain, TRect(30, 4, ItemWidth, 21), 0x000000u)) << "black caption";

    auto ChosenPtr = Draw(*Item, true);
    TBitmap& Chosen = *ChosenPtr;
    EXPECT_EQ(PixelAt(Chosen, 0, 10), 0xA04A44u) << "the selection covers the bar too";
    EXPECT_TRUE(AreaHas(Chosen, TRect(30, 4, ItemWidth, 21), 0xFFFFFFu)) << "white selected caption";

    auto SeparatorPtr = Draw(*Line, false);
    TBitmap& Separator = *SeparatorPtr;
    ASSERT_EQ(Separator.Height(), 5);
    EXPECT_EQ(PixelAt(Separator, 29, 2), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(Separator, 30, 2), 0x848284u) << "the line starts 4 pixels after the bar";
    EXPECT_EQ(PixelAt(Separator, ItemWidth - 3, 2), 0x848284u);
    EXPECT_EQ(PixelAt(Separator, ItemWidth - 2, 2), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(Separator, 30, 1), 0xFFFFFFu);
}

TEST_F(TMenuFixture, DisabledSelectedItemsLookUnselectedWithGreyText) {
    TMenuItem* Item = AddItem("Disabled");
    Item->SetEnabled(false);
    auto SheetPtr = Draw(*Item, true);
    TBitmap& Sheet = *SheetPtr;
    EXPECT_FALSE(AreaHas(Sheet, TRect(0, 0, ItemWidth, Sheet.Height()), 0xA04A44u));
    EXPECT_TRUE(AreaHas(Sheet, TRect(30, 4, ItemWidth, 21), 0x808080u));
}

TEST_F(TMenuFixture, CheckedItemsShowTheMarkOrAFramedImage) {
    TMenuItem* Checked = AddItem("Checked");
    Checked->SetChecked(true);
    auto MarkedPtr = Draw(*Checked, false);
    TBitmap& Marked = *MarkedPtr;
    // The check mark is drawn at (4, 3) over the bar: something other than the bar's colour appears there.
    EXPECT_TRUE([&] {
        for (int Y = 3; Y < 19; ++Y)
            for (int X = 4; X < 20; ++X)
                if (PixelAt(Marked, X, Y) != 0xCED3D6u) return true;
        return false;
    }());
    EXPECT_EQ(PixelAt(Marked, 2, 1), 0xCED3D6u) << "no box without an image";

    TImageList Images(nullptr);
    TBitmap Red(16, 16);
    Red.Canvas().Brush().SetColor(0x0000FF);
    Red.Canvas().FillRect(TRect(0, 0, 16, 16));
    Images.Add(Red, nullptr);
    Menu->SetImages(&Images);
    Checked->SetImageIndex(0);
    auto BoxedPtr = Draw(*Checked, false);
    TBitmap& Boxed = *BoxedPtr;
    EXPECT_EQ(PixelAt(Boxed, 2, 1), 0x000000u) << "black frame of the box";
    EXPECT_EQ(PixelAt(Boxed, 3, 2), Menu->SelectedColor()) << "box in the selection colour";
    EXPECT_EQ(PixelAt(Boxed, 10, 10), 0x0000FFu) << "the image on the box";
    Menu->SetImages(nullptr);
}

TEST_F(TMenuFixture, MacOSDrawsItsMenuBitmaps) {
    Menu->SetUIStyle(MacOS);
    TMenuItem* Item = AddItem("Item");
    TMenuItem* Line = AddItem("-");
    auto PlainPtr = Draw(*Item, false);
    TBitmap& Plain = *PlainPtr;
    auto ChosenPtr = Draw(*Item, true);
    TBitmap& Chosen = *ChosenPtr;
    auto SeparatorPtr = Draw(*Line, false);
    TBitmap& Separator = *SeparatorPtr;
    ASSERT_EQ(Plain.Height(), 20);
    ASSERT_EQ(Separator.Height(), 12);
    // Every column is the same stretched bitmap column: no bar, no paper left.
    for (int Y = 0; Y < 20; ++Y) {
        EXPECT_EQ(PixelAt(Plain, 0, Y), PixelAt(Plain, 120, Y));
        EXPECT_NE(PixelAt(Chosen, 0, Y), Paper);
    }
    EXPECT_NE(PixelAt(Plain, 0, 10), PixelAt(Chosen, 0, 10)) << "selection and plain items differ";
    EXPECT_FALSE(AreaHas(Separator, TRect(0, 0, ItemWidth, 12), Paper));
}

TEST_F(TMenuFixture, ItemsAddedLaterAndSubItemsDrawSkinned) {
    TMenuItem* Parent = AddItem("Parent");
    auto* Child = new TMenuItem(Owner.get());
    Child->SetCaption("Child");
    Parent->Add(Child);
    auto SheetPtr = Draw(*Child, false);
    TBitmap& Sheet = *SheetPtr;
    EXPECT_EQ(PixelAt(Sheet, 0, 10), 0xCED3D6u);
}

TEST(PopupMenuHandles, TheSharedCheckMarkGoesWithTheLastMenu) {
    const THandleSnapshot Before = HandleSnapshot();
    {
        auto Owner = std::make_unique<TForm>(nullptr);
        auto* First = new TvskPopupMenu(Owner.get());
        auto* Second = new TvskPopupMenu(Owner.get());
        delete First;
        auto* Item = new TMenuItem(Owner.get());
        Item->SetChecked(true);
        Second->Items()->Add(Item);
        TBitmap Sheet(ItemWidth, 21);
        Item->DrawItem(Sheet.Canvas(), TRect(0, 0, ItemWidth, 21), false); // the survivor still has its mark
    }
    EXPECT_EQ(HandleSnapshot(), Before);
}

} // namespace
