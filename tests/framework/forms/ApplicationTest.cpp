// The application object, the screen and timers: message boxes through the one hookable function, the
// standard exception box, the application-wide message hook, Run and ShowModal, timers, and MDI frames.
#include "tests/support/HandleSnapshot.h"
#include "tests/support/MessageBoxAnswers.h"
#include "tests/support/Messages.h"

#include "framework/core/Exceptions.h"
#include "framework/win/controls/Panel.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Form.h"
#include "framework/win/forms/Screen.h"
#include "framework/win/forms/Timer.h"
#include "framework/win/graphics/Font.h"

#include <gtest/gtest.h>

#include <memory>

TEST(ApplicationMessageBox, AHookAnswersInsteadOfTheUserAndTheOldHookComesBack) {
    TMessageBoxAnswers Outer(IDNO);
    {
        TMessageBoxAnswers Inner(IDYES);
        EXPECT_EQ(IDYES, Application->MessageBox("Are you sure?", "Confirmation", MB_YESNOCANCEL));
        ASSERT_EQ(1u, Inner.Boxes().size());
        EXPECT_EQ("Are you sure?", Inner.Boxes()[0].Text);
        EXPECT_EQ("Confirmation", Inner.Boxes()[0].Caption);
        EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL), Inner.Boxes()[0].Flags);
    }
    EXPECT_EQ(IDNO, Application->MessageBox("Again?", "Confirmation", MB_YESNO));
    EXPECT_EQ(1u, Outer.Boxes().size());
}

TEST(ApplicationExceptions, TheStandardBoxEndsTheMessageWithAFullStopUnlessItEndsInPunctuation) {
    TMessageBoxAnswers Answers;
    Application->ShowException(Exception("Cannot open file"));
    Application->ShowException(Exception("Saved!"));
    Application->ShowException(Exception("Done."));
    Application->ShowException(Exception(""));
    ASSERT_EQ(4u, Answers.Boxes().size());
    EXPECT_EQ("Cannot open file.", Answers.Boxes()[0].Text);
    EXPECT_EQ("Saved!", Answers.Boxes()[1].Text);
    EXPECT_EQ("Done.", Answers.Boxes()[2].Text);
    EXPECT_EQ("", Answers.Boxes()[3].Text);
}

TEST(ApplicationExceptions, OnExceptionTakesExceptionsInsteadOfTheBox) {
    TMessageBoxAnswers Answers;
    std::string Seen;
    TObject* SeenSender = nullptr;
    Application->OnException = [&](TObject* Sender, const Exception& E) {
        SeenSender = Sender;
        Seen = E.Message();
    };
    TForm Form(nullptr);
    try {
        throw EConvertError("bad number");
    } catch (...) {
        Application->HandleException(&Form);
    }
    Application->OnException = nullptr;
    EXPECT_EQ("bad number", Seen);
    EXPECT_EQ(&Form, SeenSender);
    EXPECT_TRUE(Answers.Boxes().empty());
}

TEST(ApplicationLoop, TheMessageHookSeesMessagesFirstAndCanKeepThemFromTheirWindow) {
    TForm Form(nullptr);
    TMessageLog Log(Form);
    constexpr UINT Kept = WM_APP + 5;
    constexpr UINT Passed = WM_APP + 6;
    int Hooked = 0;
    Application->OnMessage = [&](MSG& Msg, bool& Handled) {
        if (Msg.hwnd != Form.Handle()) return;
        ++Hooked;
        Handled = Msg.message == Kept;
    };
    ::PostMessageA(Form.Handle(), Kept, 0, 0);
    ::PostMessageA(Form.Handle(), Passed, 0, 0);
    PumpMessages();
    Application->OnMessage = nullptr;
    EXPECT_EQ(2, Hooked);
    EXPECT_EQ(0, Log.Count(Kept));
    EXPECT_EQ(1, Log.Count(Passed));
}

TEST(ApplicationLoop, RunShowsTheMainFormAndReturnsWhenItCloses) {
    ASSERT_EQ(nullptr, Application->MainForm());
    std::unique_ptr<TForm> Main(Application->CreateForm<TForm>());
    ASSERT_EQ(Main.get(), Application->MainForm());
    bool ShownWhenClosed = false;
    Main->OnClose = [&](TObject*, TCloseAction&) { ShownWhenClosed = ::IsWindowVisible(Main->Handle()); };
    ::PostMessageA(Main->Handle(), WM_CLOSE, 0, 0);
    Application->Run();
    EXPECT_TRUE(ShownWhenClosed);
    EXPECT_FALSE(Application->Terminated());
}

