// TStrings/TStringList: lines, objects, name=value access, text, change notification.

#include "tests/framework/core/TestComponents.h"
#include "tests/support/RaisedMessage.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"

#include <gtest/gtest.h>

namespace {

TEST(StringList, EditsLinesAndKeepsTheirObjects) {
    TStringList List;
    TTestForm Marker;
    EXPECT_EQ(List.Add("beta"), 0);
    List.Insert(0, "alpha");
    List.AddObject("gamma", &Marker);
    List.Put(2, "GAMMA");
    EXPECT_EQ(List.Objects(2), &Marker) << "Put keeps the object";
    EXPECT_EQ(List.IndexOfObject(&Marker), 2);
    List.Move(2, 0);
    EXPECT_EQ(List.Lines(), (std::vector<std::string>{"GAMMA", "alpha", "beta"}));
    EXPECT_EQ(List.Objects(0), &Marker);
    List.Delete(1);
    EXPECT_EQ(List[1], "beta");

    EXPECT_EQ(List.IndexOf("Gamma"), 0) << "ignores case";
    EXPECT_EQ(List.IndexOf("delta"), -1);
    EXPECT_EQ(RaisedMessage<EStringListError>([&] { List.Get(2); }), "List index out of bounds (2)");
    EXPECT_THROW(List.Insert(3, "x"), EStringListError);
    EXPECT_THROW(List.Move(0, 5), EStringListError);
    EXPECT_THROW(List.Delete(-1), EStringListError);
}

TEST(StringList, NameValueAccess) {
    TStringList List{"Width=10", "Caption=a=b", "plain"};
    EXPECT_EQ(List.Names(1), "Caption");
    EXPECT_EQ(List.ValueFromIndex(1), "a=b");
    EXPECT_EQ(List.Names(2), "");
    EXPECT_EQ(List.Values("WIDTH"), "10");
    EXPECT_EQ(List.Values("Height"), "");
    EXPECT_EQ(List.IndexOfName("caption"), 1);

    List.SetValue("width", "20");
    EXPECT_EQ(List[0], "width=20");
    List.SetValue("Height", "5");
    EXPECT_EQ(List[3], "Height=5");
    List.SetValue("Caption", "");
    EXPECT_EQ(List.IndexOfName("Caption"), -1) << "an empty value deletes the line";
    EXPECT_EQ(List.Count(), 3);
}

TEST(StringList, TextJoinsWithCrLfAndSplitsAtAnyLineBreak) {
    TStringList List;
    List.SetText("one\r\ntwo\nthree\rfour");
    EXPECT_EQ(List.Lines(), (std::vector<std::string>{"one", "two", "three", "four"}));
    EXPECT_EQ(List.Text(), "one\r\ntwo\r\nthree\r\nfour");

    List.SetText("last line break\r\n");
    EXPECT_EQ(List.Lines(), (std::vector<std::string>{"last line break", ""}));
    EXPECT_EQ(List.Text(), "last line break\r\n");
    List.SetText("");
    EXPECT_EQ(List.Count(), 0);
    List.SetText("\n\n");
    EXPECT_EQ(List.Count(), 3);
}

TEST(StringList, ChangesFireOnChangeOncePerUpdate) {
    TStringList List;
    int Changes = 0;
    List.OnChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &List);
        ++Changes;
    };
    List.Add("a");
    List.Delete(0);
    EXPECT_EQ(Changes, 2);
    List.BeginUpdate();
    List.Add("b");
    List.Add("c");
    List.BeginUpdate();
    List.Clear();
    List.EndUpdate();
    EXPECT_EQ(Changes, 2);
    List.EndUpdate();
    EXPECT_EQ(Changes, 3);
    List.SetText("x\ny");
    EXPECT_EQ(Changes, 4);
}

TEST(StringList, AssignCopiesLinesAndPublishesThem) {
    TStringList Source{"a", "b"};
    TStringList Copy{"old"};
    Copy.Assign(Source);
    EXPECT_EQ(Copy.Lines(), Source.Lines());
    Copy.AddStrings(Copy);
    EXPECT_EQ(Copy.Count(), 4) << "adding a list to itself doubles it once";

    SetPropValue(Copy, "Strings", std::vector<std::string>{"x"});
    EXPECT_EQ(Copy.Text(), "x");
    TTestWidget W(nullptr);
    EXPECT_EQ(GetPropValue(W, "Lines.Strings").AsStrings().size(), 0u);
    SetPropValue(W, "Lines.Strings", std::vector<std::string>{"p", "q"});
    EXPECT_EQ(W.Lines()->Text(), "p\r\nq");
    EXPECT_THROW(Copy.Assign(W), EConvertError);
}

} // namespace
