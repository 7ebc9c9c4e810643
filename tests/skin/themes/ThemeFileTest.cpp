// The theme file: exact bytes written, lookups on what was read, the signature test.
#include "tests/skin/themes/ThemeFileBytes.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScratchFolder.h"

#include "framework/core/Exceptions.h"
#include "skin/themes/Vskthemefile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace {

// An entry header spelt out field by field, independently of the code under test.
void PutEntryHeader(TBytes& Out, const std::string& Name, std::uint8_t Type, std::uint32_t DataOffset,
                    std::uint32_t DataSize, std::uint32_t Next) {
    TBytes NameField(64, 0);
    std::memcpy(NameField.data(), Name.data(), Name.size());
    Out.insert(Out.end(), NameField.begin(), NameField.end());
    Out.push_back(Type);
    AppendLittleEndian(Out, DataOffset);
    AppendLittleEndian(Out, DataSize);
    AppendLittleEndian(Out, Next);
}

class ThemeFileTest : public ::testing::Test {
protected:
    // The example theme: one embedded 1,000-byte file and one integer.
    std::string WriteExample() {
        WriteBytes(Folder.File("button.bmp"), Pattern(1000));
        TvskThemeFileWriter Writer(Folder.File("example.vsk"));
        Writer.AddInteger("FormBorderWidthInt", 3);
        Writer.AddFile("ButtonImage", Folder.File("button.bmp"));
        Writer.Save();
        return Folder.File("example.vsk");
    }

    TScratchFolder Folder;
};

TEST_F(ThemeFileTest, WritesTheExampleByteForByte) {
    TBytes Expected = {'V', 'a', 'n', 'S', 'k', 'i', 'n', '_', 'T', 'B', 0, 0};
    AppendLittleEndian(Expected, 24);
    AppendLittleEndian(Expected, 1);
    AppendLittleEndian(Expected, 24);
    PutEntryHeader(Expected, "ButtonImage", 0, 101, 1000, 1101);
    const TBytes Image = Pattern(1000);
    Expected.insert(Expected.end(), Image.begin(), Image.end());
    PutEntryHeader(Expected, "FormBorderWidthInt", 1, 1178, 4, 1182);
    AppendLittleEndian(Expected, 3);
    PutEntryHeader(Expected, "", 2, 0, 0, 0);

    const TBytes Written = ReadBytes(WriteExample());
    ASSERT_EQ(Written.size(), 1259u);
    EXPECT_EQ(Written, Expected);
}

TEST_F(ThemeFileTest, ReadsTheExampleBackIgnoringLetterCase) {
    const TvskThemeFileReader Reader(WriteExample());
    TMemoryStream* Image = Reader.GetFile("buttonimage");
    ASSERT_NE(Image, nullptr);
    EXPECT_EQ(Image->Size(), 1000);
    EXPECT_EQ(Image->Position(), 0);
    EXPECT_EQ(TBytes(Image->Memory(), Image->Memory() + 1000), Pattern(1000));
    EXPECT_EQ(Reader.GetInteger("FORMBORDERWIDTHINT"), 3);

    EXPECT_EQ(Reader.GetFile("FormBorderWidthInt"), nullptr); // lists are per type
    EXPECT_EQ(Reader.GetInteger("FormMinWidthInt"), -1);
    EXPECT_FALSE(Reader.GetBool("ButtonTransparentBool"));
    EXPECT_EQ(Reader.GetStr("Title"), "");
}

TEST_F(ThemeFileTest, GetFileRewindsTheStreamEachTime) {
    const TvskThemeFileReader Reader(WriteExample());
    Reader.GetFile("ButtonImage")->SetPosition(500);
    EXPECT_EQ(Reader.GetFile("ButtonImage")->Position(), 0);
}

TEST_F(ThemeFileTest, GroupsEntriesByTypeAndRoundTripsEveryType) {
    WriteBytes(Folder.File("a.bin"), Pattern(10, 1));
    WriteBytes(Folder.File("b.bin"), {});
    TvskThemeFileWriter Writer(Folder.File("t.vsk"));
    Writer.AddBool("Flag", true);
    Writer.AddInteger("Offset", -3);
    Writer.AddStr("Title", "Deep blue sea");
    Writer.AddFile("A", Folder.File("a.bin"));
    Writer.AddBool("Off", false);
    Writer.AddFileData("B", {});
    Writer.AddInteger("Color", 0x00C82C00);
    Writer.Save();

    std::vector<std::pair<std::string, int>> Order;
    TFileStream File(Folder.File("t.vsk"), fmOpenRead);
    WalkThemeFile(File, [&](const TvskThemeEntryHeader& H, TStream&) { Order.emplace_back(H.Name, H.Type); });
    const std::vector<std::pair<std::string, int>> Expected = {
        {"A", vskDataFile},        {"B", vskDataFile},    {"Title", vskDataText}, {"Offset", vskDataInteger},
        {"Color", vskDataInteger}, {"Flag", vskDataFlag}, {"Off", vskDataFlag}};
    EXPECT_EQ(Order, Expected);

    const TvskThemeFileReader Reader(Folder.File("t.vsk"));
    EXPECT_EQ(Reader.GetFile("A")->Size(), 10);
    EXPECT_EQ(Reader.GetFile("B")->Size(), 0);
    EXPECT_EQ(Reader.GetStr("title"), "Deep blue sea");
    EXPECT_EQ(Reader.GetInteger("Offset"), -3);
    EXPECT_EQ(Reader.GetInteger("Color"), 0x00C82C00);
    EXPECT_TRUE(Reader.GetBool("Flag"));
    EXPECT_FALSE(Reader.GetBool("Off"));
}

