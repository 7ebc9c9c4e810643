// TPublisher<T>: what a class's Publish function uses to register its published properties, one line
// each, and (form classes) the methods that window descriptions may bind to events:
//
//   p.Int("Width", &T::Width, &T::SetWidth).Default(10);
//   p.Enum("UIStyle", &T::UIStyle, &T::SetUIStyle, TvskUIStyleInfo);
//   p.Ref("FileTheme", &T::FileTheme, &T::SetFileTheme);
//   p.Object("Font", &T::Font, &T::SetFont);
//   p.Event("OnClick", &T::OnClick);
//   p.Binary("SkinData", &T::ReadSkinData, &T::WriteSkinData, &T::HasSkinData);
//   p.Handler("btnAddClick", &TfmMain::btnAddClick);
//
// Getters may return by value or const reference; setters may take by value or const reference; a
// setter of nullptr makes the property read-only (nested objects whose own properties are published).
#pragma once

#include "framework/core/ClassInfo.h"
#include "framework/core/Events.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Object.h"
#include "framework/core/Persistent.h"
#include "framework/core/PropInfo.h"

#include <any>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

class TComponent;
class TStream;

// Returned by each registration: optional details for the description writer.
template<class T>
class TPropBuilder {
public:
    explicit TPropBuilder(TPropInfo& Info) : FInfo(Info) {}

    // The value a new instance has; the writer leaves it out of descriptions.
    TPropBuilder& Default(TValue Value) {
        FInfo.SetDefault(std::move(Value));
        return *this;
    }
    // Whether the writer stores the property at all: a constant or a predicate such as &T::IsColorStored.
    TPropBuilder& Stored(bool Value) {
        FInfo.SetStoredFn([Value](const TObject&) { return Value; });
        return *this;
    }
    template<class P>
    requires std::is_invocable_r_v<bool, P&, T&> TPropBuilder& Stored(P Predicate) {
        FInfo.SetStoredFn([Predicate](const TObject& Instance) {
            return std::invoke(Predicate, const_cast<T&>(static_cast<const T&>(Instance)));
        });
        return *this;
    }

private:
    TPropInfo& FInfo;
};

template<class T>
class TPublisher {
public:
    explicit TPublisher(TClassInfo& Info) : FInfo(Info) {}

    template<class G, class S>
    TPropBuilder<T> Int(const char* Name, G Getter, S Setter) {
        using R = TResult<G>;
        static_assert(std::is_integral_v<R> && !std::is_same_v<R, bool>, "Int: the getter must return an integer");
        return TPropBuilder<T>(Add(
            Name, TPropKind::Integer, Getter, Setter, [](const R& V) { return TValue(V); },
            [Name](const TObject& I, const TValue& V) { return Narrow<R>(I, Name, V.AsInteger()); }));
    }

    template<class G, class S>
    TPropBuilder<T> Bool(const char* Name, G Getter, S Setter) {
        static_assert(std::is_same_v<TResult<G>, bool>, "Bool: the getter must return bool");
        return TPropBuilder<T>(Add(
            Name, TPropKind::Boolean, Getter, Setter, [](bool V) { return TValue(V); },
            [](const TObject&, const TValue& V) { return V.AsBoolean(); }));
    }

    template<class G, class S>
    TPropBuilder<T> Str(const char* Name, G Getter, S Setter) {
        static_assert(std::is_convertible_v<TResult<G>, std::string>, "Str: the getter must return a string");
        return TPropBuilder<T>(Add(
            Name, TPropKind::String, Getter, Setter, [](const std::string& V) { return TValue(V); },
            [](const TObject&, const TValue& V) -> const std::string& { return V.AsString(); }));
    }

    // Colours are 32-bit 0x00BBGGRR values (system colours 0x80000000 + index); negative numbers in the
    // 32-bit range are accepted as their unsigned equivalent.
    template<class G, class S>
    TPropBuilder<T> Color(const char* Name, G Getter, S Setter) {
        using R = TResult<G>;
        static_assert(std::is_integral_v<R> && sizeof(R) == sizeof(std::uint32_t),
                      "Color: the getter must return a TColor");
        return TPropBuilder<T>(Add(
            Name, TPropKind::Color, Getter, Setter, [](const R& V) { return TValue(static_cast<std::uint32_t>(V)); },
            [Name](const TObject& I, const TValue& V) {
                std::int64_t Value = V.AsInteger();
                if (Value < std::numeric_limits<std::int32_t>::min() ||
                    Value > std::numeric_limits<std::uint32_t>::max())
                    Fail(I, Name, std::to_string(Value) + " is not a colour");
                return static_cast<R>(static_cast<std::uint32_t>(Value));
            }));
    }

