// The title bar inside a skinned form on the screen: its geometry per style, what it paints, and the
// rules of its buttons and sections.
#include "tests/skin/SkinnedWindow.h"
#include "tests/support/Components.h"
#include "tests/support/MessageBoxAnswers.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"
#include "tests/support/SystemInput.h"

#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/Picture.h"
#include "framework/win/menus/MenuItem.h"
#include "skin/frame/Vsktitlebar.h"
#include "skin/frame/Vsktitlebarmenu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Window coordinates of a title bar point: the bar starts inside the 3-pixel frame.
constexpr int Frame = 3;

TEST(TitleBarGeometry, HeightOfEachStyleInsideAForm) {
    const std::pair<TvskUIStyle, int> Heights[] = {
        {MacOS, 20}, {WinXP, 26}, {DeepBlue, 29}, {Protein, 20}, {BlueGlass, 30}};
    TSkinnedWindow Window(DeepBlue);
    for (auto [Style, Height] : Heights) {
        Window.Skin->SetUIStyle(Style);
        EXPECT_EQ(Window.Skin->TitleBar()->Height(), Height) << TvskUIStyleInfo.Names[Style];
        EXPECT_EQ(Window.Skin->TitleBar()->Top(), 0);
    }
}

TEST(TitleBarGeometry, BlueGlassButtonsAndCaptionOnTheScreen) {
    TSkinnedWindow Window(BlueGlass);
    TvskTitleBar& Bar = *Window.Skin->TitleBar();
    ASSERT_EQ(Bar.Width(), HostClientWidth);
    const TvskTitleBar::TLayout Layout = Bar.Layout();
    ASSERT_EQ(Layout.Places.size(), 4u); // close, maximise, minimise, control box
    EXPECT_EQ(Layout.Places[0].Rect, Bounds(772, 3, 19, 19)) << "close";
    EXPECT_EQ(Layout.Places[1].Rect, Bounds(752, 3, 19, 19)) << "maximise";
    EXPECT_EQ(Layout.Places[2].Rect, Bounds(732, 3, 19, 19)) << "minimise";
    EXPECT_EQ(Layout.Places[3].Rect, Bounds(4, 3, 19, 19)) << "control box";
    EXPECT_EQ(Layout.CaptionLeft, 28);

    // The screen shows the close face's own pixels where the layout puts them (its see-through ones show
    // the title image).
    MoveMouse({0, 0});
    auto ShotPtr = WindowImage(Window.Window());
    TBitmap& Shot = *ShotPtr;
    TBitmap& Close = Bar.Buttons()->Items(1)->PicNormal()->Bitmap();
    const TColor SeeThrough = PixelAt(Close, 0, Close.Height() - 1);
    int Compared = 0;
    for (int Y = 0; Y < Close.Height(); ++Y)
        for (int X = 0; X < Close.Width(); ++X) {
            const TColor Face = PixelAt(Close, X, Y);
            if (Face == SeeThrough) continue;
            ++Compared;
            ASSERT_EQ(PixelAt(Shot, Frame + 772 + X, Frame + 3 + Y), Face) << X << ", " << Y;
        }
    EXPECT_GT(Compared, 19 * 19 / 2);
    // The caption is drawn in white from x 28 inside the 19-pixel band at y 3.
    bool White = false;
    for (int Y = Frame + 3; Y < Frame + 22; ++Y)
        for (int X = Frame + 28; X < Frame + 60; ++X)
            White = White || PixelAt(Shot, X, Y) == clWhite;
    EXPECT_TRUE(White);
    for (int Y = Frame + 3; Y < Frame + 22; ++Y)
        EXPECT_NE(PixelAt(Shot, Frame + 27, Y), clWhite) << "nothing of the caption left of x 28";
}

TEST(TitleBarGeometry, HiddenButtonsCloseTheGapAndEdgesGoLeft) {
    TSkinnedWindow Window(BlueGlass);
    TvskTitleBar& Bar = *Window.Skin->TitleBar();
    Bar.Buttons()->Items(2)->SetVisible(false); // maximise
    TvskTitleBar::TLayout Layout = Bar.Layout();
    ASSERT_EQ(Layout.Places.size(), 3u);
    EXPECT_EQ(Layout.Places[1].Index, 3);
    EXPECT_EQ(Layout.Places[1].Rect.left, 752) << "minimise takes maximise's place";

    // With no gap at all neighbours share an edge column: it belongs to the button further left.
    Bar.Buttons()->Items(2)->SetVisible(true);
    Bar.SetButtonInterval(-1);
    Layout = Bar.Layout();
    ASSERT_EQ(Layout.Places[1].Rect.right, Layout.Places[0].Rect.left);
    EXPECT_EQ(Bar.ButtonAt(TPoint(Layout.Places[0].Rect.left, 10)), 2);
    EXPECT_EQ(Bar.ButtonAt(TPoint(Layout.Places[0].Rect.left + 1, 10)), 1);
    EXPECT_EQ(Bar.ButtonAt(TPoint(200, 10)), -1);
}

