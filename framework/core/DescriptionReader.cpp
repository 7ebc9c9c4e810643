#include "framework/core/DescriptionReader.h"

#include "framework/core/ClassRegistry.h"
#include "framework/core/Collection.h"
#include "framework/core/Colors.h"
#include "framework/core/Component.h"
#include "framework/core/DescriptionParser.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/core/Streams.h"
#include "framework/core/TextUtils.h"

#include <algorithm>

namespace {

// An error that already names its line; passed on unchanged by the enclosing steps.
class ELocatedReadError : public EReadError {
public:
    using EReadError::EReadError;
};

constexpr std::string_view NilReference = "nil";

std::string DescribeValueKind(TDescValue::TKind Kind) {
    using TKind = TDescValue::TKind;
    switch (Kind) {
    case TKind::Integer: return "an integer";
    case TKind::String: return "a string";
    case TKind::Identifier: return "an identifier";
    case TKind::Set: return "a set";
    case TKind::Binary: return "binary data";
    case TKind::StringList: return "a string list";
    case TKind::Collection: return "a collection";
    }
    return "a value";
}

// Keeps a collection's update open for the scope, also when an item's property fails.
class TCollectionUpdate {
public:
    explicit TCollectionUpdate(TCollection& ACollection) : FCollection(ACollection) { FCollection.BeginUpdate(); }
    TCollectionUpdate(const TCollectionUpdate&) = delete;
    TCollectionUpdate& operator=(const TCollectionUpdate&) = delete;
    ~TCollectionUpdate() { FCollection.EndUpdate(); }

private:
    TCollection& FCollection;
};

} // namespace

// The components created so far, in order, with the line of their description, and the references
// still to resolve. Subscribed to every created component, so that one destroyed during the reading (by
// another component's setter, say) leaves neither list pointing at it.
class TDescriptionReader::TTracker : public TComponent {
public:
    struct TCreated {
        TComponent* Component;
        int Line;
    };
    struct TFixup {
        TObject* Instance;
        const TPropInfo* Prop;
        std::string ComponentName;
        int Line;
    };

    TTracker() : TComponent(nullptr) {}

    void Add(TComponent* Component, int Line) {
        Created.push_back({Component, Line});
        Component->FreeNotification(this);
    }
    void Notification(TComponent* AComponent, TOperation Operation) override {
        if (Operation != opRemove) return;
        std::erase_if(Created, [&](const TCreated& Entry) { return Entry.Component == AComponent; });
        std::erase_if(Fixups, [&](const TFixup& Fixup) { return Fixup.Instance == AComponent; });
    }

    std::vector<TCreated> Created;
    std::vector<TFixup> Fixups;
    int RootLine = 0;
};

TDescriptionReader::TDescriptionReader(TComponent& Root) : FRoot(Root) {}

TDescriptionReader::~TDescriptionReader() = default;

void TDescriptionReader::Fail(int Line, const std::string& Message) const {
    throw ELocatedReadError("line " + std::to_string(Line) + ": " + Message);
}

void TDescriptionReader::FailProperty(int Line, const TClassInfo& TargetClass, const TPropInfo& Prop,
                                      const std::string& Message) const {
    Fail(Line, TargetClass.Name() + "." + Prop.Name() + ": " + Message);
}

void TDescriptionReader::Read(const TDescObject& Description) {
    FTracker = std::make_unique<TTracker>();
    FTracker->RootLine = Description.Line;
    FRoot.SetState(csLoading, true);
    FRoot.SetState(csReading, true);
    try {
        ReadRoot(Description);
        ResolveFixups();
        CallLoaded();
    } catch (...) {
        Abort();
        throw;
    }
    FTracker.reset();
}

void TDescriptionReader::Abort() {
    // Children were created after their parents: destroy them first.
    while (!FTracker->Created.empty())
        delete FTracker->Created.back().Component;
    FTracker.reset();
    FRoot.SetState(csReading, false);
    FRoot.SetState(csLoading, false);
}

