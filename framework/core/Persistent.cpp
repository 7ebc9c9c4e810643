#include "framework/core/Persistent.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"

VSK_IMPLEMENT_CLASS(TPersistent)

void TPersistent::Publish(TPublisher<TPersistent>&) {}

void TPersistent::Assign(const TPersistent& Source) {
    Source.AssignTo(*this);
}

void TPersistent::AssignTo(TPersistent& Dest) const {
    throw EConvertError("Cannot assign a " + ClassName() + " to a " + Dest.ClassName());
}

std::string TPersistent::GetNamePath() const {
    TPersistent* Owner = GetOwner();
    std::string OwnerPath = Owner ? Owner->GetNamePath() : std::string();
    return OwnerPath.empty() ? ClassName() : OwnerPath + "." + ClassName();
}
