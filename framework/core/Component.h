// TComponent: the base of everything that lives in a window description. A component belongs to an
// owner, which destroys it; it has a name unique among its owner's components; and it can ask to be told
// when another component is destroyed (FreeNotification), so that it never keeps a dangling reference.
//
// Destruction. `delete` on a component (and an owner destroying what it owns) first runs
// BeforeDestruction while the object is still whole, as its most-derived class:
//   1. Destroying(): csDestroying is set on the component and on everything it owns;
//   2. every component registered through FreeNotification gets Notification(this, opRemove);
//   3. the component leaves its owner (the owner's Notification(this, opRemove), which by default
//      passes the news on to all the owner's components);
//   4. it stops being notified by the components it subscribed to.
// Then the destructors run, the derived ones first; they may still use the components this one owns.
// Finally ~TComponent destroys the owned components in reverse order of creation; each of them goes
// through the same steps while it is whole, but no longer reports to this partly destroyed owner.
// So Notification is never called on a partly destroyed object, and no dying object is handed to a
// Notification as anything less than its complete self.
// Components therefore live on the heap (new). A component destroyed otherwise (on the stack) gets the
// same clean-up from ~TComponent, when only its TComponent part is left.
#pragma once

#include "framework/core/Persistent.h"
#include "framework/core/Sets.h"

#include <functional>
#include <new>
#include <string>
#include <string_view>
#include <vector>

enum TOperation { opInsert, opRemove };
enum TComponentStateItem { csLoading, csReading, csDesigning, csDestroying };
using TComponentState = TSet<TComponentStateItem>;

class TComponent : public TPersistent {
    VSK_CLASS(TComponent, TPersistent)

public:
    // Joins AOwner's components (when AOwner is not null), which tells AOwner's Notification(this, opInsert)
    // while this component is still being constructed.
    explicit TComponent(TComponent* AOwner);
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    ~TComponent() override;

    void operator delete(TComponent* Component, std::destroying_delete_t);
    // Steps 1-4 above; runs once. A most-derived destructor of a component kept on the stack may call it.
    void BeforeDestruction();

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int Index) const;
    // The position in the owner's list, -1 without owner.
    int ComponentIndex() const;
    // Changing owners: the name must be unique in the new owner (EComponentError otherwise).
    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    void DestroyComponents();
    // Ignores letter case; null when there is no such component (or Name is empty).
    TComponent* FindComponent(std::string_view AName) const;

    const std::string& Name() const { return FName; }
    // Empty, or an identifier unique among the owner's components ignoring case; else EComponentError.
    virtual void SetName(const std::string& NewName);
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }

    TComponentState ComponentState() const { return FComponentState; }
    void SetDesigning(bool Value, bool SetChildren = true);

    // AComponent's Notification(this, opRemove) will be called when this component is destroyed; when
    // AComponent is destroyed first, the registration disappears with it. Registering twice is harmless.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);
    // Told when AComponent joins (opInsert) or leaves or dies (opRemove): as owner, as a sibling (through
    // the owner's default Notification) or as a subscriber. May come more than once for one event, so
    // handlers just clear matching references. The default passes the news to every owned component.
    virtual void Notification(TComponent* AComponent, TOperation Operation);

    // Called on every component a description created, once the whole description is read.
    virtual void Loaded();

    // The component that contains this one in the description (a control's parent control). Components
    // without a parent ignore it.
    virtual void SetParentComponent(TComponent* Value);
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual bool HasParent() const { return false; }
    // The components the description writer stores inside this one. The default lists, for the root
    // being written, its components that have no parent; controls list their child controls.
    virtual void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const;

    TPersistent* GetOwner() const override { return FOwner; }
    std::string GetNamePath() const override;

protected:
    // Step 1 of destruction, while the component is whole; overrides call the inherited one.
    virtual void Destroying();

private:
    friend class TDescriptionReader; // sets csLoading and csReading on what it creates

    // Set by the description reader just before it creates a component: the component is then loading
    // from its very first constructor on, so constructors can see csLoading.
    static bool FCreatingForReader;

    void SetState(TComponentStateItem Item, bool Value);
    void MarkDestroying();
    void DetachNotifications();

    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    std::string FName;
    int FTag = 0;
    TComponentState FComponentState;
    bool FDestructionStarted = false;
    std::vector<TComponent*> FFreeNotifies;  // told when this component dies
    std::vector<TComponent*> FSubscriptions; // the components whose FFreeNotifies hold this one
};