void TDescriptionReader::ReadRoot(const TDescObject& Description) {
    bool ClassFits = false;
    for (const TClassInfo* Class = &FRoot.ClassInfo(); Class; Class = Class->Parent())
        ClassFits = ClassFits || SameText(Class->Name(), Description.ClassName);
    if (!ClassFits)
        Fail(Description.Line, "the description is of a " + Description.ClassName + ", not of a " + FRoot.ClassName());
    std::vector<std::string> Names;
    for (int I = 0; I < FRoot.ComponentCount(); ++I)
        if (!FRoot.Components(I)->Name().empty()) Names.push_back(LowerCase(FRoot.Components(I)->Name()));
    Validate(Description, FRoot.ClassInfo(), Names);
    if (FRoot.Name().empty() && !Description.Name.empty()) {
        try {
            FRoot.SetName(Description.Name);
        } catch (const Exception& E) {
            Fail(Description.Line, E.Message());
        }
    }
    for (const TDescProperty& Property : Description.Properties)
        ApplyProperty(FRoot, Property);
    FRoot.SetState(csReading, false);
    ReadChildren(Description, FRoot);
}

void TDescriptionReader::ReadChildren(const TDescObject& Description, TComponent& Parent) {
    for (const TDescObject& Child : Description.Children)
        CreateComponent(Child, Parent);
}

void TDescriptionReader::CreateComponent(const TDescObject& Description, TComponent& Parent) {
    const TClassInfo* Class = FindClass(Description.ClassName);
    if (!Class) Fail(Description.Line, "Class " + Description.ClassName + " not found");
    if (!Class->CanCreate()) Fail(Description.Line, "Cannot create an instance of " + Class->Name());
    TComponent* Component = nullptr;
    TComponent::FCreatingForReader = true;
    try {
        Component = Class->Create(&FRoot);
    } catch (const Exception& E) {
        TComponent::FCreatingForReader = false;
        Fail(Description.Line, Class->Name() + ": " + E.Message());
    } catch (...) {
        TComponent::FCreatingForReader = false;
        throw;
    }
    FTracker->Add(Component, Description.Line);
    try {
        Component->SetName(Description.Name);
        Component->SetParentComponent(&Parent);
    } catch (const Exception& E) {
        Fail(Description.Line, E.Message());
    }
    for (const TDescProperty& Property : Description.Properties)
        ApplyProperty(*Component, Property);
    Component->SetState(csReading, false);
    ReadChildren(Description, *Component);
}

void TDescriptionReader::ApplyProperty(TObject& Instance, const TDescProperty& Property) {
    // Walk the path through nested objects: Font.Name sets the font's Name.
    TObject* Target = &Instance;
    const TPropInfo* Prop = nullptr;
    std::string_view Rest = Property.Name;
    for (;;) {
        std::size_t Dot = Rest.find('.');
        Prop = Target->ClassInfo().FindProperty(Rest.substr(0, Dot));
        if (!Prop || (Dot != std::string_view::npos && Prop->Kind() != TPropKind::Object))
            Fail(Property.Line, Instance.ClassName() + " has no property '" + Property.Name + "'");
        if (Dot == std::string_view::npos) break;
        TObject* Nested = Prop->GetValue(*Target).AsObject();
        if (!Nested)
            FailProperty(Property.Line, Target->ClassInfo(), *Prop,
                         "no object to set '" + std::string(Rest.substr(Dot + 1)) + "' on");
        Target = Nested;
        Rest.remove_prefix(Dot + 1);
    }
    try {
        ApplyValue(*Target, *Prop, Property.Value);
    } catch (const ELocatedReadError&) {
        throw;
    } catch (const EPropertyError& E) {
        Fail(Property.Line, E.Message()); // already names the class and the property
    } catch (const Exception& E) {
        FailProperty(Property.Line, Target->ClassInfo(), *Prop, E.Message());
    } catch (const std::exception& E) {
        FailProperty(Property.Line, Target->ClassInfo(), *Prop, E.what());
    }
}

