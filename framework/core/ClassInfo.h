// TClassInfo: what the framework knows about a class at run time: its name, its parent, how to create an
// instance (components only), its published properties and, for form classes, the methods that window
// descriptions may bind to events by name.
#pragma once

#include <any>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TComponent;
class TObject;
class TPropInfo;

// A method a form class offers to its window descriptions ("OnClick = btnAddClick"). Bind returns the
// method bound to an instance, as the std::function<void(Args...)> of the method's signature.
struct THandlerInfo {
    std::string Name;
    std::function<std::any(TObject& Instance)> Bind;
};

class TClassInfo {
public:
    using TFactory = TComponent* (*)(TComponent* AOwner);

    TClassInfo(std::string AName, const TClassInfo* AParent, TFactory AFactory);
    TClassInfo(const TClassInfo&) = delete;
    TClassInfo& operator=(const TClassInfo&) = delete;
    ~TClassInfo();

    const std::string& Name() const { return FName; }
    const TClassInfo* Parent() const { return FParent; }
    bool InheritsFrom(const TClassInfo& Class) const;

    // Components that are not abstract and have a constructor (TComponent* AOwner) can be created by name.
    bool CanCreate() const { return FFactory != nullptr; }
    TComponent* Create(TComponent* AOwner) const;

    // Lookup ignores letter case and searches this class, then its parents.
    const TPropInfo* FindProperty(std::string_view PropName) const;
    // Every published property, parents' first, each in registration order; a property that a subclass
    // publishes again under the same name replaces the parent's.
    std::vector<const TPropInfo*> Properties() const;
    const THandlerInfo* FindHandler(std::string_view HandlerName) const;

    // Used while the class publishes its properties (see TPublisher).
    TPropInfo& AddProperty(std::unique_ptr<TPropInfo> Prop);
    void AddHandler(THandlerInfo Handler);

private:
    std::string FName;
    const TClassInfo* FParent;
    TFactory FFactory;
    std::vector<std::unique_ptr<TPropInfo>> FProperties;
    std::vector<THandlerInfo> FHandlers;
};
