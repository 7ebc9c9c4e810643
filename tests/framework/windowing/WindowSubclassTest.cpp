// Subclassing windows the framework did not make: the handler comes first and passes messages on, the
// window gets its procedure back, also when something subclassed it after us, and a window destroyed under
// the subclass is let go of.
#include "tests/support/MessageBoxAnswers.h"
#include "tests/support/ScratchWindow.h"
#include "tests/support/WindowQueries.h"

#include "framework/win/windowing/WindowSubclass.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

WNDPROC ProcOf(HWND Window) {
    return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(Window, GWLP_WNDPROC));
}

// A subclass made the plain way, as other code than ours would put one in front.
WNDPROC GForeignPrevious = nullptr;
int GForeignCalls = 0;
LRESULT CALLBACK ForeignProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    ++GForeignCalls;
    return ::CallWindowProcA(GForeignPrevious, Window, Msg, WParam, LParam);
}

TEST(WindowSubclass, TheHandlerSeesMessagesFirstAndDecidesTheirResult) {
    TScratchWindow Window(100, 50);
    const WNDPROC Original = ProcOf(Window.Handle());
    std::unique_ptr<TWindowSubclass> Subclass;
    int Seen = 0;
    Subclass = std::make_unique<TWindowSubclass>(Window.Handle(), [&](TMessage& Message) {
        if (Message.Msg == WM_USER + 1) {
            ++Seen;
            Message.Result = 42;
            return;
        }
        Subclass->CallPrevious(Message);
        if (Message.Msg == WM_SETTEXT) ++Seen;
    });
    EXPECT_EQ(Subclass->PreviousProc(), Original);
    EXPECT_EQ(42, ::SendMessageA(Window.Handle(), WM_USER + 1, 0, 0));
    ::SetWindowTextA(Window.Handle(), "passed on");
    EXPECT_EQ("passed on", WindowTextOf(Window.Handle())) << "the window's own procedure still ran";
    EXPECT_EQ(2, Seen);
    EXPECT_THROW(TWindowSubclass(Window.Handle(), [](TMessage&) {}), EInvalidOperation) << "one per window";

    Subclass.reset();
    EXPECT_EQ(Original, ProcOf(Window.Handle()));
    EXPECT_EQ(0, ::SendMessageA(Window.Handle(), WM_USER + 1, 0, 0)) << "the handler is out of the way";
}

TEST(WindowSubclass, ALaterSubclassKeepsWorkingAfterOursGoes) {
    TScratchWindow Window(100, 50);
    int Ours = 0;
    std::unique_ptr<TWindowSubclass> Subclass;
    Subclass = std::make_unique<TWindowSubclass>(Window.Handle(), [&](TMessage& Message) {
        ++Ours;
        Subclass->CallPrevious(Message);
    });
    GForeignCalls = 0;
    GForeignPrevious = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(Window.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
    Subclass.reset();
    EXPECT_EQ(&ForeignProc, ProcOf(Window.Handle())) << "the later subclass stays in front";
    ::SetWindowTextA(Window.Handle(), "still the chain");
    EXPECT_EQ("still the chain", WindowTextOf(Window.Handle()));
    EXPECT_GT(GForeignCalls, 0);
    EXPECT_EQ(0, Ours) << "our handler is gone even though our procedure is still in the chain";
    ::SetWindowLongPtrA(Window.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GForeignPrevious));
    ::SetWindowTextA(Window.Handle(), "unchained");
    EXPECT_EQ("unchained", WindowTextOf(Window.Handle()));
}

TEST(WindowSubclass, AWindowDestroyedFirstIsForgottenAndHandlerErrorsAreShown) {
    TMessageBoxAnswers Answers;
    auto Window = std::make_unique<TScratchWindow>(100, 50);
    const HWND Handle = Window->Handle();
    TWindowSubclass Subclass(Handle, [&](TMessage& Message) {
        if (Message.Msg == WM_USER + 2) throw std::runtime_error("handler failed");
        Subclass.CallPrevious(Message);
    });
    ::SendMessageA(Handle, WM_USER + 2, 0, 0);
    ASSERT_EQ(1u, Answers.Boxes().size());
    EXPECT_EQ("handler failed.", Answers.Boxes()[0].Text);
    Window.reset();
    EXPECT_EQ(nullptr, Subclass.Window());
} // the subclass goes after its window without touching it

} // namespace