TEST(TitleBarGeometry, AppIconAndBareCaptionPlaces) {
    TSkinnedWindow Window(BlueGlass);
    TvskTitleBar& Bar = *Window.Skin->TitleBar();
    Bar.SetDrawAppIcon(true);
    EXPECT_EQ(Bar.Layout().CaptionLeft, 4 + 21);
    Bar.SetDrawAppIcon(false);
    Bar.Buttons()->Items(0)->SetVisible(false);
    Bar.SetLeftBtnXOffset(0);
    EXPECT_EQ(Bar.Layout().CaptionLeft, 6);
}

TEST(TitleBarLook, LongCaptionsEndInAnEllipsisBeforeTheButtons) {
    TSkinnedWindow Window(BlueGlass, 300, 120);
    TvskTitleBar& Bar = *Window.Skin->TitleBar();
    MoveMouse({0, 0});
    Window.Skin->SetCaption("");
    auto Bare = WindowImage(Window.Window());
    Window.Skin->SetCaption(std::string(80, 'W'));
    auto Long = WindowImage(Window.Window());
    // The caption's ink is what differs from the bar without a caption.
    const TvskTitleBar::TLayout Layout = Bar.Layout();
    int First = -1, Last = -1;
    for (int Y = 0; Y < Bar.Height(); ++Y)
        for (int X = 0; X < Bar.Width(); ++X)
            if (PixelAt(*Bare, Frame + X, Frame + Y) != PixelAt(*Long, Frame + X, Frame + Y)) {
                if (First == -1 || X < First) First = X;
                Last = std::max(Last, X);
            }
    EXPECT_EQ(First, Layout.CaptionLeft);
    // The fitting measures advance widths; a bold glyph's ink may reach one column further.
    EXPECT_LE(Last, Layout.CaptionRight) << "the text stops at the button row";
    EXPECT_GT(Last, Layout.CaptionRight - 12) << "and fills the room, the dots included";
}

TEST(TitleBarLook, CaptionColourPerStyleAndWhenInactive) {
    TSkinnedWindow Window(MacOS);
    TvskTitleBar& Bar = *Window.Skin->TitleBar();
    EXPECT_EQ(Bar.Font()->Color(), clBlack);
    for (TvskUIStyle Style : {WinXP, DeepBlue, Protein, BlueGlass}) {
        Window.Skin->SetUIStyle(Style);
        EXPECT_EQ(Bar.Font()->Color(), clWhite) << TvskUIStyleInfo.Names[Style];
    }
    Bar.SetActive(false);
    MoveMouse({0, 0});
    auto ShotPtr = WindowImage(Window.Window());
    TBitmap& Shot = *ShotPtr;
    const TColor Inactive = ::GetSysColor(COLOR_INACTIVECAPTION);
    bool Found = false;
    for (int Y = Frame + 3; Y < Frame + 22; ++Y)
        for (int X = Frame + 28; X < Frame + 200; ++X)
            Found = Found || PixelAt(Shot, X, Y) == Inactive;
    EXPECT_TRUE(Found);
    EXPECT_EQ(Bar.Font()->Color(), clWhite) << "the font keeps its colour";
}

