#include "framework/core/PropValue.h"

#include "framework/core/Component.h"
#include "framework/core/Exceptions.h"

const char* TValue::TypeName(TType Type) {
    switch (Type) {
    case TType::Empty: return "empty";
    case TType::Integer: return "integer";
    case TType::Boolean: return "boolean";
    case TType::String: return "string";
    case TType::Object: return "object";
    case TType::Method: return "method";
    case TType::Strings: return "string list";
    }
    return "unknown";
}

template<class T>
const T& TValue::Get(TType Wanted) const {
    if (Type() != Wanted)
        throw EConvertError(std::string("Value is ") + TypeName(Type()) + ", not " + TypeName(Wanted));
    return std::get<T>(FData);
}

std::int64_t TValue::AsInteger() const {
    return Get<std::int64_t>(TType::Integer);
}

bool TValue::AsBoolean() const {
    return Get<bool>(TType::Boolean);
}

const std::string& TValue::AsString() const {
    return Get<std::string>(TType::String);
}

TPersistent* TValue::AsObject() const {
    return Get<TPersistent*>(TType::Object);
}

TComponent* TValue::AsComponent() const {
    TPersistent* Object = AsObject();
    auto* Component = dynamic_cast<TComponent*>(Object);
    if (Object && !Component) throw EConvertError("Value is a " + Object->ClassName() + ", not a component");
    return Component;
}

const TMethodRef& TValue::AsMethod() const {
    return Get<TMethodRef>(TType::Method);
}

const std::vector<std::string>& TValue::AsStrings() const {
    return Get<std::vector<std::string>>(TType::Strings);
}
