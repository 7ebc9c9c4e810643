#include "app/FileChoice.h"

#include "app/Apputil.h"

#include <commdlg.h>

#include <cstring>

namespace {
// Parts separated, and ended, by NUL characters, as the dialog wants them.
constexpr char kFilter[] = "Text files (*.txt)\0*.txt\0All files (*.*)\0*.*\0";
constexpr const char* kDefaultExt = "txt";
constexpr const char* kExportTitle = "Export Command History";
constexpr const char* kImportTitle = "Import Commands";
} // namespace

bool ChooseTextFile(HWND hOwner, bool bSave, std::string& sPath) {
    char szFile[kPathSize] = "";
    if (sPath.size() < sizeof(szFile)) std::memcpy(szFile, sPath.c_str(), sPath.size() + 1);
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = hOwner;
    ofn.lpstrFilter = kFilter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = szFile;
    ofn.nMaxFile = sizeof(szFile);
    ofn.lpstrDefExt = kDefaultExt;
    ofn.lpstrTitle = bSave ? kExportTitle : kImportTitle;
    ofn.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | (bSave ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL bChosen = bSave ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (bChosen) sPath = szFile;
    return bChosen != FALSE;
}