TEST_F(ThemeFileTest, NamesKeepSixtyFourCharactersAndLoseTheRest) {
    const std::string Name64(64, 'k');
    TvskThemeFileWriter Writer(Folder.File("t.vsk"));
    Writer.AddInteger(Name64, 64);
    Writer.AddInteger(Name64 + "-too-long", 65);
    Writer.Save();
    std::vector<std::string> Names;
    TFileStream File(Folder.File("t.vsk"), fmOpenRead);
    WalkThemeFile(File, [&](const TvskThemeEntryHeader& H, TStream&) { Names.push_back(H.Name); });
    EXPECT_EQ(Names, (std::vector<std::string>{Name64, Name64}));
    EXPECT_EQ(TvskThemeFileReader(Folder.File("t.vsk")).GetInteger(Name64), 64);
}

TEST_F(ThemeFileTest, FirstOccurrenceOfAKeyWins) {
    TThemeBytes Bytes;
    Bytes.Integer("Width", 1).Integer("WIDTH", 2).Entry("Flag", vskDataFlag, {0}).Entry("flag", vskDataFlag, {1});
    Bytes.Terminator().Save(Folder.File("t.vsk"));
    const TvskThemeFileReader Reader(Folder.File("t.vsk"));
    EXPECT_EQ(Reader.GetInteger("width"), 1);
    EXPECT_FALSE(Reader.GetBool("FLAG"));
}

TEST_F(ThemeFileTest, SkipsUnknownTypesAndMisshapenValuesButWalksOn) {
    TThemeBytes Bytes;
    Bytes.Entry("Strange", 7, Pattern(33)).Entry("Short", vskDataInteger, {1, 2}).Entry("Wide", vskDataFlag, {1, 1});
    Bytes.Integer("After", 42).Terminator().Save(Folder.File("t.vsk"));
    const TvskThemeFileReader Reader(Folder.File("t.vsk"));
    EXPECT_EQ(Reader.GetFile("Strange"), nullptr);
    EXPECT_EQ(Reader.GetInteger("Short"), -1);
    EXPECT_FALSE(Reader.GetBool("Wide"));
    EXPECT_EQ(Reader.GetInteger("After"), 42);
}

TEST_F(ThemeFileTest, SignatureMustBeExactAndEndAtAZeroByte) {
    auto Check = [this](const TBytes& Bytes) {
        WriteBytes(Folder.File("s.vsk"), Bytes);
        return IsVSKThemeFile(Folder.File("s.vsk"));
    };
    auto WithTail = [](std::string Text) {
        TBytes Bytes(Text.begin(), Text.end());
        Bytes.resize(24, 0);
        return Bytes;
    };
    EXPECT_TRUE(Check(WithTail("VanSkin_TB")));
    EXPECT_TRUE(Check(WithTail(std::string("VanSkin_TB\0\x7F", 12))));
    EXPECT_FALSE(Check(WithTail("vanskin_tb")));
    EXPECT_FALSE(Check(WithTail("VanSkin_TBX")));
    EXPECT_FALSE(Check(WithTail("VanSkin_TB12")));
    EXPECT_FALSE(Check({'V', 'a', 'n', 'S', 'k', 'i', 'n', '_', 'T', 'B'}));
    EXPECT_FALSE(Check({}));
    EXPECT_FALSE(IsVSKThemeFile(Folder.File("missing.vsk")));
    EXPECT_FALSE(IsVSKThemeFile(Folder.Path().string()));
    EXPECT_TRUE(IsVSKThemeFile(WriteExample()));
}

TEST_F(ThemeFileTest, MissingSourcesAndFilesRaiseWithoutWritingAnything) {
    TvskThemeFileWriter Writer(Folder.File("t.vsk"));
    EXPECT_THROW(Writer.AddFile("ButtonImage", Folder.File("none.bmp")), EFOpenError);
    EXPECT_FALSE(std::filesystem::exists(Folder.File("t.vsk")));
    EXPECT_THROW(TvskThemeFileReader(Folder.File("none.vsk")), EFOpenError);
}

} // namespace
