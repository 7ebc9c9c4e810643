// File themes: where SetThemeFile looks, what it refuses, which components it refreshes, the getters, the
// fall-back when a file theme goes, and the built-in file theme carried in a form description.

#include "tests/skin/themes/SampleTheme.h"
#include "tests/skin/themes/ThemeConsumer.h"
#include "tests/support/FileBytes.h"
#include "tests/support/Pixels.h"
#include "tests/support/RaisedMessage.h"
#include "tests/support/ScratchFolder.h"

#include "framework/core/DescriptionWriter.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"
#include "framework/win/forms/Form.h"
#include "skin/themes/Vskbuiltinfiletheme.h"
#include "skin/themes/Vskfilesystem.h"
#include "skin/themes/Vskmgr.h"
#include "skin/themes/Vskthemeclasses.h"
#include "skin/themes/Vskthemefile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace {

// Runs a test from another current folder, and puts the old one back.
class TCurrentFolder {
public:
    explicit TCurrentFolder(const fs::path& Folder) : FOld(fs::current_path()) { fs::current_path(Folder); }
    ~TCurrentFolder() { fs::current_path(FOld); }

private:
    fs::path FOld;
};

// A file that the test puts somewhere outside its scratch folder and removes again.
class TPlacedFile {
public:
    explicit TPlacedFile(std::string Path) : FPath(std::move(Path)) {}
    ~TPlacedFile() { fs::remove(FPath); }
    const std::string& Path() const { return FPath; }

private:
    std::string FPath;
};

class FileThemeTest : public ::testing::Test {
protected:
    TScratchFolder Folder;
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TvskFileTheme* Theme = new TvskFileTheme(Form.get());
};

TEST_F(FileThemeTest, AnswersTheGettersFromTheLoadedFile) {
    TBitmap Buf(4, 4);
    EXPECT_FALSE(Theme->CanUse());
    EXPECT_EQ(Theme->GetColor(VSK_THEME_FORM_BACKGROUND_COLOR), 0u);
    EXPECT_EQ(Theme->GetInt(VSK_THEME_FORM_MIN_WIDTH_INT), 0);
    Theme->GetBitmap(VSK_THEME_BUTTON_IMAGE, &Buf);
    EXPECT_EQ(Buf.Width(), 4);

    WriteSampleTheme(Folder.File("a.vsk"), 0x123456, 321);
    Theme->SetThemeFile(Folder.File("a.vsk"));
    EXPECT_TRUE(Theme->CanUse());
    EXPECT_EQ(Theme->ThemeFile(), Folder.File("a.vsk"));
    EXPECT_EQ(Theme->GetColor(VSK_THEME_FORM_BACKGROUND_COLOR), 0x123456u);
    EXPECT_EQ(Theme->GetInt(VSK_THEME_FORM_MIN_WIDTH_INT), 321);
    EXPECT_TRUE(Theme->GetBool(VSK_THEME_BUTTON_TRANSPARENT_BOOL));
    EXPECT_EQ(Theme->GetInt(VSK_THEME_FORM_ROUND_CORNER_INT), -1);
    EXPECT_EQ(Theme->GetColor(VSK_THEME_MENU_BAR_COLOR), 0xFFFFFFFFu);
    EXPECT_FALSE(Theme->GetBool(VSK_THEME_TITLE_BAR_BUTTON_TRANSPARENT_BOOL));

    Theme->GetBitmap(VSK_THEME_BUTTON_IMAGE, &Buf);
    EXPECT_EQ(Buf.Width(), 6);
    Theme->GetBitmap(VSK_THEME_BUTTON_IMAGE, &Buf, 3, 2);
    ASSERT_EQ(Buf.Width(), 2);
    EXPECT_EQ(PixelAt(Buf, 0, 0), clRed);
    Theme->GetBitmap(VSK_THEME_CHECK_BOX_IMAGE, &Buf); // absent: unchanged
    EXPECT_EQ(Buf.Width(), 2);
    Theme->GetBitmap(VSK_THEME_CHECK_BOX_IMAGE, &Buf, 4, 1); // absent, cut: empty
    EXPECT_TRUE(Buf.Empty());

    TvskUIStyle Style = MacOS;
    EXPECT_TRUE(UsingFileTheme(Theme, FromThemeFile, Style));
    EXPECT_EQ(Style, FromThemeFile);
}

