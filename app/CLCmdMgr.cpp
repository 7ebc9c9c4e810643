#include "app/CLCmdMgr.h"

#include "app/Apputil.h"
#include "common/misc/CxAssert.h"
#include "common/misc/CxDateTime.h"
#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <new>

namespace {
constexpr const char* kFileName = "cmdlist.dat";
// The new history is written next to the old one under this suffix, then moved over it in one step.
constexpr const char* kTempSuffix = ".tmp";
// The file starts with the record count.
constexpr long long kCountBytes = sizeof(int32_t);
// The smallest stored record: ten integers (text length, stamp, four reserved text lengths, four reserved integers).
constexpr long long kMinRecordBytes = 10 * sizeof(int32_t);

// Only a file that is really not there may be created; any other failure to open it (locked, no access, a
// directory of that name) must leave it alone.
bool IsMissing(const char* szPath) {
    if (GetFileAttributesA(szPath) != INVALID_FILE_ATTRIBUTES) return false;
    const DWORD nError = GetLastError();
    return nError == ERROR_FILE_NOT_FOUND || nError == ERROR_PATH_NOT_FOUND;
}
} // namespace

CLCmdMgr::CLCmdMgr() : CLCmdMgr(std::make_unique<CxFile>()) {}

CLCmdMgr::CLCmdMgr(std::unique_ptr<CxFile> pFile)
    : m_pList(std::make_unique<CxList>()), m_pFile(std::move(pFile)), m_bFileUnreadable(false) {}

CLCmdMgr::~CLCmdMgr() {
    Clear();
}

// Replaces the records by the file's. A missing file is created empty. A file that ends early keeps the records
// read completely so far; a count larger than the file could hold is cut to what its size allows.
bool CLCmdMgr::Load() {
    Clear();
    m_bFileUnreadable = false;
    char szPath[kPathSize];
    if (!GetFilePath(szPath, "")) return false;
    if (!m_pFile->Open(szPath, "rb")) {
        if (!IsMissing(szPath)) {
            m_bFileUnreadable = true;
            return false;
        }
        return Save();
    }
    int nCount = 0;
    long long nSize = 0;
    if (m_pFile->ReadInt(&nCount) && m_pFile->GetSize(&nSize)) {
        nCount = static_cast<int>(std::min<long long>(nCount, (nSize - kCountBytes) / kMinRecordBytes));
    }
    for (int i = 0; i < nCount; ++i) {
        CLCmd cmd = {};
        if (!ReadCmd(&cmd) || !AddCmd(&cmd)) break;
    }
    m_pFile->Close();
    return true;
}

// Writes the whole history to a temporary file beside the real one, forces it onto the disk and only then moves it
// over the old file in one step: a crash, a full disk or a power cut leaves either the old or the new history,
// never a broken one. A file that exists but could not be read at Load is not replaced, so its records are not
// lost to a history that lacks them.
bool CLCmdMgr::Save() {
    if (m_bFileUnreadable) return false;
    char szPath[kPathSize];
    char szTemp[kPathSize];
    if (!GetFilePath(szPath, "") || !GetFilePath(szTemp, kTempSuffix)) return false;
    if (!m_pFile->Open(szTemp, "wb")) return false;
    bool bOk = m_pFile->WriteInt(static_cast<int>(m_pList->GetCount()));
    for (auto* pCmd = static_cast<CLCmd*>(m_pList->GetFirst()); bOk && pCmd;
         pCmd = static_cast<CLCmd*>(m_pList->GetNext())) {
        bOk = WriteCmd(pCmd);
    }
    bOk = bOk && m_pFile->Commit();
    bOk = m_pFile->Close() && bOk;
    bOk = bOk && MoveFileExA(szTemp, szPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!bOk) DeleteFileA(szTemp);
    return bOk;
}

void CLCmdMgr::Clear() {
    for (auto* pCmd = static_cast<CLCmd*>(m_pList->GetFirst()); pCmd; pCmd = static_cast<CLCmd*>(m_pList->GetNext())) {
        delete pCmd;
    }
    m_pList->RemoveAll();
}

// The store keeps its own copy, appended as the newest record; a null pCmd adds an all-zero record.
CLCmd* CLCmdMgr::AddCmd(const CLCmd* pCmd) {
    CLCmd* pNew = pCmd ? new (std::nothrow) CLCmd(*pCmd) : new (std::nothrow) CLCmd();
    if (pNew) m_pList->Add(pNew);
    return pNew;
}

// Found by identity, not by content; the caller owns the record afterwards.
CLCmd* CLCmdMgr::RemoveCmd(CLCmd* pCmd) {
    return m_pList->Remove(pCmd) ? pCmd : nullptr;
}

CLCmd* CLCmdMgr::GetLast() {
    return static_cast<CLCmd*>(m_pList->GetLast());
}

CLCmd* CLCmdMgr::GetPrev() {
    return static_cast<CLCmd*>(m_pList->GetPrev());
}

void CLCmdMgr::StampNow(CLCmd* pCmd) {
    if (pCmd) pCmd->tAccess = static_cast<int32_t>(std::time(nullptr));
}

// Local date and time, month first, 24-hour clock. A stamp that the runtime library cannot convert shows the
// current time; a null record shows nothing.
void CLCmdMgr::FormatStamp(const CLCmd* pCmd, char* szBuf, int nSize) {
    CX_ASSERT(szBuf && nSize > 0);
    *szBuf = '\0';
    if (!pCmd) return;
    CxDateTime dt;
    const time_t t = pCmd->tAccess;
    dt.SetTime(&t);
    char szStamp[kStampSize];
    dt.Format(szStamp);
    std::snprintf(szBuf, nSize, "%s", szStamp);
}

// Texts longer than their fields are cut to them (see CxFile::ReadString); szEdit is never stored.
bool CLCmdMgr::ReadCmd(CLCmd* pCmd) {
    CX_ASSERT(pCmd);
    bool bOk = m_pFile->ReadString(pCmd->szCmd, nullptr, sizeof(pCmd->szCmd)) && m_pFile->ReadInt(&pCmd->tAccess);
    for (char* szReserved : pCmd->szReserved)
        bOk = bOk && m_pFile->ReadString(szReserved, nullptr, kReservedTextSize);
    for (int32_t& nReserved : pCmd->nReserved)
        bOk = bOk && m_pFile->ReadInt(&nReserved);
    return bOk;
}

bool CLCmdMgr::WriteCmd(const CLCmd* pCmd) {
    CX_ASSERT(pCmd);
    bool bOk = m_pFile->WriteString(pCmd->szCmd) && m_pFile->WriteInt(pCmd->tAccess);
    for (const char* szReserved : pCmd->szReserved)
        bOk = bOk && m_pFile->WriteString(szReserved);
    for (const int32_t nReserved : pCmd->nReserved)
        bOk = bOk && m_pFile->WriteInt(nReserved);
    return bOk;
}

// The history file, or a companion of it (szSuffix), in the program's own directory.
bool CLCmdMgr::GetFilePath(char* szPath, const char* szSuffix) const {
    char szDir[kPathSize];
    if (!GetAppDir(g_hInst, szDir)) return false;
    const int nLen = std::snprintf(szPath, kPathSize, "%s%s%s", szDir, kFileName, szSuffix);
    return nLen > 0 && nLen < kPathSize;
}
