// The life of a control's window: made on demand, bound to its control, every message through the
// replaceable WindowProc slot, child notifications reflected, recreated on request, exceptions shown
// instead of unwinding through the system.
#include "tests/support/MessageBoxAnswers.h"
#include "tests/support/Messages.h"
#include "tests/support/WindowQueries.h"

#include "framework/core/Properties.h"
#include "framework/win/controls/Panel.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Brush.h"
#include "framework/win/graphics/DeviceContexts.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

// A superclass of the system's EDIT control, as the memo and the list view are made.
class TTestEdit : public TWinControl {
    VSK_CLASS(TTestEdit, TWinControl)

public:
    using TWinControl::TWinControl;

protected:
    void CreateParams(TCreateParams& Params) override {
        inherited::CreateParams(Params);
        CreateSubClass(Params, "EDIT");
        Params.Style |= ES_AUTOHSCROLL;
    }
};

struct WindowProcTest : ::testing::Test {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TPanel* Panel = new TPanel(Form.get());

    WindowProcTest() { Panel->SetParent(Form.get()); }
};

} // namespace

VSK_IMPLEMENT_CLASS(TTestEdit)
void TTestEdit::Publish(TPublisher<TTestEdit>&) {}

TEST_F(WindowProcTest, WindowsAreMadeOnDemandParentsFirstAndBoundToTheirControls) {
    EXPECT_FALSE(Form->HandleAllocated());
    EXPECT_FALSE(Panel->HandleAllocated());
    const HWND Window = Panel->Handle();
    ASSERT_TRUE(Form->HandleAllocated());
    EXPECT_EQ(Form->Handle(), ::GetParent(Window));
    EXPECT_EQ(Panel, TWinControl::FindControl(Window));
    EXPECT_EQ(Form.get(), TWinControl::FindControl(Form->Handle()));
    char ClassName[64] = {};
    ::GetClassNameA(Window, ClassName, sizeof(ClassName));
    EXPECT_STREQ("TPanel", ClassName);
    // A window that is not ours is not taken for a control, whatever its user data holds.
    EXPECT_EQ(nullptr, TWinControl::FindControl(::GetDesktopWindow()));
}

TEST_F(WindowProcTest, TheSlotSeesSystemAndPerformedMessagesAndCanBeRestored) {
    const HWND Window = Panel->Handle();
    const TWndMethod Saved = Panel->WindowProc();
    constexpr UINT Probe = WM_APP + 1;
    int ProbesSeen = 0;
    int TextChanges = 0;
    Panel->SetWindowProc([&](TMessage& Message) {
        if (Message.Msg == Probe) {
            ++ProbesSeen;
            Message.Result = 42;
            return;
        }
        if (Message.Msg == CM_TEXTCHANGED) ++TextChanges;
        Saved(Message);
    });
    EXPECT_EQ(42, ::SendMessageA(Window, Probe, 0, 0));
    EXPECT_EQ(42, Panel->Perform(Probe));
    Panel->SetCaption("through the hook");
    EXPECT_EQ(1, TextChanges);
    EXPECT_EQ("through the hook", WindowTextOf(Window)); // the saved procedure still did the work

    Panel->SetWindowProc(Saved);
    EXPECT_EQ(0, ::SendMessageA(Window, Probe, 0, 0));
    EXPECT_EQ(2, ProbesSeen);
}

TEST_F(WindowProcTest, NotificationsOfChildWindowsAreReflectedToTheirControls) {
    TMessageLog Log(*Panel);
    const HWND Parent = Form->Handle();
    const HWND Child = Panel->Handle();
    ::SendMessageA(Parent, WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), reinterpret_cast<LPARAM>(Child));
    NMHDR Header{Child, 7, NM_CLICK};
    ::SendMessageA(Parent, WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&Header));
    ASSERT_EQ(1, Log.Count(CN_COMMAND));
    EXPECT_EQ(1, Log.Count(CN_NOTIFY));
    EXPECT_EQ(MAKEWPARAM(7, BN_CLICKED), Log.Of(CN_COMMAND)[0].WParam);
    // A menu command has no child window: it stays with the form.
    ::SendMessageA(Parent, WM_COMMAND, MAKEWPARAM(9, 0), 0);
    EXPECT_EQ(1, Log.Count(CN_COMMAND));
}

