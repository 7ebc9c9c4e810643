// The description format on its own: parsing every kind of value, canonical printing, syntax errors.
#include "tests/support/RaisedMessage.h"

#include "framework/core/DescriptionParser.h"
#include "framework/core/DescriptionPrinter.h"
#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using TKind = TDescValue::TKind;

const char* const EveryValueKind = R"(OBJECT fmMain: TfmMain
  Caption = 'It''s'#13#10'two lines' +
    ' and more'
  Prefix = #9'tab'
  ClientWidth = 794
  Delta = -12
  Mask = $FF
  Font.Name = 'MS Sans Serif'
  OnCloseQuery = FormCloseQuery
  object TUnnamed
  end
  Object sfMain: TvskForm
    Style = [fsBold, fsItalic]
    Empty = []
    PicNormal.Data = {
      0A54 42
      ff}
    Items.Strings = (
      'one'
      'tw' + 'o')
    NoLines = ()
    TitleBarButtons = <
      item
        ButtonType = vskControlBox
      END
      item
      end>
    Sections = <>
  end
End
)";

TEST(DescriptionSyntax, ParsesEveryKindOfValue) {
    TDescObject Root = ParseDescription(EveryValueKind);
    EXPECT_EQ(Root.Name, "fmMain");
    EXPECT_EQ(Root.ClassName, "TfmMain");
    EXPECT_EQ(Root.Line, 1);
    ASSERT_EQ(Root.Properties.size(), 7u);
    EXPECT_EQ(Root.Properties[0].Value.Kind, TKind::String);
    EXPECT_EQ(Root.Properties[0].Value.Text, "It's\r\ntwo lines and more");
    EXPECT_EQ(Root.Properties[1].Value.Text, "\ttab");
    EXPECT_EQ(Root.Properties[2].Value.Integer, 794);
    EXPECT_EQ(Root.Properties[2].Line, 5);
    EXPECT_EQ(Root.Properties[3].Value.Integer, -12);
    EXPECT_EQ(Root.Properties[4].Value.Integer, 255);
    EXPECT_EQ(Root.Properties[5].Name, "Font.Name");
    EXPECT_EQ(Root.Properties[6].Value.Kind, TKind::Identifier);
    EXPECT_EQ(Root.Properties[6].Value.Text, "FormCloseQuery");

    ASSERT_EQ(Root.Children.size(), 2u);
    EXPECT_EQ(Root.Children[0].Name, "");
    EXPECT_EQ(Root.Children[0].ClassName, "TUnnamed");
    const TDescObject& Form = Root.Children[1];
    EXPECT_EQ(Form.Line, 12);
    ASSERT_EQ(Form.Properties.size(), 7u);
    EXPECT_EQ(Form.Properties[0].Value.Elements, (std::vector<std::string>{"fsBold", "fsItalic"}));
    EXPECT_EQ(Form.Properties[1].Value.Kind, TKind::Set);
    EXPECT_TRUE(Form.Properties[1].Value.Elements.empty());
    EXPECT_EQ(Form.Properties[2].Value.Bytes, (std::vector<std::uint8_t>{0x0A, 0x54, 0x42, 0xFF}));
    EXPECT_EQ(Form.Properties[3].Value.Elements, (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(Form.Properties[4].Value.Kind, TKind::StringList);
    const TDescValue& Buttons = Form.Properties[5].Value;
    ASSERT_EQ(Buttons.Items.size(), 2u);
    EXPECT_EQ(Buttons.Items[0].Line, 23);
    EXPECT_EQ(Buttons.Items[0].Properties[0].Value.Text, "vskControlBox");
    EXPECT_TRUE(Buttons.Items[1].Properties.empty());
    EXPECT_TRUE(Form.Properties[6].Value.Items.empty());
}

TEST(DescriptionSyntax, PrintsCanonicalTextThatParsesBackToTheSameTree) {
    TDescObject Root = ParseDescription(EveryValueKind);
    std::string Text = PrintDescription(Root);
    EXPECT_EQ(Text, R"(object fmMain: TfmMain
  Caption = 'It''s'#13#10'two lines and more'
  Prefix = #9'tab'
  ClientWidth = 794
  Delta = -12
  Mask = 255
  Font.Name = 'MS Sans Serif'
  OnCloseQuery = FormCloseQuery
  object TUnnamed
  end
  object sfMain: TvskForm
    Style = [fsBold, fsItalic]
    Empty = []
    PicNormal.Data = {0A5442FF}
    Items.Strings = (
      'one'
      'two')
    NoLines = ()
    TitleBarButtons = <
      item
        ButtonType = vskControlBox
      end
      item
      end>
    Sections = <>
  end
end
)");
    EXPECT_EQ(PrintDescription(ParseDescription(Text)), Text);
}

TEST(DescriptionSyntax, WrapsLongBinaryDataAndSplitsLongStrings) {
    TDescObject Root;
    Root.ClassName = "TThing";
    TDescValue Data;
    Data.Kind = TKind::Binary;
    for (int I = 0; I < 40; ++I)
        Data.Bytes.push_back(static_cast<std::uint8_t>(I));
    TDescValue Long;
    Long.Kind = TKind::String;
    Long.Text = std::string(70, 'x') + "\xE9";
    Root.Properties = {{"Data", Data, 0}, {"Hint", Long, 0}};
    std::string Text = PrintDescription(Root);
    EXPECT_EQ(Text, "object TThing\n"
                    "  Data = {\n"
                    "    000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F\n"
                    "    2021222324252627}\n"
                    "  Hint =\n"
                    "    '" +
                        std::string(64, 'x') +
                        "' +\n"
                        "    'xxxxxx'#233\n"
                        "end\n");
    TDescObject Back = ParseDescription(Text);
    EXPECT_EQ(Back.Properties[0].Value.Bytes, Data.Bytes);
    EXPECT_EQ(Back.Properties[1].Value.Text, Long.Text);
}

TEST(DescriptionSyntax, SyntaxErrorsNameTheLine) {
    struct TCase {
        const char* Text;
        const char* Message;
    };
    const TCase Cases[] = {
        {"", "line 1: expected 'object' but found end of text"},
        {"object A: TA\n  Width 10\nend", "line 2: expected '=' but found '10'"},
        {"object A: TA\n  Width = \nend", "line 3: expected a value but found 'end'"},
        {"object A: TA\n  Caption = 'open\nend", "line 2: unterminated string"},
        {"object A: TA\n  Caption = #300\nend", "line 2: character code 300 is out of range"},
        {"object A: TA\n  Data = {0A1\n  }\nend", "line 3: binary data has an odd number of hex digits"},
        {"object A: TA\n  Data = {0A\n  0G}\nend", "line 3: unexpected character 'G' in binary data"},
        {"object A: TA\n  Data = {0A", "line 2: unterminated binary data"},
        {"object A: TA\n  Width = 99999999999999999999\nend", "line 2: number out of range"},
        {"object A: TA\n  Width = 12px\nend", "line 2: unexpected character 'p' in a number"},
        {"object A: TA\n  Style = [a b]\nend", "line 2: expected ',' but found 'b'"},
        {"object A: TA\n  Lines = ('a' 12)\nend", "line 2: expected a string or ')' but found '12'"},
        {"object A: TA\n  Caption = 'a' +\nend", "line 3: expected a string after '+' but found 'end'"},
        {"object A: TA\n  Items = <\n    item\n      X = 1\n  >\nend",
         "line 5: expected a property name or 'end' but found '>'"},
        {"object A: TA\n  Items = <item end\nend", "line 3: expected 'item' or '>' but found 'end'"},
        {"object A: TA\n  object B: TB\n  end\n  Width = 1\nend", "line 4: expected 'end' but found 'Width'"},
        {"object A: TA\n  Width = 1\n", "line 3: expected a property name, 'object' or 'end' but found end of text"},
        {"object A.B: TA\nend", "line 1: expected a component name but found 'A.B'"},
        {"object A: TA\nend\nobject B: TB\nend", "line 3: expected end of text but found 'object'"},
        {"object A: TA\n  Width = 1 ; \nend", "line 2: unexpected character ';'"},
    };
    for (const TCase& Case : Cases)
        EXPECT_EQ(RaisedMessage<EReadError>([&] { ParseDescription(Case.Text); }), Case.Message) << Case.Text;
}

} // namespace
