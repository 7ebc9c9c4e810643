#include "framework/core/DescriptionParser.h"

#include "framework/core/Exceptions.h"
#include "framework/core/TextUtils.h"

#include <limits>

namespace {

constexpr std::size_t MaxQuotedTokenLength = 24; // longer tokens are shortened in messages
constexpr int MaxCharCode = 255;
constexpr int HexBase = 16;
constexpr int DecimalBase = 10;
// Objects and collections nest by recursion, so a hand-edited or hostile description nested without end
// would overflow the stack; real windows stay within a dozen levels.
constexpr int MaxNestingDepth = 100;

bool IsIdentStart(char C) {
    return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_';
}

bool IsDigit(char C) {
    return C >= '0' && C <= '9';
}

int HexValue(char C) {
    if (IsDigit(C)) return C - '0';
    if (C >= 'A' && C <= 'F') return C - 'A' + DecimalBase;
    if (C >= 'a' && C <= 'f') return C - 'a' + DecimalBase;
    return -1;
}

// Splits the text into tokens: identifiers (dotted paths included), integers, strings (quoted pieces and
// #N codes glued together), symbols. Binary data is read separately, as it is no sequence of tokens.
class TLexer {
public:
    enum class TToken { End, Identifier, Integer, String, Symbol };

    explicit TLexer(std::string_view Text) : FText(Text) { Next(); }

    TToken Kind() const { return FKind; }
    const std::string& Text() const { return FValue; }
    std::int64_t Integer() const { return FInteger; }
    int Line() const { return FTokenLine; }
    bool IsSymbol(char C) const { return FKind == TToken::Symbol && FValue[0] == C; }
    bool IsKeyword(std::string_view Keyword) const { return FKind == TToken::Identifier && SameText(FValue, Keyword); }

    [[noreturn]] void Error(const std::string& Message) const { ErrorAt(FTokenLine, Message); }
    [[noreturn]] void ErrorAt(int Line, const std::string& Message) const {
        throw EReadError("line " + std::to_string(Line) + ": " + Message);
    }
    [[noreturn]] void Expected(const std::string& What) const {
        Error("expected " + What + " but found " + Describe());
    }

    void Next();
    // With the current token '{': reads hex digits up to the closing '}' and moves past it.
    std::vector<std::uint8_t> ReadBinary();

private:
    std::string Describe() const;
    char Peek(std::size_t Ahead = 0) const { return FPos + Ahead < FText.size() ? FText[FPos + Ahead] : '\0'; }
    bool AtEnd() const { return FPos >= FText.size(); }
    // Consumes a line break (CR LF, LF or CR) or one other character.
    void Advance();
    void SkipWhitespace();
    void ReadIdentifier();
    void ReadInteger();
    void ReadString();
    std::uint64_t ReadDigits(int Base);

