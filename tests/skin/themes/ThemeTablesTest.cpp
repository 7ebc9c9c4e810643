// The entry tables and the getters that read them.
#include "tests/skin/themes/BuiltInStyles.h"

#include "skin/themes/Vskthemetables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(ThemeTablesTest, GettersReadTheirOwnKindOnly) {
    EXPECT_EQ(GetInsideThemeColor(BlueGlass, VSK_THEME_FORM_BACKGROUND_COLOR), 0xE7E7E7u);
    EXPECT_EQ(GetInsideThemeColor(WinXP, VSK_THEME_FORM_BORDER_COLOR), 0xC82C00u);
    EXPECT_EQ(GetInsideThemeInt(WinXP, VSK_THEME_FORM_ROUND_CORNER_INT), 13);
    EXPECT_EQ(GetInsideThemeInt(MacOS, VSK_THEME_TITLE_BAR_BUTTON_RIGHT_OFFSET_INT), -2);
    EXPECT_EQ(GetInsideThemeInt(BlueGlass, VSK_THEME_FORM_MIN_WIDTH_INT), 270);
    EXPECT_TRUE(GetInsideThemeBool(MacOS, VSK_THEME_BUTTON_TRANSPARENT_BOOL));
    EXPECT_FALSE(GetInsideThemeBool(WinXP, VSK_THEME_BUTTON_TRANSPARENT_BOOL));
    EXPECT_TRUE(GetInsideThemeBool(Protein, VSK_THEME_TITLE_BAR_BUTTON_TRANSPARENT_BOOL));

    EXPECT_EQ(GetInsideThemeColor(DeepBlue, VSK_THEME_BUTTON_IMAGE), 0u);
    EXPECT_EQ(GetInsideThemeInt(DeepBlue, VSK_THEME_FORM_BORDER_COLOR), -1);
    EXPECT_FALSE(GetInsideThemeBool(MacOS, VSK_THEME_FORM_MIN_WIDTH_INT));
    EXPECT_EQ(GetInsideThemeColor(MacOS, VSK_THEME_FORM_BORDER_WIDTH_INT), 0u);
}

TEST(ThemeTablesTest, StylesWithoutARowGiveDefaultsEverywhere) {
    for (TvskUIStyle Style : {FromThemeFile, static_cast<TvskUIStyle>(6), static_cast<TvskUIStyle>(255)})
        for (int Index = 1; Index <= VSK_THEME_ENTRY_COUNT; ++Index) {
            EXPECT_EQ(GetInsideThemeInt(Style, Index), -1);
            EXPECT_EQ(GetInsideThemeColor(Style, Index), 0u);
            EXPECT_FALSE(GetInsideThemeBool(Style, Index));
            EXPECT_EQ(BuiltInThemeEntry(Style, Index).Resource, nullptr);
        }
}

// Bitmap cells name a resource of their own style (the shared scroll button strip aside); other cells name none.
TEST(ThemeTablesTest, BitmapCellsNameTheirStylesResources) {
    const char* Prefixes[] = {"", "MACOS_", "WINXP_", "DEEPBLUE_", "PROTEIN_", "BLUEGLASS_"};
    for (TvskUIStyle Style : BuiltInStyles)
        for (int Index = 1; Index <= VSK_THEME_ENTRY_COUNT; ++Index) {
            const TvskBuiltInEntry Entry = BuiltInThemeEntry(Style, Index);
            EXPECT_EQ(Entry.Kind, ThemeEntryKind(Index));
            if (Entry.Kind != vskKindBitmap) {
                EXPECT_EQ(Entry.Resource, nullptr) << Index;
                continue;
            }
            ASSERT_NE(Entry.Resource, nullptr) << Index;
            const std::string Name = Entry.Resource;
            if (Index == VSK_THEME_SCROLL_BUTTON_IMAGE && Style != MacOS && Style != WinXP)
                EXPECT_EQ(Name, "MORE_SCROLLBUTTON");
            else
                EXPECT_EQ(Name.rfind(Prefixes[Style], 0), 0u) << Name;
        }
    EXPECT_STREQ(BuiltInThemeEntry(Protein, VSK_THEME_SIDE_CHANNEL_BAR_IMAGE).Resource, "PROTEIN_SIDECHENNEL_BAR");
    EXPECT_STREQ(BuiltInThemeEntry(MacOS, VSK_THEME_SCROLL_BAR_SLIDER_IMAGE).Resource, "MACOS_SCROLLBAR_TRACK");
}

TEST(ThemeTablesTest, KeysAreUniqueAndFoundIgnoringCase) {
    std::set<std::string> Seen;
    for (int Index = 1; Index <= VSK_THEME_ENTRY_COUNT; ++Index) {
        const std::string Key = ThemeEntryKey(Index);
        EXPECT_TRUE(Seen.insert(Key).second) << Key;
        EXPECT_EQ(FindThemeEntry(Key), Index);
    }
    EXPECT_EQ(FindThemeEntry("controlfontcolor"), VSK_THEME_CONTROL_FONT_COLOR);
    EXPECT_STREQ(ThemeEntryKey(VSK_THEME_TOOL_BAR_BUTTON_DOWN_BACKGROUND_COLOR), "ToolBarButtonDownBackgroundColor");
    EXPECT_EQ(FindThemeEntry("ControlFontColour"), 0);
    EXPECT_EQ(FindThemeEntry(""), 0);
}

} // namespace
