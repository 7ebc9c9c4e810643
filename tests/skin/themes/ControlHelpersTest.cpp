// The helpers that work on controls and windows: painting the parent under a see-through control, window
// borders, the transparent window style and the focus question without a main form.
#include "tests/skin/themes/ThemeConsumer.h"
#include "tests/support/CoordinateImages.h"
#include "tests/support/Pixels.h"

#include "framework/win/controls/Label.h"
#include "framework/win/controls/Panel.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "skin/themes/Vskpublic.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ControlHelpersTest : public ::testing::Test {
protected:
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
};

TEST_F(ControlHelpersTest, DoTransWithoutAParentLeavesTheCanvasAlone) {
    TvskTestConsumer Loose(nullptr);
    TBitmap Canvas(8, 8);
    Fill(Canvas, Background);
    DoTrans(Canvas.Canvas(), Loose);
    EXPECT_TRUE(AreaIs(Canvas, TRect(0, 0, 8, 8), Background));
}

// The parent's background and its graphic children land on the control's canvas where they lie under it.
TEST_F(ControlHelpersTest, DoTransPaintsTheParentUnderTheControl) {
    Form->SetColor(clRed);
    auto* Sibling = new TLabel(Form.get());
    Sibling->SetAutoSize(false);
    Sibling->SetColor(clLime);
    Sibling->SetParent(Form.get());
    Sibling->SetBounds(20, 5, 8, 4);
    auto* Control = new TvskTestConsumer(Form.get());
    Control->SetParent(Form.get());
    Control->SetBounds(10, 5, 20, 10);

    TBitmap Canvas(20, 10);
    Fill(Canvas, Background);
    HDC DC = Canvas.Canvas().Handle();
    POINT Origin;
    ::GetViewportOrgEx(DC, &Origin);
    DoTrans(Canvas.Canvas(), *Control);
    EXPECT_TRUE(AreaIs(Canvas, TRect(10, 0, 18, 4), clLime));
    EXPECT_TRUE(AreaIs(Canvas, TRect(0, 0, 10, 10), clRed));
    EXPECT_TRUE(AreaIs(Canvas, TRect(10, 4, 20, 10), clRed));
    EXPECT_TRUE(AreaIs(Canvas, TRect(18, 0, 20, 4), clRed));
    POINT After;
    ::GetViewportOrgEx(DC, &After);
    EXPECT_EQ(After.x, Origin.x);
    EXPECT_EQ(After.y, Origin.y);
}

TEST_F(ControlHelpersTest, DrawControlBorderFramesTheWholeWindow) {
    auto* Panel = new TPanel(Form.get());
    Panel->SetParent(Form.get());
    Panel->SetBounds(10, 10, 40, 30);
    Form->SetBounds(100, 100, 200, 150);
    Form->Show();
    Application->ProcessMessages();

    DrawControlBorder(*Panel, clRed, clLime, true);
    const TWindowDC DC(Panel->Handle(), TWindowDC::waWholeWindow);
    EXPECT_EQ(::GetPixel(DC.Handle(), 0, 0), clRed);
    EXPECT_EQ(::GetPixel(DC.Handle(), 39, 29), clRed);
    EXPECT_EQ(::GetPixel(DC.Handle(), 20, 0), clRed);
    EXPECT_EQ(::GetPixel(DC.Handle(), 1, 1), clLime);
    EXPECT_EQ(::GetPixel(DC.Handle(), 38, 28), clLime);
    EXPECT_NE(::GetPixel(DC.Handle(), 2, 2), clLime);

    DrawControlBorder(*Panel, clBlue, clYellow, false);
    EXPECT_EQ(::GetPixel(DC.Handle(), 0, 15), clBlue);
    EXPECT_EQ(::GetPixel(DC.Handle(), 1, 15), clLime); // the inner line is left as it was
    Form->Hide();
}

TEST_F(ControlHelpersTest, SetWinControlTransparentClearsOpaqueAndSetsTheExStyle) {
    auto* Panel = new TPanel(Form.get());
    Panel->SetParent(Form.get());
    TControlStyle Style = Panel->ControlStyle();
    Panel->SetControlStyle(Style.Include(csOpaque));
    SetWinControlTransparent(*Panel);
    EXPECT_FALSE(Panel->ControlStyle().Contains(csOpaque));
    EXPECT_TRUE(::GetWindowLongPtrA(Panel->Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
}

TEST_F(ControlHelpersTest, WithoutAMainFormOnlyAnActiveFormHasFocus) {
    ASSERT_EQ(Application->MainForm(), nullptr);
    EXPECT_FALSE(FormHasFocus(Form.get()));
    EXPECT_FALSE(FormHasFocus(nullptr));
    RECT Primary;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &Primary, 0);
    EXPECT_EQ(GetWorkAreaRect(), TRect(Primary));
}

} // namespace
