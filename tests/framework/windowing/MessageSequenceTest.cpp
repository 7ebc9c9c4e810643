// The orders of messages and events that the skinned controls rely on: CM_MOUSEENTER and CM_MOUSELEAVE as
// the pointer moves between windowed and graphic controls, OnEnter/OnExit and CM_FOCUSCHANGED as the focus
// moves, Tab, Enter and Escape as dialog keys, accelerator characters, and the close query.
#include "tests/support/Messages.h"
#include "tests/support/UserInput.h"

#include "framework/core/Properties.h"
#include "framework/win/controls/Label.h"
#include "framework/win/controls/Panel.h"
#include "framework/win/forms/Form.h"
#include "framework/win/windowing/Accelerators.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// A button as the skinned one behaves: Enter clicks it while it is the default, Escape while it is the
// cancel button, and its accelerator character clicks it.
class TDialogButton : public TCustomControl {
    VSK_CLASS(TDialogButton, TCustomControl)

public:
    using TCustomControl::TCustomControl;

    bool Default = false;
    bool Cancel = false;
    int Clicks = 0;

protected:
    void WndProc(TMessage& Message) override {
        switch (Message.Msg) {
        case CM_DIALOGKEY: CMDialogKey(Message); break;
        case CM_DIALOGCHAR: CMDialogChar(Message); break;
        default: inherited::WndProc(Message); break;
        }
    }

private:
    void CMDialogKey(TMessage& Message) {
        if ((Message.WParam == VK_RETURN && Default) || (Message.WParam == VK_ESCAPE && Cancel)) {
            ++Clicks;
            Message.Result = 1;
        }
    }
    void CMDialogChar(TMessage& Message) {
        if (IsAccel(static_cast<char>(Message.WParam), Caption())) {
            ++Clicks;
            Message.Result = 1;
        }
    }
};

// A control that takes every key itself (as a multi-line edit does).
class TKeyTaker : public TCustomControl {
    VSK_CLASS(TKeyTaker, TCustomControl)

public:
    using TCustomControl::TCustomControl;

protected:
    void WndProc(TMessage& Message) override {
        if (Message.Msg == WM_GETDLGCODE)
            Message.Result = DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTTAB | DLGC_WANTARROWS;
        else
            inherited::WndProc(Message);
    }
};

// Records, for several controls, which of the watched messages each received, in one sequence.
class TSequence {
public:
    TSequence(std::vector<std::pair<TControl*, std::string>> Controls, std::vector<UINT> Watched)
        : FWatched(std::move(Watched)) {
        for (auto& [Control, Name] : Controls) {
            FHooks.push_back({Control, Control->WindowProc()});
            Control->SetWindowProc([this, Name, Saved = Control->WindowProc()](TMessage& Message) {
                for (UINT Msg : FWatched)
                    if (Message.Msg == Msg) FEvents.push_back(Name + ":" + MessageName(Msg));
                Saved(Message);
            });
        }
    }
    ~TSequence() {
        for (auto& [Control, Saved] : FHooks)
            Control->SetWindowProc(Saved);
    }
    void Note(const std::string& Event) { FEvents.push_back(Event); }
    std::vector<std::string> Take() { return std::exchange(FEvents, {}); }

private:
    static std::string MessageName(UINT Msg) {
        switch (Msg) {
        case CM_MOUSEENTER: return "enter";
        case CM_MOUSELEAVE: return "leave";
        case CM_FOCUSCHANGED: return "focuschanged";
        default: return std::to_string(Msg);
        }
    }

    std::vector<UINT> FWatched;
    std::vector<std::pair<TControl*, TWndMethod>> FHooks;
    std::vector<std::string> FEvents;
};

using TEvents = std::vector<std::string>;

// One form, shown once for all these tests: where no window manager answers (the tests' X server), hiding
// or destroying a shown form waits seconds for it. Each test adds its controls and takes them away again.
struct MessageSequenceTest : ::testing::Test {
    static inline TForm* Form = nullptr;
    std::vector<TControl*> Added;

