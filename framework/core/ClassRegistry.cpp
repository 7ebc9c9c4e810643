#include "framework/core/ClassRegistry.h"

#include "framework/core/ClassInfo.h"
#include "framework/core/Exceptions.h"
#include "framework/core/TextUtils.h"

#include <map>
#include <string>

namespace {

// Keyed by the lower-case class name.
std::map<std::string, const TClassInfo*>& Registry() {
    static std::map<std::string, const TClassInfo*> Classes;
    return Classes;
}

} // namespace

void RegisterClass(const TClassInfo& Class) {
    auto [Entry, Inserted] = Registry().emplace(LowerCase(Class.Name()), &Class);
    if (!Inserted && Entry->second != &Class)
        throw EComponentError("A class named " + Class.Name() + " already exists");
}

void RegisterClasses(std::initializer_list<const TClassInfo*> Classes) {
    for (const TClassInfo* Class : Classes)
        RegisterClass(*Class);
}

void UnRegisterClass(const TClassInfo& Class) {
    auto Entry = Registry().find(LowerCase(Class.Name()));
    if (Entry != Registry().end() && Entry->second == &Class) Registry().erase(Entry);
}

const TClassInfo* FindClass(std::string_view ClassName) {
    auto Entry = Registry().find(LowerCase(ClassName));
    return Entry == Registry().end() ? nullptr : Entry->second;
}

const TClassInfo& GetClass(std::string_view ClassName) {
    if (const TClassInfo* Class = FindClass(ClassName)) return *Class;
    throw EComponentError("Class " + std::string(ClassName) + " not found");
}
