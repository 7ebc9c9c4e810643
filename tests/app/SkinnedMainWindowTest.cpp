// The main window in its skinned look, on the screen: what a picture of the real window shows of each skinned
// component's stored values, and the two title bar buttons under real clicks (the close button's quit
// confirmation, the control box's system menu).
#include "tests/app/ShownMainWindow.h"
#include "tests/support/Components.h"
#include "tests/support/DeferredActions.h"
#include "tests/support/Messages.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"
#include "tests/support/SystemInput.h"

#include "framework/win/forms/Application.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/HandleOwners.h"
#include "framework/win/menus/MenuItem.h"
#include "skin/controls/Vskbutton.h"
#include "skin/frame/Vskform.h"
#include "skin/frame/Vsktitlebar.h"
#include "skin/frame/Vsktitlebarmenu.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr TColor kPanelGrey = 0x7F7F7F;
constexpr TColor kFormColor = 0xE7E7E7;
constexpr int kTitleBarHeight = 30;
constexpr int kRoundCorner = 11;

class SkinnedMainWindowTest : public ShownMainWindowTest {
protected:
    // The window as the screen shows it now, and where a control of it lies in that picture.
    void TakePicture() {
        m_pPicture = WindowImage(m_pForm->Handle());
        KeepPicture(*m_pPicture, "skinned-main-window.bmp");
    }
    TRect Place(const char* szName) const {
        RECT rcWindow, rcControl;
        ::GetWindowRect(m_pForm->Handle(), &rcWindow);
        ::GetWindowRect(Wnd(szName), &rcControl);
        return TRect(rcControl.left - rcWindow.left, rcControl.top - rcWindow.top, rcControl.right - rcWindow.left,
                     rcControl.bottom - rcWindow.top);
    }
    TColor At(const TRect& rc, int x, int y) const { return PixelAt(*m_pPicture, rc.left + x, rc.top + y); }

    // Dark pixels in the middle of a button's picture: its caption's ink.
    int CaptionInk(const char* szName) const {
        constexpr int kDark = 0x60;
        const TRect rc = Place(szName);
        int nInk = 0;
        for (int y = rc.Height() / 3; y < rc.Height() * 2 / 3; ++y)
            for (int x = rc.Width() / 8; x < rc.Width() * 7 / 8; ++x) {
                const TColor c = At(rc, x, y);
                nInk += (c & 0xFF) < kDark && ((c >> 8) & 0xFF) < kDark && ((c >> 16) & 0xFF) < kDark;
            }
        return nInk;
    }

    std::unique_ptr<TBitmap> m_pPicture;
};

