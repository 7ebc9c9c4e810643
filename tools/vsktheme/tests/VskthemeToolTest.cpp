// The vsktheme commands: export, list and pack, and that what they write reads back as it should.

#include "tests/skin/themes/BuiltInStyles.h"
#include "tests/skin/themes/ThemeFileBytes.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RaisedMessage.h"
#include "tests/support/ScratchFolder.h"

#include "skin/themes/Vskthemefile.h"
#include "tools/vsktheme/ThemeCommands.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::vector<std::string> Lines(const std::string& Text) {
    std::vector<std::string> Result;
    std::istringstream In(Text);
    for (std::string Line; std::getline(In, Line);)
        Result.push_back(Line);
    return Result;
}

class VskthemeToolTest : public ::testing::Test {
protected:
    // Unpacks an exported style into a folder that pack accepts: Key.bmp and values.ini.
    void Unpack(TvskUIStyle Style, const std::string& Dir) {
        std::filesystem::create_directory(Dir);
        std::ofstream Values(Dir + "/values.ini");
        Values << "; exported " << TvskUIStyleInfo.Names[Style] << "\n\n";
        for (int Index = VSK_THEME_ENTRY_COUNT; Index >= 1; --Index) { // order must not matter
            const TvskBuiltInEntry Entry = BuiltInThemeEntry(Style, Index);
            const std::string Key = ThemeEntryKey(Index);
            if (Entry.Kind == vskKindBitmap)
                WriteBytes(Dir + "/" + Key + ".bmp", Art(Entry.Resource));
            else if (Entry.Kind == vskKindColor)
                Values << "  " << Key << " = 0x" << std::hex << Entry.Value << std::dec << '\n';
            else if (Entry.Kind == vskKindBool)
                Values << Key << '=' << (Entry.Value ? "true" : "0") << '\n';
            else
                Values << Key << '=' << Entry.Value << '\n';
        }
    }

    TScratchFolder Folder;
    TArtSource Art = DefaultArt();
};

TEST_F(VskthemeToolTest, ExportedStylesReadBackAsTheTables) {
    for (TvskUIStyle Style : BuiltInStyles) {
        const std::string File = Folder.File(TvskUIStyleInfo.Names[Style] + ".vsk");
        ExportBuiltInStyle(Style, Art, File);
        ASSERT_TRUE(IsVSKThemeFile(File));
        const TvskThemeFileReader Reader(File);
        for (int Index = 1; Index <= VSK_THEME_ENTRY_COUNT; ++Index) {
            const TvskBuiltInEntry Entry = BuiltInThemeEntry(Style, Index);
            const std::string Key = ThemeEntryKey(Index);
            switch (Entry.Kind) {
            case vskKindBitmap: {
                TMemoryStream* Image = Reader.GetFile(Key);
                ASSERT_NE(Image, nullptr) << Key;
                EXPECT_EQ(TBytes(Image->Memory(), Image->Memory() + Image->Size()), Art(Entry.Resource)) << Key;
                break;
            }
            case vskKindBool: EXPECT_EQ(Reader.GetBool(Key), Entry.Value != 0) << Key; break;
            default: EXPECT_EQ(Reader.GetInteger(Key), Entry.Value) << Key; break;
            }
        }
    }
}

TEST_F(VskthemeToolTest, PackingAnUnpackedExportGivesTheSameBytes) {
    for (TvskUIStyle Style : {MacOS, BlueGlass}) {
        const std::string Name = TvskUIStyleInfo.Names[Style];
        ExportBuiltInStyle(Style, Art, Folder.File(Name + ".vsk"));
        Unpack(Style, Folder.File(Name));
        std::ostringstream Warnings;
        PackThemeFolder(Folder.File(Name), Folder.File(Name + "-packed.vsk"), Warnings);
        EXPECT_EQ(Warnings.str(), "");
        EXPECT_EQ(ReadBytes(Folder.File(Name + "-packed.vsk")), ReadBytes(Folder.File(Name + ".vsk"))) << Name;
    }
}

TEST_F(VskthemeToolTest, ListShowsEveryEntryWithValuesOfIntegersAndFlags) {
    ExportBuiltInStyle(BlueGlass, Art, Folder.File("b.vsk"));
    std::ostringstream Out;
    ListThemeFile(Folder.File("b.vsk"), Out);
    const std::vector<std::string> Listed = Lines(Out.str());
    ASSERT_EQ(Listed.size(), static_cast<std::size_t>(VSK_THEME_ENTRY_COUNT));
    const std::string ButtonSize = std::to_string(Art("BLUEGLASS_BUTTON").size());
    EXPECT_EQ(Listed.front(),
              "ButtonImage                        file    " + std::string(8 - ButtonSize.size(), ' ') + ButtonSize);
    const auto Has = [&Listed](const std::string& Line) {
        return std::find(Listed.begin(), Listed.end(), Line) != Listed.end();
    };
    EXPECT_TRUE(Has("FormMinWidthInt                    integer        4  270"));
    EXPECT_TRUE(Has("TitleBarButtonRightOffsetInt       integer        4  -3"));
    EXPECT_TRUE(Has("FormBackgroundColor                integer        4  15198183"));
    EXPECT_TRUE(Has("ButtonTransparentBool              flag           1  1"));
    EXPECT_EQ(Listed.back(), "TitleBarButtonTransparentBool      flag           1  1");
}

