// How deep a description may nest: objects and collections together up to a bound, beyond it a clear error that
// names the line, however deep the text goes (a description nested without end once overflowed the stack).
#include "tests/framework/core/TestComponents.h"

#include "framework/core/DescriptionParser.h"
#include "framework/core/DescriptionReader.h"
#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

constexpr int Bound = 100;
const std::string TooDeep = "objects and collections nested more than 100 levels deep";

// Objects nested Depth levels deep, one per line: the object at level N starts on line N.
std::string NestedObjects(int Depth) {
    std::string Text;
    for (int Level = 0; Level < Depth; ++Level)
        Text += "object o: TTestWidget\n";
    for (int Level = 0; Level < Depth; ++Level)
        Text += "end\n";
    return Text;
}

// A root object with a collection property nested Depth levels deep, one level per line from line 2 on.
std::string NestedCollections(int Depth) {
    std::string Text = "object Main: TTestForm\n";
    for (int Level = 0; Level < Depth; ++Level)
        Text += "Items = < item\n";
    for (int Level = 0; Level < Depth; ++Level)
        Text += "end >\n";
    return Text + "end\n";
}

std::string ParseError(const std::string& Text) {
    try {
        ParseDescription(Text);
    } catch (const EReadError& E) {
        return E.Message();
    }
    return "";
}

TEST(DescriptionDepth, ObjectsNestUpToTheBound) {
    const TDescObject Root = ParseDescription(NestedObjects(Bound));
    int Depth = 1;
    for (const TDescObject* Object = &Root; !Object->Children.empty(); Object = &Object->Children[0])
        ++Depth;
    EXPECT_EQ(Depth, Bound);
    EXPECT_EQ(ParseError(NestedObjects(Bound + 1)), "line 101: " + TooDeep);
}

TEST(DescriptionDepth, CollectionsCountWithTheObjectsAroundThem) {
    EXPECT_EQ(ParseError(NestedCollections(Bound - 1)), "");
    EXPECT_EQ(ParseError(NestedCollections(Bound)), "line 101: " + TooDeep) << "the root object is a level too";
}

TEST(DescriptionDepth, OnlyTheDepthCountsNotTheNumberOfObjects) {
    const std::string Deep = NestedObjects(Bound - 1);
    const std::string Siblings = "object Main: TTestForm\n" + Deep + Deep + Deep + "end\n";
    EXPECT_EQ(ParseError(Siblings), "");
}

TEST(DescriptionDepth, EndlessNestingEndsInAnErrorNotACrash) {
    constexpr int Hostile = 50000;
    EXPECT_EQ(ParseError(NestedObjects(Hostile)), "line 101: " + TooDeep);
    EXPECT_EQ(ParseError(NestedCollections(Hostile)), "line 101: " + TooDeep);

    // Reading stops at the same error before anything is created.
    RegisterTestClasses();
    const std::unique_ptr<TTestForm> Root(new TTestForm());
    EXPECT_THROW(ReadComponentDescription(*Root, NestedCollections(Hostile)), EReadError);
    EXPECT_EQ(Root->ComponentCount(), 0);
}

} // namespace
