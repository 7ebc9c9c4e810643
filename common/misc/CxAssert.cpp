#include "common/misc/CxAssert.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdio>
#include <cstdlib>

namespace {
// Enough for the expression, a full path and the line number.
constexpr int kReportSize = 1024;
} // namespace

// No message box: the report must reach a console or a debugger even when no window can be shown (tests, a broken
// message loop), and abort() stops the process without running code that may depend on the broken state.
void CxAssertFailed(const char* szExpr, const char* szFile, int nLine) {
    char szReport[kReportSize];
    std::snprintf(szReport, sizeof(szReport), "Assertion failed: %s, file %s, line %d\n", szExpr, szFile, nLine);
    std::fputs(szReport, stderr);
    std::fflush(stderr);
#ifdef _WIN32
    OutputDebugStringA(szReport);
#endif
    std::abort();
}
