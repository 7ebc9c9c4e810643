#pragma once

#include <windows.h>

// Size of every path buffer of the program.
constexpr int kPathSize = MAX_PATH;

// The program's module instance handle, kept by the main window when it is created.
extern HINSTANCE g_hInst;

// Writes the directory of the module's file, with a trailing backslash, into szDir (at least kPathSize bytes).
bool GetAppDir(HINSTANCE hInst, char* szDir);

// Opens a document or web address with the shell's "open" verb. False for a null or empty target.
bool ShellOpen(const char* szTarget);
