#include "tests/app/HistoryFile.h"
#include "tests/support/FileBytes.h"

#include "app/CLCmdMgr.h"

#include "common/misc/CxFile.h"

#include <windows.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A file whose writes stop after a number of bytes, like a disk that fills up during a save.
class FullDiskFile : public CxFile {
public:
    explicit FullDiskFile(size_t nRoom) : m_nRoom(nRoom) {}

protected:
    bool WriteBytes(const void* pData, size_t nSize) override {
        const size_t nWritten = nSize < m_nRoom ? nSize : m_nRoom;
        m_nRoom -= nWritten;
        return CxFile::WriteBytes(pData, nWritten) && nWritten == nSize;
    }

private:
    size_t m_nRoom;
};

using CLCmdMgrTest = HistoryFileTest;

TEST_F(CLCmdMgrTest, MissingFileIsCreatedAsEmptyHistory) {
    CLCmdMgr store;
    EXPECT_TRUE(store.Load());
    EXPECT_EQ(store.GetLast(), nullptr);
    EXPECT_EQ(ReadHistory(), (TBytes{0, 0, 0, 0}));
    EXPECT_FALSE(Exists(TempPath()));
}

TEST_F(CLCmdMgrTest, SingleCommandFileIsByteExact) {
    const int32_t tAccess = 0x450AF3AB;
    CLCmdMgr store;
    const CLCmd cmd = MakeCmd("ABC", tAccess);
    ASSERT_NE(store.AddCmd(&cmd), nullptr);
    ASSERT_TRUE(store.Save());

    const TBytes expected = {0x01, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 'A',  'B',  'C',  0xAB,
                             0xF3, 0x0A, 0x45, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                             0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                             0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(ReadHistory(), expected);
    EXPECT_FALSE(Exists(TempPath()));

    CLCmdMgr reloaded;
    ASSERT_TRUE(reloaded.Load());
    const std::vector<CLCmd*> cmds = NewestFirst(reloaded);
    ASSERT_EQ(cmds.size(), 1u);
    EXPECT_STREQ(cmds[0]->szCmd, "ABC");
    EXPECT_EQ(cmds[0]->tAccess, tAccess);
}

TEST_F(CLCmdMgrTest, SaveAndLoadKeepEveryStoredFieldAndTheOrder) {
    std::string sLongest(kCmdSize - 1, ' ');
    for (size_t i = 0; i < sLongest.size(); ++i)
        sLongest[i] = static_cast<char>('A' + i % 26);

    CLCmd reserved = MakeCmd("DSPLIB", -7);
    std::strcpy(reserved.szReserved[0], "A");
    std::strcpy(reserved.szReserved[2], "z");
    std::strcpy(reserved.szReserved[3], "\xE9");
    reserved.nReserved[0] = 1;
    reserved.nReserved[1] = -2;
    reserved.nReserved[2] = INT_MAX;
    reserved.nReserved[3] = INT_MIN;
    std::strcpy(reserved.szEdit, "PENDING EDIT");

    const std::vector<CLCmd> saved = {MakeCmd(sLongest, 1000), reserved, MakeCmd("", 0), MakeCmd("DSPLIB", INT_MAX)};
    {
        CLCmdMgr store;
        for (const CLCmd& cmd : saved)
            ASSERT_NE(store.AddCmd(&cmd), nullptr);
        ASSERT_TRUE(store.Save());
    }
    const TBytes written = ReadHistory();
    // The count, then per record 40 bytes and its texts: the longest command, DSPLIB and its three reserved
    // characters, nothing, DSPLIB.
    EXPECT_EQ(written.size(), 4u + 4 * 40 + (kCmdSize - 1) + (6 + 3) + 0 + 6);

    CLCmdMgr store;
    ASSERT_TRUE(store.Load());
    const std::vector<CLCmd*> loaded = NewestFirst(store);
    ASSERT_EQ(loaded.size(), saved.size());
    for (size_t i = 0; i < saved.size(); ++i) {
        const CLCmd& expected = saved[saved.size() - 1 - i];
        const CLCmd& actual = *loaded[i];
        SCOPED_TRACE("record " + std::to_string(i) + " from the newest");
        EXPECT_STREQ(actual.szCmd, expected.szCmd);
        EXPECT_STREQ(actual.szEdit, "") << "pending edits are never stored";
        EXPECT_EQ(actual.tAccess, expected.tAccess);
        for (int n = 0; n < kReservedCount; ++n) {
            EXPECT_STREQ(actual.szReserved[n], expected.szReserved[n]);
            EXPECT_EQ(actual.nReserved[n], expected.nReserved[n]);
        }
    }

    ASSERT_TRUE(store.Save());
    EXPECT_EQ(ReadHistory(), written) << "a loaded history is written back unchanged";
}

TEST_F(CLCmdMgrTest, NonPositiveCountLoadsNothing) {
    for (const int32_t nCount : {0, -1, INT_MIN}) {
        SCOPED_TRACE(nCount);
        const TBytes file = FileImage().Int(nCount).Record("DSPLIB", 1).Get();
        WriteHistory(file);
        CLCmdMgr store;
        EXPECT_TRUE(store.Load());
        EXPECT_EQ(store.GetLast(), nullptr);
        EXPECT_EQ(ReadHistory(), file) << "loading never rewrites an existing file";
    }
}

TEST_F(CLCmdMgrTest, FileEndingEarlyKeepsTheCompleteRecords) {
    const TBytes complete = FileImage().Int(5).Record("ONE", 1).Record("TWO", 2).Get();
    const std::vector<TBytes> files = {
        FileImage().Int(5).Record("ONE", 1).Record("TWO", 2).Int(10).Raw("THR").Get(),        // ends inside a text
        FileImage().Int(5).Record("ONE", 1).Record("TWO", 2).Text("THREE").Raw("\x03").Get(), // inside a stamp
        FileImage().Int(INT_MAX).Record("ONE", 1).Record("TWO", 2).Get(), // a count the file cannot hold
        complete,
    };
    for (size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE("file " + std::to_string(i));
        WriteHistory(files[i]);
        CLCmdMgr store;
        EXPECT_TRUE(store.Load());
        EXPECT_EQ(TextsNewestFirst(store), (std::vector<std::string>{"TWO", "ONE"}));
    }
}

TEST_F(CLCmdMgrTest, OverlongStoredTextsAreCutToTheirFields) {
    const std::string sOverlong = std::string(kCmdSize - 1, 'A') + std::string(500, 'B');
    FileImage file;
    file.Int(3);
    // Command text over its field, stamp, reserved texts of 3 characters, 0, a negative length and 1 character.
    file.Text(sOverlong).Int(7).Text("XYZ").Text("").Int(-3).Text("Q").Int(1).Int(2).Int(3).Int(4);
    // Command text of negative length, stamp, empty reserved texts and integers.
    file.Int(-5).Int(8).Text("").Text("").Text("").Text("").Int(0).Int(0).Int(0).Int(0);
    file.Record("NEXT", 9);
    WriteHistory(file.Get());

    CLCmdMgr store;
    ASSERT_TRUE(store.Load());
    const std::vector<CLCmd*> cmds = NewestFirst(store);
    ASSERT_EQ(cmds.size(), 3u);
    EXPECT_STREQ(cmds[0]->szCmd, "NEXT");
    EXPECT_EQ(cmds[0]->tAccess, 9);
    EXPECT_STREQ(cmds[1]->szCmd, "");
    EXPECT_EQ(cmds[1]->tAccess, 8);

    const CLCmd& cut = *cmds[2];
    EXPECT_EQ(std::string(cut.szCmd), std::string(kCmdSize - 1, 'A'));
    EXPECT_EQ(cut.tAccess, 7);
    EXPECT_STREQ(cut.szReserved[0], "X");
    EXPECT_STREQ(cut.szReserved[1], "");
    EXPECT_STREQ(cut.szReserved[2], "");
    EXPECT_STREQ(cut.szReserved[3], "Q");
    EXPECT_EQ(cut.nReserved[0], 1);
    EXPECT_EQ(cut.nReserved[3], 4);
}

TEST_F(CLCmdMgrTest, HistoryThatCannotBeReadIsNeverReplaced) {
    ASSERT_TRUE(CreateDirectoryA(HistoryPath().c_str(), nullptr));
    {
        CLCmdMgr store;
        EXPECT_FALSE(store.Load());
        EXPECT_EQ(store.GetLast(), nullptr);
        EXPECT_NE(GetFileAttributesA(HistoryPath().c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    }
    ASSERT_TRUE(RemoveDirectoryA(HistoryPath().c_str()));

    const TBytes history = FileImage().Int(1).Record("ABC", 5).Get();
    WriteHistory(history);
    HANDLE hLock = CreateFileA(HistoryPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hLock, INVALID_HANDLE_VALUE);
    CLCmdMgr store;
    EXPECT_FALSE(store.Load());
    const CLCmd cmd = MakeCmd("NEW", 6);
    store.AddCmd(&cmd);
    EXPECT_FALSE(store.Save()) << "a history without the unread records must not replace the file";
    CloseHandle(hLock);
    EXPECT_EQ(ReadHistory(), history);
    EXPECT_FALSE(Exists(TempPath()));

    ASSERT_TRUE(store.Load()) << "once readable, the file loads again";
    EXPECT_EQ(TextsNewestFirst(store), (std::vector<std::string>{"ABC"}));
}

TEST_F(CLCmdMgrTest, FailedSaveLeavesTheOldHistory) {
    {
        CLCmdMgr store;
        const CLCmd cmds[] = {MakeCmd("OLD1", 1), MakeCmd("OLD2", 2)};
        for (const CLCmd& cmd : cmds)
            store.AddCmd(&cmd);
        ASSERT_TRUE(store.Save());
    }
    const TBytes old = ReadHistory();
    // Room for nothing, for part of the count, for the count and part of a text, and for all but the last byte.
    const size_t newSize = old.size() + 40 + 3;
    for (const size_t nRoom : {size_t{0}, size_t{2}, size_t{10}, newSize - 1}) {
        SCOPED_TRACE(nRoom);
        CLCmdMgr store(std::make_unique<FullDiskFile>(nRoom));
        ASSERT_TRUE(store.Load());
        const CLCmd cmd = MakeCmd("NEW", 3);
        store.AddCmd(&cmd);
        EXPECT_FALSE(store.Save());
        EXPECT_EQ(ReadHistory(), old);
        EXPECT_FALSE(Exists(TempPath()));
    }

    CLCmdMgr store(std::make_unique<FullDiskFile>(newSize));
    ASSERT_TRUE(store.Load());
    const CLCmd cmd = MakeCmd("NEW", 3);
    store.AddCmd(&cmd);
    EXPECT_TRUE(store.Save()) << "exactly enough room";
    CLCmdMgr reloaded;
    ASSERT_TRUE(reloaded.Load());
    EXPECT_EQ(TextsNewestFirst(reloaded), (std::vector<std::string>{"NEW", "OLD2", "OLD1"}));
}

TEST_F(CLCmdMgrTest, AddCmdKeepsItsOwnCopy) {
    CLCmdMgr store;
    CLCmd cmd = MakeCmd("DSPLIB", 4);
    std::strcpy(cmd.szEdit, "EDITING");
    CLCmd* pStored = store.AddCmd(&cmd);
    ASSERT_NE(pStored, nullptr);
    EXPECT_NE(pStored, &cmd);
    std::strcpy(cmd.szCmd, "CHANGED");
    EXPECT_STREQ(pStored->szCmd, "DSPLIB");
    EXPECT_STREQ(pStored->szEdit, "EDITING") << "the whole record is copied";

    const CLCmd* pZero = store.AddCmd(nullptr);
    ASSERT_NE(pZero, nullptr);
    const CLCmd zero = {};
    EXPECT_EQ(std::memcmp(pZero, &zero, sizeof(zero)), 0);
    EXPECT_EQ(store.GetLast(), pZero) << "appended as the newest";
}

TEST_F(CLCmdMgrTest, RemoveCmdGoesByIdentity) {
    CLCmdMgr store;
    const CLCmd cmds[] = {MakeCmd("A", 1), MakeCmd("B", 2), MakeCmd("C", 3)};
    CLCmd* pB = nullptr;
    for (const CLCmd& cmd : cmds) {
        CLCmd* pAdded = store.AddCmd(&cmd);
        if (cmd.szCmd[0] == 'B') pB = pAdded;
    }
    CLCmd lookalike = MakeCmd("B", 2);
    EXPECT_EQ(store.RemoveCmd(&lookalike), nullptr);
    EXPECT_EQ(store.RemoveCmd(nullptr), nullptr);
    EXPECT_EQ(TextsNewestFirst(store), (std::vector<std::string>{"C", "B", "A"}));

    EXPECT_EQ(store.RemoveCmd(pB), pB);
    EXPECT_EQ(TextsNewestFirst(store), (std::vector<std::string>{"C", "A"}));
    EXPECT_STREQ(pB->szCmd, "B") << "the removed record is handed over, not released";
    delete pB;
}

// Each undo puts the most recent delete back where it stood, with its own stamp; the file has it after a Save.
TEST_F(CLCmdMgrTest, UndoDeleteRestoresPositionsAndStampsNewestDeleteFirst) {
    CLCmdMgr store;
    for (const char* sz : {"A", "B", "C", "D", "E"}) {
        const CLCmd cmd = MakeCmd(sz, sz[0]);
        store.AddCmd(&cmd);
    }
    std::vector<CLCmd*> cmds = NewestFirst(store); // E D C B A
    EXPECT_FALSE(store.CanUndoDelete());
    EXPECT_EQ(store.DeleteCmd(cmds[1]), cmds[1]); // D, position 3
    EXPECT_EQ(store.DeleteCmd(cmds[4]), cmds[4]); // A, position 0
    EXPECT_EQ(store.DeleteCmd(cmds[0]), cmds[0]); // E, the newest, position 2 of what was left
    CLCmd lookalike = MakeCmd("B", 'B');
    EXPECT_EQ(store.DeleteCmd(&lookalike), nullptr);
    EXPECT_EQ(TextsNewestFirst(store), (std::vector<std::string>{"C", "B"}));

    unsigned nIndex = 99;
    ASSERT_EQ(store.UndoDelete(&nIndex), cmds[0]);
    EXPECT_EQ(nIndex, 2u);
    ASSERT_EQ(store.UndoDelete(&nIndex), cmds[4]);
    EXPECT_EQ(nIndex, 0u);
    EXPECT_EQ(TextsNewestFirst(store), (std::vector<std::string>{"E", "C", "B", "A"}));
    ASSERT_EQ(store.UndoDelete(&nIndex), cmds[1]);
    EXPECT_EQ(nIndex, 3u);
    EXPECT_EQ(store.UndoDelete(&nIndex), nullptr) << "nothing left to undo";
    EXPECT_FALSE(store.CanUndoDelete());

    ASSERT_TRUE(store.Save());
    FileImage image;
    image.Int(5);
    for (const char* sz : {"A", "B", "C", "D", "E"})
        image.Record(sz, sz[0]);
    EXPECT_EQ(ReadHistory(), image.Get());
}

} // namespace
