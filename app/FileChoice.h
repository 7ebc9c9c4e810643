#pragma once

#include <windows.h>

#include <string>

// Asks for the text file to export the history to (bSave) or to import from, owned by hOwner; false when the
// user cancels. sPath holds the name the dialog starts with and, on true, the chosen file.
bool ChooseTextFile(HWND hOwner, bool bSave, std::string& sPath);