    std::string_view FText;
    std::size_t FPos = 0;
    int FLine = 1;
    TToken FKind = TToken::End;
    std::string FValue;
    std::int64_t FInteger = 0;
    int FTokenLine = 1;
    std::size_t FTokenStart = 0;
};

void TLexer::Advance() {
    char C = FText[FPos++];
    if (C == '\n' || (C == '\r' && Peek() != '\n')) ++FLine;
}

void TLexer::SkipWhitespace() {
    while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\r' || Peek() == '\n'))
        Advance();
}

void TLexer::Next() {
    SkipWhitespace();
    FTokenLine = FLine;
    FTokenStart = FPos;
    FValue.clear();
    if (AtEnd()) {
        FKind = TToken::End;
        return;
    }
    char C = Peek();
    if (IsIdentStart(C)) return ReadIdentifier();
    if (IsDigit(C) || C == '$' || (C == '-' && (IsDigit(Peek(1)) || Peek(1) == '$'))) return ReadInteger();
    if (C == '\'' || C == '#') return ReadString();
    if (std::string_view("=:[](){}<>,+").find(C) != std::string_view::npos) {
        FKind = TToken::Symbol;
        FValue = C;
        Advance();
        return;
    }
    Error("unexpected character '" + std::string(1, C) + "'");
}

void TLexer::ReadIdentifier() {
    FKind = TToken::Identifier;
    for (;;) {
        while (IsIdentStart(Peek()) || IsDigit(Peek()))
            FValue += FText[FPos++];
        if (Peek() != '.' || !IsIdentStart(Peek(1))) break;
        FValue += FText[FPos++];
    }
}

std::uint64_t TLexer::ReadDigits(int Base) {
    std::uint64_t Value = 0;
    std::size_t Start = FPos;
    for (;;) {
        int Digit = Base == HexBase ? HexValue(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1);
        if (Digit < 0) break;
        if (Value > (std::numeric_limits<std::uint64_t>::max() - static_cast<std::uint64_t>(Digit)) /
                        static_cast<std::uint64_t>(Base))
            Error("number out of range");
        Value = Value * static_cast<std::uint64_t>(Base) + static_cast<std::uint64_t>(Digit);
        ++FPos;
    }
    if (FPos == Start)
        Error("expected digits after '" + std::string(FText.substr(FTokenStart, FPos - FTokenStart)) + "'");
    return Value;
}

void TLexer::ReadInteger() {
    FKind = TToken::Integer;
    bool Negative = Peek() == '-';
    if (Negative) ++FPos;
    bool Hex = Peek() == '$';
    if (Hex) ++FPos;
    std::uint64_t Magnitude = ReadDigits(Hex ? HexBase : DecimalBase);
    auto Limit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + (Negative ? 1 : 0);
    if (Magnitude > Limit) Error("number out of range");
    FInteger = Negative ? static_cast<std::int64_t>(0 - Magnitude) : static_cast<std::int64_t>(Magnitude);
    if (IsIdentStart(Peek())) Error("unexpected character '" + std::string(1, Peek()) + "' in a number");
}

void TLexer::ReadString() {
    FKind = TToken::String;
    while (Peek() == '\'' || Peek() == '#') {
        if (Peek() == '#') {
            ++FPos;
            bool Hex = Peek() == '$';
            if (Hex) ++FPos;
            std::uint64_t Code = ReadDigits(Hex ? HexBase : DecimalBase);
            if (Code > MaxCharCode) Error("character code " + std::to_string(Code) + " is out of range");
            FValue += static_cast<char>(Code);
            continue;
        }
        ++FPos;
        for (;;) {
            if (AtEnd() || Peek() == '\r' || Peek() == '\n') Error("unterminated string");
            if (Peek() == '\'') {
                if (Peek(1) != '\'') break;
                ++FPos; // a doubled quote stands for one
            }
            FValue += FText[FPos++];
        }
        ++FPos;
    }
}

std::vector<std::uint8_t> TLexer::ReadBinary() {
    std::vector<std::uint8_t> Bytes;
    int High = -1;
    for (;;) {
        SkipWhitespace();
        if (AtEnd()) Error("unterminated binary data");
        char C = Peek();
        if (C == '}') break;
        int Digit = HexValue(C);
        if (Digit < 0) ErrorAt(FLine, "unexpected character '" + std::string(1, C) + "' in binary data");
        ++FPos;
        if (High < 0) {
            High = Digit;
        } else {
            Bytes.push_back(static_cast<std::uint8_t>(High * HexBase + Digit));
            High = -1;
        }
    }
    if (High >= 0) ErrorAt(FLine, "binary data has an odd number of hex digits");
    ++FPos;
    Next();
    return Bytes;
}

std::string TLexer::Describe() const {
    if (FKind == TToken::End) return "end of text";
    std::string_view Raw = FText.substr(FTokenStart, FPos - FTokenStart);
    if (Raw.size() > MaxQuotedTokenLength) return std::string(Raw.substr(0, MaxQuotedTokenLength)) + "...";
    return FKind == TToken::String ? std::string(Raw) : "'" + std::string(Raw) + "'";
}

class TParser {
public:
    explicit TParser(std::string_view Text) : FLexer(Text) {}

    TDescObject ParseRoot() {
        TDescObject Root = ParseObject();
        if (FLexer.Kind() != TLexer::TToken::End) FLexer.Expected("end of text");
        return Root;
    }

private:
    TDescObject ParseObject();
    TDescProperty ParseProperty();
    TDescValue ParseValue();
    std::string ParseJoinedString();
    std::string ParseSimpleIdentifier(const char* What);
    void Skip(char Symbol);
    // Counts one level of nesting (an object or a collection starting at the current token) for as
    // long as it lives.
    class TNestingLevel {
    public:
        explicit TNestingLevel(TParser& Parser);
        ~TNestingLevel() { --FParser.FDepth; }
        TNestingLevel(const TNestingLevel&) = delete;
        TNestingLevel& operator=(const TNestingLevel&) = delete;

    private:
        TParser& FParser;
    };

