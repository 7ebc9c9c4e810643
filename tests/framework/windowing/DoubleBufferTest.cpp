// The double-buffered paint path: a control that opts in paints itself and its graphic children into one
// off-screen bitmap that reaches the screen in one copy, erases nothing beforehand, paints a DC it is given
// through the same bitmap, and gives every handle of a paint back.
#include "tests/support/HandleSnapshot.h"
#include "tests/support/Messages.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"

#include "framework/core/FlagScope.h"
#include "framework/win/controls/Panel.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/windowing/CustomControl.h"
#include "framework/win/windowing/GraphicControl.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr TColor Background = clFuchsia;

// Remembers the DC of every paint: its kind (a window's DC or a memory DC) says which path painted.
struct TPaintRecord {
    std::vector<HDC> DCs;
    std::vector<DWORD> Kinds;
    void Add(HDC DC) {
        DCs.push_back(DC);
        Kinds.push_back(::GetObjectType(DC));
    }
};

// Fills its area with one colour; leaves the area untouched when Covering is off.
class TSolidControl : public TCustomControl {
public:
    explicit TSolidControl(TComponent* AOwner) : TCustomControl(AOwner) {}
    TPaintRecord Record;
    TColor Ink = clBlue;
    bool Covering = true;

protected:
    void Paint() override {
        Record.Add(Canvas().Handle());
        if (!Covering) return;
        Canvas().Brush().SetColor(Ink);
        Canvas().FillRect(ClientRect());
    }
};

class TSolidGraphic : public TGraphicControl {
public:
    explicit TSolidGraphic(TComponent* AOwner) : TGraphicControl(AOwner) {}
    TPaintRecord Record;

protected:
    void Paint() override {
        Record.Add(Canvas().Handle());
        Canvas().Brush().SetColor(clLime);
        Canvas().FillRect(TRect(0, 0, Width(), Height()));
    }
};

struct DoubleBufferTest : ::testing::Test {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TSolidControl* Control = new TSolidControl(Form.get());
    TSolidGraphic* Child = new TSolidGraphic(Form.get());

    DoubleBufferTest() {
        Form->SetBorderStyle(bsNone);
        Form->SetBounds(80, 80, 160, 120);
        Control->SetParent(Form.get());
        Control->SetBounds(10, 10, 100, 80);
        Control->SetDoubleBuffered(true);
        Child->SetParent(Control);
        Child->SetBounds(20, 30, 40, 20);
    }

    void ShowAndSettle() {
        Form->Show();
        PumpMessages();
        ::UpdateWindow(Form->Handle());
    }

    // One WM_PAINT of the whole control, with the records cleared first.
    void RepaintControl() {
        Control->Record = {};
        Child->Record = {};
        ::InvalidateRect(Control->Handle(), nullptr, TRUE);
        ::UpdateWindow(Control->Handle());
    }
};

} // namespace

TEST_F(DoubleBufferTest, OnePaintDrawsTheControlAndItsGraphicChildOffScreenAndShowsBoth) {
    ShowAndSettle();
    RepaintControl();
    ASSERT_EQ(1u, Control->Record.Kinds.size());
    ASSERT_EQ(1u, Child->Record.Kinds.size());
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), Control->Record.Kinds[0]);
    EXPECT_EQ(Control->Record.DCs[0], Child->Record.DCs[0]); // the child is painted into the same buffer

    const auto Image = ScreenImage(Control->Handle());
    EXPECT_TRUE(AreaIs(*Image, TRect(0, 0, 100, 30), clBlue));
    EXPECT_TRUE(AreaIs(*Image, TRect(20, 30, 60, 50), clLime));
    EXPECT_TRUE(AreaIs(*Image, TRect(60, 30, 100, 80), clBlue));

    // Without the option the same control paints on the window's own DC.
    Control->SetDoubleBuffered(false);
    RepaintControl();
    ASSERT_EQ(1u, Control->Record.Kinds.size());
    EXPECT_EQ(static_cast<DWORD>(OBJ_DC), Control->Record.Kinds[0]);
}

TEST_F(DoubleBufferTest, EraseBackgroundFillsNothingButTheBufferedPaintLaysTheBackground) {
    Control->Covering = false; // paints nothing itself: what shows is the background alone
    Control->SetColor(clRed);
    ShowAndSettle();
    TBitmap Target(100, 80);
    Fill(Target, Background);
    EXPECT_EQ(1, Control->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(Target.Canvas().Handle())));
    EXPECT_TRUE(AreaIs(Target, TRect(0, 0, 100, 80), Background));

    RepaintControl();
    const auto Image = ScreenImage(Control->Handle());
    EXPECT_TRUE(AreaIs(*Image, TRect(0, 0, 100, 30), clRed));
    EXPECT_TRUE(AreaIs(*Image, TRect(20, 30, 60, 50), clLime));

    // The ordinary path erases with the control's colour.
    Control->SetDoubleBuffered(false);
    EXPECT_EQ(1, Control->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(Target.Canvas().Handle())));
    EXPECT_TRUE(AreaIs(Target, TRect(0, 0, 100, 80), clRed));
}

