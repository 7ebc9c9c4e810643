// The theme manager: sets UIStyle and FileTheme together on a chosen list of its form's components, named
// in CompList. ThemeManagerCandidates is what its edit dialog offers to choose from.
#pragma once

#include "framework/core/Component.h"
#include "framework/core/Events.h"
#include "framework/core/Strings.h"
#include "skin/themes/Vskthemed.h"

#include <memory>
#include <string>
#include <vector>

class TvskFileTheme;

// The names of the components a theme manager looks after.
class TvskThemeMgrCompList : public TStringList {
    VSK_CLASS(TvskThemeMgrCompList, TStringList)
};

// Setting UIStyle updates the listed components (also when the style is the same), then fires
// OnUIStyleChanged, only when the style changed. Setting FileTheme updates them too.
class TvskThemeManager : public TvskThemed<TComponent> {
    VSK_CLASS(TvskThemeManager, TvskThemed<TComponent>)

public:
    explicit TvskThemeManager(TComponent* AOwner);
    ~TvskThemeManager() override;

    TvskThemeMgrCompList* CompList() const { return FCompList.get(); }
    // Copies Value's names; updates nothing.
    void SetList(const TvskThemeMgrCompList* Value);

    // When the owner is a form: for each listed name of one of its components, sets the component's
    // "UIStyle" and then its "FileTheme" by name. Names of no component are skipped; a listed component
    // without those properties raises EPropertyError.
    void UpdateAll();
    void UpdateTheme() { UpdateAll(); }

    TNotifyEvent OnUIStyleChanged;

    // A listed component that goes leaves the list.
    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    void ApplyUIStyle(const TvskThemeSource& Theme) override;
    void UIStyleChanged() override;
    // The style becomes DeepBlue without an update: each listed component falls back on its own.
    void FileThemeRemoved() override;

private:
    std::unique_ptr<TvskThemeMgrCompList> FCompList;
};

// A component of the manager's form that the manager can look after: a skinned component (class name
// beginning with "Tvsk") publishing both "UIStyle" and "FileTheme", other than a theme manager.
struct TvskThemeCandidate {
    std::string Name;
    TComponent* Component;
    bool Listed; // its name is in CompList
};
// In the owner's component order; empty when the owner is not a form.
std::vector<TvskThemeCandidate> ThemeManagerCandidates(const TvskThemeManager& Manager);