TEST_F(SkinnedMainWindowTest, HasNoSystemCaptionAndCannotBeResizedMinimisedOrMaximised) {
    Open({"DSPLIB"});
    const LONG_PTR nStyle = ::GetWindowLongPtrA(m_pForm->Handle(), GWL_STYLE);
    EXPECT_NE(nStyle & WS_CAPTION, static_cast<LONG_PTR>(WS_CAPTION));
    EXPECT_EQ(nStyle & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    RECT rcClient;
    ::GetClientRect(m_pForm->Handle(), &rcClient);
    EXPECT_EQ(rcClient.right, 794);
    EXPECT_EQ(rcClient.bottom, 610);

    TvskTitleBar& bar = TitleBar();
    EXPECT_EQ(bar.Height(), kTitleBarHeight);
    ASSERT_EQ(bar.Layout().Places.size(), 2u) << "the control box and the close button only";
    EXPECT_EQ(bar.Buttons()->Items(bar.Layout().Places[0].Index)->ButtonType(), vskClose);
    EXPECT_EQ(bar.Buttons()->Items(bar.Layout().Places[1].Index)->ButtonType(), vskControlBox);

    // The top corners are cut round; the bottom ones are square.
    RECT rcWindow;
    ::GetWindowRect(m_pForm->Handle(), &rcWindow);
    const int w = rcWindow.right - rcWindow.left, h = rcWindow.bottom - rcWindow.top;
    TRegionHandle rgn(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(::GetWindowRgn(m_pForm->Handle(), rgn.Get()), ERROR);
    EXPECT_FALSE(::PtInRegion(rgn.Get(), 0, 0));
    EXPECT_FALSE(::PtInRegion(rgn.Get(), w - 1, 0));
    EXPECT_TRUE(::PtInRegion(rgn.Get(), kRoundCorner, 0));
    EXPECT_TRUE(::PtInRegion(rgn.Get(), 0, kRoundCorner));
    EXPECT_TRUE(::PtInRegion(rgn.Get(), 0, h - 1));
    EXPECT_TRUE(::PtInRegion(rgn.Get(), w - 1, h - 1));
}

TEST_F(SkinnedMainWindowTest, PictureShowsEachComponentsStoredLook) {
    Open({"DSPLIB", "WRKACTJOB"});
    Click("btnAdd"); // the editor shows the memo
    ::SetFocus(Wnd("lvCommand"));
    TakePicture();

    // The title bar: the BlueGlass band with the caption in white between its buttons.
    TvskTitleBar& bar = TitleBar();
    const TvskTitleBar::TLayout layout = bar.Layout();
    const TRect rcBar = Place("sfMain");
    TRect rcCaption(rcBar.left + layout.CaptionLeft, rcBar.top, rcBar.left + layout.CaptionRight,
                    rcBar.top + kTitleBarHeight);
    EXPECT_TRUE(AreaHas(*m_pPicture, rcCaption, clWhite)) << "white caption";
    EXPECT_FALSE(AreaHas(*m_pPicture, TRect(rcCaption.right - 40, rcCaption.top + 2, rcCaption.right, rcCaption.top + 4),
                         kFormColor))
        << "the band is not the form's colour";

    // spTop: a MacOS panel, grey border round a white body, under its caption bar.
    const TRect rcTop = Place("spTop");
    EXPECT_EQ(At(rcTop, 0, rcTop.Height() / 2), kPanelGrey);
    EXPECT_EQ(At(rcTop, rcTop.Width() - 1, rcTop.Height() / 2), kPanelGrey);
    EXPECT_EQ(At(rcTop, rcTop.Width() / 2, rcTop.Height() - 1), kPanelGrey);
    EXPECT_EQ(At(rcTop, 450, rcTop.Height() - 6), clWhite);
    EXPECT_EQ(At(rcTop, 450, 30), clWhite);

    // The list and the memo: the outer line of their stored black border, the platform's edge gone.
    for (const char* szName : {"lvCommand", "memCommand"}) {
        const TRect rc = Place(szName);
        EXPECT_EQ(At(rc, 0, rc.Height() / 2), clBlack) << szName;
        EXPECT_EQ(At(rc, rc.Width() - 1, rc.Height() / 2), clBlack) << szName;
        EXPECT_EQ(At(rc, rc.Width() / 2, rc.Height() - 1), clBlack) << szName;
    }

    const TRect rcStatus = Place("sbMain");
    EXPECT_EQ(At(rcStatus, rcStatus.Width() / 2, rcStatus.Height() / 2), kFormColor);

    // Every button shows the BlueGlass face a lone BlueGlass button of its size paints, away from its caption.
    TvskButton sample(m_pForm);
    sample.SetUIStyle(BlueGlass);
    sample.SetParent(m_pForm);
    sample.SetVisible(false);
    for (const char* szName : {"btnAdd", "btnSave", "btnCopy", "btnHelp", "btnExit"}) {
        const TRect rc = Place(szName);
        sample.SetBounds(0, 0, rc.Width(), rc.Height());
        const auto face = PaintedImage(sample);
        for (int y : {3, rc.Height() - 4})
            for (int x = 4; x < rc.Width() - 4; x += 7)
                EXPECT_EQ(At(rc, x, y), PixelAt(*face, x, y)) << szName << " at " << x << "," << y;
    }
}

TEST_F(SkinnedMainWindowTest, FocusedButtonShowsItsCaptionBold) {
    Open({"DSPLIB"});
    ::SetFocus(Wnd("lvCommand"));
    TakePicture();
    const int nPlain = CaptionInk("btnUpdate");
    ::SetFocus(Wnd("btnUpdate"));
    TakePicture();
    const int nBold = CaptionInk("btnUpdate");
    EXPECT_GT(nPlain, 0);
    EXPECT_GT(nBold, nPlain + nPlain / 5) << "bold strokes are wider";
}

TEST_F(SkinnedMainWindowTest, CloseButtonAsksAsExitDoes) {
    Open({"DSPLIB"});
    for (int nAnswer : {IDNO, IDCANCEL}) {
        const size_t nAsked = m_boxes.Boxes().size();
        m_boxes.Queue(nAnswer);
        ClickOnScreen(TitleButtonCentre(vskClose));
        PumpUntil([&] { return m_boxes.Boxes().size() > nAsked; }, 500);
        EXPECT_TRUE(::IsWindowVisible(m_pForm->Handle()));
        EXPECT_FALSE(Application->Terminated());
    }
    ASSERT_EQ(m_boxes.Boxes().size(), 2u);
    EXPECT_EQ(m_boxes.Boxes()[0].Text, "Are you sure to quit Vantrel program?");
    EXPECT_EQ(m_boxes.Boxes()[0].Caption, "Confirmation");
    EXPECT_EQ(m_boxes.Boxes()[0].Flags, static_cast<UINT>(MB_YESNOCANCEL));
}

TEST_F(SkinnedMainWindowTest, ControlBoxOpensTheSystemMenuWithOnlyCloseEnabled) {
    Open({"DSPLIB"});
    TvskTitleBarPopupMenu& menu = *TitleBar().SystemMenu();
    int nShown = 0;
    menu.OnPopup = [&](TObject*) { ++nShown; };
    CloseMenusSoon(150);
    ClickOnScreen(TitleButtonCentre(vskControlBox));
    PumpUntil([&] { return nShown > 0; }, 500);
    EXPECT_EQ(nShown, 1);
    EXPECT_FALSE(menu.MinimizeItem()->Enabled());
    EXPECT_FALSE(menu.MaximizeItem()->Enabled());
    EXPECT_TRUE(menu.CloseItem()->Enabled());
    EXPECT_EQ(menu.UIStyle(), BlueGlass);

    // Its Close goes the ordinary close path too.
    m_boxes.Queue(IDNO);
    menu.CloseItem()->Click();
    PumpMessages();
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].Text, "Are you sure to quit Vantrel program?");
    EXPECT_TRUE(::IsWindowVisible(m_pForm->Handle()));
}

} // namespace
