// Reads a window description into components: the root is an existing instance (the form being
// constructed); every nested object is created through the class registry with the root as owner and
// the enclosing object as parent component, parents before children, and its properties are applied in
// stored order. Component references are resolved by name once the whole description is read, and then
// Loaded is called on the root and on every created component. While reading, the components carry
// csLoading (until Loaded) and csReading (while their own properties are applied).
//
// Errors raise EReadError naming the line, the class and the property, e.g.
// "line 12: TvskButton has no property 'Colr'"; the components created so far are destroyed again, so
// that a bad description leaves nothing behind but what was already set on the root.
#pragma once

#include "framework/core/DescriptionTree.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

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
    void ApplyValue(TObject& Target, const TPropInfo& Prop, const TDescValue& Value);
    void ReadCollection(TCollection& Collection, const TDescValue& Value);
    void ResolveFixups();
    void CallLoaded();
    TComponent* FindReferenced(const std::string& Name) const;
    void Abort();
    [[noreturn]] void Fail(int Line, const std::string& Message) const;
    [[noreturn]] void FailProperty(int Line, const TObject& Target, const TPropInfo& Prop,
                                   const std::string& Message) const;

    TComponent& FRoot;
    // Follows the created components (through FreeNotification) and the references still to resolve.
    std::unique_ptr<TTracker> FTracker;
};

// Parses Text and reads it into Root (see TDescriptionReader).
void ReadComponentDescription(TComponent& Root, std::string_view Text);
