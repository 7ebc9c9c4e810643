// Reads a window description into components: the root is an existing instance (the form being
// constructed); every nested object is created through the class registry with the root as owner and
// the enclosing object as parent component, parents before children, and its properties are applied in
// stored order. Component references are resolved by name once the whole description is read, and then
// Loaded is called on the root and on every created component. While reading, the components carry
// csLoading (until Loaded) and csReading (while their own properties are applied).
//
// Errors raise EReadError naming the line, the class and the property, e.g.
// "line 12: TvskButton has no property 'Colr'". The description is checked as a whole first (classes,
// component names, properties and the kinds of their values), so that such mistakes change nothing at
// all. What only the instances can reveal (a setter refusing a value, a reference to a missing component,
// the contents of a collection) fails while applying: then the components created so far are destroyed
// again, and only what was already set on the root stays.
#pragma once

#include "framework/core/DescriptionTree.h"
#include "framework/core/PropValue.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TClassInfo;
class TCollection;
class TComponent;
class TObject;
class TPropInfo;

class TDescriptionReader {
public:
    explicit TDescriptionReader(TComponent& Root);
    TDescriptionReader(const TDescriptionReader&) = delete;
    TDescriptionReader& operator=(const TDescriptionReader&) = delete;
    ~TDescriptionReader();

    void Read(const TDescObject& Description);

private:
    class TTracker;

    void ReadRoot(const TDescObject& Description);
    void CreateComponent(const TDescObject& Description, TComponent& Parent);
    void ReadChildren(const TDescObject& Description, TComponent& Parent);
    void ApplyProperty(TObject& Instance, const TDescProperty& Property);
    // Checks a value against the property's kind and turns it into what the setter takes; component
    // references (resolved at the end), collections and binary data come back empty.
    TValue ConvertValue(const TClassInfo& TargetClass, const TPropInfo& Prop, const TDescValue& Value) const;
    void ApplyValue(TObject& Target, const TPropInfo& Prop, const TDescValue& Value);
    // Before anything is created or set: the classes exist, the names are usable and unique, and every
    // property exists and is given a value of its kind. What only the instances can tell (ranges,
    // references, the contents of collections) is checked while applying.
    void Validate(const TDescObject& Description, const TClassInfo& Class, std::vector<std::string>& Names) const;
    void ValidateProperty(const TClassInfo& Class, const TDescProperty& Property) const;
    void ReadCollection(TCollection& Collection, const TDescValue& Value);
    void ResolveFixups();
    void CallLoaded();
    TComponent* FindReferenced(const std::string& Name) const;
    void Abort();
    [[noreturn]] void Fail(int Line, const std::string& Message) const;
    [[noreturn]] void FailProperty(int Line, const TClassInfo& TargetClass, const TPropInfo& Prop,
                                   const std::string& Message) const;

    TComponent& FRoot;
    // Follows the created components (through FreeNotification) and the references still to resolve.
    std::unique_ptr<TTracker> FTracker;
};

// Parses Text and reads it into Root (see TDescriptionReader).
void ReadComponentDescription(TComponent& Root, std::string_view Text);
