// The pop-up notification under real window messages: its window and where it appears, the stay counted
// through its own timer against a tick count the test sets, the close box's corners, one OnClose for every
// hide, and a component destroyed from its own event handlers or while its timer runs.
#include "tests/support/HandleSnapshot.h"
#include "tests/support/Messages.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"
#include "tests/support/UserInput.h"

#include "framework/win/ComponentClasses.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Form.h"
#include "framework/win/forms/Timer.h"
#include "framework/win/windowing/WindowClasses.h"
#include "skin/controls/Frmmsnpopform.h"
#include "skin/controls/Vskmsnpopform.h"
#include "skin/themes/Vskpublic.h"

#include <gtest/gtest.h>

namespace {

constexpr int PictureWidth = 181;
constexpr int PictureHeight = 116;
constexpr int ShortSlide = 10;
// Long enough that no real tick ends a stay while a test runs, unless it means to.
constexpr int LongStay = 600000;

DWORD GTicks = 0;
DWORD WINAPI TestTicks() {
    return GTicks;
}

bool Shown(TfrmMSNPopForm& Form) {
    return ::IsWindowVisible(Form.Handle());
}

// One tick of the stay timer, as the message loop delivers it.
void Tick(TfrmMSNPopForm& Form) {
    Form.StayTimer().OnTimer(&Form.StayTimer());
}

// Public: the tables of ways below reach the fixture through a reference.
class NotificationTest : public ::testing::Test {
public:
    NotificationTest() {
        RegisterWinComponentClasses();
        // The application makes the window that frees released forms once and keeps it: make it before counting.
        (new TForm(Application))->Release();
        PumpMessages();
        Start = HandleSnapshot();
        NewPop();
    }
    void NewPop() {
        Pop = new TvskMSNPopForm(nullptr);
        Pop->SetAnimateTime(ShortSlide);
        Pop->SetStayTime(LongStay);
        Pop->OnClick = [this](TObject* Sender) {
            EXPECT_EQ(Sender, Pop);
            ++Clicks;
        };
        Pop->OnTitleClick = [this](TObject*) { ++TitleClicks; };
        Pop->OnClose = [this](TObject* Sender) {
            EXPECT_EQ(Sender, Pop);
            ++Closes;
        };
    }
    ~NotificationTest() override {
        delete Pop;
        PumpMessages();
    }

    TfrmMSNPopForm& Form() const { return *Pop->Form(); }
    void UseTestTicks(DWORD Now) {
        GTicks = Now;
        Form().SetTickSource(TestTicks);
    }

