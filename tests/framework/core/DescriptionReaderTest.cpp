// Reading descriptions into components and writing them back; bad descriptions.

#include "tests/framework/core/TestComponents.h"
#include "tests/support/RaisedMessage.h"

#include "framework/core/DescriptionReader.h"
#include "framework/core/DescriptionWriter.h"
#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// In canonical form, so that writing what was read gives the same text.
const char* const MainDescription = R"(object Main: TTestForm
  Caption = 'Main window'
  ActiveControl = btnOk
  OnCloseQuery = FormCloseQuery
  object pnlTop: TTestWidget
    Tag = -3
    Width = 200
    Visible = False
    Caption = 'It''s'#13#10'the top'
    Style = tsRaised
    Color = clBlack
    Buddy = btnOk
    Font.Name = 'Courier New'
    Font.Style = [tfBold, tfUnderline]
    Lines.Strings = (
      'one'
      'two')
    Items = <
      item
        Caption = 'close'
        Kind = tsSunken
        Glyph.Data = {0A5442}
        Target = pnlTop
      end
      item
      end>
    Data = {
      000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F
      20212223}
    object btnOk: TTestButton
      Color = 15198183
      Items = <>
      OnClick = ButtonClick
      IsDefault = True
    end
  end
  object Helper: TTestWatcher
  end
end
)";

class DescriptionReader : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestClasses(); }
};

TEST_F(DescriptionReader, CreatesComponentsAndAppliesEveryKindOfValue) {
    TTestForm Form;
    ReadComponentDescription(Form, MainDescription);
    EXPECT_EQ(Form.Name(), "Main");
    EXPECT_EQ(Form.Caption(), "Main window");
    ASSERT_EQ(Form.ComponentCount(), 3);

    auto* Top = dynamic_cast<TTestWidget*>(Form.FindComponent("pnlTop"));
    auto* Ok = dynamic_cast<TTestButton*>(Form.FindComponent("btnOk"));
    ASSERT_TRUE(Top && Ok);
    EXPECT_EQ(Top->Owner(), &Form);
    EXPECT_EQ(Top->Parent(), &Form);
    EXPECT_EQ(Ok->Owner(), &Form) << "the root owns everything";
    EXPECT_EQ(Ok->Parent(), Top) << "the enclosing object is the parent";

    EXPECT_EQ(Top->Tag(), -3);
    EXPECT_EQ(Top->Width(), 200);
    EXPECT_FALSE(Top->Visible());
    EXPECT_EQ(Top->Caption(), "It's\r\nthe top");
    EXPECT_EQ(Top->Style(), tsRaised);
    EXPECT_EQ(Top->Color(), clBlack);
    EXPECT_EQ(Top->Font()->Name(), "Courier New");
    EXPECT_EQ(Top->Font()->Style(), (TTestFontStyles{tfBold, tfUnderline}));
    EXPECT_EQ(Top->Lines()->Text(), "one\r\ntwo");
    EXPECT_EQ(Top->Data().size(), 36u);
    EXPECT_EQ(Top->Data()[35], 0x23);
    ASSERT_EQ(Top->Items()->Count(), 2);
    TTestItem* Close = Top->Items()->Items(0);
    EXPECT_EQ(Close->Caption(), "close");
    EXPECT_EQ(Close->Kind(), tsSunken);
    EXPECT_EQ(Close->Glyph()->Bytes(), (std::vector<std::uint8_t>{0x0A, 0x54, 0x42}));
    EXPECT_EQ(Close->Target(), Top);
    EXPECT_EQ(Ok->Color(), 15198183u);
    EXPECT_TRUE(Ok->IsDefault());
    EXPECT_EQ(Ok->Width(), TTestButton::DefaultButtonWidth);

    // References, forward ones included, were resolved before Loaded.
    EXPECT_EQ(Top->Buddy(), Ok);
    EXPECT_EQ(Form.ActiveControl(), Ok);
    EXPECT_TRUE(Top->BuddyResolvedAtLoaded);
    EXPECT_TRUE(Top->SawLoadingState);

    // Events are bound to the form's handlers.
    Ok->OnClick(Ok);
    ASSERT_EQ(Form.Clicks.size(), 1u);
    EXPECT_EQ(Form.Clicks[0], Ok);
    bool CanClose = true;
    Form.OnCloseQuery(&Form, CanClose);
    EXPECT_FALSE(CanClose);
}

