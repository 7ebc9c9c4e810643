#include "framework/core/PropInfo.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Object.h"
#include "framework/core/TextUtils.h"

const char* PropKindName(TPropKind Kind) {
    switch (Kind) {
    case TPropKind::Integer: return "integer";
    case TPropKind::Boolean: return "boolean";
    case TPropKind::Enumeration: return "enumeration";
    case TPropKind::Set: return "set";
    case TPropKind::String: return "string";
    case TPropKind::Color: return "colour";
    case TPropKind::Component: return "component";
    case TPropKind::Object: return "object";
    case TPropKind::Event: return "event";
    case TPropKind::Binary: return "binary";
    case TPropKind::StringList: return "string list";
    }
    return "unknown";
}

int TEnumInfo::IndexOf(std::string_view Name) const {
    for (std::size_t I = 0; I < Names.size(); ++I)
        if (SameText(Names[I], Name)) return static_cast<int>(I);
    return -1;
}

namespace {

TValue::TType ValueTypeOf(TPropKind Kind) {
    switch (Kind) {
    case TPropKind::Integer:
    case TPropKind::Enumeration:
    case TPropKind::Set:
    case TPropKind::Color: return TValue::TType::Integer;
    case TPropKind::Boolean: return TValue::TType::Boolean;
    case TPropKind::String: return TValue::TType::String;
    case TPropKind::Component:
    case TPropKind::Object: return TValue::TType::Object;
    case TPropKind::Event: return TValue::TType::Method;
    case TPropKind::StringList: return TValue::TType::Strings;
    case TPropKind::Binary: break;
    }
    return TValue::TType::Empty;
}

} // namespace

void TPropInfo::Fail(const TObject& Instance, const std::string& Problem) const {
    throw EPropertyError(Instance.ClassName() + "." + FName + ": " + Problem);
}

TValue TPropInfo::GetValue(const TObject& Instance) const {
    if (!FGetter) Fail(Instance, "binary data has no value; it is streamed");
    return FGetter(Instance);
}

void TPropInfo::CheckValue(const TObject& Instance, const TValue& Value) const {
    TValue::TType Wanted = ValueTypeOf(FKind);
    if (Value.Type() != Wanted)
        Fail(Instance,
             std::string(PropKindName(FKind)) + " property given a " + TValue::TypeName(Value.Type()) + " value");
    if (FKind == TPropKind::Enumeration) {
        std::int64_t Ordinal = Value.AsInteger();
        if (Ordinal < 0 || Ordinal >= static_cast<std::int64_t>(FEnumInfo->Names.size()))
            Fail(Instance, std::to_string(Ordinal) + " is not a value of " + FEnumInfo->TypeName);
    } else if (FKind == TPropKind::Set) {
        auto Bits = static_cast<std::uint64_t>(Value.AsInteger());
        std::size_t Count = FEnumInfo->Names.size();
        if (Count < 64 && (Bits >> Count) != 0)
            Fail(Instance, "set holds an element that is not a value of " + std::string(FEnumInfo->TypeName));
    }
}

void TPropInfo::SetValue(TObject& Instance, const TValue& Value) const {
    if (!FSetter) Fail(Instance, FKind == TPropKind::Binary ? "binary data is streamed" : "property is read-only");
    CheckValue(Instance, Value);
    FSetter(Instance, Value);
}

void TPropInfo::ReadData(TObject& Instance, TStream& Stream) const {
    if (!FReadData) Fail(Instance, "not a binary property");
    FReadData(Instance, Stream);
}

void TPropInfo::WriteData(const TObject& Instance, TStream& Stream) const {
    if (!FWriteData) Fail(Instance, "not a binary property");
    FWriteData(Instance, Stream);
}

bool TPropInfo::HasData(const TObject& Instance) const {
    return FHasData && FHasData(Instance);
}

void TPropInfo::SetAccessors(TGetter Getter, TSetter Setter) {
    FGetter = std::move(Getter);
    FSetter = std::move(Setter);
}

void TPropInfo::SetBinaryAccessors(TReadDataFn Read, TWriteDataFn Write, THasDataFn Has) {
    FReadData = std::move(Read);
    FWriteData = std::move(Write);
    FHasData = std::move(Has);
}