    static void SetUpTestSuite() {
        Form = new TForm(nullptr);
        Form->SetBorderStyle(bsNone);
        Form->SetBounds(100, 100, 300, 100);
        Form->Show();
        PumpMessages();
    }
    static void TearDownTestSuite() { delete std::exchange(Form, nullptr); }

    void TearDown() override {
        for (auto It = Added.rbegin(); It != Added.rend(); ++It)
            delete *It;
        Form->OnKeyDown = nullptr;
        Form->SetKeyPreview(false);
        PumpMessages();
    }

    template<class T>
    T* Add(TWinControl* Parent, const char* Name, int Left, int Top, int Width, int Height) {
        auto* Control = new T(Form);
        Control->SetName(Name);
        Control->SetParent(Parent);
        Control->SetBounds(Left, Top, Width, Height);
        Added.push_back(Control);
        return Control;
    }

    // Posts a key message to the focused window as the keyboard would, and lets the loop handle it.
    void Key(UINT Msg, WPARAM Key) {
        ::PostMessageA(::GetFocus(), Msg, Key, 1);
        PumpMessages();
    }
};

void MoveMouseTo(int X, int Y) {
    ::SetCursorPos(X, Y);
    PumpMessages();
}

// Leaving the last window is noticed by the system's mouse tracking a little later.
TEvents AwaitEvents(TSequence& Sequence) {
    TEvents Events;
    PumpUntil(
        [&] {
            const TEvents More = Sequence.Take();
            Events.insert(Events.end(), More.begin(), More.end());
            return !Events.empty();
        },
        2000);
    return Events;
}

} // namespace

VSK_IMPLEMENT_CLASS(TDialogButton)
void TDialogButton::Publish(TPublisher<TDialogButton>&) {}
VSK_IMPLEMENT_CLASS(TKeyTaker)
void TKeyTaker::Publish(TPublisher<TKeyTaker>&) {}

TEST_F(MessageSequenceTest, MouseEnterAndLeaveFollowThePointerAcrossWindowedAndGraphicControls) {
    auto* A = Add<TPanel>(Form, "A", 0, 0, 100, 100);
    auto* L = Add<TLabel>(Form, "L", 110, 10, 40, 20);
    auto* B = Add<TPanel>(Form, "B", 200, 0, 100, 100);
    L->SetAutoSize(false);
    L->SetBounds(110, 10, 40, 20);
    MoveMouseTo(700, 700);
    TSequence Sequence({{A, "A"}, {L, "L"}, {B, "B"}, {Form, "Form"}}, {CM_MOUSEENTER, CM_MOUSELEAVE});

    MoveMouseTo(150, 150);
    EXPECT_EQ(TEvents({"A:enter"}), Sequence.Take());
    MoveMouseTo(160, 160);
    EXPECT_EQ(TEvents(), Sequence.Take()); // moving within a control says nothing
    MoveMouseTo(220, 115);
    EXPECT_EQ(TEvents({"A:leave", "L:enter"}), Sequence.Take());
    MoveMouseTo(220, 180);
    EXPECT_EQ(TEvents({"L:leave", "Form:enter"}), Sequence.Take());
    MoveMouseTo(350, 150);
    EXPECT_EQ(TEvents({"Form:leave", "B:enter"}), Sequence.Take());
    ::SetCursorPos(700, 700);
    EXPECT_EQ(TEvents({"B:leave"}), AwaitEvents(Sequence));
}