TEST_F(DescriptionReader, ReadsParentsBeforeChildrenAndPropertiesInStoredOrder) {
    TTestForm Form;
    ReadComponentDescription(Form, R"(object Main: TTestForm
  object Outer: TTestWidget
    Style = tsSunken
    Caption = 'x'
    Width = 5
    Width = 6
    object Inner: TTestWidget
      Caption = 'y'
    end
  end
end)");
    auto* Outer = dynamic_cast<TTestWidget*>(Form.FindComponent("Outer"));
    auto* Inner = dynamic_cast<TTestWidget*>(Form.FindComponent("Inner"));
    ASSERT_TRUE(Outer && Inner);
    EXPECT_EQ(Outer->Trace, (std::vector<std::string>{"Parent", "Style", "Caption", "Width", "Width"}));
    EXPECT_EQ(Outer->Width(), 6);
    EXPECT_EQ(Outer->ComponentIndex(), 0);
    EXPECT_EQ(Inner->ComponentIndex(), 1);
    for (TTestWidget* Widget : {Outer, Inner}) {
        EXPECT_TRUE(Widget->LoadingWhenConstructed);
        EXPECT_EQ(Widget->LoadedCalls, 1);
        EXPECT_FALSE(Widget->ComponentState().Contains(csLoading));
        EXPECT_FALSE(Widget->ComponentState().Contains(csReading));
    }
    EXPECT_FALSE(Form.ComponentState().Contains(csLoading));
}

TEST_F(DescriptionReader, WritingWhatWasReadGivesTheSameText) {
    TTestForm Form;
    ReadComponentDescription(Form, MainDescription);
    std::string Written = WriteComponentDescription(Form);
    EXPECT_EQ(Written, MainDescription);

    TTestForm Again;
    ReadComponentDescription(Again, Written);
    EXPECT_EQ(WriteComponentDescription(Again), Written);
}

TEST_F(DescriptionReader, WriterLeavesOutDefaultsAndUnnamedReferences) {
    TTestForm Form;
    Form.SetName("Plain");
    auto* Widget = new TTestWidget(&Form);
    Widget->SetName("w");
    Widget->SetParentComponent(&Form);
    TTestWidget Outsider(nullptr);
    Widget->SetBuddy(&Outsider);       // not the form's: cannot be named in the form's description
    Widget->OnClick = [](TObject*) {}; // no handler name: cannot be written either
    Widget->Font()->SetSize(10);
    Widget->SetColor(0xE7E7E7);
    Widget->Items()->Add()->SetCaption("only");
    EXPECT_EQ(WriteComponentDescription(Form), R"(object Plain: TTestForm
  object w: TTestWidget
    Color = 15198183
    Font.Size = 10
    Items = <
      item
        Caption = 'only'
      end>
  end
end
)");
}

TEST_F(DescriptionReader, MistakesFoundByTheCheckChangeNothing) {
    TTestForm Form;
    EXPECT_THROW(ReadComponentDescription(Form, R"(object Main: TTestForm
  Caption = 'changed'
  object w: TTestWidget
    Caption = 'built'
    object inner: TTestWidget
      Style = tsWavy
    end
  end
end)"),
                 EReadError);
    EXPECT_EQ(Form.Caption(), "");
    EXPECT_EQ(Form.Name(), "");
    EXPECT_EQ(Form.ComponentCount(), 0);

    // A refusal only the setter knows of comes after the root's properties were set.
    EXPECT_THROW(ReadComponentDescription(Form, R"(object Main: TTestForm
  Caption = 'changed'
  object p: TTestPicky
    PickyWidth = 13
  end
end)"),
                 EReadError);
    EXPECT_EQ(Form.Caption(), "changed");
    EXPECT_EQ(Form.ComponentCount(), 0);
}

struct TBadDescription {
    const char* Text;
    const char* Message;
};

class BadDescription : public DescriptionReader, public ::testing::WithParamInterface<TBadDescription> {};

TEST_P(BadDescription, RaisesALineNumberedErrorAndReleasesWhatWasBuilt) {
    TTestForm Form;
    EXPECT_EQ(RaisedMessage<EReadError>([&] { ReadComponentDescription(Form, GetParam().Text); }), GetParam().Message);
    EXPECT_EQ(Form.ComponentCount(), 0);
    EXPECT_EQ(TTestPicky::Alive, 0);
    EXPECT_FALSE(Form.ComponentState().Contains(csLoading));
    EXPECT_FALSE(Form.ComponentState().Contains(csReading));
}

