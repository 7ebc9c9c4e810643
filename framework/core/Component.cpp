#include "framework/core/Component.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/core/TextUtils.h"

#include <algorithm>

VSK_IMPLEMENT_CLASS(TComponent)

void TComponent::Publish(TPublisher<TComponent>& p) {
    // The name is part of the "object Name: TClass" line, not a property line.
    p.Str("Name", &TComponent::Name, &TComponent::SetName).Stored(false);
    p.Int("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
}

bool TComponent::FCreatingForReader = false;

TComponent::TComponent(TComponent* AOwner) {
    if (FCreatingForReader) {
        FComponentState = {csLoading, csReading};
        FCreatingForReader = false; // the components this one creates for itself are not being read
    }
    if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
    BeforeDestruction();
    DestroyComponents();
    // Whatever the derived destructors registered after BeforeDestruction.
    DetachNotifications();
}

void TComponent::operator delete(TComponent* Component, std::destroying_delete_t) {
    Component->BeforeDestruction();
    void* Storage = dynamic_cast<void*>(Component);
    Component->~TComponent();
    ::operator delete(Storage);
}

void TComponent::BeforeDestruction() {
    if (FDestructionStarted) return;
    FDestructionStarted = true;
    Destroying();
    DetachNotifications();
    if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::Destroying() {
    MarkDestroying();
}

void TComponent::MarkDestroying() {
    FComponentState.Include(csDestroying);
    for (TComponent* Component : FComponents)
        Component->MarkDestroying();
}

void TComponent::DetachNotifications() {
    // A subscriber's Notification may change the lists, so take one entry at a time.
    while (!FFreeNotifies.empty()) {
        TComponent* Subscriber = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        std::erase(Subscriber->FSubscriptions, this);
        Subscriber->Notification(this, opRemove);
    }
    for (TComponent* Source : FSubscriptions)
        std::erase(Source->FFreeNotifies, this);
    FSubscriptions.clear();
}

TComponent* TComponent::Components(int Index) const {
    if (Index < 0 || Index >= ComponentCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FComponents[static_cast<std::size_t>(Index)];
}

int TComponent::ComponentIndex() const {
    if (!FOwner) return -1;
    auto Position = std::find(FOwner->FComponents.begin(), FOwner->FComponents.end(), this);
    return static_cast<int>(Position - FOwner->FComponents.begin());
}

void TComponent::InsertComponent(TComponent* AComponent) {
    if (!AComponent->FName.empty()) {
        TComponent* Existing = FindComponent(AComponent->FName);
        if (Existing && Existing != AComponent)
            throw EComponentError("A component named " + AComponent->FName + " already exists");
    }
    if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
    FComponents.push_back(AComponent);
    AComponent->FOwner = this;
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
    if (AComponent->FOwner != this) return;
    Notification(AComponent, opRemove);
    std::erase(FComponents, AComponent);
    AComponent->FOwner = nullptr;
}

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        TComponent* Instance = FComponents.back();
        // An owner on its way out is no longer whole: its components leave without telling it.
        if (FDestructionStarted) {
            FComponents.pop_back();
            Instance->FOwner = nullptr;
        }
        delete Instance;
    }
}

TComponent* TComponent::FindComponent(std::string_view AName) const {
    if (AName.empty()) return nullptr;
    for (TComponent* Component : FComponents)
        if (SameText(Component->FName, AName)) return Component;
    return nullptr;
}

void TComponent::SetName(const std::string& NewName) {
    if (NewName == FName) return;
    if (!NewName.empty() && !IsValidIdent(NewName))
        throw EComponentError("'" + NewName + "' is not a valid component name");
    if (FOwner && !NewName.empty()) {
        TComponent* Existing = FOwner->FindComponent(NewName);
        if (Existing && Existing != this) throw EComponentError("A component named " + NewName + " already exists");
    }
    FName = NewName;
}

void TComponent::SetDesigning(bool Value, bool SetChildren) {
    SetState(csDesigning, Value);
    if (SetChildren)
        for (TComponent* Component : FComponents)
            Component->SetDesigning(Value, true);
}

void TComponent::SetState(TComponentStateItem Item, bool Value) {
    if (Value)
        FComponentState.Include(Item);
    else
        FComponentState.Exclude(Item);
}

void TComponent::FreeNotification(TComponent* AComponent) {
    if (!AComponent || AComponent == this) return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) != FFreeNotifies.end()) return;
    FFreeNotifies.push_back(AComponent);
    AComponent->FSubscriptions.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
    if (!AComponent) return;
    std::erase(FFreeNotifies, AComponent);
    std::erase(AComponent->FSubscriptions, this);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
    // Counting down and re-checking the bound: a component told about a removal may remove others.
    for (int I = ComponentCount() - 1; I >= 0; --I)
        if (I < ComponentCount()) FComponents[static_cast<std::size_t>(I)]->Notification(AComponent, Operation);
}

void TComponent::Loaded() {
    SetState(csLoading, false);
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const {
    if (Root != this) return;
    for (TComponent* Component : FComponents)
        if (!Component->HasParent()) Proc(Component);
}

std::string TComponent::GetNamePath() const {
    return FName.empty() ? TPersistent::GetNamePath() : FName;
}