TEST_F(FileThemeTest, LooksInTheProgramsFolderForABareName) {
    const std::string Name = "vsk_search_" + Folder.Path().filename().string() + ".vsk";
    const TPlacedFile Placed(ProgramFolder() + Name);
    WriteSampleTheme(Placed.Path(), 0x111111, 1);
    const TCurrentFolder Elsewhere(Folder.Path()); // the bare name is not found from here

    Theme->SetThemeFile(Name);
    EXPECT_EQ(Theme->ThemeFile(), Placed.Path());
    EXPECT_EQ(Theme->GetInt(VSK_THEME_FORM_MIN_WIDTH_INT), 1);

    WriteSampleTheme(Placed.Path(), 0x111111, 2);
    Theme->SetThemeFile(Placed.Path()); // the same full name: nothing happens, even though the file changed
    EXPECT_EQ(Theme->GetInt(VSK_THEME_FORM_MIN_WIDTH_INT), 1);
    Theme->SetThemeFile(Name); // the bare name differs from the stored full name: loaded again
    EXPECT_EQ(Theme->GetInt(VSK_THEME_FORM_MIN_WIDTH_INT), 2);

    WriteSampleTheme(Placed.Path(), 0x111111, 3);
    Theme->SetThemeFile(Folder.File("nowhere\\" + Name)); // a folder that lacks it: the bare name is looked for
    EXPECT_EQ(Theme->GetInt(VSK_THEME_FORM_MIN_WIDTH_INT), 3);
}

TEST_F(FileThemeTest, NamesFoundNowhereChangeNothing) {
    WriteSampleTheme(Folder.File("a.vsk"), 0x123456, 5);
    Theme->SetThemeFile(Folder.File("a.vsk"));
    Theme->SetThemeFile(Folder.File("missing.vsk"));
    Theme->SetThemeFile("");
    EXPECT_EQ(Theme->ThemeFile(), Folder.File("a.vsk"));
    EXPECT_EQ(Theme->GetInt(VSK_THEME_FORM_MIN_WIDTH_INT), 5);

    TvskFileTheme* Fresh = new TvskFileTheme(Form.get());
    Fresh->SetThemeFile(Folder.File("missing.vsk"));
    EXPECT_FALSE(Fresh->CanUse());
    EXPECT_EQ(Fresh->ThemeFile(), "");
}

TEST_F(FileThemeTest, RefusesFilesWithoutTheSignature) {
    WriteBytes(Folder.File("fake.vsk"), {'B', 'M', 1, 2, 3});
    EXPECT_EQ(RaisedMessage<Exception>([&] { Theme->SetThemeFile(Folder.File("fake.vsk")); }),
              "Invalid skin file for VanSkin!");
    EXPECT_FALSE(Theme->CanUse());
    EXPECT_EQ(Theme->ThemeFile(), "");

    WriteSampleTheme(Folder.File("a.vsk"), 0x123456, 5);
    Theme->SetThemeFile(Folder.File("a.vsk"));
    EXPECT_THROW(Theme->SetThemeFile(Folder.File("fake.vsk")), Exception);
    EXPECT_TRUE(Theme->CanUse());
    EXPECT_EQ(Theme->ThemeFile(), Folder.File("a.vsk"));
    EXPECT_EQ(Theme->GetInt(VSK_THEME_FORM_MIN_WIDTH_INT), 5);
}

TEST_F(FileThemeTest, LoadingRefreshesOnlyTheSkinnedComponentsThatPointToIt) {
    auto* Other = new TvskFileTheme(Form.get());
    auto* Mine = new TvskTestConsumer(Form.get());
    auto* NotMine = new TvskTestConsumer(Form.get());
    auto* Foreign = new TForeignConsumer(Form.get());
    Mine->SetFileTheme(Theme);
    Mine->SetUIStyle(FromThemeFile);
    NotMine->SetFileTheme(Other);
    Foreign->SetFileTheme(Theme);
    EXPECT_EQ(Mine->LookStyle, DeepBlue); // its theme has no file yet
    EXPECT_EQ(Mine->Background, 0xE8E8E8u);
    for (TvskTestConsumer* Consumer : {Mine, NotMine, static_cast<TvskTestConsumer*>(Foreign)})
        Consumer->Calls.clear();

    WriteSampleTheme(Folder.File("a.vsk"), 0x123456, 77);
    Theme->SetThemeFile(Folder.File("a.vsk"));
    EXPECT_EQ(Mine->Calls, std::vector<std::string>{"FileTheme"});
    EXPECT_EQ(Mine->LookStyle, FromThemeFile);
    EXPECT_EQ(Mine->Background, 0x123456u);
    EXPECT_EQ(Mine->MinWidth, 77);
    EXPECT_TRUE(NotMine->Calls.empty());
    EXPECT_TRUE(Foreign->Calls.empty());
}

TEST_F(FileThemeTest, ComponentsFallBackToDeepBlueWhenTheirThemeGoes) {
    WriteSampleTheme(Folder.File("a.vsk"), 0x123456, 77);
    Theme->SetThemeFile(Folder.File("a.vsk"));
    auto* Consumer = new TvskTestConsumer(Form.get());
    Consumer->SetFileTheme(Theme);
    Consumer->SetUIStyle(FromThemeFile);
    ASSERT_EQ(Consumer->Background, 0x123456u);
    delete Theme;
    EXPECT_EQ(Consumer->FileTheme(), nullptr);
    EXPECT_EQ(Consumer->UIStyle(), DeepBlue);
    EXPECT_EQ(Consumer->Background, 0xE8E8E8u);
    EXPECT_FALSE(Consumer->ButtonTransparent);
}

