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
    p.Object("CompList", &TvskThemeManager::CompList, &TvskThemeManager::SetList);
    p.Event("OnUIStyleChanged", &TvskThemeManager::OnUIStyleChanged);
}

TvskThemeManager::TvskThemeManager(TComponent* AOwner)
    : inherited(AOwner), FCompList(std::make_unique<TvskThemeMgrCompList>()) {
    SetUIStyle(DeepBlue);
}

TvskThemeManager::~TvskThemeManager() = default;

void TvskThemeManager::ApplyUIStyle(const TvskThemeSource&) {
    UpdateAll();
}

void TvskThemeManager::UIStyleChanged() {
    OnUIStyleChanged(this);
}

void TvskThemeManager::FileThemeRemoved() {
    StoreUIStyle(DeepBlue);
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
        SetOrdProp(*Component, VskUIStyleProperty, UIStyle());
        SetObjectProp(*Component, VskFileThemeProperty, FileTheme());
    }
}

void TvskThemeManager::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove || AComponent == this || AComponent->Name().empty()) return;
    if (const int Index = FCompList->IndexOf(AComponent->Name()); Index >= 0) FCompList->Delete(Index);
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
