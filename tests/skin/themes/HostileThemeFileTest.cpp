// Damaged and hostile theme files: the reader ends its walk cleanly and keeps what it read before.
#include "tests/skin/themes/ThemeFileBytes.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScratchFolder.h"

#include "framework/core/Streams.h"
#include "skin/themes/Vskthemefile.h"

#include <gtest/gtest.h>

namespace {

class HostileThemeFileTest : public ::testing::Test {
protected:
    // Reads Bytes as a theme file and returns the names the walk visited.
    std::vector<std::string> Walk(const TThemeBytes& Bytes) {
        Bytes.Save(Folder.File("h.vsk"));
        std::vector<std::string> Names;
        TFileStream File(Folder.File("h.vsk"), fmOpenRead);
        WalkThemeFile(File, [&](const TvskThemeEntryHeader& H, TStream&) { Names.push_back(H.Name); });
        return Names;
    }
    using TNames = std::vector<std::string>;

    TScratchFolder Folder;
};

TEST_F(HostileThemeFileTest, NextThatDoesNotLeadPastTheHeaderEndsTheWalk) {
    for (std::uint32_t Back : {0u, 1u, 76u}) { // onto its own header, or back into it
        TThemeBytes Bytes;
        Bytes.Integer("First", 1);
        const std::uint32_t Here = Bytes.Size();
        Bytes.Header(
            {"Loop", vskDataInteger, Here + VskThemeEntryHeaderSize, 4, Here + VskThemeEntryHeaderSize - 1 - Back});
        Bytes.Raw({5, 0, 0, 0}).Integer("Never", 2).Terminator();
        EXPECT_EQ(Walk(Bytes), (TNames{"First", "Loop"})) << Back;
    }
    TThemeBytes Cycle; // the second entry leads back to the first
    Cycle.Integer("A", 1).Header({"B", vskDataInteger, 24, 4, VskThemeHeaderSize}).Terminator();
    EXPECT_EQ(Walk(Cycle), (TNames{"A", "B"}));
}

TEST_F(HostileThemeFileTest, DataBeyondTheEndOfTheFileEndsTheWalk) {
    TThemeBytes Huge;
    Huge.Integer("Kept", 1).Header({"Huge", vskDataFile, Huge.Size() + VskThemeEntryHeaderSize, 0xFFFFFFF0u, 1u << 30});
    Huge.Raw(Pattern(100)).Terminator();
    Huge.Save(Folder.File("huge.vsk"));
    const TvskThemeFileReader Reader(Folder.File("huge.vsk")); // would need 4 GB if it trusted the size
    EXPECT_EQ(Reader.GetInteger("Kept"), 1);
    EXPECT_EQ(Reader.GetFile("Huge"), nullptr);

    TThemeBytes FarAway;
    FarAway.Header({"Far", vskDataInteger, 0xFFFFFFFCu, 4, 200}).Terminator();
    EXPECT_TRUE(Walk(FarAway).empty());
    TThemeBytes NextBeyond; // a next header that cannot be read in full
    NextBeyond.Integer("Only", 1);
    NextBeyond.Header({"Last", vskDataInteger, NextBeyond.Size() + VskThemeEntryHeaderSize, 4, 0x7FFFFFFF});
    NextBeyond.Raw({1, 0, 0, 0});
    EXPECT_EQ(Walk(NextBeyond), (TNames{"Only", "Last"}));
}

TEST_F(HostileThemeFileTest, OverlappingDataCannotAddUpToMoreThanTheFile) {
    // Every entry claims the same 2,000 bytes; a reader that copied each would hold far more than the file.
    constexpr std::uint32_t SharedSize = 2000;
    TThemeBytes Bytes(VskThemeHeaderSize, VskThemeHeaderSize + SharedSize); // entries behind the shared data
    Bytes.Raw(Pattern(SharedSize));
    for (int I = 0; I < 40; ++I) {
        const std::uint32_t Here = Bytes.Size();
        Bytes.Header(
            {"Copy" + std::to_string(I), vskDataFile, VskThemeHeaderSize, SharedSize, Here + VskThemeEntryHeaderSize});
    }
    Bytes.Terminator();
    const std::size_t FileSize = Bytes.Size();
    const std::size_t Visited = Walk(Bytes).size();
    EXPECT_GE(Visited, 1u);
    EXPECT_LE(Visited * SharedSize, FileSize);
}

TEST_F(HostileThemeFileTest, EveryTruncationReadsCleanlyAndKeepsWholeEntries) {
    WriteBytes(Folder.File("img.bmp"), Pattern(300));
    TvskThemeFileWriter Writer(Folder.File("full.vsk"));
    Writer.AddFile("Image", Folder.File("img.bmp"));
    Writer.AddInteger("Number", 7);
    Writer.AddBool("Flag", true);
    Writer.Save();
    const TBytes Full = ReadBytes(Folder.File("full.vsk"));
    const std::size_t ImageEnd = 24 + 77 + 300, NumberEnd = ImageEnd + 77 + 4, FlagEnd = NumberEnd + 77 + 1;
    ASSERT_EQ(Full.size(), FlagEnd + 77);

    for (std::size_t Length = 0; Length <= Full.size(); ++Length) {
        WriteBytes(Folder.File("cut.vsk"), TBytes(Full.begin(), Full.begin() + static_cast<std::ptrdiff_t>(Length)));
        const TvskThemeFileReader Reader(Folder.File("cut.vsk"));
        EXPECT_EQ(Reader.GetFile("Image") != nullptr, Length >= ImageEnd) << Length;
        EXPECT_EQ(Reader.GetInteger("Number") == 7, Length >= NumberEnd) << Length;
        EXPECT_EQ(Reader.GetBool("Flag"), Length >= FlagEnd) << Length;
    }
}

TEST_F(HostileThemeFileTest, UnusableFileHeaderGivesNoEntries) {
    TThemeBytes Short(12);
    Short.Integer("A", 1).Terminator();
    EXPECT_TRUE(Walk(Short).empty());
    TThemeBytes Long(100000);
    Long.Integer("A", 1).Terminator();
    EXPECT_TRUE(Walk(Long).empty());
    TThemeBytes Lost(VskThemeHeaderSize, 0xFFFFFF00u);
    Lost.Integer("A", 1).Terminator();
    EXPECT_TRUE(Walk(Lost).empty());
    TThemeBytes Bigger(60); // a longer header is fine: the first entry offset says where to go
    Bigger.Integer("A", 1).Terminator();
    EXPECT_EQ(Walk(Bigger), TNames{"A"});
}

} // namespace