// VSKTEMP.vsk and VSKTEMP1.vsk are taken; the theme goes through VSKTEMP2.vsk, which is gone afterwards.
TEST_F(FileThemeTest, BuiltInThemeLoadsThroughAFreshTemporaryFile) {
    const std::string Temp = TempFolder();
    ASSERT_FALSE(Temp.empty());
    for (const char* Name : {"VSKTEMP.vsk", "VSKTEMP1.vsk", "VSKTEMP2.vsk"})
        ASSERT_FALSE(fs::exists(Temp + Name)) << Name << " is left over from elsewhere";
    const TPlacedFile Taken(Temp + "VSKTEMP.vsk"), Taken1(Temp + "VSKTEMP1.vsk");
    WriteBytes(Taken.Path(), {1, 2, 3});
    WriteBytes(Taken1.Path(), {4, 5});

    WriteSampleTheme(Folder.File("a.vsk"), 0x123456, 99);
    auto* BuiltIn = new TvskBuiltInFileTheme(Form.get());
    TMemoryStream Data;
    Data.LoadFromFile(Folder.File("a.vsk"));
    BuiltIn->ReadSkinData(Data);
    EXPECT_TRUE(BuiltIn->CanUse());
    EXPECT_EQ(BuiltIn->ThemeFile(), Temp + "VSKTEMP2.vsk");
    EXPECT_EQ(BuiltIn->GetInt(VSK_THEME_FORM_MIN_WIDTH_INT), 99);
    EXPECT_FALSE(fs::exists(Temp + "VSKTEMP2.vsk"));
    EXPECT_EQ(ReadBytes(Taken.Path()), (TBytes{1, 2, 3}));
    EXPECT_EQ(ReadBytes(Taken1.Path()), (TBytes{4, 5}));

    // Loaded a second time through the same temporary name: the same name still loads.
    WriteSampleTheme(Folder.File("a.vsk"), 0x123456, 98);
    Data.LoadFromFile(Folder.File("a.vsk"));
    BuiltIn->ReadSkinData(Data);
    EXPECT_EQ(BuiltIn->GetInt(VSK_THEME_FORM_MIN_WIDTH_INT), 98);
}

TEST_F(FileThemeTest, BuiltInThemeDeletesItsTemporaryFileWhenLoadingFails) {
    const std::string Temp = TempFolder();
    ASSERT_FALSE(fs::exists(Temp + "VSKTEMP.vsk"));
    auto* BuiltIn = new TvskBuiltInFileTheme(Form.get());
    TMemoryStream Data;
    Data.Write("not a theme", 11);
    Data.SetPosition(0);
    EXPECT_EQ(RaisedMessage<Exception>([&] { BuiltIn->ReadSkinData(Data); }), "Invalid skin file for VanSkin!");
    EXPECT_FALSE(fs::exists(Temp + "VSKTEMP.vsk"));
    EXPECT_FALSE(BuiltIn->CanUse());
}

TEST_F(FileThemeTest, BuiltInThemeTravelsInTheFormDescription) {
    RegisterThemeClasses();
    Form->SetName("fmThemed");
    WriteSampleTheme(Folder.File("design.vsk"), 0x654321, 123);
    auto* BuiltIn = new TvskBuiltInFileTheme(Form.get());
    BuiltIn->SetName("ftBuiltIn");
    BuiltIn->SetThemeFile2(Folder.File("design.vsk"));
    EXPECT_FALSE(BuiltIn->CanUse()); // the design-time name only records where the bytes come from
    const std::string Description = WriteComponentDescription(*Form);
    EXPECT_NE(Description.find("SkinData = {"), std::string::npos) << Description;

    fs::remove(Folder.File("design.vsk")); // the running program needs no theme file
    auto Again = std::make_unique<TForm>(nullptr);
    Again->ReadDescription(Description);
    auto* Loaded = dynamic_cast<TvskBuiltInFileTheme*>(Again->FindComponent("ftBuiltIn"));
    ASSERT_NE(Loaded, nullptr);
    EXPECT_TRUE(Loaded->CanUse());
    EXPECT_EQ(Loaded->ThemeFile2(), Folder.File("design.vsk"));
    EXPECT_EQ(Loaded->GetColor(VSK_THEME_FORM_BACKGROUND_COLOR), 0x654321u);
    EXPECT_EQ(WriteComponentDescription(*Again).find("SkinData"), std::string::npos); // nothing left to store
}

} // namespace
