// Export and import of the history as text: the file a user gets, what an import takes from files written by
// hand, and that an import that cannot finish leaves the history as it was, in memory and on the disk.
#include "tests/app/HistoryFile.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScratchFolder.h"

#include "app/CLCmdExport.h"
#include "app/CLCmdMgr.h"
#include "app/CLCommandLine.h"

#include <windows.h>

#include <ctime>
#include <string>
#include <vector>

namespace {

std::string ReadText(const std::string& sPath) {
    const TBytes bytes = ReadBytes(sPath);
    return std::string(bytes.begin(), bytes.end());
}

void WriteText(const std::string& sPath, const std::string& sText) {
    WriteBytes(sPath, TBytes(sText.begin(), sText.end()));
}

struct Stamped {
    std::string sCmd;
    int32_t tAccess;
    bool operator==(const Stamped&) const = default;
};

std::vector<Stamped> Records(CLCmdMgr& store) {
    std::vector<Stamped> records;
    for (const CLCmd* pCmd : NewestFirst(store))
        records.push_back({pCmd->szCmd, pCmd->tAccess});
    return records;
}

class CLCmdExportTest : public HistoryFileTest {
protected:
    TScratchFolder m_folder;
    CLCmdMgr m_store;

    void Fill(const std::vector<Stamped>& oldestFirst) {
        for (const Stamped& each : oldestFirst) {
            const CLCmd cmd = MakeCmd(each.sCmd, each.tAccess);
            m_store.AddCmd(&cmd);
        }
        ASSERT_TRUE(m_store.Save());
    }
};

TEST_F(CLCmdExportTest, ExportThenImportIntoAnEmptyHistoryGivesTheSameCommandsAndStamps) {
    const int32_t tFirst = static_cast<int32_t>(LocalStamp(2006, 9, 15, 20, 28, 27));
    const int32_t tSecond = static_cast<int32_t>(LocalStamp(2031, 2, 3, 8, 5, 9));
    Fill({{"DSPLIB QGPL", tFirst}, {"CHGOBJ OBJ('/home/Ab')\tX", tSecond}, {"WRKSPLF", tSecond}});
    const std::string sExport = m_folder.File("history.txt");
    std::string sError;
    ASSERT_TRUE(ExportHistory(m_store, sExport.c_str(), sError)) << sError;
    EXPECT_EQ(ReadText(sExport).substr(0, 35), "DSPLIB QGPL\t09/15/2006 20:28:27\r\nCH")
        << "oldest first, the stamp as the list shows it after a tab";
    const std::vector<Stamped> exported = Records(m_store);

    m_store.Clear();
    ASSERT_TRUE(m_store.Save());
    CLImportReport report;
    ASSERT_TRUE(ImportHistory(m_store, sExport.c_str(), report)) << report.sNotes;
    EXPECT_EQ(report.nAdded, 3);
    EXPECT_EQ(report.sNotes, "");
    EXPECT_EQ(Records(m_store), exported) << "a tab inside a command stays part of it";

    CLCmdMgr reloaded;
    ASSERT_TRUE(reloaded.Load());
    EXPECT_EQ(Records(reloaded), exported) << "the import is in the history file";
}

TEST_F(CLCmdExportTest, ImportSkipsBlankOverlongAndKnownLinesAndNamesTheLines) {
    Fill({{"DSPLIB", 7}});
    const std::string sImport = m_folder.File("list.txt");
    WriteText(sImport, "WRKACTJOB\n"
                       "\r\n"
                       "   \t \n" +
                           std::string(1024, 'X') + "\n" + std::string(1023, 'Y') +
                           "\r\n"
                           "DSPLIB\n"
                           "WRKACTJOB\t12/31/1999 23:59:59\n"
                           "SNDMSG MSG('tab\tinside')\t1158352107\n"
                           "CALL PGM(A)\tnot a stamp");
    const int32_t tBefore = static_cast<int32_t>(time(nullptr));
    CLImportReport report;
    ASSERT_TRUE(ImportHistory(m_store, sImport.c_str(), report));
    EXPECT_EQ(report.nAdded, 4);
    EXPECT_EQ(report.nDuplicates, 2) << "DSPLIB was in the history, WRKACTJOB twice in the file";
    EXPECT_EQ(report.nSkipped, 1);
    EXPECT_EQ(report.sNotes, sImport + ", line 4: longer than 1023 characters, skipped.\n");

    const std::vector<Stamped> records = Records(m_store);
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[4], (Stamped{"DSPLIB", 7}));
    EXPECT_EQ(records[3].sCmd, "WRKACTJOB");
    EXPECT_GE(records[3].tAccess, tBefore) << "a line without a stamp gets the time of the import";
    EXPECT_EQ(records[2].sCmd, std::string(1023, 'Y')) << "1023 characters still fit";
    EXPECT_EQ(records[1], (Stamped{"SNDMSG MSG('tab\tinside')", 1158352107}));
    EXPECT_EQ(records[0].sCmd, "CALL PGM(A)\tnot a stamp");
}

