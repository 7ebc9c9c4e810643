// The memo over the system's EDIT control: typing, change events, the clipboard, the upper-case style, the
// length limit, its lines with and without a window, and new windows that keep the text.
#include "tests/support/Clipboard.h"
#include "tests/support/UserInput.h"
#include "tests/support/WindowQueries.h"

#include "framework/core/Exceptions.h"
#include "framework/win/ComponentClasses.h"
#include "framework/win/controls/Memo.h"
#include "framework/win/forms/Form.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct MemoTest : ::testing::Test {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TMemo* Memo = new TMemo(Form.get());
    int Changes = 0;

    MemoTest() {
        Memo->SetParent(Form.get());
        Memo->OnChange = [this](TObject*) { ++Changes; };
    }

    void Type(const std::string& Text) { TypeChars(Memo->Handle(), Text); }
};

// The same changes of the lines, made on a memo with a window and on one without, give the same text.
void EditLines(TStrings& Lines) {
    Lines.Add("one");
    Lines.Add("two");
    Lines.Insert(1, "between");
    Lines.Put(0, "first");
    Lines.Add("last");
    Lines.Delete(2);
}

} // namespace

TEST_F(MemoTest, TypingChangesTheTextAndReportsEveryChangeOnce) {
    Type("ab");
    EXPECT_EQ("ab", Memo->Text());
    EXPECT_EQ(2, Changes);
    // A multi-line EDIT says nothing when its text is set: the memo reports that change itself, once.
    Memo->SetText("set");
    EXPECT_EQ(3, Changes);
    EXPECT_EQ("set", WindowTextOf(Memo->Handle()));
    Memo->SetText("set");
    EXPECT_EQ(3, Changes);
    Memo->Clear();
    EXPECT_EQ("", Memo->Text());
    EXPECT_EQ(4, Changes);
}

TEST_F(MemoTest, TheUpperCaseStyleSetOnTheWindowTurnsTypedLettersUpperCase) {
    const HWND Window = Memo->Handle();
    ::SetWindowLongA(Window, GWL_STYLE, ::GetWindowLongA(Window, GWL_STYLE) | ES_UPPERCASE);
    Type("dsplib 1");
    EXPECT_EQ("DSPLIB 1", Memo->Text());
}

TEST_F(MemoTest, MaxLengthStopsTypingButNotTheProgram) {
    Memo->SetMaxLength(4);
    Type("abcdef");
    EXPECT_EQ("abcd", Memo->Text());
    Memo->SetMaxLength(0);
    Type("ef");
    EXPECT_EQ("abcdef", Memo->Text());
    // The limit survives a new window.
    Memo->SetMaxLength(6);
    Memo->SetScrollBars(ssVertical);
    Type("g");
    EXPECT_EQ("abcdef", Memo->Text());
}

TEST_F(MemoTest, PastingPutsTheClipboardTextAtTheCaretInPlaceOfTheSelection) {
    Memo->SetText("ab--cd");
    Memo->SetSelStart(2);
    Memo->SetSelLength(2);
    EXPECT_EQ("--", Memo->SelText());
    SetClipboardText("PASTED");
    Changes = 0;
    Memo->PasteFromClipboard();
    EXPECT_EQ("abPASTEDcd", Memo->Text());
    EXPECT_EQ(1, Changes);

    Memo->SelectAll();
    Memo->CopyToClipboard();
    Memo->Clear();
    Memo->PasteFromClipboard();
    EXPECT_EQ("abPASTEDcd", Memo->Text());
}