TEST_F(WindowProcTest, SuperclassedSystemControlsWorkAndTheirColoursComeFromTheControl) {
    auto* Edit = new TTestEdit(Form.get());
    Edit->SetParent(Form.get());
    Edit->SetBounds(5, 5, 100, 21);
    Edit->SetColor(clYellow);
    TMessageLog Log(*Edit);
    const HWND Window = Edit->Handle();
    char ClassName[64] = {};
    ::GetClassNameA(Window, ClassName, sizeof(ClassName));
    EXPECT_STREQ("TTestEdit", ClassName);

    ::SendMessageA(Window, WM_CHAR, 'a', 1);
    ::SendMessageA(Window, WM_CHAR, 'b', 1);
    EXPECT_EQ("ab", Edit->Text()); // the system's EDIT keeps the text
    // Its change notifications come back to it through the parent.
    int Changes = 0;
    for (const TMessage& Message : Log.Of(CN_COMMAND))
        if (HIWORD(Message.WParam) == EN_CHANGE) ++Changes;
    EXPECT_EQ(2, Changes);

    TWindowDC DC(Window);
    EXPECT_EQ(reinterpret_cast<LRESULT>(Edit->Brush()->Handle()),
              ::SendMessageA(Form->Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(DC.Handle()),
                             reinterpret_cast<LPARAM>(Window)));
    EXPECT_EQ(RGB(255, 255, 0), ::GetBkColor(DC.Handle()));
}

TEST_F(WindowProcTest, RecreatingMakesNewWindowsForTheControlAndItsChildrenKeepingTheirState) {
    auto* Inner = new TPanel(Form.get());
    Inner->SetParent(Panel);
    Panel->SetCaption("kept");
    TMessageLog Log(*Panel);
    const HWND Old = Panel->Handle();
    const HWND OldInner = Inner->Handle();
    const long Windows = THandleCounts::Live(THandleKind::Window);

    Panel->RecreateWnd();

    EXPECT_EQ(1, Log.Count(CM_RECREATEWND));
    ASSERT_TRUE(Panel->HandleAllocated());
    ASSERT_TRUE(Inner->HandleAllocated());
    EXPECT_FALSE(::IsWindow(Old));
    EXPECT_FALSE(::IsWindow(OldInner));
    EXPECT_EQ(Panel->Handle(), ::GetParent(Inner->Handle()));
    EXPECT_EQ("kept", WindowTextOf(Panel->Handle()));
    EXPECT_EQ(Windows, THandleCounts::Live(THandleKind::Window));
}

TEST_F(WindowProcTest, WindowsDestroyedByTheSystemAreForgottenAndMadeAgainWhenNeeded) {
    Panel->HandleNeeded();
    const long Windows = THandleCounts::Live(THandleKind::Window);
    ::DestroyWindow(Form->Handle());
    EXPECT_FALSE(Form->HandleAllocated());
    EXPECT_FALSE(Panel->HandleAllocated());
    EXPECT_EQ(Windows - 2, THandleCounts::Live(THandleKind::Window));
    EXPECT_TRUE(::IsWindow(Panel->Handle()));
}

TEST_F(WindowProcTest, ExceptionsInMessageHandlersAreShownNotThrownThroughTheSystem) {
    TMessageBoxAnswers Answers;
    Panel->OnResize = [](TObject*) { throw EInvalidOperation("Resizing failed"); };
    ::SetWindowPos(Panel->Handle(), nullptr, 0, 0, 50, 60, SWP_NOZORDER | SWP_NOMOVE);
    Panel->OnClick = [](TObject*) { throw std::runtime_error("not ours"); };
    ::SendMessageA(Panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ::SendMessageA(Panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));

    ASSERT_EQ(2u, Answers.Boxes().size());
    EXPECT_EQ("Resizing failed.", Answers.Boxes()[0].Text);
    EXPECT_EQ(Application->Title(), Answers.Boxes()[0].Caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONSTOP), Answers.Boxes()[0].Flags);
    EXPECT_EQ("not ours.", Answers.Boxes()[1].Text);
    EXPECT_EQ(50, Panel->Width()); // the resize itself happened
}
