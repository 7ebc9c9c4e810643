#include "app/CLCmdMgr.h"

#include "app/Apputil.h"
#include "common/misc/CxAssert.h"
#include "common/misc/CxDateTime.h"

#include <windows.h>

#include <cstdio>
#include <ctime>

namespace {
constexpr const char* kFileName = "cmdlist.dat";
// The new history is written next to the old one under this suffix, then moved over it in one step.
constexpr const char* kTempSuffix = ".tmp";

// Only a file that is really not there may be created; any other failure to open it (locked, no access, a
// directory of that name) must leave it alone.
bool IsMissing(const char* szPath) {
    if (GetFileAttributesA(szPath) != INVALID_FILE_ATTRIBUTES) return false;
    const DWORD nError = GetLastError();
    return nError == ERROR_FILE_NOT_FOUND || nError == ERROR_PATH_NOT_FOUND;
}
} // namespace

// Replaces the records by the file's (see LoadFrom). A missing file is created empty.
bool CLCmdMgr::Load() {
    m_bFileUnreadable = false;
    char szPath[kPathSize];
    if (!GetFilePath(szPath, "")) {
        Clear();
        return false;
    }
    if (LoadFrom(szPath)) return true;
    if (!IsMissing(szPath)) {
        m_bFileUnreadable = true;
        return false;
    }
    return Save();
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
    const bool bOk =
        SaveTo(szTemp) && MoveFileExA(szTemp, szPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!bOk) DeleteFileA(szTemp);
    return bOk;
}

// Stamps past 2038 no longer fit a signed 32-bit number; stored as the same 32 bits, they read back as unsigned.
void CLCmdMgr::StampNow(CLCmd* pCmd) {
    if (pCmd) pCmd->tAccess = static_cast<int32_t>(static_cast<uint32_t>(std::time(nullptr)));
}

// Local date and time, month first, 24-hour clock. The stored 32 bits are unsigned seconds since 1970 (this program
// never wrote a stamp before 1970), so stamps up to 2106 show as they are. A stamp that the runtime library cannot
// convert shows the current time; a null record shows nothing.
void CLCmdMgr::FormatStamp(const CLCmd* pCmd, char* szBuf, int nSize) {
    CX_ASSERT(szBuf && nSize > 0);
    *szBuf = '\0';
    if (!pCmd) return;
    CxDateTime dt;
    const time_t t = static_cast<uint32_t>(pCmd->tAccess);
    dt.SetTime(&t);
    char szStamp[kStampSize];
    dt.Format(szStamp);
    std::snprintf(szBuf, nSize, "%s", szStamp);
}

// The history file, or a companion of it (szSuffix), in the program's own directory.
bool CLCmdMgr::GetFilePath(char* szPath, const char* szSuffix) const {
    char szDir[kPathSize];
    if (!GetAppDir(g_hInst, szDir)) return false;
    const int nLen = std::snprintf(szPath, kPathSize, "%s%s%s", szDir, kFileName, szSuffix);
    return nLen > 0 && nLen < kPathSize;
}