// A DC a message brings gets the picture through the kept buffer too (where the canvas keeps its font), and
// only as far as that DC's clipping reaches.
TEST_F(DoubleBufferTest, AGivenDCGetsThePictureThroughTheBufferWithinItsClip) {
    Control->Covering = false;
    Control->SetColor(clRed);
    TBitmap Target(100, 80);
    Fill(Target, Background);
    Control->PaintTo(Target.Canvas().Handle(), 0, 0);
    ASSERT_EQ(1u, Control->Record.DCs.size());
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), Control->Record.Kinds[0]);
    EXPECT_NE(Target.Canvas().Handle(), Control->Record.DCs[0]);
    EXPECT_EQ(Control->Record.DCs[0], Child->Record.DCs[0]);
    // The background is there although erasing did nothing: the paint laid it.
    EXPECT_TRUE(AreaIs(Target, TRect(0, 0, 100, 30), clRed));
    EXPECT_TRUE(AreaIs(Target, TRect(20, 30, 60, 50), clLime));

    Control->Covering = true;
    Fill(Target, Background);
    const HDC DC = Target.Canvas().Handle();
    ::IntersectClipRect(DC, 0, 0, 50, 80);
    Control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC));
    ::SelectClipRgn(DC, nullptr);
    EXPECT_TRUE(AreaIs(Target, TRect(0, 0, 20, 80), clBlue));
    EXPECT_TRUE(AreaIs(Target, TRect(20, 30, 50, 50), clLime));
    EXPECT_TRUE(AreaIs(Target, TRect(50, 0, 100, 80), Background));
}

namespace {
// Takes what lies behind it into a bitmap of its own by asking its parent to paint there (as a see-through
// control keeps its backdrop), shows it and puts a mark on it. The parent is painting into its kept buffer at
// that moment, its origin and clip set for this child: the nested paint must go straight into the bitmap.
// Asked again from within that paint, it paints nothing.
class TSeeThroughGraphic : public TGraphicControl {
public:
    explicit TSeeThroughGraphic(TComponent* AOwner) : TGraphicControl(AOwner) {}

protected:
    void Paint() override {
        if (FAsking) return;
        TBitmap Backdrop(Width(), Height());
        const HDC DC = Backdrop.Canvas().Handle();
        ::SetViewportOrgEx(DC, -Left(), -Top(), nullptr);
        {
            const TFlagScope Asking(FAsking);
            Parent()->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC));
        }
        ::SetViewportOrgEx(DC, 0, 0, nullptr);
        Canvas().Draw(0, 0, Backdrop);
        Canvas().Brush().SetColor(clLime);
        Canvas().FillRect(TRect(0, 0, 4, 4));
    }

private:
    bool FAsking = false;
};
} // namespace

TEST_F(DoubleBufferTest, AGraphicChildAskingItsParentToPaintBehindItMidPaintGetsTheRightPicture) {
    Child->SetVisible(false);
    auto* Glass = new TSeeThroughGraphic(Form.get());
    Glass->SetParent(Control);
    Glass->SetBounds(20, 30, 40, 20);
    ShowAndSettle();
    Control->Ink = clBlue;
    RepaintControl();
    ASSERT_GE(Control->Record.DCs.size(), 2u);
    EXPECT_NE(Control->Record.DCs[0], Control->Record.DCs[1]);
    const auto Image = ScreenImage(Control->Handle());
    EXPECT_TRUE(AreaIs(*Image, TRect(0, 0, 100, 30), clBlue));
    EXPECT_TRUE(AreaIs(*Image, TRect(20, 30, 24, 34), clLime));
    EXPECT_TRUE(AreaIs(*Image, TRect(24, 34, 60, 50), clBlue));
}

TEST_F(DoubleBufferTest, APanelPaintsItsGraphicChildrenInTheSameBufferAsItself) {
    auto* Panel = new TPanel(Form.get());
    Panel->SetParent(Form.get());
    Panel->SetBounds(0, 0, 160, 120);
    Panel->SetBevelOuter(bvNone);
    Panel->SetColor(clRed);
    auto* OnPanel = new TSolidGraphic(Form.get());
    OnPanel->SetParent(Panel);
    OnPanel->SetBounds(10, 10, 30, 20);
    ShowAndSettle();
    OnPanel->Record = {};
    ::InvalidateRect(Panel->Handle(), nullptr, TRUE);
    ::UpdateWindow(Panel->Handle());
    ASSERT_EQ(1u, OnPanel->Record.Kinds.size());
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), OnPanel->Record.Kinds[0]);
    const auto Image = ScreenImage(Panel->Handle());
    EXPECT_TRUE(AreaIs(*Image, TRect(10, 10, 40, 30), clLime));
    EXPECT_TRUE(AreaIs(*Image, TRect(50, 0, 160, 120), clRed));
}

TEST_F(DoubleBufferTest, ManyPaintCyclesLeaveEveryLiveHandleCountWhereItWas) {
    auto* Panel = new TPanel(Form.get());
    Panel->SetParent(Form.get());
    Panel->SetBounds(110, 0, 50, 120);
    Panel->SetCaption("P");
    ShowAndSettle();
    RepaintControl();
    const THandleSnapshot Before = HandleSnapshot();
    constexpr int Cycles = 50;
    for (int I = 0; I < Cycles; ++I) {
        RepaintControl();
        ::InvalidateRect(Panel->Handle(), nullptr, TRUE);
        ::UpdateWindow(Panel->Handle());
        Control->SetBounds(10, 10, 100 - I % 3, 80); // new sizes take new buffers
    }
    PumpMessages();
    EXPECT_EQ(Before, HandleSnapshot());
}
