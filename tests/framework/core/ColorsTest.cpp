// Colour names as window descriptions store them.
#include "framework/core/Colors.h"

#include <gtest/gtest.h>

namespace {

TEST(Colors, NamedColoursConvertBothWays) {
    std::string Name;
    EXPECT_TRUE(ColorToIdent(0x000000, Name));
    EXPECT_EQ(Name, "clBlack");
    EXPECT_TRUE(ColorToIdent(clLtGray, Name));
    EXPECT_EQ(Name, "clSilver") << "the first of two names";
    EXPECT_TRUE(ColorToIdent(0x8000000F, Name));
    EXPECT_EQ(Name, "clBtnFace");
    EXPECT_FALSE(ColorToIdent(0xE7E7E7, Name));

    TColor Color = 0;
    EXPECT_TRUE(IdentToColor("CLINFOBK", Color));
    EXPECT_EQ(Color, 0x80000018u);
    EXPECT_TRUE(IdentToColor("clLtGray", Color));
    EXPECT_EQ(Color, 0xC0C0C0u);
    EXPECT_FALSE(IdentToColor("clChartreuse", Color));
    EXPECT_TRUE(IsSystemColor(clMenuBar));
    EXPECT_FALSE(IsSystemColor(clNone));
}

} // namespace
