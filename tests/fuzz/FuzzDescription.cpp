// Window descriptions: parsing, the canonical form that `formdesc format` prints, and reading into components
// of registered classes. A description that parses must print as one that parses to the same tree; one that
// reads must be written as one that reads back and is written the same way again. Anything else than the
// framework's own errors (EReadError and the other Exception kinds) is a finding.
#include "framework/core/DescriptionParser.h"
#include "framework/core/DescriptionPrinter.h"
#include "framework/core/DescriptionReader.h"
#include "framework/core/DescriptionWriter.h"
#include "framework/core/ClassRegistry.h"
#include "framework/core/Exceptions.h"
#include "tests/framework/core/TestComponents.h"
#include "tests/fuzz/FuzzCheck.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

// Line numbers point into the text a tree came from; the canonical text places things on other lines.
void ForgetLines(std::vector<TDescProperty>& Properties);

void ForgetLines(TDescValue& Value) {
    Value.Line = 0;
    for (TDescItem& Item : Value.Items) {
        Item.Line = 0;
        ForgetLines(Item.Properties);
    }
}

void ForgetLines(std::vector<TDescProperty>& Properties) {
    for (TDescProperty& Property : Properties) {
        Property.Line = 0;
        ForgetLines(Property.Value);
    }
}

TDescObject WithoutLines(TDescObject Object) {
    Object.Line = 0;
    ForgetLines(Object.Properties);
    for (TDescObject& Child : Object.Children)
        Child = WithoutLines(std::move(Child));
    return Object;
}

void CheckCanonicalForm(const TDescObject& Tree) {
    const std::string Printed = PrintDescription(Tree);
    const TDescObject Again = ParseDescription(Printed); // raising here is a finding too
    FUZZ_CHECK(WithoutLines(Again) == WithoutLines(Tree));
    FUZZ_CHECK(PrintDescription(Again) == Printed);
}

// The root is a new form each time, as a window is when it is constructed from its description.
std::optional<std::string> ReadAndWrite(std::string_view Text) {
    const std::unique_ptr<TTestForm> Root(new TTestForm());
    try {
        ReadComponentDescription(*Root, Text);
    } catch (const Exception&) {
        return std::nullopt;
    }
    return WriteComponentDescription(*Root);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    // Not TTestPicky: it refuses on purpose a width that its parent class takes, so what it writes may
    // rightly not read back.
    static const bool Registered =
        (RegisterClasses({&TTestWidget::StaticClassInfo(), &TTestButton::StaticClassInfo(),
                          &TTestForm::StaticClassInfo(), &TTestWatcher::StaticClassInfo(),
                          &TTestFragile::StaticClassInfo()}),
         true);
    (void)Registered;
    const std::string_view Text(reinterpret_cast<const char*>(Data), Size);

    std::optional<TDescObject> Tree;
    try {
        Tree = ParseDescription(Text);
    } catch (const EReadError&) {
        return 0;
    }
    CheckCanonicalForm(*Tree);

    if (const std::optional<std::string> Written = ReadAndWrite(Text)) {
        const std::optional<std::string> Rewritten = ReadAndWrite(*Written);
        FUZZ_CHECK(Rewritten.has_value());
        FUZZ_CHECK(*Rewritten == *Written);
    }
    return 0;
}
