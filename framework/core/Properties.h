// Published properties: the registration builder (TPublisher, used in each class's Publish function),
// the metadata (TPropInfo, TEnumInfo, TValue) and generic access by name, which the skin engine uses to
// find and set "UIStyle" and "FileTheme" on components it knows nothing else about.
//
// Names ignore letter case and may be paths through nested objects ("Font.Name"). An unknown name raises
// EPropertyError "TvskButton has no property 'Colr'"; a value of the wrong kind raises EPropertyError too.
#pragma once

#include "framework/core/ClassInfo.h"
#include "framework/core/PropInfo.h"
#include "framework/core/PropValue.h"
#include "framework/core/Publisher.h"

#include <cstdint>
#include <string>
#include <string_view>

class TComponent;
class TObject;
class TPersistent;

// Null when the instance's class publishes no such property.
const TPropInfo* FindPropInfo(const TObject& Instance, std::string_view Name);
bool HasProperty(const TObject& Instance, std::string_view Name);

TValue GetPropValue(const TObject& Instance, std::string_view Name);
void SetPropValue(TObject& Instance, std::string_view Name, const TValue& Value);

// Integer, boolean (0/1), enumeration (ordinal), set (bit mask) and colour properties.
std::int64_t GetOrdProp(const TObject& Instance, std::string_view Name);
void SetOrdProp(TObject& Instance, std::string_view Name, std::int64_t Value);
std::string GetStrProp(const TObject& Instance, std::string_view Name);
void SetStrProp(TObject& Instance, std::string_view Name, const std::string& Value);
// Component references and nested objects (a nested object is copied in with Assign by its setter).
TPersistent* GetObjectProp(const TObject& Instance, std::string_view Name);
void SetObjectProp(TObject& Instance, std::string_view Name, TPersistent* Value);

// Copies every stored published property of Source to Dest, an object of the same class: values through
// the setters, nested objects with Assign, binary data through a stream. Collection items use it as their
// default Assign.
void CopyPublishedProperties(TObject& Dest, const TObject& Source);

// The object that holds the last part of a property path, and that part's metadata: for "Font.Name" on
// a button, the button's font and the font's "Name". Returns {nullptr, nullptr} when a part is missing
// or a nested object is null.
struct TPropTarget {
    TObject* Instance;
    const TPropInfo* Prop;
};
TPropTarget ResolvePropPath(const TObject& Instance, std::string_view Path);