    template<class G, class S>
    TPropBuilder<T> Enum(const char* Name, G Getter, S Setter, const TEnumInfo& Info) {
        using R = TResult<G>;
        static_assert(std::is_enum_v<R>, "Enum: the getter must return an enumeration");
        TPropInfo& Prop = Add(
            Name, TPropKind::Enumeration, Getter, Setter, [](const R& V) { return TValue(V); },
            [](const TObject&, const TValue& V) { return static_cast<R>(V.AsInteger()); });
        Prop.SetEnumInfo(Info);
        return TPropBuilder<T>(Prop);
    }

    // The getter returns a TSet<E> or an integer bit mask; Info names the element enumeration.
    template<class G, class S>
    TPropBuilder<T> Set(const char* Name, G Getter, S Setter, const TEnumInfo& Info) {
        using R = TResult<G>;
        static_assert(IsTSet<R> || std::is_integral_v<R>, "Set: the getter must return a TSet or a bit mask");
        TPropInfo& Prop = Add(
            Name, TPropKind::Set, Getter, Setter, [](const R& V) { return TValue(Bits(V)); },
            [](const TObject&, const TValue& V) { return FromBits<R>(static_cast<std::uint64_t>(V.AsInteger())); });
        Prop.SetEnumInfo(Info);
        return TPropBuilder<T>(Prop);
    }

    // A reference to a component the instance does not own. The setter receives null or a component of the
    // getter's class; anything else raises EPropertyError.
    template<class G, class S>
    TPropBuilder<T> Ref(const char* Name, G Getter, S Setter) {
        using R = TResult<G>;
        using X = std::remove_pointer_t<R>;
        static_assert(std::is_pointer_v<R> && std::is_base_of_v<TComponent, X>,
                      "Ref: the getter must return a pointer to a component");
        TPropInfo& Prop = Add(
            Name, TPropKind::Component, Getter, Setter, [](X* V) { return TValue(static_cast<TPersistent*>(V)); },
            [Name](const TObject& I, const TValue& V) { return Cast<X>(I, Name, V.AsObject()); });
        Prop.SetClassFn(&X::StaticClassInfo);
        return TPropBuilder<T>(Prop);
    }

    // A nested object the instance owns (font, picture, string list, collection). The getter returns it;
    // the setter (taking a pointer or a const reference) copies the given object into it with Assign.
    template<class G, class S>
    TPropBuilder<T> Object(const char* Name, G Getter, S Setter) {
        using R = TResult<G>;
        using X = std::remove_pointer_t<R>;
        static_assert(std::is_pointer_v<R> && std::is_base_of_v<TPersistent, X>,
                      "Object: the getter must return a pointer to a persistent object");
        auto ToValue = [](X* V) { return TValue(static_cast<TPersistent*>(V)); };
        TPropInfo* Prop;
        if constexpr (std::is_null_pointer_v<S> || std::is_invocable_v<S&, T&, X*>) {
            Prop = &Add(Name, TPropKind::Object, Getter, Setter, ToValue,
                        [Name](const TObject& I, const TValue& V) { return Cast<X>(I, Name, V.AsObject()); });
        } else {
            Prop = &Add(Name, TPropKind::Object, Getter, Setter, ToValue,
                        [Name](const TObject& I, const TValue& V) -> const X& {
                            X* Object = Cast<X>(I, Name, V.AsObject());
                            if (!Object) Fail(I, Name, "needs an object, not nil");
                            return *Object;
                        });
        }
        Prop->SetClassFn(&X::StaticClassInfo);
        return TPropBuilder<T>(*Prop);
    }

    // An event field: p.Event("OnClick", &T::OnClick). Set from a TMethodRef whose function has the event's
    // signature; another signature raises EPropertyError.
    template<class C, class... A>
    requires std::is_base_of_v<C, T> TPropBuilder<T> Event(const char* Name, TEvent<A...> C::*Field) {
        using TFunction = typename TEvent<A...>::TFunction;
        auto Prop = std::make_unique<TPropInfo>(Name, TPropKind::Event);
        Prop->SetAccessors(
            [Field](const TObject& I) {
                const TEvent<A...>& Event = static_cast<const T&>(I).*Field;
                return TValue(TMethodRef{Event.HandlerName(), Event ? std::any(Event.Function()) : std::any()});
            },
            [Field, Name](TObject& I, const TValue& V) {
                const TMethodRef& Method = V.AsMethod();
                TEvent<A...>& Event = static_cast<T&>(I).*Field;
                if (!Method.Assigned()) return Event.Clear();
                const auto* Function = std::any_cast<TFunction>(&Method.Function);
                if (!Function) Fail(I, Name, "handler '" + Method.Name + "' does not fit the event");
                Event.Assign(Method.Name, *Function);
            });
        return TPropBuilder<T>(FInfo.AddProperty(std::move(Prop)));
    }

