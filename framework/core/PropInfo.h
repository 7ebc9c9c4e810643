// The metadata of one published property: its name and kind, how to read and write it on an instance,
// and what the description writer needs (default value, stored predicate). Registered by TPublisher.
#pragma once

#include "framework/core/PropValue.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TClassInfo;
class TObject;
class TStream;

enum class TPropKind {
    Integer,
    Boolean,
    Enumeration,
    Set,
    String,
    Color,
    Component,
    Object,
    Event,
    Binary,
    StringList
};

const char* PropKindName(TPropKind Kind);

// The names of an enumeration's values; a value's ordinal is its index. Set properties name their
// element enumeration (TFontStyles: the names of TFontStyle).
struct TEnumInfo {
    const char* TypeName;
    std::vector<std::string> Names;

    // Ignores letter case; -1 when the name is not a value of the enumeration.
    int IndexOf(std::string_view Name) const;
};

class TPropInfo {
public:
    using TGetter = std::function<TValue(const TObject&)>;
    using TSetter = std::function<void(TObject&, const TValue&)>;
    using TStoredFn = std::function<bool(const TObject&)>;
    using TClassFn = const TClassInfo& (*)();
    // Binary properties stream their own data: read from the description, written to it, and a test
    // whether there is anything to write.
    using TReadDataFn = std::function<void(TObject&, TStream&)>;
    using TWriteDataFn = std::function<void(const TObject&, TStream&)>;
    using THasDataFn = std::function<bool(const TObject&)>;

    TPropInfo(std::string AName, TPropKind AKind) : FName(std::move(AName)), FKind(AKind) {}

    const std::string& Name() const { return FName; }
    TPropKind Kind() const { return FKind; }
    // Enumeration and Set properties: the names of the (element) enumeration.
    const TEnumInfo* EnumInfo() const { return FEnumInfo; }
    // Component properties: the class a referenced component must be of; Object properties: the declared
    // class of the nested object. Null for other kinds.
    const TClassInfo* PropClass() const { return FClassFn ? &FClassFn() : nullptr; }
    bool IsReadOnly() const { return !FSetter; }

    // Get and set through the registered getter and setter. SetValue checks the value's type against the
    // kind, and ordinals against the enumeration, and raises EPropertyError naming the property.
    TValue GetValue(const TObject& Instance) const;
    void SetValue(TObject& Instance, const TValue& Value) const;

    // For the description writer: whether the value is to be written at all (the Stored predicate), and the
    // value that need not be written because a new instance already has it.
    bool IsStored(const TObject& Instance) const { return !FStoredFn || FStoredFn(Instance); }
    const std::optional<TValue>& DefaultValue() const { return FDefault; }

    // Binary properties only.
    void ReadData(TObject& Instance, TStream& Stream) const;
    void WriteData(const TObject& Instance, TStream& Stream) const;
    bool HasData(const TObject& Instance) const;

    // Filled in by TPublisher while the class publishes its properties.
    void SetAccessors(TGetter Getter, TSetter Setter);
    void SetBinaryAccessors(TReadDataFn Read, TWriteDataFn Write, THasDataFn Has);
    void SetEnumInfo(const TEnumInfo& Info) { FEnumInfo = &Info; }
    void SetClassFn(TClassFn ClassFn) { FClassFn = ClassFn; }
    void SetDefault(TValue Value) { FDefault = std::move(Value); }
    void SetStoredFn(TStoredFn Stored) { FStoredFn = std::move(Stored); }

private:
    [[noreturn]] void Fail(const TObject& Instance, const std::string& Problem) const;
    void CheckValue(const TObject& Instance, const TValue& Value) const;

    std::string FName;
    TPropKind FKind;
    const TEnumInfo* FEnumInfo = nullptr;
    TClassFn FClassFn = nullptr;
    TGetter FGetter;
    TSetter FSetter;
    TReadDataFn FReadData;
    TWriteDataFn FWriteData;
    THasDataFn FHasData;
    std::optional<TValue> FDefault;
    TStoredFn FStoredFn;
};