TEST_F(MemoTest, LinesWorkAlikeWithAndWithoutAWindow) {
    const std::unique_ptr<TMemo> Loose(new TMemo(nullptr)); // no parent: it never gets a window
    EditLines(*Loose->Lines());
    EXPECT_FALSE(Loose->HandleAllocated());
    Memo->SetWordWrap(false);
    Memo->HandleNeeded();
    EditLines(*Memo->Lines());

    EXPECT_EQ("first\r\nbetween\r\nlast\r\n", Loose->Text());
    EXPECT_EQ(Loose->Text(), Memo->Text());
    ASSERT_EQ(3, Memo->Lines()->Count());
    EXPECT_EQ(3, Loose->Lines()->Count());
    EXPECT_EQ("between", Memo->Lines()->Get(1));
    EXPECT_EQ("between", Loose->Lines()->Get(1));
    EXPECT_THROW(Memo->Lines()->Get(3), EStringListError);

    // Without a final line break, a new last line goes after one.
    Memo->SetText("a\r\nb");
    Memo->Lines()->Add("c");
    EXPECT_EQ("a\r\nb\r\nc", Memo->Text());
    Memo->Lines()->Delete(2);
    EXPECT_EQ(2, Memo->Lines()->Count());
}

TEST_F(MemoTest, SettingAllLinesReportsOneChange) {
    Memo->HandleNeeded();
    Memo->Lines()->SetText("x\r\ny\r\nz");
    EXPECT_EQ(1, Changes);
    EXPECT_EQ(3, Memo->Lines()->Count());
    EXPECT_EQ("x\r\ny\r\nz\r\n", Memo->Text());
}

TEST_F(MemoTest, StyleChangesMakeANewWindowWithTheSameText) {
    Memo->SetText("kept\r\ntext");
    const HWND Old = Memo->Handle();
    Memo->SetScrollBars(ssBoth);
    Memo->SetWordWrap(false);
    Memo->SetAlignment(taRightJustify);
    const HWND New = Memo->Handle();
    EXPECT_NE(Old, New);
    EXPECT_FALSE(::IsWindow(Old));
    const LONG Style = ::GetWindowLongA(New, GWL_STYLE);
    EXPECT_TRUE(Style & WS_VSCROLL);
    EXPECT_TRUE(Style & WS_HSCROLL);
    EXPECT_TRUE(Style & ES_AUTOHSCROLL);
    EXPECT_TRUE(Style & ES_RIGHT);
    EXPECT_EQ("kept\r\ntext", Memo->Text());
    EXPECT_EQ(1, Changes); // setting the text; the new windows changed nothing
    // ReadOnly needs no new window.
    Memo->SetReadOnly(true);
    EXPECT_EQ(New, Memo->Handle());
    EXPECT_TRUE(::GetWindowLongA(New, GWL_STYLE) & ES_READONLY);
}

TEST_F(MemoTest, ReturnsAndTabsAreTheMemosOnlyWhenItWantsThem) {
    const auto DialogCode = [this] { return ::SendMessageA(Memo->Handle(), WM_GETDLGCODE, 0, 0); };
    EXPECT_TRUE(DialogCode() & DLGC_WANTALLKEYS);
    EXPECT_FALSE(DialogCode() & DLGC_WANTTAB);
    Memo->SetWantTabs(true);
    Memo->SetWantReturns(false);
    EXPECT_TRUE(DialogCode() & DLGC_WANTTAB);
    EXPECT_FALSE(DialogCode() & DLGC_WANTALLKEYS);
    Type("a\rb\tc");
    EXPECT_EQ("ab\tc", Memo->Text());
}

TEST_F(MemoTest, DescriptionsGiveTheMemoItsLinesAndStyles) {
    RegisterWinComponentClasses();
    Form->ReadDescription("object Form1: TForm\n"
                          "  object memNotes: TMemo\n"
                          "    Lines.Strings = ('CRTLIB' 'DSPLIB')\n"
                          "    ScrollBars = ssVertical\n"
                          "    MaxLength = 10\n"
                          "  end\n"
                          "end\n");
    auto* Notes = dynamic_cast<TMemo*>(Form->FindComponent("memNotes"));
    ASSERT_NE(nullptr, Notes);
    EXPECT_EQ(Form.get(), Notes->Parent());
    EXPECT_EQ("CRTLIB\r\nDSPLIB\r\n", Notes->Text());
    EXPECT_EQ(ssVertical, Notes->ScrollBars());
    EXPECT_TRUE(::GetWindowLongA(Notes->Handle(), GWL_STYLE) & WS_VSCROLL);
    EXPECT_EQ("CRTLIB\r\nDSPLIB\r\n", WindowTextOf(Notes->Handle()));
}