TValue TDescriptionReader::ConvertValue(const TClassInfo& TargetClass, const TPropInfo& Prop,
                                        const TDescValue& Value) const {
    using TKind = TDescValue::TKind;
    auto Require = [&](TKind Kind) {
        if (Value.Kind != Kind)
            FailProperty(Value.Line, TargetClass, Prop,
                         std::string(PropKindName(Prop.Kind())) + " property given " + DescribeValueKind(Value.Kind));
    };
    auto Ordinal = [&](const std::string& Name) -> std::int64_t {
        int Index = Prop.EnumInfo()->IndexOf(Name);
        if (Index < 0)
            FailProperty(Value.Line, TargetClass, Prop,
                         "'" + Name + "' is not a value of " + Prop.EnumInfo()->TypeName);
        return Index;
    };

    switch (Prop.Kind()) {
    case TPropKind::Integer: Require(TKind::Integer); return TValue(Value.Integer);
    case TPropKind::Boolean:
        Require(TKind::Identifier);
        if (!SameText(Value.Text, "True") && !SameText(Value.Text, "False"))
            FailProperty(Value.Line, TargetClass, Prop, "'" + Value.Text + "' is not a boolean");
        return TValue(SameText(Value.Text, "True"));
    case TPropKind::Enumeration: Require(TKind::Identifier); return TValue(Ordinal(Value.Text));
    case TPropKind::Set: {
        Require(TKind::Set);
        std::uint64_t Bits = 0;
        for (const std::string& Element : Value.Elements)
            Bits |= std::uint64_t{1} << Ordinal(Element);
        return TValue(static_cast<std::int64_t>(Bits));
    }
    case TPropKind::String: Require(TKind::String); return TValue(Value.Text);
    case TPropKind::Color: {
        if (Value.Kind == TKind::Integer) return TValue(Value.Integer);
        Require(TKind::Identifier);
        TColor Color;
        if (!IdentToColor(Value.Text, Color))
            FailProperty(Value.Line, TargetClass, Prop, "'" + Value.Text + "' is not a colour");
        return TValue(Color);
    }
    case TPropKind::Component:
        Require(TKind::Identifier);
        return SameText(Value.Text, NilReference) ? TValue(nullptr) : TValue();
    case TPropKind::Object: {
        const TClassInfo* Declared = Prop.PropClass();
        if (Value.Kind != TKind::Collection || !Declared || !Declared->InheritsFrom(TCollection::StaticClassInfo()))
            FailProperty(Value.Line, TargetClass, Prop, "object property given " + DescribeValueKind(Value.Kind));
        return TValue();
    }
    case TPropKind::Event: {
        Require(TKind::Identifier);
        if (SameText(Value.Text, NilReference)) return TValue(TMethodRef{});
        const THandlerInfo* Handler = FRoot.ClassInfo().FindHandler(Value.Text);
        if (!Handler)
            FailProperty(Value.Line, TargetClass, Prop, FRoot.ClassName() + " has no handler '" + Value.Text + "'");
        return TValue(TMethodRef{Handler->Name, Handler->Bind(FRoot)});
    }
    case TPropKind::Binary: Require(TKind::Binary); return TValue();
    case TPropKind::StringList: Require(TKind::StringList); return TValue(Value.Elements);
    }
    return TValue();
}

void TDescriptionReader::ApplyValue(TObject& Target, const TPropInfo& Prop, const TDescValue& Value) {
    TValue Converted = ConvertValue(Target.ClassInfo(), Prop, Value);
    switch (Prop.Kind()) {
    case TPropKind::Component:
        if (Converted.IsEmpty())
            FTracker->Fixups.push_back({&Target, &Prop, Value.Text, Value.Line});
        else
            Prop.SetValue(Target, Converted);
        return;
    case TPropKind::Object: {
        auto* Collection = dynamic_cast<TCollection*>(Prop.GetValue(Target).AsObject());
        if (!Collection)
            FailProperty(Value.Line, Target.ClassInfo(), Prop,
                         "object property given " + DescribeValueKind(Value.Kind));
        return ReadCollection(*Collection, Value);
    }
    case TPropKind::Binary: {
        TMemoryStream Data;
        Data.WriteBuffer(Value.Bytes.data(), static_cast<std::int64_t>(Value.Bytes.size()));
        Data.SetPosition(0);
        return Prop.ReadData(Target, Data);
    }
    default: return Prop.SetValue(Target, Converted);
    }
}

