#include "framework/core/ClassInfo.h"

#include "framework/core/Exceptions.h"
#include "framework/core/PropInfo.h"
#include "framework/core/TextUtils.h"

#include <algorithm>

TClassInfo::TClassInfo(std::string AName, const TClassInfo* AParent, TFactory AFactory)
    : FName(std::move(AName)), FParent(AParent), FFactory(AFactory) {}

TClassInfo::~TClassInfo() = default;

bool TClassInfo::InheritsFrom(const TClassInfo& Class) const {
    for (const TClassInfo* Info = this; Info; Info = Info->FParent)
        if (Info == &Class) return true;
    return false;
}

TComponent* TClassInfo::Create(TComponent* AOwner) const {
    if (!FFactory) throw EComponentError("Cannot create an instance of " + FName);
    return FFactory(AOwner);
}

const TPropInfo* TClassInfo::FindProperty(std::string_view PropName) const {
    for (const TClassInfo* Info = this; Info; Info = Info->FParent)
        for (const auto& Prop : Info->FProperties)
            if (SameText(Prop->Name(), PropName)) return Prop.get();
    return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::Properties() const {
    std::vector<const TPropInfo*> Result = FParent ? FParent->Properties() : std::vector<const TPropInfo*>{};
    for (const auto& Prop : FProperties) {
        auto Redeclared = std::find_if(Result.begin(), Result.end(), [&](const TPropInfo* Inherited) {
            return SameText(Inherited->Name(), Prop->Name());
        });
        if (Redeclared != Result.end())
            *Redeclared = Prop.get();
        else
            Result.push_back(Prop.get());
    }
    return Result;
}

const THandlerInfo* TClassInfo::FindHandler(std::string_view HandlerName) const {
    for (const TClassInfo* Info = this; Info; Info = Info->FParent)
        for (const THandlerInfo& Handler : Info->FHandlers)
            if (SameText(Handler.Name, HandlerName)) return &Handler;
    return nullptr;
}

TPropInfo& TClassInfo::AddProperty(std::unique_ptr<TPropInfo> Prop) {
    for (const auto& Existing : FProperties)
        if (SameText(Existing->Name(), Prop->Name()))
            throw EPropertyError(FName + " publishes property '" + Prop->Name() + "' twice");
    FProperties.push_back(std::move(Prop));
    return *FProperties.back();
}

void TClassInfo::AddHandler(THandlerInfo Handler) {
    FHandlers.push_back(std::move(Handler));
}