    THandleSnapshot Start;
    TvskMSNPopForm* Pop; // raw: some tests destroy it from its own handlers
    int Clicks = 0;
    int TitleClicks = 0;
    int Closes = 0;
};

TEST_F(NotificationTest, IsABarePopupThatTakesNoFocusAboveTheTaskBarOrWhereItIsTold) {
    TForm Host(nullptr);
    Host.Show();
    ::SetForegroundWindow(Host.Handle());
    PumpMessages();
    const HWND Active = ::GetActiveWindow();
    Pop->Popup();
    const HWND Window = Form().Handle();
    EXPECT_TRUE(::IsWindowVisible(Window));
    EXPECT_EQ(::GetActiveWindow(), Active);
    const LONG_PTR Style = ::GetWindowLongPtrA(Window, GWL_STYLE);
    EXPECT_TRUE(Style & WS_POPUP);
    EXPECT_EQ(Style & (WS_CHILD | WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_SYSMENU), 0);
    EXPECT_EQ(::GetWindowLongPtrA(Window, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW),
              WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
    RECT Placed;
    ::GetWindowRect(Window, &Placed);
    EXPECT_EQ(Placed.right, GetWorkAreaRect().right - 18);
    EXPECT_EQ(Placed.bottom, GetWorkAreaRect().bottom);
    EXPECT_EQ(Placed.right - Placed.left, PictureWidth);
    EXPECT_EQ(Placed.bottom - Placed.top, PictureHeight);
    Pop->Close();

    Pop->SetAutoPosition(false);
    Pop->SetPositionX(100);
    Pop->SetPositionY(50);
    Pop->Popup();
    ::GetWindowRect(Window, &Placed);
    EXPECT_EQ(Placed.left, 100);
    EXPECT_EQ(Placed.top, 50);
}

TEST_F(NotificationTest, StaysItsTimeCountedByItsTimerOrUntilTheTickCountWraps) {
    Pop->SetStayTime(2000);
    UseTestTicks(50000);
    Pop->Popup();
    EXPECT_TRUE(Form().StayTimer().Enabled());
    EXPECT_EQ(Form().StayTimer().Interval(), 100);
    for (DWORD Elapsed : {100u, 1900u, 1999u}) {
        GTicks = 50000 + Elapsed;
        Tick(Form());
        EXPECT_TRUE(Shown(Form())) << Elapsed;
    }
    GTicks = 50000 + 2000;
    Tick(Form());
    EXPECT_FALSE(Shown(Form()));
    EXPECT_FALSE(Form().StayTimer().Enabled());
    EXPECT_EQ(Closes, 1);

    GTicks = 0xFFFFFF00u;
    Pop->Popup();
    GTicks = 0xFFFFFFF0u;
    Tick(Form());
    EXPECT_TRUE(Shown(Form()));
    GTicks = 0x10u; // wrapped: the count went backwards
    Tick(Form());
    EXPECT_FALSE(Shown(Form()));
    EXPECT_EQ(Closes, 2);
}

TEST_F(NotificationTest, TheRealTimerEndsTheStay) {
    Pop->SetStayTime(200);
    const DWORD Shown = ::GetTickCount();
    Pop->Popup();
    ASSERT_TRUE(PumpUntil([this] { return Closes > 0; }, 5000));
    EXPECT_GE(::GetTickCount() - Shown, 200u);
    EXPECT_FALSE(::IsWindowVisible(Form().Handle()));
    EXPECT_FALSE(Form().StayTimer().Enabled());
}

TEST_F(NotificationTest, TheCloseBoxCornersCloseAtOnceAndTheColumnBeyondDoesNot) {
    for (POINT Corner : {POINT{162, 6}, POINT{175, 19}, POINT{168, 12}}) {
        const int Before = Closes;
        Pop->Popup();
        ClickAt(Form().Handle(), {Corner.x, Corner.y});
        EXPECT_FALSE(Shown(Form())) << Corner.x << ", " << Corner.y;
        EXPECT_EQ(Closes, Before + 1);
    }
    EXPECT_EQ(Clicks, 0); // the press ended with the window: no click follows

    Pop->Popup();
    for (POINT Outside : {POINT{176, 6}, POINT{162, 5}, POINT{161, 19}, POINT{175, 20}}) {
        ClickAt(Form().Handle(), {Outside.x, Outside.y});
        EXPECT_TRUE(Shown(Form())) << Outside.x << ", " << Outside.y;
    }
    EXPECT_EQ(Closes, 3);
    EXPECT_EQ(Clicks, 4); // clicks on the window like any other
}

TEST_F(NotificationTest, ClicksRaiseTheirEventsAndOnCloseComesOnceForEveryHideWhicheverWay) {
    Pop->Popup();
    ClickAt(Form().Handle(), {5, 110}); // the window
    ClickAt(Form().Handle(), {60, 60}); // the message
    ClickAt(Form().Handle(), {40, 10}); // the title
    EXPECT_EQ(Clicks, 2);
    EXPECT_EQ(TitleClicks, 1);
    EXPECT_TRUE(Shown(Form())); // without ClickHide
    EXPECT_EQ(Closes, 0);

    UseTestTicks(1000);
    Pop->SetStayTime(500);
    Pop->SetClickHide(true);
    struct TWay {
        const char* Name;
        void (*Hide)(NotificationTest&);
    };
    for (const TWay& Way : {
             TWay{"Close", [](NotificationTest& T) { T.Pop->Close(); }},
             {"stay over",
              [](NotificationTest& T) {
                  GTicks += 500;
                  Tick(T.Form());
              }},
             {"click", [](NotificationTest& T) { ClickAt(T.Form().Handle(), {5, 110}); }},
             {"click on the message", [](NotificationTest& T) { ClickAt(T.Form().Handle(), {60, 60}); }},
             {"click on the title", [](NotificationTest& T) { ClickAt(T.Form().Handle(), {40, 10}); }},
             {"close box", [](NotificationTest& T) { ClickAt(T.Form().Handle(), {170, 10}); }},
         }) {
        const int Before = Closes;
        Pop->Popup();
        Way.Hide(*this);
        EXPECT_FALSE(Shown(Form())) << Way.Name;
        EXPECT_FALSE(Form().StayTimer().Enabled()) << Way.Name;
        EXPECT_EQ(Closes, Before + 1) << Way.Name;
        // Nothing is left to hide: no second OnClose for the same showing.
        Pop->Close();
        GTicks += 1000;
        Tick(Form());
        EXPECT_EQ(Closes, Before + 1) << Way.Name;
    }
    EXPECT_EQ(Clicks, 4);
    EXPECT_EQ(TitleClicks, 2);
}

TEST_F(NotificationTest, PaintsItsPictureOnTheScreenAndIntoAPrintClientDC) {
    TBitmap Picture;
    Picture.LoadFromResourceName(ProgramInstance(), "MSNPOPFORM");
    ASSERT_EQ(Picture.Width(), PictureWidth);
    ASSERT_EQ(Picture.Height(), PictureHeight);
    Pop->SetTitle("Title");
    Pop->Popup();
    // What the slide animation draws the window from.
    TBitmap Printed(PictureWidth, PictureHeight);
    Fill(Printed, clFuchsia);
    ::SendMessageA(Form().Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Printed.Canvas().Handle()), PRF_CLIENT);
    PumpMessages();
    const auto Screen = ScreenImage(Form().Handle());
    ASSERT_EQ(Screen->Width(), PictureWidth);
    ASSERT_EQ(Screen->Height(), PictureHeight);
    for (const TBitmap* Image : {&Printed, Screen.get()}) {
        SCOPED_TRACE(Image == &Printed ? "WM_PRINTCLIENT" : "screen");
        for (POINT P : {POINT{0, 0}, POINT{168, 12}, POINT{162, 6}, POINT{180, 115}, POINT{5, 110}, POINT{90, 30}})
            EXPECT_EQ(PixelAt(*Image, P.x, P.y), PixelAt(Picture, P.x, P.y)) << P.x << ", " << P.y;
        // The title is written in navy on the band.
        int Navy = 0;
        for (int Y = 5; Y < 23; ++Y)
            for (int X = 10; X < 60; ++X)
                Navy += PixelAt(*Image, X, Y) == clNavy;
        EXPECT_GT(Navy, 10);
    }
}

TEST_F(NotificationTest, DestroyedFromItsOwnHandlersItLeavesNothingBehind) {
    struct TWay {
        const char* Name;
        void (*Arm)(NotificationTest&);
        void (*Hide)(NotificationTest&);
    };
    const auto DeleteOnClose = [](NotificationTest& T) {
        T.Pop->OnClose = [&T](TObject*) {
            ++T.Closes;
            delete T.Pop;
            T.Pop = nullptr;
        };
    };
    for (const TWay& Way : {
             TWay{"OnClose after the stay", DeleteOnClose,
                  [](NotificationTest& T) {
                      GTicks += LongStay;
                      Tick(T.Form());
                  }},
             {"OnClose after the close box", DeleteOnClose, [](NotificationTest& T) { ClickAt(T.Form().Handle(), {170, 10}); }},
             {"OnClose after Close", DeleteOnClose, [](NotificationTest& T) { T.Pop->Close(); }},
             {"OnClick before the click hides it",
              [](NotificationTest& T) {
                  T.Pop->SetClickHide(true);
                  T.Pop->OnClick = [&T](TObject*) {
                      ++T.Clicks;
                      delete T.Pop;
                      T.Pop = nullptr;
                  };
              },
              [](NotificationTest& T) { ClickAt(T.Form().Handle(), {60, 60}); }},
         }) {
        SCOPED_TRACE(Way.Name);
        Closes = 0;
        Clicks = 0;
        UseTestTicks(1000);
        Way.Arm(*this);
        Pop->Popup();
        Way.Hide(*this);
        EXPECT_EQ(Pop, nullptr);
        EXPECT_EQ(Closes + Clicks, 1); // and nothing after the component went
        PumpMessages();
        EXPECT_EQ(::FindWindowA("TfrmMSNPopForm", nullptr), nullptr);
        EXPECT_EQ(HandleSnapshot(), Start);
        NewPop();
    }
}

TEST_F(NotificationTest, DestroyedWhileShownItsTimerStopsAndNothingIsRaised) {
    Pop->SetStayTime(100);
    Pop->Popup();
    delete Pop;
    Pop = nullptr;
    PumpUntil([] { return false; }, 400); // well past the stay
    EXPECT_EQ(Closes, 0);
    EXPECT_EQ(::FindWindowA("TfrmMSNPopForm", nullptr), nullptr);
    EXPECT_EQ(HandleSnapshot(), Start);
}

} // namespace