TEST(TitleBarRules, OneControlBoxOneClientSectionAndCustomFreezesTheLook) {
    TSkinnedWindow Window(BlueGlass);
    TvskTitleBar& Bar = *Window.Skin->TitleBar();
    TMessageBoxAnswers Boxes;
    Bar.Buttons()->Items(1)->SetButtonType(vskControlBox);
    EXPECT_EQ(Bar.Buttons()->Items(1)->ButtonType(), vskClose);
    Bar.Buttons()->Items(0)->SetButtonType(vskControlBox); // again on the one that has it
    Bar.Sections()->Items(0)->SetAlign(vskClient);
    EXPECT_EQ(Bar.Sections()->Items(0)->Align(), vskLeft);
    ASSERT_EQ(Boxes.Boxes().size(), 3u);
    EXPECT_EQ(Boxes.Boxes()[0].Text, "Sorry, only one button's ButtonType property can be \"vskControlBox\"");
    EXPECT_EQ(Boxes.Boxes()[2].Text, "Sorry, only one section's Align property can be \"vskClient\"");

    Bar.SetCustom(true);
    Bar.SetLeftBtnXOffset(40);
    const int Height = Bar.Height();
    Window.Skin->SetUIStyle(MacOS);
    EXPECT_EQ(Bar.UIStyle(), MacOS);
    EXPECT_EQ(Bar.LeftBtnXOffset(), 40);
    EXPECT_EQ(Bar.Height(), Height);
    EXPECT_EQ(Bar.Font()->Color(), clWhite);
    EXPECT_EQ(Bar.Buttons()->Items(0)->UIStyle(), BlueGlass);
}

TEST(TitleBarRules, CopiedCollectionsAreTheBarsOwn) {
    TSkinnedWindow Window(BlueGlass);
    TvskTitleBar& Bar = *Window.Skin->TitleBar();
    TvskTitleBarButtons Copy(nullptr);
    Copy.Add()->SetButtonType(vskClose);
    Copy.Add()->SetButtonType(vskControlBox);
    Window.Skin->SetTitleBarButtons(&Copy);
    ASSERT_EQ(Bar.Buttons()->Count(), 2);
    Copy.Items(0)->SetVisible(false);
    EXPECT_TRUE(Bar.Buttons()->Items(0)->Visible());
    EXPECT_EQ(Bar.Layout().Places.size(), 2u);
}

// An item of Menu drawn unselected on a bitmap of its measured size.
std::unique_ptr<TBitmap> DrawnItem(TMenuItem& Item) {
    auto Sheet = std::make_unique<TBitmap>(1, 1);
    int Width = 0, Height = 0;
    Item.MeasureItem(Sheet->Canvas(), Width, Height);
    Sheet->SetSize(Width, Height);
    Item.DrawItem(Sheet->Canvas(), TRect(0, 0, Width, Height), false);
    return Sheet;
}

// True when A and B are alike from the menu's bar over a letter's width and a gap: the first letter of two
// captions, which a font without the letters draws as the same empty box.
bool SameFirstLetter(const TBitmap& A, const TBitmap& B, const TvskTitleBarPopupMenu& Menu, int LetterWidth) {
    constexpr int Gap = 8; // the text starts a few pixels right of the bar
    for (int Y = 0; Y < std::min(A.Height(), B.Height()); ++Y)
        for (int X = Menu.BarWidth(); X < Menu.BarWidth() + Gap + LetterWidth; ++X)
            if (PixelAt(A, X, Y) != PixelAt(B, X, Y)) return false;
    return true;
}

// The captions are string resources in a script the ANSI code page does not hold: drawn narrow they would be
// question marks. An item given the ANSI rendering as its caption shows what that would look like; and the
// captions' first letters differ, which they would not as the empty boxes of a font without ideographs.
TEST(TitleBarLook, SystemMenuShowsItsCaptionsInTheirOwnScript) {
    TSkinnedWindow Window(BlueGlass);
    TvskTitleBarPopupMenu& Menu = *Window.Skin->TitleBar()->SystemMenu();
    std::vector<std::unique_ptr<TBitmap>> Pictures;
    for (TMenuItem* Item : {Menu.MinimizeItem(), Menu.MaximizeItem(), Menu.CloseItem()}) {
        const std::string Ansi = Item->Caption();
        EXPECT_NE(Ansi.find('&'), std::string::npos) << "the accelerator stays in the item's own caption";
        TMenuItem* Narrow = NewMenuItem(Window.Host.get(), Menu.Items(), Ansi);
        auto Wide = DrawnItem(*Item);
        auto Marks = DrawnItem(*Narrow);
        KeepPicture(*Wide, "system-menu-" + std::to_string(Item->MenuIndex()) + ".bmp");
        EXPECT_GT(Wide->Width(), Marks->Width()) << "ideographs are wider than question marks: " << Ansi;
        EXPECT_TRUE(AreaHas(*Wide, TRect(Menu.BarWidth(), 0, Wide->Width(), Wide->Height()), Menu.FontColor()));
        delete Narrow;
        Pictures.push_back(std::move(Wide));
    }
    EXPECT_FALSE(SameFirstLetter(*Pictures[0], *Pictures[2], Menu, Pictures[0]->Height()))
        << "minimise and close start with different letters";
}

} // namespace
