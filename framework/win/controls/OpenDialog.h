// TOpenDialog: the system's dialog for choosing a file to open (GetOpenFileNameA). Filter lists the file
// types as "Text|*.ext|Text|*.a;*.b"; FilterIndex (from 1) says which one is chosen; FileName is the name
// the dialog starts with and, after Execute returns true, the chosen file (with AllowMultiSelect, Files
// holds every chosen file).
#pragma once

#include "framework/core/Component.h"
#include "framework/core/Sets.h"
#include "framework/core/Strings.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct TEnumInfo;

enum TOpenOption : std::uint8_t {
    ofReadOnly,
    ofOverwritePrompt,
    ofHideReadOnly,
    ofNoChangeDir,
    ofShowHelp,
    ofNoValidate,
    ofAllowMultiSelect,
    ofExtensionDifferent,
    ofPathMustExist,
    ofFileMustExist,
    ofCreatePrompt,
    ofShareAware,
    ofNoReadOnlyReturn,
    ofNoTestFileCreate,
    ofNoNetworkButton,
    ofNoLongNames,
    ofOldStyleDialog,
    ofNoDereferenceLinks,
    ofEnableIncludeNotify,
    ofEnableSizing,
    ofDontAddToRecent,
    ofForceShowHidden
};
using TOpenOptions = TSet<TOpenOption>;
extern const TEnumInfo TOpenOptionInfo;
inline constexpr TOpenOptions DefaultOpenOptions{ofHideReadOnly, ofEnableSizing};

// "Text|*.ext|..." as the system wants it: the parts separated, and ended, by NUL characters.
std::string SystemFileFilter(std::string_view Filter);

class TOpenDialog : public TComponent {
    VSK_CLASS(TOpenDialog, TComponent)

public:
    explicit TOpenDialog(TComponent* AOwner);
    ~TOpenDialog() override;

    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& Value) { FFilter = Value; }
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int Value) { FFilterIndex = Value; }
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& Value) { FFileName = Value; }
    const std::string& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const std::string& Value) { FInitialDir = Value; }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    // Added to a typed name without extension.
    const std::string& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const std::string& Value) { FDefaultExt = Value; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions Value) { FOptions = Value; }
    TStrings* Files() const { return FFiles.get(); }

    // Shows the dialog, owned by Owner (null: the active window); true when the user chose a file.
    bool Execute(HWND Owner = nullptr);

private:
    DWORD SystemFlags() const;
    void TakeResult(const std::string& Buffer, DWORD Flags);

    std::string FFilter;
    int FFilterIndex = 1;
    std::string FFileName;
    std::string FInitialDir;
    std::string FTitle;
    std::string FDefaultExt;
    TOpenOptions FOptions = DefaultOpenOptions;
    std::unique_ptr<TStringList> FFiles;
};