// Neither a file that cannot be read nor a history file that cannot be written may leave part of an import.
TEST_F(CLCmdExportTest, FailedImportAddsNothingAndLeavesTheHistoryFileByteIdentical) {
    Fill({{"DSPLIB", 7}, {"WRKSPLF", 8}});
    const TBytes before = ReadHistory();
    CLImportReport missing;
    const std::string sMissing = m_folder.File("missing.txt");
    EXPECT_FALSE(ImportHistory(m_store, sMissing.c_str(), missing));
    EXPECT_EQ(missing.sNotes, sMissing + " could not be read; nothing was imported.\n");

    const std::string sImport = m_folder.File("list.txt");
    WriteText(sImport, "A\nB\nC\n");
    ASSERT_TRUE(CreateDirectoryA(TempPath().c_str(), nullptr)) << "the new history cannot be written beside the old";
    CLImportReport report;
    EXPECT_FALSE(ImportHistory(m_store, sImport.c_str(), report));
    RemoveDirectoryA(TempPath().c_str());
    EXPECT_EQ(report.nAdded, 0);
    EXPECT_NE(report.sNotes.find("nothing was imported"), std::string::npos);
    EXPECT_EQ(Records(m_store), (std::vector<Stamped>{{"WRKSPLF", 8}, {"DSPLIB", 7}}));
    EXPECT_EQ(ReadHistory(), before);
}

TEST_F(CLCmdExportTest, ExportThatCannotBeWrittenKeepsTheOldFileAndSaysWhere) {
    Fill({{"DSPLIB", 7}});
    const std::string sExport = m_folder.File("history.txt");
    WriteText(sExport, "kept");
    ASSERT_TRUE(CreateDirectoryA((sExport + ".tmp").c_str(), nullptr));
    std::string sError;
    EXPECT_FALSE(ExportHistory(m_store, sExport.c_str(), sError));
    EXPECT_EQ(sError, "The command history could not be written to " + sExport + ".");
    EXPECT_EQ(ReadText(sExport), "kept");
    RemoveDirectoryA((sExport + ".tmp").c_str());
}

// The forms run as the program runs them, with the history file beside the test program; what they say goes to
// a file here instead of the caller's console.
TEST_F(CLCmdExportTest, CommandLineFormsExportAndImportWithTheirExitCodes) {
    Fill({{"DSPLIB", 7}, {"WRKSPLF", 8}});
    const std::string sMessages = m_folder.File("messages.txt");
    auto run = [&](std::vector<const char*> args, std::string& sSaid) {
        args.insert(args.begin(), "vantrel.exe");
        FILE* fp = std::fopen(sMessages.c_str(), "wb");
        const int nExit = RunCommandLine(static_cast<int>(args.size()), args.data(), fp);
        std::fclose(fp);
        sSaid = ReadText(sMessages);
        return nExit;
    };
    std::string sSaid;
    EXPECT_EQ(run({}, sSaid), -1) << "no form: the window opens";
    EXPECT_EQ(run({"/nologo"}, sSaid), -1);
    EXPECT_EQ(run({"--export"}, sSaid), kExitFailed);
    EXPECT_EQ(sSaid, "Usage: vantrel.exe --export FILE | --import FILE\n");

    const std::string sExport = m_folder.File("out.txt");
    EXPECT_EQ(run({"--export", sExport.c_str()}, sSaid), kExitDone);
    EXPECT_EQ(sSaid, "");
    EXPECT_EQ(ReadText(sExport).find("WRKSPLF\t"), 28u) << "the second line";

    const std::string sImport = m_folder.File("in.txt");
    WriteText(sImport, "DSPLIB\nCALL PGM(X)\n" + std::string(2000, 'Z') + "\n");
    EXPECT_EQ(run({"--import", sImport.c_str()}, sSaid), kExitLinesSkipped);
    EXPECT_EQ(sSaid, sImport + ", line 3: longer than 1023 characters, skipped.\n");
    CLCmdMgr reloaded;
    ASSERT_TRUE(reloaded.Load());
    EXPECT_EQ(TextsNewestFirst(reloaded), (std::vector<std::string>{"CALL PGM(X)", "WRKSPLF", "DSPLIB"}));

    const TBytes before = ReadHistory();
    EXPECT_EQ(run({"--import", m_folder.File("none.txt").c_str()}, sSaid), kExitFailed);
    EXPECT_EQ(sSaid, m_folder.File("none.txt") + " could not be read; nothing was imported.\n");
    EXPECT_EQ(ReadHistory(), before);
}

} // namespace