void TDescriptionReader::Validate(const TDescObject& Description, const TClassInfo& Class,
                                  std::vector<std::string>& Names) const {
    for (const TDescProperty& Property : Description.Properties)
        ValidateProperty(Class, Property);
    for (const TDescObject& Child : Description.Children) {
        const TClassInfo* ChildClass = FindClass(Child.ClassName);
        if (!ChildClass) Fail(Child.Line, "Class " + Child.ClassName + " not found");
        if (!ChildClass->CanCreate()) Fail(Child.Line, "Cannot create an instance of " + ChildClass->Name());
        if (!Child.Name.empty()) {
            if (!IsValidIdent(Child.Name)) Fail(Child.Line, "'" + Child.Name + "' is not a valid component name");
            std::string Key = LowerCase(Child.Name);
            if (std::find(Names.begin(), Names.end(), Key) != Names.end())
                Fail(Child.Line, "A component named " + Child.Name + " already exists");
            Names.push_back(Key);
        }
        Validate(Child, *ChildClass, Names);
    }
}

void TDescriptionReader::ValidateProperty(const TClassInfo& Class, const TDescProperty& Property) const {
    const TClassInfo* Current = &Class;
    std::string_view Rest = Property.Name;
    for (;;) {
        std::size_t Dot = Rest.find('.');
        const TPropInfo* Prop = Current->FindProperty(Rest.substr(0, Dot));
        if (!Prop || (Dot != std::string_view::npos && Prop->Kind() != TPropKind::Object))
            Fail(Property.Line, Class.Name() + " has no property '" + Property.Name + "'");
        if (Dot == std::string_view::npos) {
            ConvertValue(*Current, *Prop, Property.Value);
            return;
        }
        // Inside a collection, or without a declared class, only the instances can tell.
        Current = Prop->PropClass();
        if (!Current || Current->InheritsFrom(TCollection::StaticClassInfo())) return;
        Rest.remove_prefix(Dot + 1);
    }
}

void TDescriptionReader::ReadCollection(TCollection& Collection, const TDescValue& Value) {
    // References waiting to be set on the old items would outlive them.
    std::erase_if(FTracker->Fixups, [&](const TTracker::TFixup& Fixup) {
        for (int I = 0; I < Collection.Count(); ++I)
            if (Fixup.Instance == Collection.Items(I)) return true;
        return false;
    });
    TCollectionUpdate Update(Collection);
    Collection.Clear();
    for (const TDescItem& Item : Value.Items) {
        TCollectionItem* Instance = Collection.Add();
        for (const TDescProperty& Property : Item.Properties)
            ApplyProperty(*Instance, Property);
    }
}

TComponent* TDescriptionReader::FindReferenced(const std::string& Name) const {
    if (SameText(FRoot.Name(), Name)) return &FRoot;
    return FRoot.FindComponent(Name);
}

void TDescriptionReader::ResolveFixups() {
    // Setting one reference may make a component drop another's; take the list as it stands.
    std::vector<TTracker::TFixup> Fixups = std::move(FTracker->Fixups);
    for (const TTracker::TFixup& Fixup : Fixups) {
        TComponent* Component = FindReferenced(Fixup.ComponentName);
        if (!Component)
            FailProperty(Fixup.Line, Fixup.Instance->ClassInfo(), *Fixup.Prop,
                         "component '" + Fixup.ComponentName + "' not found");
        try {
            Fixup.Prop->SetValue(*Fixup.Instance, TValue(Component));
        } catch (const EPropertyError& E) {
            Fail(Fixup.Line, E.Message());
        } catch (const Exception& E) {
            FailProperty(Fixup.Line, Fixup.Instance->ClassInfo(), *Fixup.Prop, E.Message());
        }
    }
}

void TDescriptionReader::CallLoaded() {
    std::vector<TTracker::TCreated> Loading = FTracker->Created;
    Loading.insert(Loading.begin(), {&FRoot, FTracker->RootLine});
    for (const TTracker::TCreated& Entry : Loading) {
        try {
            Entry.Component->Loaded();
        } catch (const Exception& E) {
            Fail(Entry.Line, Entry.Component->ClassName() + ": " + E.Message());
        }
    }
}

void ReadComponentDescription(TComponent& Root, std::string_view Text) {
    TDescriptionReader(Root).Read(ParseDescription(Text));
}