// Each starts with a TTestPicky that is complete before the error, so that releasing it is checked too.
#define VSK_BAD(Body)                                                                                                  \
    "object Main: TTestForm\n  object p: TTestPicky\n    Items = <\n      item\n      end>\n  end\n" Body "end\n"

INSTANTIATE_TEST_SUITE_P(
    Core, BadDescription,
    ::testing::Values(
        TBadDescription{VSK_BAD("  object b: TTestButton\n    Colr = clRed\n  end\n"),
                        "line 8: TTestButton has no property 'Colr'"},
        TBadDescription{VSK_BAD("  object b: TNope\n  end\n"), "line 7: Class TNope not found"},
        TBadDescription{VSK_BAD("  object b: TTestWidget\n    Style = tsWavy\n  end\n"),
                        "line 8: TTestWidget.Style: 'tsWavy' is not a value of TTestStyle"},
        TBadDescription{VSK_BAD("  object b: TTestWidget\n    Width = '12'\n  end\n"),
                        "line 8: TTestWidget.Width: integer property given a string"},
        TBadDescription{VSK_BAD("  object b: TTestWidget\n    Width = 99999999999\n  end\n"),
                        "line 8: TTestWidget.Width: 99999999999 is out of range"},
        TBadDescription{VSK_BAD("  object b: TTestWidget\n    Font.Style = [tfBold, tfBlink]\n  end\n"),
                        "line 8: TTestFont.Style: 'tfBlink' is not a value of TTestFontStyle"},
        TBadDescription{VSK_BAD("  object b: TTestWidget\n    Visible = Yes\n  end\n"),
                        "line 8: TTestWidget.Visible: 'Yes' is not a boolean"},
        TBadDescription{VSK_BAD("  object b: TTestWidget\n    Color = clChartreuse\n  end\n"),
                        "line 8: TTestWidget.Color: 'clChartreuse' is not a colour"},
        TBadDescription{VSK_BAD("  object b: TTestWidget\n    OnClick = Nothing\n  end\n"),
                        "line 8: TTestWidget.OnClick: TTestForm has no handler 'Nothing'"},
        TBadDescription{VSK_BAD("  object b: TTestWidget\n    OnClick = FormCloseQuery\n  end\n"),
                        "line 8: TTestWidget.OnClick: handler 'FormCloseQuery' does not fit the event"},
        TBadDescription{VSK_BAD("  object b: TTestWidget\n    Buddy = ghost\n  end\n"),
                        "line 8: TTestWidget.Buddy: component 'ghost' not found"},
        TBadDescription{VSK_BAD("  object b: TTestWidget\n    Buddy = w\n  end\n  object w: TTestWatcher\n  end\n"),
                        "line 8: TTestWidget.Buddy: a TTestWatcher is not a TTestWidget"},
        TBadDescription{VSK_BAD("  object P: TTestWidget\n  end\n"), "line 7: A component named P already exists"},
        TBadDescription{VSK_BAD("  object f: TTestFragile\n  end\n"), "line 7: TTestFragile: cannot be built"},
        TBadDescription{VSK_BAD("  object b: TTestPicky\n    PickyWidth = 13\n  end\n"),
                        "line 8: TTestPicky.PickyWidth: Width 13 brings bad luck"},
        TBadDescription{VSK_BAD("  object b: TTestWidget\n    Width.Size = 1\n  end\n"),
                        "line 8: TTestWidget has no property 'Width.Size'"},
        TBadDescription{VSK_BAD("  object b: TTestWidget\n    Items = [tsFlat]\n  end\n"),
                        "line 8: TTestWidget.Items: object property given a set"},
        TBadDescription{
            VSK_BAD("  object b: TTestWidget\n    Items = <\n      item\n        Colr = 1\n      end>\n  end\n"),
            "line 10: TTestItem has no property 'Colr'"},
        TBadDescription{VSK_BAD("  object b: TTestWidget\n    Data = 'bytes'\n  end\n"),
                        "line 8: TTestWidget.Data: binary property given a string"},
        TBadDescription{VSK_BAD("  object b: TTestWidget\n    Lines.Strings = 'one'\n  end\n"),
                        "line 8: TStringList.Strings: string list property given a string"},
        TBadDescription{VSK_BAD("  object b: TTestWidget\n    Caption = 'a'\n  end\n  Caption = 'late'\n"),
                        "line 10: expected 'end' but found 'Caption'"},
        TBadDescription{"object Main: TTestWidget\nend\n",
                        "line 1: the description is of a TTestWidget, not of a TTestForm"}));

#undef VSK_BAD

} // namespace