TEST_F(MessageSequenceTest, FocusChangesRunExitAndEnterUpAndDownTheParentsAndTellEveryControl) {
    auto* A = Add<TPanel>(Form, "A", 0, 0, 50, 50);
    auto* Group = Add<TPanel>(Form, "Group", 60, 0, 100, 100);
    auto* Inner = Add<TPanel>(Group, "Inner", 5, 5, 20, 20);
    auto* Other = Add<TLabel>(Form, "Other", 200, 0, 20, 20);
    TSequence Sequence({{A, "A"}, {Group, "Group"}, {Inner, "Inner"}, {Other, "Other"}}, {CM_FOCUSCHANGED});
    for (auto [Control, Name] : {std::pair<TWinControl*, const char*>{A, "A"}, {Group, "Group"}, {Inner, "Inner"}}) {
        Control->OnEnter = [&Sequence, Name = std::string(Name)](TObject*) { Sequence.Note(Name + ":enter"); };
        Control->OnExit = [&Sequence, Name = std::string(Name)](TObject*) { Sequence.Note(Name + ":exit"); };
    }
    TWinControl* Reported = nullptr;
    Other->SetWindowProc([&, Saved = Other->WindowProc()](TMessage& Message) {
        if (Message.Msg == CM_FOCUSCHANGED) Reported = PointerParam<TWinControl>(Message.LParam);
        Saved(Message);
    });

    A->SetFocus();
    EXPECT_TRUE(A->Focused());
    EXPECT_EQ(A, Form->ActiveControl());
    EXPECT_EQ(A, Reported);
    Sequence.Take();

    Inner->SetFocus();
    EXPECT_EQ(TEvents({"A:exit", "Group:enter", "Inner:enter", "A:focuschanged", "Group:focuschanged",
                       "Inner:focuschanged", "Other:focuschanged"}),
              Sequence.Take());
    EXPECT_EQ(Inner, Reported);

    A->SetFocus();
    const TEvents Back = Sequence.Take();
    EXPECT_EQ(TEvents({"Inner:exit", "Group:exit", "A:enter"}), TEvents(Back.begin(), Back.begin() + 3));
    EXPECT_EQ(A, Reported);
}

TEST_F(MessageSequenceTest, TabAndShiftTabMoveTheFocusInTabOrderSkippingWhatCannotTakeIt) {
    auto* A = Add<TPanel>(Form, "A", 0, 0, 50, 50);
    auto* B = Add<TPanel>(Form, "B", 60, 0, 50, 50);
    auto* C = Add<TPanel>(Form, "C", 120, 0, 50, 50);
    auto* Hidden = Add<TPanel>(Form, "Hidden", 180, 0, 50, 50);
    for (TWinControl* Control : {A, B, C, Hidden})
        Control->SetTabStop(true);
    Hidden->Hide();
    C->SetTabOrder(0); // C, A, B, Hidden
    EXPECT_EQ(1, A->TabOrder());
    C->SetFocus();

    Key(WM_KEYDOWN, VK_TAB);
    EXPECT_TRUE(A->Focused());
    Key(WM_KEYDOWN, VK_TAB);
    EXPECT_TRUE(B->Focused());
    Key(WM_KEYDOWN, VK_TAB);
    EXPECT_TRUE(C->Focused()); // round again, past the hidden one
    {
        const TKeysHeld Shift({VK_SHIFT});
        Key(WM_KEYDOWN, VK_TAB);
    }
    EXPECT_TRUE(B->Focused());
}

