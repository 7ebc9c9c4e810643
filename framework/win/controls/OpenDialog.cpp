#include "framework/win/controls/OpenDialog.h"

#include "framework/core/Properties.h"

#include <commdlg.h>

#include <algorithm>
#include <array>
#include <vector>

VSK_IMPLEMENT_CLASS(TOpenDialog)

const TEnumInfo TOpenOptionInfo{
    "TOpenOption",
    {"ofReadOnly",        "ofOverwritePrompt",  "ofHideReadOnly",       "ofNoChangeDir",         "ofShowHelp",
     "ofNoValidate",      "ofAllowMultiSelect", "ofExtensionDifferent", "ofPathMustExist",       "ofFileMustExist",
     "ofCreatePrompt",    "ofShareAware",       "ofNoReadOnlyReturn",   "ofNoTestFileCreate",    "ofNoNetworkButton",
     "ofNoLongNames",     "ofOldStyleDialog",   "ofNoDereferenceLinks", "ofEnableIncludeNotify", "ofEnableSizing",
     "ofDontAddToRecent", "ofForceShowHidden"}};

void TOpenDialog::Publish(TPublisher<TOpenDialog>& p) {
    p.Str("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt);
    p.Str("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName);
    p.Str("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter);
    p.Int("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex).Default(1);
    p.Str("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir);
    p.Set("Options", &TOpenDialog::Options, &TOpenDialog::SetOptions, TOpenOptionInfo).Default(DefaultOpenOptions);
    p.Str("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle);
}

namespace {
// The OFN_ flag of each option, in TOpenOption order (OFN_EXPLORER is left out: always on, except with
// ofOldStyleDialog).
constexpr std::array<DWORD, 22> OptionFlags{OFN_READONLY,
                                            OFN_OVERWRITEPROMPT,
                                            OFN_HIDEREADONLY,
                                            OFN_NOCHANGEDIR,
                                            OFN_SHOWHELP,
                                            OFN_NOVALIDATE,
                                            OFN_ALLOWMULTISELECT,
                                            OFN_EXTENSIONDIFFERENT,
                                            OFN_PATHMUSTEXIST,
                                            OFN_FILEMUSTEXIST,
                                            OFN_CREATEPROMPT,
                                            OFN_SHAREAWARE,
                                            OFN_NOREADONLYRETURN,
                                            OFN_NOTESTFILECREATE,
                                            OFN_NONETWORKBUTTON,
                                            OFN_NOLONGNAMES,
                                            0,
                                            OFN_NODEREFERENCELINKS,
                                            OFN_ENABLEINCLUDENOTIFY,
                                            OFN_ENABLESIZING,
                                            OFN_DONTADDTORECENT,
                                            OFN_FORCESHOWHIDDEN};
// Room for the chosen names: one path, or a folder with many names after it.
constexpr std::size_t SingleFileBuffer = MAX_PATH;
constexpr std::size_t MultiFileBuffer = 64 * 1024;
constexpr char FilterSeparator = '|';
} // namespace

std::string SystemFileFilter(std::string_view Filter) {
    std::string Result(Filter);
    for (char& C : Result)
        if (C == FilterSeparator) C = '\0';
    // Every part ends with a NUL, and the list with one more.
    Result.append(2, '\0');
    return Result;
}

TOpenDialog::TOpenDialog(TComponent* AOwner) : TComponent(AOwner), FFiles(std::make_unique<TStringList>()) {}

TOpenDialog::~TOpenDialog() = default;

DWORD TOpenDialog::SystemFlags() const {
    DWORD Flags = FOptions.Contains(ofOldStyleDialog) ? 0 : OFN_EXPLORER;
    for (std::size_t I = 0; I < OptionFlags.size(); ++I)
        if (FOptions.Contains(static_cast<TOpenOption>(I))) Flags |= OptionFlags[I];
    return Flags;
}

bool TOpenDialog::Execute(HWND Owner) {
    const std::string Filter = SystemFileFilter(FFilter);
    std::string Buffer(FOptions.Contains(ofAllowMultiSelect) ? MultiFileBuffer : SingleFileBuffer, '\0');
    FFileName.copy(Buffer.data(), std::min(FFileName.size(), Buffer.size() - 1));
    OPENFILENAMEA Dialog{};
    Dialog.lStructSize = sizeof(Dialog);
    Dialog.hwndOwner = Owner ? Owner : ::GetActiveWindow();
    Dialog.lpstrFilter = FFilter.empty() ? nullptr : Filter.c_str();
    Dialog.nFilterIndex = static_cast<DWORD>(FFilterIndex);
    Dialog.lpstrFile = Buffer.data();
    Dialog.nMaxFile = static_cast<DWORD>(Buffer.size());
    Dialog.lpstrInitialDir = FInitialDir.empty() ? nullptr : FInitialDir.c_str();
    Dialog.lpstrTitle = FTitle.empty() ? nullptr : FTitle.c_str();
    Dialog.lpstrDefExt = FDefaultExt.empty() ? nullptr : FDefaultExt.c_str();
    Dialog.Flags = SystemFlags();
    if (!::GetOpenFileNameA(&Dialog)) return false;
    FFilterIndex = static_cast<int>(Dialog.nFilterIndex);
    TakeResult(Buffer, Dialog.Flags);
    return true;
}

// One file is a path; several (explorer style) are the folder followed by the names, each ended by a NUL.
void TOpenDialog::TakeResult(const std::string& Buffer, DWORD Flags) {
    FFiles->Clear();
    std::vector<std::string> Parts;
    for (std::size_t At = 0; At < Buffer.size() && Buffer[At] != '\0';) {
        const std::size_t End = Buffer.find('\0', At);
        Parts.push_back(Buffer.substr(At, End - At));
        At = End + 1;
    }
    if (Parts.size() <= 1 || !FOptions.Contains(ofAllowMultiSelect)) {
        FFileName = Parts.empty() ? std::string() : Parts.front();
        FFiles->Add(FFileName);
    } else {
        std::string Folder = Parts.front();
        if (Folder.back() != '\\') Folder += '\\';
        for (std::size_t I = 1; I < Parts.size(); ++I)
            FFiles->Add(Folder + Parts[I]);
        FFileName = FFiles->Get(0);
    }
    if (Flags & OFN_READONLY)
        FOptions.Include(ofReadOnly);
    else
        FOptions.Exclude(ofReadOnly);
    if (Flags & OFN_EXTENSIONDIFFERENT)
        FOptions.Include(ofExtensionDifferent);
    else
        FOptions.Exclude(ofExtensionDifferent);
}
