// The skinned main menu on a skinned window: the bar of its top-level items, kept in step with the menu's
// structure, captions, enabled states, style and font; its own check mark behind Images; and the links
// between the menu and the form that shows it.
#include "tests/skin/SkinnedWindow.h"
#include "tests/support/Components.h"
#include "tests/support/Messages.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"

#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/ImageList.h"
#include "skin/controls/Vskmainmenu.h"
#include "skin/frame/Vskform.h"
#include "skin/frame/Vskmenubar.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor DisabledText = 0x808080;
constexpr int ItemWidth = 160;
constexpr TColor Paper = 0x00FF00; // no style draws menus in it
const TRect MarkBox(4, 3, 20, 19); // where an item's check mark or image goes

struct MainMenuOnSkinnedForm : ::testing::Test {
    TSkinnedWindow Window{BlueGlass, 420, 240};
    TvskMainMenu* Menu = new TvskMainMenu(Window.Host.get());

    TMenuItem* Top(const std::string& Caption) {
        TMenuItem* Item = NewMenuItem(Window.Host.get(), Menu->Items(), Caption);
        NewMenuItem(Window.Host.get(), Item, "Item");
        return Item;
    }
    TvskMenuBar& Bar() const { return *Window.Skin->MenuBar(); }
    std::vector<std::string> Captions() const {
        std::vector<std::string> Result;
        for (int Index = 0; Index < Bar().ButtonCount(); ++Index)
            Result.push_back(Bar().Buttons(Index)->Caption());
        return Result;
    }
    // An item drawn on a sheet of its measured height, through the framework's own draw event.
    std::unique_ptr<TBitmap> Drawn(TMenuItem& Item) {
        auto Sheet = std::make_unique<TBitmap>(ItemWidth, 1);
        int Width = 0, Height = 0;
        Item.MeasureItem(Sheet->Canvas(), Width, Height);
        Sheet->SetSize(ItemWidth, Height);
        Fill(*Sheet, Paper);
        Item.DrawItem(Sheet->Canvas(), TRect(0, 0, ItemWidth, Height), false);
        return Sheet;
    }
    // The bar as the screen shows it.
    std::unique_ptr<TBitmap> BarOnScreen() {
        Bar().Invalidate();
        PumpFor(40);
        return ScreenImage(Bar().Handle());
    }
};

} // namespace

TEST_F(MainMenuOnSkinnedForm, ShowsOneButtonPerTopItemInMenuOrderBelowTheTitleAndNoSystemBar) {
    EXPECT_EQ(Menu, Window.Skin->Menu()) << "made on the form, the menu links itself";
    EXPECT_EQ(Window.Skin, Menu->Form());
    EXPECT_EQ(BlueGlass, Menu->UIStyle()) << "the form's style";
    TMenuItem* File = Top("&File");
    Top("&View");
    Top("&Help");
    Menu->Items()->Insert(1, NewMenuItem(Window.Host.get(), nullptr, "&Edit"));
    EXPECT_EQ((std::vector<std::string>{"&File", "&Edit", "&View", "&Help"}), Captions());
    EXPECT_EQ(File, Bar().Buttons(0)->MenuItem());
    EXPECT_EQ(Window.Skin->TitleBar()->Height(), Bar().Top());
    EXPECT_EQ(nullptr, ::GetMenu(Window.Window()));
    EXPECT_EQ(nullptr, Window.Host->Menu());
    delete File;
    EXPECT_EQ((std::vector<std::string>{"&Edit", "&View", "&Help"}), Captions());

    // The form's style reaches the menu, and with it the drop-down items' look.
    Window.Skin->SetUIStyle(MacOS);
    EXPECT_EQ(MacOS, Menu->UIStyle());
    EXPECT_EQ(20, Menu->MenuItemHeight());
}

TEST_F(MainMenuOnSkinnedForm, ATopItemDisabledAtRunTimeIsGreyOnTheBarAtOnce) {
    Top("&File");
    TMenuItem* Edit = Top("&Edit");
    PumpFor(40);
    const TRect EditArea = Bar().Buttons(1)->BoundsRect();
    EXPECT_FALSE(AreaHas(*BarOnScreen(), EditArea, DisabledText));
    Edit->SetEnabled(false);
    EXPECT_FALSE(Bar().Buttons(1)->Enabled());
    EXPECT_TRUE(AreaHas(*BarOnScreen(), EditArea, DisabledText));
    Edit->SetCaption("&Edit more");
    Edit->SetEnabled(true);
    EXPECT_EQ("&Edit more", Bar().Buttons(1)->Caption());
    EXPECT_FALSE(AreaHas(*BarOnScreen(), Bar().Buttons(1)->BoundsRect(), DisabledText));
    // A hidden top item has no button showing.
    Edit->SetVisible(false);
    EXPECT_FALSE(Bar().Buttons(1)->Visible());
}

