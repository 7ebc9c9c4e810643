// The syntax tree of a window description: objects with their properties in stored order and their
// child objects, values as written. It knows nothing of component classes; DescriptionParser makes it
// from text, DescriptionPrinter turns it back into canonical text, DescriptionReader/Writer bind it to
// components. Line numbers (from 1) point into the text the tree was parsed from, for error messages.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TDescItem;

struct TDescValue {
    enum class TKind {
        Integer,    // 42, -7, $FF
        String,     // 'text', pieces joined: 'a'#13#10'b' + 'c'
        Identifier, // BlueGlass, clBlack, True, btnAdd, FormCreate
        Set,        // [fsBold, fsItalic]
        Binary,     // {0A54...}
        StringList, // ('one' 'two')
        Collection, // <item ... end>
    };

    TKind Kind = TKind::Integer;
    int Line = 0;
    std::int64_t Integer = 0;
    std::string Text;                  // String: the text; Identifier: the name
    std::vector<std::string> Elements; // Set: the element names; StringList: the strings
    std::vector<std::uint8_t> Bytes;   // Binary
    std::vector<TDescItem> Items;      // Collection

    bool operator==(const TDescValue&) const;
};

struct TDescProperty {
    std::string Name; // a path through nested objects: Font.Name
    TDescValue Value;
    int Line = 0;

    bool operator==(const TDescProperty&) const = default;
};

struct TDescItem {
    std::vector<TDescProperty> Properties;
    int Line = 0;

    bool operator==(const TDescItem&) const = default;
};

struct TDescObject {
    std::string Name; // may be empty
    std::string ClassName;
    std::vector<TDescProperty> Properties;
    std::vector<TDescObject> Children;
    int Line = 0;

    bool operator==(const TDescObject&) const = default;
};

inline bool TDescValue::operator==(const TDescValue&) const = default;
