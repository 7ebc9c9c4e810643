#include "framework/core/DescriptionWriter.h"

#include "framework/core/Collection.h"
#include "framework/core/Colors.h"
#include "framework/core/Component.h"
#include "framework/core/DescriptionPrinter.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/core/Streams.h"

namespace {

constexpr unsigned MaxSetElements = 64;

TDescValue MakeValue(TDescValue::TKind Kind) {
    TDescValue Value;
    Value.Kind = Kind;
    return Value;
}

TDescValue Identifier(std::string Text) {
    TDescValue Value = MakeValue(TDescValue::TKind::Identifier);
    Value.Text = std::move(Text);
    return Value;
}

// The name of an ordinal of the property's enumeration; a value outside it cannot be written.
const std::string& OrdinalName(const TObject& Instance, const TPropInfo& Prop, std::uint64_t Ordinal) {
    const std::vector<std::string>& Names = Prop.EnumInfo()->Names;
    if (Ordinal >= Names.size())
        throw EWriteError(Instance.ClassName() + "." + Prop.Name() + ": " + std::to_string(Ordinal) +
                          " is not a value of " + Prop.EnumInfo()->TypeName);
    return Names[Ordinal];
}

} // namespace

TDescObject TDescriptionWriter::DescribeComponent(const TComponent& Component) const {
    TDescObject Object;
    Object.Name = Component.Name();
    Object.ClassName = Component.ClassName();
    DescribeProperties(Component, "", Object.Properties);
    Component.GetChildren([&](TComponent* Child) { Object.Children.push_back(DescribeComponent(*Child)); },
                          const_cast<TComponent*>(&FRoot));
    return Object;
}

void TDescriptionWriter::DescribeProperties(const TObject& Instance, const std::string& Prefix,
                                            std::vector<TDescProperty>& Out) const {
    for (const TPropInfo* Prop : Instance.ClassInfo().Properties()) {
        if (!Prop->IsStored(Instance)) continue;
        std::string Name = Prefix + Prop->Name();
        if (Prop->Kind() == TPropKind::Object) {
            TPersistent* Nested = Prop->GetValue(Instance).AsObject();
            if (!Nested) continue;
            if (auto* Collection = dynamic_cast<TCollection*>(Nested))
                Out.push_back({Name, DescribeCollection(*Collection), 0});
            else
                DescribeProperties(*Nested, Name + ".", Out);
            continue;
        }
        TDescValue Value;
        if (DescribeValue(Instance, *Prop, Value)) Out.push_back({Name, std::move(Value), 0});
    }
}

bool TDescriptionWriter::DescribeValue(const TObject& Instance, const TPropInfo& Prop, TDescValue& Value) const {
    using TKind = TDescValue::TKind;
    if (Prop.Kind() == TPropKind::Binary) {
        if (!Prop.HasData(Instance)) return false;
        TMemoryStream Data;
        Prop.WriteData(Instance, Data);
        Value = MakeValue(TKind::Binary);
        Value.Bytes.assign(Data.Memory(), Data.Memory() + Data.Size());
        return true;
    }
    TValue Current = Prop.GetValue(Instance);
    if (Prop.DefaultValue() && Current == *Prop.DefaultValue()) return false;
    switch (Prop.Kind()) {
    case TPropKind::Integer:
        Value = MakeValue(TKind::Integer);
        Value.Integer = Current.AsInteger();
        return true;
    case TPropKind::Boolean: Value = Identifier(Current.AsBoolean() ? "True" : "False"); return true;
    case TPropKind::Enumeration:
        Value = Identifier(OrdinalName(Instance, Prop, static_cast<std::uint64_t>(Current.AsInteger())));
        return true;
    case TPropKind::Set: {
        Value = MakeValue(TKind::Set);
        auto Bits = static_cast<std::uint64_t>(Current.AsInteger());
        for (unsigned Bit = 0; Bit < MaxSetElements; ++Bit)
            if (Bits & (std::uint64_t{1} << Bit)) Value.Elements.push_back(OrdinalName(Instance, Prop, Bit));
        return true;
    }
    case TPropKind::Color: {
        std::string Name;
        if (ColorToIdent(static_cast<TColor>(Current.AsInteger()), Name)) {
            Value = Identifier(Name);
        } else {
            Value = MakeValue(TKind::Integer);
            Value.Integer = Current.AsInteger();
        }
        return true;
    }
    case TPropKind::String:
        if (!Prop.DefaultValue() && Current.AsString().empty()) return false;
        Value = MakeValue(TKind::String);
        Value.Text = Current.AsString();
        return true;
    case TPropKind::StringList:
        if (!Prop.DefaultValue() && Current.AsStrings().empty()) return false;
        Value = MakeValue(TKind::StringList);
        Value.Elements = Current.AsStrings();
        return true;
    case TPropKind::Component: {
        std::string Name = ReferenceName(Current.AsComponent());
        if (Name.empty()) return false;
        Value = Identifier(Name);
        return true;
    }
    case TPropKind::Event:
        if (Current.AsMethod().Name.empty()) return false;
        Value = Identifier(Current.AsMethod().Name);
        return true;
    case TPropKind::Object:
    case TPropKind::Binary: break;
    }
    return false;
}

TDescValue TDescriptionWriter::DescribeCollection(const TCollection& Collection) const {
    TDescValue Value = MakeValue(TDescValue::TKind::Collection);
    for (int I = 0; I < Collection.Count(); ++I) {
        TDescItem Item;
        DescribeProperties(*Collection.Items(I), "", Item.Properties);
        Value.Items.push_back(std::move(Item));
    }
    return Value;
}

std::string TDescriptionWriter::ReferenceName(const TComponent* Component) const {
    if (!Component || (Component != &FRoot && Component->Owner() != &FRoot)) return {};
    return Component->Name();
}

std::string WriteComponentDescription(const TComponent& Root) {
    return PrintDescription(TDescriptionWriter(Root).Describe());
}
