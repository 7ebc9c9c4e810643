// TValue: the value of one published property as the generic property access sees it. Integers carry
// integer, enumeration (ordinal), set (bit mask) and colour properties; objects carry component
// references and nested objects; methods carry event handlers; string lists carry TStrings' lines.
#pragma once

#include "framework/core/Sets.h"

#include <any>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

class TComponent;
class TPersistent;

// An event handler: its name (written to window descriptions) and the bound function, a
// std::function<void(Args...)> of the event's signature. Two references are equal when their names are.
struct TMethodRef {
    std::string Name;
    std::any Function;

    bool Assigned() const { return Function.has_value(); }
    bool operator==(const TMethodRef& Other) const { return Name == Other.Name; }
};

class TValue {
public:
    enum class TType { Empty, Integer, Boolean, String, Object, Method, Strings };

    TValue() = default;
    template<class I>
    requires(std::is_integral_v<I> && !std::is_same_v<I, bool>) || std::is_enum_v<I> TValue(I Value)
        : FData(static_cast<std::int64_t>(Value)) {}
    template<class E>
    TValue(TSet<E> Value) : FData(static_cast<std::int64_t>(Value.Bits())) {}
    // A template, so that pointers never silently turn into booleans.
    template<class B>
    requires std::is_same_v<B, bool> TValue(B Value) : FData(Value) {}
    TValue(std::string Value) : FData(std::move(Value)) {}
    TValue(std::string_view Value) : FData(std::string(Value)) {}
    TValue(const char* Value) : FData(std::string(Value)) {}
    TValue(TPersistent* Value) : FData(Value) {}
    TValue(std::nullptr_t) : FData(static_cast<TPersistent*>(nullptr)) {}
    TValue(TMethodRef Value) : FData(std::move(Value)) {}
    TValue(std::vector<std::string> Value) : FData(std::move(Value)) {}

    TType Type() const { return static_cast<TType>(FData.index()); }
    bool IsEmpty() const { return Type() == TType::Empty; }

    // Each accessor raises EConvertError when the value is of another type.
    std::int64_t AsInteger() const;
    bool AsBoolean() const;
    const std::string& AsString() const;
    TPersistent* AsObject() const;
    TComponent* AsComponent() const; // also EConvertError for an object that is not a component
    const TMethodRef& AsMethod() const;
    const std::vector<std::string>& AsStrings() const;

    bool operator==(const TValue& Other) const = default;

    static const char* TypeName(TType Type);

private:
    template<class T>
    const T& Get(TType Wanted) const;

    // The order of the alternatives is the order of TType.
    std::variant<std::monostate, std::int64_t, bool, std::string, TPersistent*, TMethodRef, std::vector<std::string>>
        FData;
};
