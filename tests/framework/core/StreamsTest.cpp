// Memory and file streams.

#include "tests/support/RaisedMessage.h"
#include "tests/support/ScratchFolder.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(MemoryStream, ReadsWritesSeeksAndGrows) {
    TMemoryStream S;
    S.WriteBuffer("abcdef", 6);
    EXPECT_EQ(S.Size(), 6);
    EXPECT_EQ(S.Seek(-2, soEnd), 4);
    S.WriteBuffer("XYZ", 3); // overwrites two bytes and grows by one
    EXPECT_EQ(S.Size(), 7);
    S.SetPosition(0);
    char Buffer[8] = {};
    EXPECT_EQ(S.Read(Buffer, 100), 7);
    EXPECT_STREQ(Buffer, "abcdXYZ");
    EXPECT_EQ(S.Read(Buffer, 1), 0);
    EXPECT_THROW(S.ReadBuffer(Buffer, 1), EReadError);
    EXPECT_THROW(S.Seek(-1, soBeginning), EStreamError);

    S.SetSize(2);
    EXPECT_EQ(S.Position(), 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(S.Memory()), 2), "ab");
    S.Clear();
    EXPECT_EQ(S.Size(), 0);
}

TEST(MemoryStream, CopyFromCopiesAPartOrTheWholeSource) {
    TMemoryStream Source;
    Source.WriteBuffer("0123456789", 10);
    TMemoryStream Dest;
    Source.SetPosition(3);
    EXPECT_EQ(Dest.CopyFrom(Source, 4), 4);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(Dest.Memory()), 4), "3456");
    EXPECT_EQ(Dest.CopyFrom(Source, 0), 10) << "0 copies all from the start";
    EXPECT_EQ(Dest.Size(), 14);
    Source.SetPosition(8);
    EXPECT_THROW(Dest.CopyFrom(Source, 5), EReadError);
}

TEST(FileStream, WritesAndReadsBackAFile) {
    const TScratchFolder Folder;
    const std::string Path = Folder.File("stream.bin");
    {
        TFileStream Out(Path, fmCreate);
        Out.WriteBuffer("hello world", 11);
        Out.SetPosition(6);
        char Word[5];
        Out.ReadBuffer(Word, 5); // switching from writing to reading
        EXPECT_EQ(std::string(Word, 5), "world");
        Out.WriteBuffer("!", 1);
        EXPECT_EQ(Out.Size(), 12);
        Out.SetSize(5);
        EXPECT_EQ(Out.Size(), 5);
    }
    TMemoryStream In;
    In.LoadFromFile(Path);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(In.Memory()), 5), "hello");
    {
        TFileStream ReadOnly(Path, fmOpenRead | fmShareDenyNone);
        EXPECT_THROW(ReadOnly.WriteBuffer("x", 1), EWriteError);
    }
}

TEST(FileStream, OpenFailuresNameTheFile) {
    const TScratchFolder Folder;
    const std::string Missing = Folder.File("no_such_dir/none.bin");
    EXPECT_EQ(RaisedMessage<EFOpenError>([&] { TFileStream S(Missing, fmOpenRead); }),
              "Cannot open file \"" + Missing + "\"");
    EXPECT_THROW(TFileStream(Missing, fmCreate), EFCreateError);
}

#ifdef _WIN32
TEST(FileStream, ShareModesAreHonoured) {
    const TScratchFolder Folder;
    const std::string Path = Folder.File("share.bin");
    TMemoryStream().SaveToFile(Path);
    {
        TFileStream Exclusive(Path, fmOpenReadWrite | fmShareExclusive);
        EXPECT_THROW(TFileStream(Path, fmOpenRead | fmShareDenyNone), EFOpenError);
    }
    {
        TFileStream Reader(Path, fmOpenRead | fmShareDenyWrite);
        EXPECT_NO_THROW(TFileStream(Path, fmOpenRead | fmShareDenyNone));
        EXPECT_THROW(TFileStream(Path, fmOpenReadWrite | fmShareDenyNone), EFOpenError);
    }
}
#endif

} // namespace
