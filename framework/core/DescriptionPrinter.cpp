#include "framework/core/DescriptionPrinter.h"

#include <algorithm>

namespace {

constexpr std::size_t IndentWidth = 2;
constexpr std::size_t BinaryBytesPerLine = 32; // 64 hex digits
constexpr std::size_t StringPieceLength = 64;  // characters of text per piece of a long string
constexpr char HexDigits[] = "0123456789ABCDEF";
constexpr unsigned char FirstPrintable = ' ';
constexpr unsigned char LastPrintable = '~';

// Appending piece by piece (rather than joining temporaries) also keeps GCC 12's -Wrestrict quiet.
void AppendIndent(std::string& Out, int Level) {
    Out.append(static_cast<std::size_t>(Level) * IndentWidth, ' ');
}

void AppendNewLine(std::string& Out, int Level) {
    Out += '\n';
    AppendIndent(Out, Level);
}

// Printable ASCII goes between quotes (a quote doubled); everything else is a #N code, so that the
// text stays 7-bit and every byte survives a round trip.
std::string QuoteString(std::string_view Text) {
    if (Text.empty()) return "''";
    std::string Result;
    bool InQuotes = false;
    for (char C : Text) {
        auto Code = static_cast<unsigned char>(C);
        bool Printable = Code >= FirstPrintable && Code <= LastPrintable;
        if (Printable != InQuotes) {
            Result += '\'';
            InQuotes = Printable;
        }
        if (!Printable) {
            Result += '#';
            Result += std::to_string(Code);
        } else {
            Result += C;
            if (C == '\'') Result += C; // a quote is doubled
        }
    }
    if (InQuotes) Result += '\'';
    return Result;
}

// A string as one line, or as pieces joined by '+' on lines of their own at Level.
void AppendString(std::string& Out, std::string_view Text, int Level, bool OnNewLine) {
    if (Text.size() <= StringPieceLength) {
        if (OnNewLine)
            AppendNewLine(Out, Level);
        else
            Out += ' ';
        Out += QuoteString(Text);
        return;
    }
    for (std::size_t Start = 0; Start < Text.size(); Start += StringPieceLength) {
        if (Start > 0) Out += " +";
        AppendNewLine(Out, Level);
        Out += QuoteString(Text.substr(Start, StringPieceLength));
    }
}

void AppendHex(std::string& Out, const std::uint8_t* Bytes, std::size_t Count) {
    for (std::size_t I = 0; I < Count; ++I) {
        Out += HexDigits[Bytes[I] >> 4];
        Out += HexDigits[Bytes[I] & 0xF];
    }
}

void AppendProperties(std::string& Out, const std::vector<TDescProperty>& Properties, int Level);

// Appends " value" after "Name =", continuing on further lines at Level + 1 where the value needs them.
void AppendValue(std::string& Out, const TDescValue& Value, int Level) {
    using TKind = TDescValue::TKind;
    switch (Value.Kind) {
    case TKind::Integer:
        Out += ' ';
        Out += std::to_string(Value.Integer);
        return;
    case TKind::Identifier:
        Out += ' ';
        Out += Value.Text;
        return;
    case TKind::String: AppendString(Out, Value.Text, Level + 1, false); return;
    case TKind::Set: {
        Out += " [";
        for (std::size_t I = 0; I < Value.Elements.size(); ++I)
            Out += (I > 0 ? ", " : "") + Value.Elements[I];
        Out += "]";
        return;
    }
    case TKind::StringList:
        Out += " (";
        for (const std::string& Line : Value.Elements)
            AppendString(Out, Line, Level + 1, true);
        Out += ")";
        return;
    case TKind::Binary:
        Out += " {";
        if (Value.Bytes.size() <= BinaryBytesPerLine) {
            AppendHex(Out, Value.Bytes.data(), Value.Bytes.size());
        } else {
            for (std::size_t Start = 0; Start < Value.Bytes.size(); Start += BinaryBytesPerLine) {
                AppendNewLine(Out, Level + 1);
                AppendHex(Out, Value.Bytes.data() + Start, std::min(BinaryBytesPerLine, Value.Bytes.size() - Start));
            }
        }
        Out += "}";
        return;
    case TKind::Collection:
        Out += " <";
        for (const TDescItem& Item : Value.Items) {
            AppendNewLine(Out, Level + 1);
            Out += "item\n";
            AppendProperties(Out, Item.Properties, Level + 2);
            AppendIndent(Out, Level + 1);
            Out += "end";
        }
        Out += ">";
        return;
    }
}

void AppendProperties(std::string& Out, const std::vector<TDescProperty>& Properties, int Level) {
    for (const TDescProperty& Property : Properties) {
        AppendIndent(Out, Level);
        Out += Property.Name;
        Out += " =";
        AppendValue(Out, Property.Value, Level);
        Out += "\n";
    }
}

void AppendObject(std::string& Out, const TDescObject& Object, int Level) {
    AppendIndent(Out, Level);
    Out += "object ";
    if (!Object.Name.empty()) {
        Out += Object.Name;
        Out += ": ";
    }
    Out += Object.ClassName;
    Out += '\n';
    AppendProperties(Out, Object.Properties, Level + 1);
    for (const TDescObject& Child : Object.Children)
        AppendObject(Out, Child, Level + 1);
    AppendIndent(Out, Level);
    Out += "end\n";
}

} // namespace

std::string PrintDescription(const TDescObject& Root) {
    std::string Out;
    AppendObject(Out, Root, 0);
    return Out;
}