    // Data the class streams itself, e.g. a whole theme file ("SkinData"): Read(TStream&) when a
    // description is read, Write(TStream&) when it is written, Has() whether there is anything to write.
    template<class R, class W, class H>
    TPropBuilder<T> Binary(const char* Name, R Read, W Write, H Has) {
        auto Prop = std::make_unique<TPropInfo>(Name, TPropKind::Binary);
        Prop->SetBinaryAccessors([Read](TObject& I, TStream& S) { std::invoke(Read, static_cast<T&>(I), S); },
                                 [Write](const TObject& I, TStream& S) { std::invoke(Write, Self(I), S); },
                                 [Has](const TObject& I) { return static_cast<bool>(std::invoke(Has, Self(I))); });
        return TPropBuilder<T>(FInfo.AddProperty(std::move(Prop)));
    }

    // A list of lines (TStrings publishes its own as "Strings", so that Items.Strings = ('a' 'b') works).
    template<class G, class S>
    TPropBuilder<T> Strings(const char* Name, G Getter, S Setter) {
        static_assert(std::is_convertible_v<TResult<G>, std::vector<std::string>>,
                      "Strings: the getter must return std::vector<std::string>");
        return TPropBuilder<T>(Add(
            Name, TPropKind::StringList, Getter, Setter, [](const std::vector<std::string>& V) { return TValue(V); },
            [](const TObject&, const TValue& V) -> const std::vector<std::string>& { return V.AsStrings(); }));
    }

    // A method that window descriptions may bind to events by name (form classes).
    template<class C, class... A>
    requires std::is_base_of_v<C, T>
    void Handler(const char* Name, void (C::*Method)(A...)) {
        FInfo.AddHandler({Name, [Method](TObject& I) -> std::any {
                              T* Instance = &static_cast<T&>(I);
                              return std::function<void(A...)>(
                                  [Instance, Method](A... Args) { (Instance->*Method)(std::forward<A>(Args)...); });
                          }});
    }

private:
    template<class G>
    using TResult = std::remove_cvref_t<std::invoke_result_t<G&, T&>>;

    // Getters are called on const instances; a getter not declared const (one that creates its object on
    // first use, say) is still allowed.
    static T& Self(const TObject& Instance) { return const_cast<T&>(static_cast<const T&>(Instance)); }

    [[noreturn]] static void Fail(const TObject& Instance, const char* Name, const std::string& Problem) {
        throw EPropertyError(Instance.ClassName() + "." + Name + ": " + Problem);
    }

    template<class R>
    static R Narrow(const TObject& Instance, const char* Name, std::int64_t Value) {
        if (!std::in_range<R>(Value)) Fail(Instance, Name, std::to_string(Value) + " is out of range");
        return static_cast<R>(Value);
    }

    template<class X>
    static X* Cast(const TObject& Instance, const char* Name, TPersistent* Object) {
        X* Result = dynamic_cast<X*>(Object);
        if (Object && !Result)
            Fail(Instance, Name, "a " + Object->ClassName() + " is not a " + X::StaticClassInfo().Name());
        return Result;
    }

    template<class R>
    static std::uint64_t Bits(const R& Value) {
        if constexpr (IsTSet<R>)
            return Value.Bits();
        else
            return static_cast<std::uint64_t>(Value);
    }
    template<class R>
    static R FromBits(std::uint64_t Bits) {
        if constexpr (IsTSet<R>)
            return R::FromBits(Bits);
        else
            return static_cast<R>(Bits);
    }

    template<class G, class S, class ToValue, class FromValue>
    TPropInfo& Add(const char* Name, TPropKind Kind, G Getter, S Setter, ToValue To, FromValue From) {
        auto Prop = std::make_unique<TPropInfo>(Name, Kind);
        TPropInfo::TGetter Get = [Getter, To](const TObject& I) { return To(std::invoke(Getter, Self(I))); };
        TPropInfo::TSetter Put;
        if constexpr (!std::is_null_pointer_v<S>)
            Put = [Setter, From](TObject& I, const TValue& V) { std::invoke(Setter, static_cast<T&>(I), From(I, V)); };
        Prop->SetAccessors(std::move(Get), std::move(Put));
        return FInfo.AddProperty(std::move(Prop));
    }

    TClassInfo& FInfo;
};

// The factory of a class: only components that can be constructed from their owner.
template<class T>
constexpr TClassInfo::TFactory ComponentFactory() {
    if constexpr (std::is_base_of_v<TComponent, T> && !std::is_abstract_v<T> && std::is_constructible_v<T, TComponent*>)
        return [](TComponent* AOwner) -> TComponent* { return new T(AOwner); };
    else
        return nullptr;
}

// Builds a class's information once (see VSK_IMPLEMENT_CLASS).
template<class T>
const TClassInfo& BuildClassInfo(const char* Name) {
    static TClassInfo Info(Name, &T::inherited::StaticClassInfo(), ComponentFactory<T>());
    TPublisher<T> Publisher(Info);
    T::Publish(Publisher);
    return Info;
}
