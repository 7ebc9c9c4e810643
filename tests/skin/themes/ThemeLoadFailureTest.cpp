// A file theme facing files that change under it, and theme images that cannot be cut as asked: the theme in
// use stays, the name follows the theme actually loaded, and a frame count below 1 cuts nothing.
#include "tests/support/Pixels.h"
#include "tests/support/ScratchFolder.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Bitmap.h"
#include "skin/themes/Vskmgr.h"
#include "skin/themes/Vskpublic.h"
#include "skin/themes/Vskthemefile.h"
#include "skin/themes/Vskthemetables.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

// A theme whose minimum form width tells which file it came from, with a 4 x 3 button image.
void SaveTheme(const std::string& FileName, int MinWidth) {
    TBitmap Image(4, 3);
    Fill(Image, clLime);
    TMemoryStream Bmp;
    Image.SaveToStream(Bmp);
    TvskThemeFileWriter Writer(FileName);
    Writer.AddFileData("ButtonImage", std::vector<std::uint8_t>(Bmp.Memory(), Bmp.Memory() + Bmp.Size()));
    Writer.AddInteger("FormMinWidthInt", MinWidth);
    Writer.Save();
}

// A file theme whose file disappears right after passing its check, as when another program deletes it or it
// lives on a network share that drops out.
class TVanishingFileTheme : public TvskFileTheme {
public:
    using TvskFileTheme::TvskFileTheme;
    bool Vanish = false;

    bool CheckThemeFile(const std::string& FileName) const override {
        const bool Valid = TvskFileTheme::CheckThemeFile(FileName);
        if (Vanish) std::filesystem::remove(FileName);
        return Valid;
    }
};

class ThemeLoadFailureTest : public ::testing::Test {
protected:
    TScratchFolder Folder;
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TVanishingFileTheme* Theme = new TVanishingFileTheme(Form.get());
};

TEST_F(ThemeLoadFailureTest, FileVanishingAfterItsCheckKeepsTheThemeAndItsName) {
    SaveTheme(Folder.File("old.vsk"), 111);
    Theme->SetThemeFile(Folder.File("old.vsk"));
    SaveTheme(Folder.File("new.vsk"), 222);

    Theme->Vanish = true;
    EXPECT_THROW(Theme->SetThemeFile(Folder.File("new.vsk")), EFOpenError);
    EXPECT_EQ(Theme->ThemeFile(), Folder.File("old.vsk"));
    EXPECT_EQ(Theme->GetInt(VSK_THEME_FORM_MIN_WIDTH_INT), 111);

    // Once the file is back, the same name must load it: it was never taken.
    Theme->Vanish = false;
    SaveTheme(Folder.File("new.vsk"), 222);
    Theme->SetThemeFile(Folder.File("new.vsk"));
    EXPECT_EQ(Theme->ThemeFile(), Folder.File("new.vsk"));
    EXPECT_EQ(Theme->GetInt(VSK_THEME_FORM_MIN_WIDTH_INT), 222);
}

TEST_F(ThemeLoadFailureTest, FirstFileVanishingLeavesTheThemeUnused) {
    SaveTheme(Folder.File("only.vsk"), 333);
    Theme->Vanish = true;
    EXPECT_THROW(Theme->SetThemeFile(Folder.File("only.vsk")), EFOpenError);
    EXPECT_FALSE(Theme->CanUse());
    EXPECT_EQ(Theme->ThemeFile(), "");
}

TEST_F(ThemeLoadFailureTest, FrameCountBelowOneCutsNoFrame) {
    SaveTheme(Folder.File("a.vsk"), 1);
    Theme->SetThemeFile(Folder.File("a.vsk"));
    for (int Count : {0, -1}) {
        TBitmap Buf(5, 5);
        Theme->GetBitmap(VSK_THEME_BUTTON_IMAGE, &Buf, Count, 1);
        EXPECT_TRUE(Buf.Empty()) << Count;
    }
    TBitmap Buf(5, 5);
    Theme->GetBitmap(VSK_THEME_BUTTON_IMAGE, &Buf, 2, 2); // the image is there: a proper count cuts it
    EXPECT_EQ(Buf.Width(), 2);
    EXPECT_EQ(PixelAt(Buf, 1, 2), clLime);
}

TEST(SpitBitmapCountTest, CountBelowOneEmptiesDestAndLeavesSource) {
    TBitmap Strip(6, 2);
    Fill(Strip, clRed);
    for (int Count : {0, -3}) {
        TBitmap Frame(3, 3);
        SpitBitmap(Strip, Frame, Count, 1);
        EXPECT_TRUE(Frame.Empty()) << Count;
    }
    EXPECT_EQ(Strip.Width(), 6);
    EXPECT_EQ(PixelAt(Strip, 5, 1), clRed);
    SpitBitmap(Strip, Strip, 0, 1); // in place: the strip itself ends up empty, as Dest
    EXPECT_TRUE(Strip.Empty());
}

} // namespace
