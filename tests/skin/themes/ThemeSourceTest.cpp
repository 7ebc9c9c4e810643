// The theme source a style application reads from, and the face tables of skinned buttons.
#include "tests/skin/themes/SampleTheme.h"
#include "tests/support/Pixels.h"
#include "tests/support/ScratchFolder.h"

#include "skin/themes/Vskfaces.h"
#include "skin/themes/Vskmgr.h"
#include "skin/themes/Vskthemesource.h"

#include <gtest/gtest.h>

namespace {

TEST(ThemeSourceTest, ReadsTheFileThemeOnlyForFromThemeFileWithAUsableTheme) {
    TScratchFolder Folder;
    WriteSampleTheme(Folder.File("t.vsk"), 0x123456); // no minimum width, no transparency flag
    TvskFileTheme Theme(nullptr);

    const TvskThemeSource Unloaded(&Theme, FromThemeFile);
    EXPECT_FALSE(Unloaded.FromFile());
    EXPECT_EQ(Unloaded.Style(), DeepBlue);
    EXPECT_EQ(Unloaded.Color(VSK_THEME_FORM_BACKGROUND_COLOR), 0xE8E8E8u);

    Theme.SetThemeFile(Folder.File("t.vsk"));
    const TvskThemeSource File(&Theme, FromThemeFile);
    EXPECT_TRUE(File.FromFile());
    EXPECT_EQ(File.File(), &Theme);
    EXPECT_EQ(File.Style(), FromThemeFile);
    EXPECT_EQ(File.Color(VSK_THEME_FORM_BACKGROUND_COLOR), 0x123456u);
    EXPECT_EQ(File.Int(VSK_THEME_FORM_MIN_WIDTH_INT), -1); // not in the file
    EXPECT_FALSE(File.Bool(VSK_THEME_BUTTON_TRANSPARENT_BOOL));
    TBitmap Face;
    File.Bitmap(VSK_THEME_BUTTON_IMAGE, Face, 3, 2);
    ASSERT_EQ(Face.Width(), 2);
    EXPECT_EQ(PixelAt(Face, 0, 0), clRed);
    File.Bitmap(VSK_THEME_BUTTON_IMAGE, Face, 0, 0); // no frame count: the whole strip
    EXPECT_EQ(Face.Width(), 6);

    const TvskThemeSource BuiltIn(&Theme, BlueGlass); // a built-in style ignores the file theme
    EXPECT_FALSE(BuiltIn.FromFile());
    EXPECT_EQ(BuiltIn.Int(VSK_THEME_FORM_MIN_WIDTH_INT), 270);
    EXPECT_TRUE(BuiltIn.Bool(VSK_THEME_BUTTON_TRANSPARENT_BOOL));
    BuiltIn.Bitmap(VSK_THEME_BUTTON_IMAGE, Face, 3, 3);
    EXPECT_EQ(Face.Width(), 77);
    EXPECT_EQ(Face.Height(), 27);
    BuiltIn.Bitmap(VSK_THEME_BUTTON_IMAGE, Face);
    EXPECT_EQ(Face.Width(), 231);
}

TEST(FaceTableTest, DisabledThenPressedThenHotChooseTheFrame) {
    EXPECT_EQ(FaceState(false, true, true), vskFaceDisabled);
    EXPECT_EQ(FaceState(true, false, true), vskFacePressed);
    EXPECT_EQ(FaceState(true, true, false), vskFaceHot);
    EXPECT_EQ(FaceState(true, false, false), vskFaceNormal);

    EXPECT_EQ(VskPushButtonFaces.Frame(vskFaceDisabled), 1);
    EXPECT_EQ(VskPushButtonFaces.Frame(vskFacePressed), 3);
    // The close button's faces are the sixth group of three in a title button strip: frames 16, 17, 18.
    constexpr TvskFaceTable Close = VskPushButtonFaces.Shifted(5, VskPushButtonFrameCount);
    EXPECT_EQ(Close.Frame(vskFaceNormal), 16);
    EXPECT_EQ(Close.Frame(vskFaceHot), 17);
    EXPECT_EQ(Close.Frame(vskFacePressed), 18);
}

} // namespace
