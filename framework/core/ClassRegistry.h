// The registry of classes that window descriptions may name. Registration is explicit: static libraries
// drop objects that only register themselves, so each library offers one Register...Classes() function.
#pragma once

#include <initializer_list>
#include <string_view>

class TClassInfo;

// Registering a class twice is harmless; another class under a registered name raises EComponentError.
void RegisterClass(const TClassInfo& Class);
void RegisterClasses(std::initializer_list<const TClassInfo*> Classes);
void UnRegisterClass(const TClassInfo& Class);
// Lookup ignores letter case. FindClass returns null for an unknown name; GetClass raises
// EComponentError "Class TFoo not found".
const TClassInfo* FindClass(std::string_view ClassName);
const TClassInfo& GetClass(std::string_view ClassName);
