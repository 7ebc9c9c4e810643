// Writes components as a window description: the root, then what its GetChildren lists, each with the
// published properties that differ from a new instance's (see TPropBuilder::Default and ::Stored), nested
// objects as Font.Name lines, collections as < item ... end >, binary properties as hex data, component
// references by name (only the root and the components it owns can be named), events by handler name
// (handlers assigned in code without a name are not written).
#pragma once

#include "framework/core/DescriptionTree.h"

#include <string>
#include <vector>

class TCollection;
class TComponent;
class TObject;
class TPropInfo;

class TDescriptionWriter {
public:
    explicit TDescriptionWriter(const TComponent& Root) : FRoot(Root) {}

    TDescObject Describe() const { return DescribeComponent(FRoot); }

private:
    TDescObject DescribeComponent(const TComponent& Component) const;
    void DescribeProperties(const TObject& Instance, const std::string& Prefix, std::vector<TDescProperty>& Out) const;
    // False when the property is not to be written.
    bool DescribeValue(const TObject& Instance, const TPropInfo& Prop, TDescValue& Value) const;
    TDescValue DescribeCollection(const TCollection& Collection) const;
    std::string ReferenceName(const TComponent* Component) const;

    const TComponent& FRoot;
};

std::string WriteComponentDescription(const TComponent& Root);