TEST_F(MessageSequenceTest, EnterAndEscapeGoToDefaultAndCancelButtonsUnlessTheFocusedControlWantsThem) {
    auto* Focus = Add<TPanel>(Form, "Focus", 0, 0, 50, 50);
    auto* Taker = Add<TKeyTaker>(Form, "Taker", 60, 0, 50, 50);
    auto* Ok = Add<TDialogButton>(Form, "Ok", 120, 0, 50, 20);
    auto* Cancel = Add<TDialogButton>(Form, "Cancel", 180, 0, 50, 20);
    Ok->Default = true;
    Cancel->Cancel = true;

    Focus->SetFocus();
    Key(WM_KEYDOWN, VK_RETURN);
    Key(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(1, Ok->Clicks);
    EXPECT_EQ(1, Cancel->Clicks);

    TMessageLog Log(*Taker);
    Taker->SetFocus();
    Key(WM_KEYDOWN, VK_RETURN);
    Key(WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(1, Ok->Clicks);
    EXPECT_EQ(2, Log.Count(WM_KEYDOWN)); // the keys reached the control itself
    EXPECT_TRUE(Taker->Focused());
}

TEST_F(MessageSequenceTest, AcceleratorsClickWithAltAlwaysAndAloneWhereTheFocusTakesNoCharacters) {
    auto* Focus = Add<TPanel>(Form, "Focus", 0, 0, 50, 50);
    auto* Taker = Add<TKeyTaker>(Form, "Taker", 60, 0, 50, 50);
    auto* Exit = Add<TDialogButton>(Form, "Exit", 120, 0, 50, 20);
    Exit->SetCaption("E&xit");
    auto* Target = Add<TPanel>(Form, "Target", 180, 0, 50, 50);
    Target->SetTabStop(true);
    auto* Label = Add<TLabel>(Form, "Label", 240, 0, 50, 20);
    Label->SetCaption("&Name");
    Label->SetFocusControl(Target);

    Focus->SetFocus();
    Key(WM_CHAR, 'x');
    EXPECT_EQ(1, Exit->Clicks);
    Taker->SetFocus();
    Key(WM_CHAR, 'x');
    EXPECT_EQ(1, Exit->Clicks); // typed into the control
    Key(WM_SYSCHAR, 'X');
    EXPECT_EQ(2, Exit->Clicks);
    Key(WM_SYSCHAR, 'n');
    EXPECT_TRUE(Target->Focused());
}

TEST_F(MessageSequenceTest, KeyPreviewLetsTheFormSeeAndSwallowKeysFirst) {
    auto* Focus = Add<TPanel>(Form, "Focus", 0, 0, 50, 50);
    Focus->SetFocus();
    TEvents Keys;
    Focus->OnKeyDown = [&](TObject*, WORD& Key, TShiftState) { Keys.push_back("control:" + std::to_string(Key)); };
    Form->OnKeyDown = [&](TObject*, WORD& Key, TShiftState) {
        Keys.push_back("form:" + std::to_string(Key));
        if (Key == 'Q') Key = 0;
    };
    Key(WM_KEYDOWN, 'A');
    Form->SetKeyPreview(true);
    Key(WM_KEYDOWN, 'A');
    Key(WM_KEYDOWN, 'Q');
    EXPECT_EQ(TEvents({"control:65", "form:65", "control:65", "form:81"}), Keys);
}

TEST(FormClosing, TheFirstTabStopHasTheFocusWhenAFormOpensAndTheCloseQueryDecidesAboutClosing) {
    auto Form = std::make_unique<TForm>(nullptr);
    auto* Plain = new TPanel(Form.get());
    auto* First = new TPanel(Form.get());
    Plain->SetParent(Form.get());
    First->SetParent(Form.get());
    First->SetTabStop(true);
    Form->Show();
    PumpMessages();
    EXPECT_EQ(First, Form->ActiveControl());
    EXPECT_TRUE(First->Focused());

    bool Allow = false;
    TEvents Events;
    Form->OnCloseQuery = [&](TObject*, bool& CanClose) {
        Events.push_back("query");
        CanClose = Allow;
    };
    Form->OnClose = [&](TObject*, TCloseAction& Action) {
        Events.push_back(Action == caHide ? "close:hide" : "close:other");
    };
    ::SendMessageA(Form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(Form->Visible());
    Allow = true;
    Form->Close();
    EXPECT_FALSE(Form->Visible());
    EXPECT_FALSE(::IsWindowVisible(Form->Handle()));
    EXPECT_EQ(TEvents({"query", "query", "close:hide"}), Events);
}

TEST(FormClosing, AFormClosedWithCaFreeIsDestroyedOnceItsMessagesAreDone) {
    auto Owner = std::make_unique<TComponent>(nullptr);
    auto* Closing = new TForm(Owner.get());
    Closing->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
    ::SendMessageA(Closing->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(1, Owner->ComponentCount()); // not while its own message is being handled
    PumpMessages();
    EXPECT_EQ(0, Owner->ComponentCount());
}
