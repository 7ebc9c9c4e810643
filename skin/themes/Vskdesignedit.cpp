#include "skin/themes/Vskdesignedit.h"

#include "framework/win/controls/OpenDialog.h"
#include "framework/win/forms/Application.h"
#include "skin/themes/Frmthememgr.h"
#include "skin/themes/Vskbuiltinfiletheme.h"
#include "skin/themes/Vskthememanager.h"

#include <memory>
#include <optional>

namespace {

constexpr const char* ThemeFileFilter = "VanSkin Theme File(*.vsk)|*.vsk";

// The theme file the user picks, or nothing when the dialog is cancelled.
std::optional<std::string> ChooseThemeFile() {
    const std::unique_ptr<TOpenDialog> Dialog = std::make_unique<TOpenDialog>(Application);
    Dialog->SetFilter(ThemeFileFilter);
    if (!Dialog->Execute()) return std::nullopt;
    return Dialog->FileName();
}

} // namespace

void FileThemeEdit(TvskFileTheme& Theme) {
    if (const std::optional<std::string> File = ChooseThemeFile()) Theme.SetThemeFile(*File);
}

void BuiltInFileThemeEdit(TvskBuiltInFileTheme& Theme) {
    if (const std::optional<std::string> File = ChooseThemeFile()) Theme.SetThemeFile2(*File);
}

void ThemeManagerEdit(TvskThemeManager& Manager) {
    if (!dynamic_cast<TCustomForm*>(Manager.Owner())) return;
    {
        const std::unique_ptr<TfrmMgr> Dialog = std::make_unique<TfrmMgr>(nullptr);
        for (const TvskThemeCandidate& Candidate : ThemeManagerCandidates(Manager))
            Dialog->AddCandidate(Candidate.Name, Candidate.Component, Candidate.Listed);
        if (Dialog->ShowModal() == mrOk) Manager.CompList()->SetLines(Dialog->TickedNames());
    }
    Manager.UpdateAll();
}
