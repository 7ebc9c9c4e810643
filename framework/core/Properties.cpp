#include "framework/core/Properties.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Persistent.h"
#include "framework/core/Streams.h"

namespace {

const TPropInfo& GetPropInfo(const TObject& Instance, std::string_view Name, TObject*& Target) {
    TPropTarget Found = ResolvePropPath(Instance, Name);
    if (!Found.Prop) throw EPropertyError(Instance.ClassName() + " has no property '" + std::string(Name) + "'");
    Target = Found.Instance;
    return *Found.Prop;
}

bool IsOrdinal(TPropKind Kind) {
    return Kind == TPropKind::Integer || Kind == TPropKind::Enumeration || Kind == TPropKind::Set ||
           Kind == TPropKind::Color;
}

// The typed accessors name the property when it is of another kind.
const TPropInfo& GetPropInfoOfKind(const TObject& Instance, std::string_view Name, TObject*& Target,
                                   bool (*Accepts)(TPropKind), const char* Wanted) {
    const TPropInfo& Prop = GetPropInfo(Instance, Name, Target);
    if (!Accepts(Prop.Kind()))
        throw EPropertyError(Target->ClassName() + "." + Prop.Name() + ": not " + Wanted + " property");
    return Prop;
}

bool IsOrdinalOrBoolean(TPropKind Kind) {
    return IsOrdinal(Kind) || Kind == TPropKind::Boolean;
}

bool IsString(TPropKind Kind) {
    return Kind == TPropKind::String;
}

bool IsObjectOrReference(TPropKind Kind) {
    return Kind == TPropKind::Object || Kind == TPropKind::Component;
}

} // namespace

TPropTarget ResolvePropPath(const TObject& Instance, std::string_view Path) {
    // Walking the path reads nested objects; it changes nothing, but the getters take the instance as
    // non-const, as setting through the result will.
    TObject* Current = const_cast<TObject*>(&Instance);
    for (;;) {
        std::size_t Dot = Path.find('.');
        const TPropInfo* Prop = Current->ClassInfo().FindProperty(Path.substr(0, Dot));
        if (!Prop) return {nullptr, nullptr};
        if (Dot == std::string_view::npos) return {Current, Prop};
        if (Prop->Kind() != TPropKind::Object) return {nullptr, nullptr};
        Current = Prop->GetValue(*Current).AsObject();
        if (!Current) return {nullptr, nullptr};
        Path.remove_prefix(Dot + 1);
    }
}

const TPropInfo* FindPropInfo(const TObject& Instance, std::string_view Name) {
    return ResolvePropPath(Instance, Name).Prop;
}

bool HasProperty(const TObject& Instance, std::string_view Name) {
    return FindPropInfo(Instance, Name) != nullptr;
}

TValue GetPropValue(const TObject& Instance, std::string_view Name) {
    TObject* Target;
    const TPropInfo& Prop = GetPropInfo(Instance, Name, Target);
    return Prop.GetValue(*Target);
}

void SetPropValue(TObject& Instance, std::string_view Name, const TValue& Value) {
    TObject* Target;
    const TPropInfo& Prop = GetPropInfo(Instance, Name, Target);
    Prop.SetValue(*Target, Value);
}

std::int64_t GetOrdProp(const TObject& Instance, std::string_view Name) {
    TObject* Target;
    TValue Value = GetPropInfoOfKind(Instance, Name, Target, IsOrdinalOrBoolean, "an ordinal").GetValue(*Target);
    return Value.Type() == TValue::TType::Boolean ? Value.AsBoolean() : Value.AsInteger();
}

void SetOrdProp(TObject& Instance, std::string_view Name, std::int64_t Value) {
    TObject* Target;
    const TPropInfo& Prop = GetPropInfoOfKind(Instance, Name, Target, IsOrdinalOrBoolean, "an ordinal");
    Prop.SetValue(*Target, Prop.Kind() == TPropKind::Boolean ? TValue(Value != 0) : TValue(Value));
}

std::string GetStrProp(const TObject& Instance, std::string_view Name) {
    TObject* Target;
    return GetPropInfoOfKind(Instance, Name, Target, IsString, "a string").GetValue(*Target).AsString();
}

void SetStrProp(TObject& Instance, std::string_view Name, const std::string& Value) {
    TObject* Target;
    GetPropInfoOfKind(Instance, Name, Target, IsString, "a string").SetValue(*Target, TValue(Value));
}

TPersistent* GetObjectProp(const TObject& Instance, std::string_view Name) {
    TObject* Target;
    return GetPropInfoOfKind(Instance, Name, Target, IsObjectOrReference, "an object").GetValue(*Target).AsObject();
}

void SetObjectProp(TObject& Instance, std::string_view Name, TPersistent* Value) {
    TObject* Target;
    GetPropInfoOfKind(Instance, Name, Target, IsObjectOrReference, "an object").SetValue(*Target, TValue(Value));
}

void CopyPublishedProperties(TObject& Dest, const TObject& Source) {
    for (const TPropInfo* Prop : Source.ClassInfo().Properties()) {
        if (!Prop->IsStored(Source)) continue;
        switch (Prop->Kind()) {
        case TPropKind::Binary:
            if (Prop->HasData(Source)) {
                TMemoryStream Data;
                Prop->WriteData(Source, Data);
                Data.SetPosition(0);
                Prop->ReadData(Dest, Data);
            }
            break;
        case TPropKind::Object: {
            TPersistent* From = Prop->GetValue(Source).AsObject();
            TPersistent* To = Prop->GetValue(Dest).AsObject();
            if (From && To) To->Assign(*From);
            break;
        }
        default:
            if (!Prop->IsReadOnly()) Prop->SetValue(Dest, Prop->GetValue(Source));
        }
    }
}
