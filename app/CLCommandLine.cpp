#include "app/CLCommandLine.h"

#include "app/Apputil.h"
#include "app/CLCmdExport.h"
#include "app/CLCmdMgr.h"

#include <windows.h>

#include <cstring>
#include <string>

namespace {
constexpr const char* kExportOption = "--export";
constexpr const char* kImportOption = "--import";
constexpr const char* kUsage = "Usage: vantrel.exe --export FILE | --import FILE\n";
// The program's name, the option and the file.
constexpr int kFormArgs = 3;

// A program of the GUI subsystem starts without a console: messages go to the console of whoever started it, when
// there is one, unless the standard error stream was given one already (redirected to a file, say).
FILE* CallerConsole() {
    const HANDLE hError = GetStdHandle(STD_ERROR_HANDLE);
    if ((hError == nullptr || hError == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS))
        std::freopen("CONOUT$", "w", stderr);
    return stderr;
}

// The history beside the program; a history file that exists but cannot be read is never worked on.
bool LoadHistory(CLCmdMgr& cmdMgr, FILE* fpMessages) {
    if (cmdMgr.Load()) return true;
    char szPath[kPathSize] = "";
    cmdMgr.GetFilePath(szPath);
    std::fprintf(fpMessages, "The command history %s could not be read.\n", szPath);
    return false;
}

int Export(const char* szFile, FILE* fpMessages) {
    CLCmdMgr cmdMgr;
    if (!LoadHistory(cmdMgr, fpMessages)) return kExitFailed;
    std::string sError;
    if (ExportHistory(cmdMgr, szFile, sError)) return kExitDone;
    std::fprintf(fpMessages, "%s\n", sError.c_str());
    return kExitFailed;
}

int Import(const char* szFile, FILE* fpMessages) {
    CLCmdMgr cmdMgr;
    if (!LoadHistory(cmdMgr, fpMessages)) return kExitFailed;
    CLImportReport report;
    const bool bOk = ImportHistory(cmdMgr, szFile, report);
    std::fputs(report.sNotes.c_str(), fpMessages);
    if (!bOk) return kExitFailed;
    return report.nSkipped > 0 ? kExitLinesSkipped : kExitDone;
}
} // namespace

int RunCommandLine(int nArgs, const char* const* pszArgs, FILE* fpMessages) {
    if (nArgs < 2) return -1;
    const bool bExport = std::strcmp(pszArgs[1], kExportOption) == 0;
    const bool bImport = std::strcmp(pszArgs[1], kImportOption) == 0;
    if (!bExport && !bImport) return -1;
    if (!fpMessages) fpMessages = CallerConsole();
    if (nArgs != kFormArgs || !*pszArgs[2]) {
        std::fputs(kUsage, fpMessages);
        return kExitFailed;
    }
    if (!g_hInst) g_hInst = GetModuleHandleA(nullptr);
    return bExport ? Export(pszArgs[2], fpMessages) : Import(pszArgs[2], fpMessages);
}
