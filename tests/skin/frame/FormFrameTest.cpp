// The skinned form's hold on its host window: caption bits, window procedure, border styles, the window's
// shape and the frame it paints, checked on the screen.
#include "tests/skin/SkinnedWindow.h"
#include "tests/support/Messages.h"
#include "tests/support/Pictures.h"
#include "tests/support/Pixels.h"

#include "framework/win/forms/Application.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/HandleOwners.h"
#include "skin/frame/Vskformborder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int Frame = 3;

bool HasCaptionBits(HWND Window) {
    return (::GetWindowLongPtrA(Window, GWL_STYLE) & WS_CAPTION) != 0;
}

// A probe in the host's window procedure slot, as another component would install one before the skin.
struct TProbe {
    int NCPaints = 0;
    explicit TProbe(TForm& Host) {
        const TWndMethod Saved = Host.WindowProc();
        Host.SetWindowProc([this, Saved](TMessage& Message) {
            if (Message.Msg == WM_NCPAINT) ++NCPaints;
            Saved(Message);
        });
    }
};

TEST(FormTakeOver, StripsTheCaptionAndHandsTheHostBackWhenRemoved) {
    auto Host = std::make_unique<TForm>(Application);
    Host->SetBorderStyle(bsSizeable);
    TProbe Probe(*Host);
    Host->Show();
    ASSERT_TRUE(HasCaptionBits(Host->Handle()));
    auto* Skin = new TvskForm(Host.get());
    EXPECT_FALSE(HasCaptionBits(Host->Handle()));
    EXPECT_EQ(Host->BorderStyle(), bsSizeable);
    Probe.NCPaints = 0;
    ::RedrawWindow(Host->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(Probe.NCPaints, 0) << "the skin paints the frame, the old procedure never sees it";

    // The framework makes the window anew (a style change): the bits are taken away again.
    Host->RecreateWnd();
    PumpFor(20);
    EXPECT_FALSE(HasCaptionBits(Host->Handle()));

    delete Skin;
    EXPECT_TRUE(HasCaptionBits(Host->Handle()));
    ::RedrawWindow(Host->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GT(Probe.NCPaints, 0) << "the saved procedure is the host's again";
    Host.reset();
}

// A window description sets the client size before the skinned form is made: its layout must keep fitting.
TEST(FormTakeOver, TheClientAreaKeepsItsSizeWhenTheCaptionGoesAndComesBack) {
    auto Host = std::make_unique<TForm>(Application);
    Host->SetBorderStyle(bsDialog);
    Host->SetClientWidth(HostClientWidth);
    Host->SetClientHeight(HostClientHeight);
    RECT Before;
    ::GetWindowRect(Host->Handle(), &Before);
    auto* Skin = new TvskForm(Host.get());
    EXPECT_EQ(Host->ClientWidth(), HostClientWidth);
    EXPECT_EQ(Host->ClientHeight(), HostClientHeight);
    RECT Skinned;
    ::GetWindowRect(Host->Handle(), &Skinned);
    EXPECT_LT(Skinned.bottom - Skinned.top, Before.bottom - Before.top) << "the caption's rows are gone";

    Host->RecreateWnd();
    PumpFor(20);
    EXPECT_EQ(Host->ClientHeight(), HostClientHeight) << "a window made anew keeps its size";

    delete Skin;
    EXPECT_EQ(Host->ClientWidth(), HostClientWidth);
    EXPECT_EQ(Host->ClientHeight(), HostClientHeight);
}

TEST(FormTakeOver, BorderStylesThatCannotHostTheFrameBecomeDialogs) {
    const std::pair<TFormBorderStyle, TFormBorderStyle> Cases[] = {
        {bsNone, bsDialog},       {bsSingle, bsDialog}, {bsToolWindow, bsDialog},
        {bsSizeable, bsSizeable}, {bsDialog, bsDialog}, {bsSizeToolWin, bsSizeToolWin}};
    for (auto [Before, After] : Cases) {
        auto Host = std::make_unique<TForm>(Application);
        Host->SetBorderStyle(Before);
        new TvskForm(Host.get());
        EXPECT_EQ(Host->BorderStyle(), After) << static_cast<int>(Before);
    }
}

TEST(FormTakeOver, ASecondSkinnedFormIsRefused) {
    TSkinnedWindow Window(BlueGlass);
    EXPECT_THROW(
        {
            try {
                new TvskForm(Window.Host.get());
            } catch (const EComponentError& Error) {
                EXPECT_STREQ(Error.what(), TvskForm::OnlyOneMessage);
                throw;
            }
        },
        EComponentError);
    int Skins = 0;
    for (int Index = 0; Index < Window.Host->ControlCount(); ++Index)
        Skins += dynamic_cast<TvskForm*>(Window.Host->Controls(Index)) != nullptr;
    EXPECT_EQ(Skins, 1);
    EXPECT_FALSE(HasCaptionBits(Window.Window())) << "the first one still holds the window";
}

TEST(FormShape, RegionOfTheMainWindowHasRoundTopCornersOnly) {
    TSkinnedWindow Window(BlueGlass);
    RECT Bounds;
    ::GetWindowRect(Window.Window(), &Bounds);
    ASSERT_EQ(Bounds.right - Bounds.left, 800);
    EXPECT_EQ(Window.Skin->RoundCorner(), 11);
    TRegionHandle Actual(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(::GetWindowRgn(Window.Window(), Actual.Get()), ERROR);
    // The region of a W x H window: the round rectangle (0, 0, W + 1, H + 1) with an 11 x 11 corner ellipse,
    // and the two bottom corners squared again.
    const int W = 800, H = Bounds.bottom - Bounds.top;
    TRegionHandle Expected(::CreateRoundRectRgn(0, 0, W + 1, H + 1, 11, 11));
    TRegionHandle Left(::CreateRectRgn(0, H - 22, 22, H));
    TRegionHandle Right(::CreateRectRgn(W - 22, H - 22, W, H));
    ::CombineRgn(Expected.Get(), Expected.Get(), Left.Get(), RGN_OR);
    ::CombineRgn(Expected.Get(), Expected.Get(), Right.Get(), RGN_OR);
    EXPECT_TRUE(::EqualRgn(Actual.Get(), Expected.Get()));
    EXPECT_FALSE(::PtInRegion(Actual.Get(), 0, 0));
    EXPECT_TRUE(::PtInRegion(Actual.Get(), 0, H - 1));
    EXPECT_TRUE(::PtInRegion(Actual.Get(), W - 1, H - 1));
}

TEST(FormShape, TheRegionOfThe794By610ExampleIsExact) {
    const TRegionHandle Region = VskFormRegion(794, 610, 11);
    TRegionHandle Expected(::CreateRoundRectRgn(0, 0, 795, 611, 11, 11));
    TRegionHandle Left(::CreateRectRgn(0, 588, 22, 610));
    TRegionHandle Right(::CreateRectRgn(772, 588, 794, 610));
    ::CombineRgn(Expected.Get(), Expected.Get(), Left.Get(), RGN_OR);
    ::CombineRgn(Expected.Get(), Expected.Get(), Right.Get(), RGN_OR);
    EXPECT_TRUE(::EqualRgn(Region.Get(), Expected.Get()));
}

// The frame on the screen: border, inner ring and title rows, per border width.
TEST(FormFramePixels, BorderRingAndCornerArcs) {
    TSkinnedWindow Window(BlueGlass);
    TvskForm& Skin = *Window.Skin;
    auto ShotPtr = WindowImage(Window.Window());
    TBitmap& Shot = *ShotPtr;
    const int W = Shot.Width(), H = Shot.Height();
    EXPECT_EQ(PixelAt(Shot, 0, H / 2), clBlack) << "left border";
    EXPECT_EQ(PixelAt(Shot, W - 1, H / 2), clBlack) << "right border";
    EXPECT_EQ(PixelAt(Shot, W / 2, H - 1), clBlack) << "bottom border";
    EXPECT_EQ(PixelAt(Shot, 1, H / 2), Skin.Color()) << "inner ring in the panel's colour";
    EXPECT_EQ(PixelAt(Shot, W / 2, H - 2), Skin.Color());
    // The title rows above the bar come from the title images: column x of the left image at window x.
    const TBitmap& Left = *Skin.TitleBar()->GetLeftImage();
    for (int Y = 0; Y < Frame; ++Y)
        EXPECT_EQ(PixelAt(Shot, 20, Y), PixelAt(Left, 20, Y)) << "row " << Y;
    EXPECT_EQ(PixelAt(Shot, 2, 15), PixelAt(Left, 2, 15)) << "left frame column";
    // Border width 1 with corner 11 outlines the rounded corners in the border colour: the arcs cross the
    // title rows right of the frame, where the title art has no pure black.
    // Only pixels inside the window's region count: outside it the screen shows what lies behind.
    auto ArcInk = [&Window](TBitmap& Picture) {
        TRegionHandle Region(::CreateRectRgn(0, 0, 0, 0));
        ::GetWindowRgn(Window.Window(), Region.Get());
        int Black = 0;
        for (int Y = 0; Y < Frame; ++Y)
            for (int X = Frame; X < 8; ++X)
                for (int Column : {X, Picture.Width() - 1 - X})
                    Black += ::PtInRegion(Region.Get(), Column, Y) && PixelAt(Picture, Column, Y) == clBlack;
        return Black;
    };
    EXPECT_GE(ArcInk(Shot), 4);
    Skin.SetBorderWidth(3);
    auto ThickPtr = WindowImage(Window.Window());
    TBitmap& Thick = *ThickPtr;
    EXPECT_EQ(PixelAt(Thick, 2, H / 2), clBlack);
    EXPECT_EQ(ArcInk(Thick), 0) << "arcs only with a one-pixel border";
    Skin.SetBorderWidth(1);
    Skin.SetRoundCorner(13);
    auto XpPtr = WindowImage(Window.Window());
    TBitmap& Xp = *XpPtr;
    EXPECT_EQ(ArcInk(Xp), 0) << "and only for the corner of 11";
}

TEST(FormFramePixels, WideBordersCoverTheWholeFrame) {
    TSkinnedWindow Window(BlueGlass);
    Window.Skin->SetBorderColor(0x0000FF);
    Window.Skin->SetBorderWidth(4);
    auto ShotPtr = WindowImage(Window.Window());
    TBitmap& Shot = *ShotPtr;
    const int W = Shot.Width(), H = Shot.Height();
    for (int X = 0; X < Frame; ++X) {
        EXPECT_EQ(PixelAt(Shot, X, 20), 0x0000FFu) << "no title image in the frame, column " << X;
        EXPECT_EQ(PixelAt(Shot, W - 1 - X, H / 2), 0x0000FFu);
        EXPECT_EQ(PixelAt(Shot, W / 2, H - 1 - X), 0x0000FFu);
    }
}

TEST(FormFramePixels, HiddenTitleBarLeavesASquareWindowWithAThinTopBorder) {
    TSkinnedWindow Window(BlueGlass);
    Window.Skin->SetTitleBarVisible(false);
    EXPECT_EQ(Window.Skin->RoundCorner(), 0);
    Window.Skin->RegionWindow();
    auto ShotPtr = WindowImage(Window.Window());
    TBitmap& Shot = *ShotPtr;
    EXPECT_EQ(PixelAt(Shot, 0, 0), clBlack) << "square corner";
    EXPECT_EQ(PixelAt(Shot, 100, 0), clBlack);
    EXPECT_EQ(PixelAt(Shot, 100, 1), Window.Skin->Color());
    EXPECT_EQ(PixelAt(Shot, 100, 2), Window.Skin->Color());
    EXPECT_EQ(PixelAt(Shot, 100, 3), Window.Skin->Color()) << "the panel begins at once";
}

} // namespace

namespace {

// The screen's pixel at (X, Y) of Window, frame included, as it is now (nothing redrawn).
TColor ScreenPixel(HWND Window, int X, int Y) {
    const TWindowDC DC(Window, TWindowDC::waWholeWindow);
    return ::GetPixel(DC.Handle(), X, Y);
}

} // namespace

// A see-through child paints the panel under itself into its own bitmap: that fills just its part, at its
// place, and leaves the window's frame on the screen alone; the panel's own paint on the screen draws the frame.
TEST(FormFramePixels, PaintingIntoABitmapFillsThatPartAndLeavesTheFrameAlone) {
    TSkinnedWindow Window(BlueGlass);
    const HWND Host = Window.Window();
    RECT Bounds;
    ::GetWindowRect(Host, &Bounds);
    const int X = (Bounds.right - Bounds.left) / 2, Y = Bounds.bottom - Bounds.top - 2; // the ring's bottom band
    {
        const TWindowDC DC(Host, TWindowDC::waWholeWindow);
        ::SetPixel(DC.Handle(), X, Y, clLime);
    }
    constexpr int ChildLeft = 100, ChildTop = 200, ChildWidth = 40, ChildHeight = 20;
    TBitmap Under(ChildWidth, ChildHeight);
    Fill(Under, clFuchsia);
    const HDC DC = Under.Canvas().Handle();
    ::SetViewportOrgEx(DC, -ChildLeft, -ChildTop, nullptr);
    ::IntersectClipRect(DC, ChildLeft, ChildTop, ChildLeft + ChildWidth, ChildTop + ChildHeight);
    Window.Skin->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
    ::SetViewportOrgEx(DC, 0, 0, nullptr);
    EXPECT_TRUE(AreaIs(Under, TRect(0, 0, ChildWidth, ChildHeight), Window.Skin->Color()));
    EXPECT_EQ(ScreenPixel(Host, X, Y), clLime) << "the frame was not drawn";

    ::RedrawWindow(Window.Skin->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
    EXPECT_EQ(ScreenPixel(Host, X, Y), Window.Skin->Color());
}

// MacOS fills the panel with its texture; a look without one afterwards fills it with its colour alone.
TEST(FormFramePixels, ATexturedLookGivesWayToAPlainOne) {
    TSkinnedWindow Window(MacOS);
    constexpr int Width = 40, Height = 20;
    const auto PaintedPart = [&] {
        auto Part = std::make_unique<TBitmap>(Width, Height);
        Fill(*Part, clFuchsia);
        const HDC DC = Part->Canvas().Handle();
        ::SetViewportOrgEx(DC, -100, -200, nullptr);
        Window.Skin->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
        ::SetViewportOrgEx(DC, 0, 0, nullptr);
        return Part;
    };
    EXPECT_FALSE(AreaIs(*PaintedPart(), TRect(0, 0, Width, Height), Window.Skin->Color()));
    Window.Skin->SetUIStyle(BlueGlass);
    EXPECT_TRUE(AreaIs(*PaintedPart(), TRect(0, 0, Width, Height), Window.Skin->Color()));
}
