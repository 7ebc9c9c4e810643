#include "app/Apputil.h"

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>

HINSTANCE g_hInst = nullptr;

// A module name that fills the whole buffer may have been cut off, so it is refused rather than half used.
bool GetAppDir(HINSTANCE hInst, char* szDir) {
    if (!szDir) return false;
    char szModule[kPathSize];
    const DWORD nLen = GetModuleFileNameA(hInst, szModule, sizeof(szModule));
    if (nLen == 0 || nLen >= sizeof(szModule)) return false;
    char szDrive[_MAX_DRIVE];
    char szPath[_MAX_DIR];
    _splitpath(szModule, szDrive, szPath, nullptr, nullptr);
    return std::snprintf(szDir, kPathSize, "%s%s", szDrive, szPath) < kPathSize;
}

// The shell's result is not checked: a help page that does not open is not worth an error of its own.
bool ShellOpen(const char* szTarget) {
    if (!szTarget || !*szTarget) return false;
    ShellExecuteA(nullptr, "open", szTarget, "", "", SW_SHOW);
    return true;
}
