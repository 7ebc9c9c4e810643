// The built-in bitmap getter over the program's resources, the choice of a file theme, the start-up style
// and handing a style down to a container's children.
#include "tests/skin/themes/BuiltInStyles.h"
#include "tests/skin/themes/ThemeConsumer.h"
#include "tests/support/Pixels.h"

#include "framework/win/controls/Label.h"
#include "framework/win/controls/Panel.h"
#include "framework/win/forms/Form.h"
#include "skin/themes/Vskmgr.h"
#include "skin/themes/Vskthemes.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(InsideThemeBitmapTest, WholeImagesAndFramesFromTheResources) {
    TBitmap Whole, Frame;
    GetInsideThemeBitmap(BlueGlass, VSK_THEME_BUTTON_IMAGE, &Whole, 0, 0);
    ASSERT_EQ(Whole.Width(), 231);
    ASSERT_EQ(Whole.Height(), 27);
    GetInsideThemeBitmap(BlueGlass, VSK_THEME_BUTTON_IMAGE, &Frame, 3, 2);
    ASSERT_EQ(Frame.Width(), 77);
    ASSERT_EQ(Frame.Height(), 27);
    EXPECT_TRUE(SameArea(Whole, TRect(77, 0, 154, 27), Frame));

    GetInsideThemeBitmap(WinXP, VSK_THEME_TITLE_BAR_BUTTON_IMAGE, &Frame, 18, 1);
    EXPECT_EQ(Frame.Width(), 21);
    EXPECT_EQ(Frame.Height(), 21);
    GetInsideThemeBitmap(Protein, VSK_THEME_SCROLL_BUTTON_IMAGE, &Frame);
    EXPECT_EQ(Frame.Width(), 72); // MORE_SCROLLBUTTON
    EXPECT_EQ(Frame.Height(), 17);
}

TEST(InsideThemeBitmapTest, EveryBitmapEntryOfEveryStyleIsAResource) {
    for (TvskUIStyle Style : BuiltInStyles)
        for (int Index = 1; Index <= VSK_THEME_ENTRY_COUNT; ++Index)
            if (ThemeEntryKind(Index) == vskKindBitmap) {
                TBitmap Image;
                EXPECT_NO_THROW(GetInsideThemeBitmap(Style, Index, &Image)) << Style << " " << Index;
                EXPECT_FALSE(Image.Empty()) << Style << " " << Index;
            }
}

TEST(InsideThemeBitmapTest, NothingIsLoadedForOtherKindsAndStyles) {
    TBitmap Buf(5, 6);
    GetInsideThemeBitmap(FromThemeFile, VSK_THEME_BUTTON_IMAGE, &Buf, 0, 0);
    EXPECT_EQ(Buf.Width(), 5);
    GetInsideThemeBitmap(DeepBlue, VSK_THEME_FORM_BACKGROUND_COLOR, &Buf);
    EXPECT_EQ(Buf.Height(), 6);
    GetInsideThemeBitmap(DeepBlue, VSK_THEME_FORM_BACKGROUND_COLOR, &Buf, 3, 1); // the empty image is cut
    EXPECT_TRUE(Buf.Empty());
    GetInsideThemeBitmap(DeepBlue, VSK_THEME_BUTTON_IMAGE, nullptr, 3, 1);
}

TEST(UsingFileThemeTest, FileThemeOnlyForFromThemeFileWithAUsableTheme) {
    TvskFileTheme Unloaded(nullptr);
    TvskUIStyle Style = MacOS;
    EXPECT_FALSE(UsingFileTheme(nullptr, FromThemeFile, Style));
    EXPECT_EQ(Style, DeepBlue);
    Style = MacOS;
    EXPECT_FALSE(UsingFileTheme(&Unloaded, FromThemeFile, Style));
    EXPECT_EQ(Style, DeepBlue);
    EXPECT_FALSE(UsingFileTheme(&Unloaded, WinXP, Style));
    EXPECT_EQ(Style, WinXP);
    EXPECT_FALSE(UsingFileTheme(nullptr, BlueGlass, Style));
    EXPECT_EQ(Style, BlueGlass);
    // The usable case is covered with a loaded theme in FileThemeTest.
}

TEST(VSKFormStyleTest, TakenFromTheFirstSkinnedFrameAmongTheFormsChildren) {
    EXPECT_EQ(GetVSKFormStyle(nullptr), DeepBlue);
    auto Form = std::make_unique<TForm>(nullptr);
    EXPECT_EQ(GetVSKFormStyle(Form.get()), DeepBlue);

    auto* Panel = new TPanel(Form.get());
    Panel->SetParent(Form.get());
    auto* Nested = new TSkinnedFormStandIn(Form.get()); // not a direct child: not looked at
    Nested->SetParent(Panel);
    Nested->SetUIStyle(MacOS);
    EXPECT_EQ(GetVSKFormStyle(Form.get()), DeepBlue);

    auto* Frame = new TSkinnedFormVariant(Form.get());
    Frame->SetParent(Form.get());
    Frame->SetUIStyle(BlueGlass);
    auto* Second = new TSkinnedFormStandIn(Form.get());
    Second->SetParent(Form.get());
    Second->SetUIStyle(WinXP);
    EXPECT_EQ(GetVSKFormStyle(Form.get()), BlueGlass);

    auto* Consumer = new TvskTestConsumer(Form.get());
    EXPECT_EQ(Consumer->UIStyle(), BlueGlass);
    EXPECT_EQ(Consumer->Background, 0xE7E7E7u);
    EXPECT_EQ(GetVSKFormStyle(Panel), DeepBlue); // only forms have a skinned frame
}

TEST(ContainerApplyUIStyleTest, SetsFileThemeThenStyleOnDirectChildrenOnly) {
    auto Form = std::make_unique<TForm>(nullptr);
    auto* Container = new TPanel(Form.get());
    Container->SetParent(Form.get());
    auto* Child = new TvskTestConsumer(Form.get());
    Child->SetParent(Container);
    auto* Label = new TLabel(Form.get()); // publishes neither property: skipped
    Label->SetParent(Container);
    auto* Inner = new TPanel(Form.get());
    Inner->SetParent(Container);
    auto* Grandchild = new TvskTestConsumer(Form.get());
    Grandchild->SetParent(Inner);
    auto* Theme = new TvskFileTheme(Form.get());

    ContainerApplyUIStyle(*Container, Protein, Theme);
    EXPECT_EQ(Child->Calls, (std::vector<std::string>{"FileTheme", "UIStyle"}));
    EXPECT_EQ(Child->FileTheme(), Theme);
    EXPECT_EQ(Child->UIStyle(), Protein);
    EXPECT_EQ(Child->Background, 0xFBFBFBu);
    EXPECT_TRUE(Grandchild->Calls.empty());
    EXPECT_EQ(Grandchild->UIStyle(), DeepBlue);
}

TEST(IsHasPropertyTest, LooksUpPublishedNamesIgnoringCase) {
    TvskTestConsumer Consumer(nullptr);
    EXPECT_TRUE(IsHasProperty(Consumer, "uistyle"));
    EXPECT_TRUE(IsHasProperty(Consumer, "FileTheme"));
    EXPECT_TRUE(IsHasProperty(Consumer, "Width")); // inherited from the control
    EXPECT_FALSE(IsHasProperty(Consumer, "SkinData"));
    EXPECT_TRUE(IsSkinnedComponent(Consumer));
    EXPECT_FALSE(IsSkinnedComponent(TForeignConsumer(nullptr)));
}

} // namespace
