#pragma once

// Stops the program on a programming error (a null buffer, a file operation without an open file, a broken list
// cursor). The report names the failed expression exactly as written, the source file and the line, so that the
// faulty call can be found from a user's report without a debugger.
#define CX_ASSERT(expr) ((expr) ? static_cast<void>(0) : CxAssertFailed(#expr, __FILE__, __LINE__))

// Writes the report to stderr and to the debugger, then aborts. Never returns.
[[noreturn]] void CxAssertFailed(const char* szExpr, const char* szFile, int nLine);
