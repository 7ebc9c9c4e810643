#pragma once

#include <cstdio>

// The program's exit codes for its command-line forms.
constexpr int kExitDone = 0;        // everything was exported or imported
constexpr int kExitLinesSkipped = 1; // imported, but some lines were left out (each named in the message)
constexpr int kExitFailed = 2;      // nothing was done: bad arguments, a file that cannot be read or written

// The forms that work without a window, for scripts and backups:
//   vantrel.exe --export FILE   writes the history to FILE
//   vantrel.exe --import FILE   adds the commands of FILE to the history
// Runs the one the arguments name (argv-style, the program's name first) and returns its exit code, writing what
// went wrong (naming the file and, for a line, its number) to fpMessages (null: the console of the process that
// started the program); returns -1 when the arguments name
// no command-line form, so that the window opens.
int RunCommandLine(int nArgs, const char* const* pszArgs, FILE* fpMessages);