    TLexer FLexer;
    int FDepth = 0;
};

TParser::TNestingLevel::TNestingLevel(TParser& Parser) : FParser(Parser) {
    if (FParser.FDepth == MaxNestingDepth)
        FParser.FLexer.Error("objects and collections nested more than " + std::to_string(MaxNestingDepth) +
                             " levels deep");
    ++FParser.FDepth;
}

void TParser::Skip(char Symbol) {
    if (!FLexer.IsSymbol(Symbol)) FLexer.Expected(std::string("'") + Symbol + "'");
    FLexer.Next();
}

std::string TParser::ParseSimpleIdentifier(const char* What) {
    if (FLexer.Kind() != TLexer::TToken::Identifier || FLexer.Text().find('.') != std::string::npos)
        FLexer.Expected(What);
    std::string Name = FLexer.Text();
    FLexer.Next();
    return Name;
}

TDescObject TParser::ParseObject() {
    const TNestingLevel Level(*this);
    TDescObject Object;
    if (!FLexer.IsKeyword("object")) FLexer.Expected("'object'");
    Object.Line = FLexer.Line();
    FLexer.Next();
    std::string First = ParseSimpleIdentifier("a component name");
    if (FLexer.IsSymbol(':')) {
        FLexer.Next();
        Object.Name = std::move(First);
        Object.ClassName = ParseSimpleIdentifier("a class name");
    } else {
        Object.ClassName = std::move(First);
    }
    while (!FLexer.IsKeyword("end") && !FLexer.IsKeyword("object"))
        Object.Properties.push_back(ParseProperty());
    while (FLexer.IsKeyword("object"))
        Object.Children.push_back(ParseObject());
    if (!FLexer.IsKeyword("end")) FLexer.Expected("'end'");
    FLexer.Next();
    return Object;
}

TDescProperty TParser::ParseProperty() {
    TDescProperty Property;
    if (FLexer.Kind() != TLexer::TToken::Identifier) FLexer.Expected("a property name, 'object' or 'end'");
    Property.Name = FLexer.Text();
    Property.Line = FLexer.Line();
    FLexer.Next();
    Skip('=');
    Property.Value = ParseValue();
    return Property;
}

std::string TParser::ParseJoinedString() {
    std::string Text = FLexer.Text();
    FLexer.Next();
    while (FLexer.IsSymbol('+')) {
        FLexer.Next();
        if (FLexer.Kind() != TLexer::TToken::String) FLexer.Expected("a string after '+'");
        Text += FLexer.Text();
        FLexer.Next();
    }
    return Text;
}

TDescValue TParser::ParseValue() {
    using TKind = TDescValue::TKind;
    TDescValue Value;
    Value.Line = FLexer.Line();
    switch (FLexer.Kind()) {
    case TLexer::TToken::Integer:
        Value.Kind = TKind::Integer;
        Value.Integer = FLexer.Integer();
        FLexer.Next();
        return Value;
    case TLexer::TToken::String:
        Value.Kind = TKind::String;
        Value.Text = ParseJoinedString();
        return Value;
    case TLexer::TToken::Identifier:
        // A keyword here means the value is missing.
        if (FLexer.IsKeyword("object") || FLexer.IsKeyword("end") || FLexer.IsKeyword("item"))
            FLexer.Expected("a value");
        Value.Kind = TKind::Identifier;
        Value.Text = FLexer.Text();
        FLexer.Next();
        return Value;
    case TLexer::TToken::Symbol: break;
    case TLexer::TToken::End: FLexer.Expected("a value");
    }
    if (FLexer.IsSymbol('[')) {
        Value.Kind = TKind::Set;
        FLexer.Next();
        while (!FLexer.IsSymbol(']')) {
            Value.Elements.push_back(ParseSimpleIdentifier("a set element"));
            if (!FLexer.IsSymbol(']')) Skip(',');
        }
        FLexer.Next();
    } else if (FLexer.IsSymbol('(')) {
        Value.Kind = TKind::StringList;
        FLexer.Next();
        while (!FLexer.IsSymbol(')')) {
            if (FLexer.Kind() != TLexer::TToken::String) FLexer.Expected("a string or ')'");
            Value.Elements.push_back(ParseJoinedString());
        }
        FLexer.Next();
    } else if (FLexer.IsSymbol('{')) {
        Value.Kind = TKind::Binary;
        Value.Bytes = FLexer.ReadBinary();
    } else if (FLexer.IsSymbol('<')) {
        const TNestingLevel Level(*this);
        Value.Kind = TKind::Collection;
        FLexer.Next();
        while (FLexer.IsKeyword("item")) {
            TDescItem Item;
            Item.Line = FLexer.Line();
            FLexer.Next();
            while (!FLexer.IsKeyword("end")) {
                if (FLexer.Kind() != TLexer::TToken::Identifier) FLexer.Expected("a property name or 'end'");
                Item.Properties.push_back(ParseProperty());
            }
            FLexer.Next();
            Value.Items.push_back(std::move(Item));
        }
        if (!FLexer.IsSymbol('>')) FLexer.Expected("'item' or '>'");
        FLexer.Next();
    } else {
        FLexer.Expected("a value");
    }
    return Value;
}

} // namespace

TDescObject ParseDescription(std::string_view Text) {
    return TParser(Text).ParseRoot();
}
