#include "skin/themes/Vskthememanager.h"

#include "framework/core/Properties.h"
#include "framework/win/forms/Form.h"
#include "skin/themes/Vskmgr.h"
#include "skin/themes/Vskthemes.h"

namespace {

// The form whose components a manager looks after; null when its owner is none.
TCustomForm* ManagedForm(const TvskThemeManager& Manager) {
    return dynamic_cast<TCustomForm*>(Manager.Owner());
}

} // namespace

VSK_IMPLEMENT_CLASS(TvskThemeMgrCompList)

void TvskThemeMgrCompList::Publish(TPublisher<TvskThemeMgrCompList>&) {}

VSK_IMPLEMENT_CLASS(TvskThemeManager)

void TvskThemeManager::Publish(TPublisher<TvskThemeManager>& p) {
    p.Enum("UIStyle", &TvskThemeManager::UIStyle, &TvskThemeManager::SetUIStyle, TvskUIStyleInfo);
    p.Ref("FileTheme", &TvskThemeManager::FileTheme, &TvskThemeManager::SetFileTheme);
    p.Object("CompList", &TvskThemeManager::CompList, &TvskThemeManager::SetList);
    p.Event("OnUIStyleChanged", &TvskThemeManager::OnUIStyleChanged);
}

TvskThemeManager::TvskThemeManager(TComponent* AOwner)
    : TComponent(AOwner), FCompList(std::make_unique<TvskThemeMgrCompList>()) {
    SetUIStyle(DeepBlue);
}

TvskThemeManager::~TvskThemeManager() = default;

void TvskThemeManager::SetUIStyle(TvskUIStyle Value) {
    const TvskUIStyle Old = FUIStyle;
    FUIStyle = Value;
    UpdateAll();
    if (Value != Old) OnUIStyleChanged(this);
}

void TvskThemeManager::SetFileTheme(TvskFileTheme* Value) {
    if (FFileTheme) FFileTheme->RemoveFreeNotification(this);
    FFileTheme = Value;
    if (FFileTheme) FFileTheme->FreeNotification(this);
    SetUIStyle(FUIStyle);
}

void TvskThemeManager::SetList(const TvskThemeMgrCompList* Value) {
    if (Value)
        FCompList->Assign(*Value);
    else
        FCompList->Clear();
}

void TvskThemeManager::UpdateAll() {
    TCustomForm* Form = ManagedForm(*this);
    if (!Form) return;
    for (int I = 0; I < FCompList->Count(); ++I) {
        TComponent* Component = Form->FindComponent(FCompList->Get(I));
        if (!Component) continue;
        SetOrdProp(*Component, VskUIStyleProperty, FUIStyle);
        SetObjectProp(*Component, VskFileThemeProperty, FFileTheme);
    }
}

void TvskThemeManager::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove || AComponent == this) return;
    if (!AComponent->Name().empty())
        if (const int Index = FCompList->IndexOf(AComponent->Name()); Index >= 0) FCompList->Delete(Index);
    if (AComponent == FFileTheme) {
        FFileTheme = nullptr;
        FUIStyle = DeepBlue;
    }
}

std::vector<TvskThemeCandidate> ThemeManagerCandidates(const TvskThemeManager& Manager) {
    std::vector<TvskThemeCandidate> Candidates;
    const TCustomForm* Form = ManagedForm(Manager);
    if (!Form) return Candidates;
    for (int I = 0; I < Form->ComponentCount(); ++I) {
        TComponent* Component = Form->Components(I);
        if (!IsSkinnedComponent(*Component) || !IsHasProperty(*Component, VskUIStyleProperty) ||
            !IsHasProperty(*Component, VskFileThemeProperty) || dynamic_cast<const TvskThemeManager*>(Component))
            continue;
        Candidates.push_back({Component->Name(), Component, Manager.CompList()->IndexOf(Component->Name()) >= 0});
    }
    return Candidates;
}
