#include "framework/core/Object.h"

#include "framework/core/ClassInfo.h"

const TClassInfo& TObject::StaticClassInfo() {
    static const TClassInfo Info("TObject", nullptr, nullptr);
    return Info;
}

const std::string& TObject::ClassName() const {
    return ClassInfo().Name();
}

bool TObject::InheritsFrom(const TClassInfo& Class) const {
    return ClassInfo().InheritsFrom(Class);
}