TEST(ApplicationLoop, ShowModalDisablesTheOtherWindowsUntilTheModalResultIsSet) {
    TForm Other(nullptr);
    Other.SetBorderStyle(bsNone);
    Other.Show();
    TForm Dialog(nullptr);
    Dialog.SetBorderStyle(bsDialog);
    bool OtherDisabled = false;
    TTimer Timer(nullptr);
    Timer.SetInterval(10);
    Timer.OnTimer = [&](TObject*) {
        OtherDisabled = !::IsWindowEnabled(Other.Handle());
        Dialog.SetModalResult(mrOk);
    };
    EXPECT_EQ(mrOk, Dialog.ShowModal());
    EXPECT_TRUE(OtherDisabled);
    EXPECT_TRUE(::IsWindowEnabled(Other.Handle()));
    EXPECT_FALSE(Dialog.Visible());
    // Closing a modal form just ends it with mrCancel.
    Timer.OnTimer = [&](TObject*) { Dialog.Close(); };
    EXPECT_EQ(mrCancel, Dialog.ShowModal());
}

TEST(Timers, ATimerTicksFromTheMessageLoopOnlyWhileEnabledAndKeepsAWindowOnlyThen) {
    const long Windows = THandleCounts::Live(THandleKind::Window);
    TTimer Timer(nullptr);
    Timer.SetEnabled(false);
    Timer.SetInterval(5);
    EXPECT_EQ(Windows, THandleCounts::Live(THandleKind::Window));
    int Ticks = 0;
    Timer.OnTimer = [&](TObject* Sender) {
        EXPECT_EQ(&Timer, Sender);
        ++Ticks;
    };
    const long Timers = THandleCounts::Live(THandleKind::Timer);
    Timer.SetEnabled(true);
    EXPECT_EQ(Windows + 1, THandleCounts::Live(THandleKind::Window));
    EXPECT_EQ(Timers + 1, THandleCounts::Live(THandleKind::Timer));
    EXPECT_TRUE(PumpUntil([&] { return Ticks >= 3; }, 2000));
    Timer.SetEnabled(false);
    const int Stopped = Ticks;
    PumpUntil([] { return false; }, 50);
    EXPECT_EQ(Stopped, Ticks);
    EXPECT_EQ(Windows, THandleCounts::Live(THandleKind::Window));
    EXPECT_EQ(Timers, THandleCounts::Live(THandleKind::Timer));
}

TEST(ScreenInfo, WorkAreasMenuFontCursorsAndForms) {
    const TRect Work = Screen->WorkAreaRect();
    EXPECT_FALSE(Work.IsEmpty());
    RECT Overlap;
    const TRect Desktop = Screen->DesktopRect();
    EXPECT_TRUE(::IntersectRect(&Overlap, &Work, &Desktop));
    TForm Form(nullptr);
    EXPECT_EQ(Work, Screen->MonitorWorkAreaRect(Form.Handle())); // one monitor
    EXPECT_FALSE(Screen->MenuFont()->Name().empty());
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_HAND), Screen->Cursors(crHandPoint));
    EXPECT_EQ(nullptr, Screen->Cursors(crNone));
    bool Listed = false;
    for (int I = 0; I < Screen->FormCount(); ++I)
        Listed = Listed || Screen->Forms(I) == &Form;
    EXPECT_TRUE(Listed);
}

TEST(MDIForms, ChildFormsLiveInTheFramesClientWindowBesideItsAlignedControls) {
    const THandleSnapshot Before = HandleSnapshot();
    {
        std::unique_ptr<TForm> Frame(Application->CreateForm<TForm>());
        Frame->SetFormStyle(fsMDIForm);
        Frame->SetClientWidth(400);
        Frame->SetClientHeight(300);
        auto* Bar = new TPanel(Frame.get());
        Bar->SetParent(Frame.get());
        Bar->SetHeight(40);
        Bar->SetAlign(alTop);
        Frame->HandleNeeded();
        ASSERT_NE(nullptr, Frame->ClientHandle());
        RECT Client;
        ::GetWindowRect(Frame->ClientHandle(), &Client);
        ::MapWindowPoints(nullptr, Frame->Handle(), reinterpret_cast<POINT*>(&Client), 2);
        EXPECT_EQ(TRect(0, 40, 400, 300), TRect(Client));

        auto* Child = new TForm(Frame.get());
        Child->SetFormStyle(fsMDIChild);
        EXPECT_TRUE(Child->Visible());
        EXPECT_EQ(Frame->ClientHandle(), ::GetParent(Child->Handle()));
        EXPECT_EQ(1, Frame->MDIChildCount());
        EXPECT_EQ(Child, Frame->MDIChildren(0));
        try {
            Frame->MDIChildren(3);
            ADD_FAILURE() << "an index past the children was taken";
        } catch (const EListError& E) {
            EXPECT_EQ("MDI child index out of bounds (3)", E.Message()); // the index asked for, not a leftover
        }
        EXPECT_EQ(Child, Frame->ActiveMDIChild());
        Frame->Cascade();
        Frame->Tile();
        delete Child;
        EXPECT_EQ(0, Frame->MDIChildCount());
    }
    EXPECT_EQ(nullptr, Application->MainForm());
    EXPECT_EQ(Before, HandleSnapshot());
}