TEST_F(MainMenuOnSkinnedForm, ImagesReadsNoneWhileTheOwnCheckMarkServesAndComesBackWithNone) {
    TMenuItem* File = Top("&File");
    TMenuItem* Wrap = NewMenuItem(Window.Host.get(), File, "Word &wrap");
    Wrap->SetChecked(true);
    Wrap->SetImageIndex(0);
    EXPECT_EQ(nullptr, Menu->Images());
    const auto Own = Drawn(*Wrap);
    EXPECT_TRUE(AreaHas(*Own, MarkBox, clBlack)) << "the check mark";
    EXPECT_FALSE(AreaHas(*Own, MarkBox, Menu->SelectedColor())) << "no image box: the own list is no Images";

    auto Red = std::make_unique<TImageList>(nullptr);
    TBitmap Square(16, 16);
    Fill(Square, clRed);
    Red->AddMasked(Square, clFuchsia);
    Menu->SetImages(Red.get());
    EXPECT_EQ(Red.get(), Menu->Images());
    const auto WithImage = Drawn(*Wrap);
    EXPECT_TRUE(AreaHas(*WithImage, MarkBox, clRed));
    EXPECT_TRUE(AreaHas(*WithImage, TRect(3, 2, 20, 3), Menu->SelectedColor())) << "the box behind the image";

    Menu->SetImages(nullptr);
    EXPECT_EQ(nullptr, Menu->Images());
    const auto Back = Drawn(*Wrap);
    EXPECT_TRUE(AreaHas(*Back, MarkBox, clBlack));
    EXPECT_FALSE(AreaHas(*Back, MarkBox, clRed));

    // An image list that goes while assigned leaves the own check mark too.
    Menu->SetImages(Red.get());
    Red.reset();
    EXPECT_EQ(nullptr, Menu->Images());
    EXPECT_TRUE(AreaHas(*Drawn(*Wrap), MarkBox, clBlack));
}

TEST_F(MainMenuOnSkinnedForm, TheBarTakesTheMenusOwnFontWhenItAsksForOne) {
    Top("&File");
    Menu->SetFontName("Courier New");
    Menu->SetFontSize(14);
    Menu->SetUseSystemFont(false);
    EXPECT_EQ("Courier New", Bar().Font()->Name());
    EXPECT_EQ(14, Bar().Font()->Size());
    const int Wide = Bar().Buttons(0)->Width();
    Menu->SetUseSystemFont(true);
    EXPECT_NE("Courier New", Bar().Font()->Name());
    EXPECT_LT(Bar().Buttons(0)->Width(), Wide) << "buttons size to the caption in the bar's font";
}

TEST_F(MainMenuOnSkinnedForm, FormAndMenuLetGoOfEachOther) {
    Top("&File");
    auto* Other = new TvskMainMenu(Window.Host.get());
    EXPECT_EQ(Other, Window.Skin->Menu()) << "the newest menu made on the form is the one shown";
    EXPECT_EQ(nullptr, Menu->Form());
    Window.Skin->SetMenu(Menu);
    EXPECT_EQ(nullptr, Other->Form());
    EXPECT_EQ(Window.Skin, Menu->Form());
    delete Menu;
    EXPECT_EQ(nullptr, Window.Skin->Menu());
    EXPECT_EQ(nullptr, Window.Skin->MenuBar());
    Window.Skin->SetMenu(Other);
    delete Window.Skin;
    Window.Skin = nullptr;
    EXPECT_EQ(nullptr, Other->Form()) << "the form that goes unlinks its menu";
    NewMenuItem(Window.Host.get(), Other->Items(), "&Later"); // reaches no form
}

TEST(MainMenu, WithoutASkinnedFormItLinksToNothingAndLeavesTheFormsMenuAlone) {
    TForm Host(nullptr);
    auto* Plain = new TMainMenu(&Host);
    Host.SetMenu(Plain);
    auto* Menu = new TvskMainMenu(&Host);
    EXPECT_EQ(nullptr, Menu->Form());
    EXPECT_EQ(Plain, Host.Menu());
    EXPECT_EQ(DeepBlue, Menu->UIStyle());
    EXPECT_TRUE(Menu->OwnerDraw());
}
