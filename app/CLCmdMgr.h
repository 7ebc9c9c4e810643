#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class CxFile;
class CxList;

// Room for a command text: at most 1023 characters and the terminator.
constexpr int kCmdSize = 1024;
// Reserved slots of a record, kept for later use: texts of one character and integers.
constexpr int kReservedCount = 4;
constexpr int kReservedTextSize = 2;
// Room for a formatted stamp ("09/15/2006 20:28:27" and more).
constexpr int kStampSize = 64;

// One command of the history. A fixed-size plain record, copied as a whole.
struct CLCmd {
    char szCmd[kCmdSize];  // the command text
    char szEdit[kCmdSize]; // pending edit text while the record is open in the editor; never stored in the file
    int32_t tAccess;       // last access: seconds since 1970-01-01 00:00:00 UTC, read as unsigned (up to 2106)
    char szReserved[kReservedCount][kReservedTextSize];
    int32_t nReserved[kReservedCount];
};

// The command history: records oldest first, kept in memory and in the file cmdlist.dat in the program's own
// directory, which is read whole at start-up and rewritten whole after every change.
//
// The records and the file's encoding (CLCmdMgr.cpp) are portable; finding the file beside the program,
// replacing it in one step and showing stamps in local time (CLCmdMgrWin.cpp) need Windows.
class CLCmdMgr {
public:
    CLCmdMgr();
    // Uses pFile for all file access (a test passes one whose writes fail).
    explicit CLCmdMgr(std::unique_ptr<CxFile> pFile);
    virtual ~CLCmdMgr();

    bool Load();
    bool Save();
    void Clear();
    // Replace the records by those of the history file at szPath / write them all to it. Load and Save go
    // through these with their own paths; they take any path so that a history can be read from elsewhere.
    bool LoadFrom(const char* szPath);
    bool SaveTo(const char* szPath);

    CLCmd* AddCmd(const CLCmd* pCmd);
    CLCmd* RemoveCmd(CLCmd* pCmd);
    CLCmd* GetLast();
    CLCmd* GetPrev();
    unsigned GetCount() const;

    // Deleting keeps the record aside, with its position, until the store is destroyed, so that it can be put
    // back: UndoDelete returns the most recently deleted record to its old position (counted from the oldest,
    // into *pnIndex) with its old stamp and text, one per call; null when nothing is left to undo.
    CLCmd* DeleteCmd(CLCmd* pCmd);
    CLCmd* UndoDelete(unsigned* pnIndex);
    bool CanUndoDelete() const { return !m_vecDeleted.empty(); }

    void StampNow(CLCmd* pCmd);
    void FormatStamp(const CLCmd* pCmd, char* szBuf, int nSize);

    bool ReadCmd(CLCmd* pCmd);
    bool WriteCmd(const CLCmd* pCmd);

    // The history file's full path into szPath (at least kPathSize bytes); false when it cannot be known.
    bool GetFilePath(char* szPath) const { return GetFilePath(szPath, ""); }

private:
    bool GetFilePath(char* szPath, const char* szSuffix) const;

    std::unique_ptr<CxList> m_pList; // elements are the CLCmd records, owned by the store, not by the list
    std::unique_ptr<CxFile> m_pFile; // open only inside Load and Save
    struct Deleted {
        unsigned nIndex; // where the record stood, counted from the oldest
        std::unique_ptr<CLCmd> pCmd;
    };
    std::vector<Deleted> m_vecDeleted; // the most recent delete last
    bool m_bFileUnreadable;          // the file exists but the last Load could not read it
};