TEST_F(VskthemeToolTest, ListNamesEntriesOfUnknownTypes) {
    TThemeBytes Bytes;
    Bytes.Entry("Odd", 9, {1, 2, 3}).Terminator().Save(Folder.File("odd.vsk"));
    std::ostringstream Out;
    ListThemeFile(Folder.File("odd.vsk"), Out);
    EXPECT_EQ(Out.str(), "Odd                                type 9         3\n");
}

TEST_F(VskthemeToolTest, ListRefusesFilesThatAreNotThemes) {
    WriteBytes(Folder.File("x.vsk"), {'B', 'M', 0, 0});
    std::ostringstream Out;
    EXPECT_EQ(RaisedMessage<TToolError>([&] { ListThemeFile(Folder.File("x.vsk"), Out); }),
              Folder.File("x.vsk") + " is not a VanSkin theme file");
    EXPECT_THROW(ListThemeFile(Folder.File("none.vsk"), Out), TToolError);
}

TEST_F(VskthemeToolTest, PackWarnsAboutMissingEntriesAndIgnoresStrangers) {
    const std::string Dir = Folder.File("partial");
    std::filesystem::create_directory(Dir);
    WriteBytes(Dir + "/buttonimage.BMP", Art("WINXP_BUTTON"));
    WriteBytes(Dir + "/Readme.bmp", Art("WINXP_BUTTON"));
    WriteBytes(Dir + "/values.ini",
               {'F', 'o', 'r', 'm', 'M', 'i', 'n', 'W', 'i', 'd', 't', 'h', 'I', 'n', 't', '=', '9'});
    std::ostringstream Warnings;
    PackThemeFolder(Dir, Folder.File("p.vsk"), Warnings);
    EXPECT_NE(Warnings.str().find("Readme.bmp is not named after an image entry; ignored"), std::string::npos);
    EXPECT_NE(Warnings.str().find("the theme has no ButtonTransparentBool, CheckBoxImage,"), std::string::npos);
    const TvskThemeFileReader Reader(Folder.File("p.vsk"));
    EXPECT_EQ(Reader.GetInteger("FormMinWidthInt"), 9);
    ASSERT_NE(Reader.GetFile("ButtonImage"), nullptr);
    EXPECT_EQ(Reader.GetFile("ButtonImage")->Size(), static_cast<std::int64_t>(Art("WINXP_BUTTON").size()));
}

TEST_F(VskthemeToolTest, PackRejectsBadValuesWithTheirLine) {
    const std::string Dir = Folder.File("bad");
    std::filesystem::create_directory(Dir);
    const std::pair<std::string, std::string> Cases[] = {
        {"# fine\nFormMinWidthInt=1\nFormMinWidth=3\n", "values.ini:3: 'FormMinWidth' is not a theme key"},
        {"ButtonImage=1\n", "values.ini:1: ButtonImage is an image: put it in the folder as ButtonImage.bmp"},
        {"FormMinWidthInt=12px\n", "values.ini:1: bad value for FormMinWidthInt"},
        {"FormMinWidthInt=0x80000000\n", "values.ini:1: bad value for FormMinWidthInt"},
        {"ButtonTransparentBool=2\n", "values.ini:1: bad value for ButtonTransparentBool"},
        {"FormBorderColor=0x1FFFFFFFF\n", "values.ini:1: bad value for FormBorderColor"},
        {"FormBorderWidthInt=1\nformborderwidthint=2\n", "values.ini:2: FormBorderWidthInt is given twice"},
        {"just words\n", "values.ini:1: expected Key=value"},
    };
    for (const auto& [Text, Message] : Cases) {
        WriteBytes(Dir + "/values.ini", TBytes(Text.begin(), Text.end()));
        std::ostringstream Warnings;
        const std::string What =
            RaisedMessage<TToolError>([&] { PackThemeFolder(Dir, Folder.File("bad.vsk"), Warnings); });
        EXPECT_EQ(What.substr(What.size() - std::min(What.size(), Message.size())), Message) << Text;
    }
    EXPECT_FALSE(std::filesystem::exists(Folder.File("bad.vsk")));
}

TEST_F(VskthemeToolTest, StylesAreNamedOnTheCommandLineIgnoringCase) {
    EXPECT_EQ(ParseBuiltInStyle("blueglass"), BlueGlass);
    EXPECT_EQ(ParseBuiltInStyle("MacOS"), MacOS);
    EXPECT_THROW(ParseBuiltInStyle("FromThemeFile"), TToolError);
    EXPECT_THROW(ParseBuiltInStyle("Aqua"), TToolError);
}

} // namespace
