// Painting on a memory bitmap's canvas, checked pixel by pixel.
#include "tests/support/Pixels.h"

#include "framework/core/Exceptions.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/HandleCounts.h"

#include <gtest/gtest.h>

#include <array>

namespace {

class CanvasTest : public ::testing::Test {
protected:
    static constexpr int Size = 40;
    CanvasTest() : Bitmap(Size, Size), Canvas(Bitmap.Canvas()) { Fill(Bitmap, clWhite); }

    TBitmap Bitmap;
    TCanvas& Canvas;
};

} // namespace

TEST_F(CanvasTest, FillRectCoversExactlyTheRectangle) {
    Canvas.Brush().SetColor(clRed);
    Canvas.FillRect(TRect(5, 6, 15, 9));
    EXPECT_TRUE(AreaIs(Bitmap, TRect(5, 6, 15, 9), clRed));
    EXPECT_EQ(InkBounds(Bitmap, clWhite), TRect(5, 6, 15, 9)); // right and bottom are exclusive
}

TEST_F(CanvasTest, FrameRectDrawsAOnePixelBorderOnly) {
    Canvas.Brush().SetColor(clBlue);
    Canvas.FrameRect(TRect(2, 3, 12, 10));
    EXPECT_TRUE(AreaIs(Bitmap, TRect(2, 3, 12, 4), clBlue));   // top
    EXPECT_TRUE(AreaIs(Bitmap, TRect(2, 9, 12, 10), clBlue));  // bottom
    EXPECT_TRUE(AreaIs(Bitmap, TRect(2, 3, 3, 10), clBlue));   // left
    EXPECT_TRUE(AreaIs(Bitmap, TRect(11, 3, 12, 10), clBlue)); // right
    EXPECT_TRUE(AreaIs(Bitmap, TRect(3, 4, 11, 9), clWhite));
    EXPECT_EQ(InkBounds(Bitmap, clWhite), TRect(2, 3, 12, 10));
}

TEST_F(CanvasTest, RectangleIsOutlinedWithThePenAndFilledWithTheBrush) {
    Canvas.Pen().SetColor(clBlack);
    Canvas.Brush().SetColor(clLime);
    Canvas.Rectangle(4, 4, 10, 8);
    EXPECT_EQ(PixelAt(Bitmap, 4, 4), clBlack);
    EXPECT_EQ(PixelAt(Bitmap, 9, 7), clBlack);
    EXPECT_TRUE(AreaIs(Bitmap, TRect(5, 5, 9, 7), clLime));
    EXPECT_EQ(InkBounds(Bitmap, clWhite), TRect(4, 4, 10, 8));

    // A clear brush leaves the inside alone.
    Canvas.Brush().SetStyle(bsClear);
    Canvas.Rectangle(20, 20, 26, 26);
    EXPECT_TRUE(AreaIs(Bitmap, TRect(21, 21, 25, 25), clWhite));
    EXPECT_EQ(PixelAt(Bitmap, 20, 20), clBlack);
}

TEST_F(CanvasTest, LinesStopBeforeTheirEndPointAndMoveThePen) {
    Canvas.Pen().SetColor(clRed);
    Canvas.MoveTo(3, 5);
    Canvas.LineTo(13, 5);
    EXPECT_TRUE(AreaIs(Bitmap, TRect(3, 5, 13, 6), clRed));
    EXPECT_EQ(PixelAt(Bitmap, 13, 5), clWhite);
    EXPECT_EQ(Canvas.PenPos(), TPoint(13, 5));

    const std::array<TPoint, 3> Points{TPoint(20, 10), TPoint(20, 20), TPoint(30, 20)};
    Canvas.Polyline(Points);
    EXPECT_TRUE(AreaIs(Bitmap, TRect(20, 10, 21, 20), clRed));
    EXPECT_TRUE(AreaIs(Bitmap, TRect(20, 20, 30, 21), clRed));
    EXPECT_EQ(PixelAt(Bitmap, 30, 20), clWhite);
}

TEST_F(CanvasTest, PenChangesTakeEffectOnTheNextLine) {
    Canvas.Pen().SetColor(clRed);
    Canvas.MoveTo(0, 1);
    Canvas.LineTo(10, 1);
    Canvas.Pen().SetColor(clBlue);
    Canvas.Pen().SetWidth(3);
    Canvas.MoveTo(0, 10);
    Canvas.LineTo(20, 10);
    EXPECT_EQ(PixelAt(Bitmap, 5, 1), clRed);
    EXPECT_TRUE(AreaIs(Bitmap, TRect(2, 9, 18, 12), clBlue));
}

TEST_F(CanvasTest, PolygonFillsItsInside) {
    Canvas.Pen().SetColor(clBlack);
    Canvas.Brush().SetColor(clYellow);
    const std::array<TPoint, 4> Square{TPoint(10, 10), TPoint(20, 10), TPoint(20, 20), TPoint(10, 20)};
    Canvas.Polygon(Square);
    EXPECT_TRUE(AreaIs(Bitmap, TRect(11, 11, 20, 20), clYellow));
    EXPECT_EQ(PixelAt(Bitmap, 10, 15), clBlack);
    EXPECT_EQ(PixelAt(Bitmap, 21, 15), clWhite);
}

TEST_F(CanvasTest, EllipseAndArcStayInsideTheirBox) {
    Canvas.Brush().SetColor(clRed);
    Canvas.Pen().SetColor(clRed);
    Canvas.Ellipse(5, 5, 25, 15);
    EXPECT_EQ(InkBounds(Bitmap, clWhite), TRect(5, 5, 25, 15));
    EXPECT_EQ(PixelAt(Bitmap, 15, 10), clRed);
    EXPECT_EQ(PixelAt(Bitmap, 5, 5), clWhite); // the corners are outside the ellipse

    Fill(Bitmap, clWhite);
    // The upper half of a circle: counter-clockwise from the ray towards the right to the ray towards the left.
    Canvas.Arc(10, 10, 30, 30, 30, 20, 10, 20);
    const TRect Ink = InkBounds(Bitmap, clWhite);
    EXPECT_EQ(Ink.top, 10);
    EXPECT_LE(Ink.bottom, 21);
    EXPECT_GE(Ink.left, 10);
    EXPECT_LE(Ink.right, 30);
}

TEST_F(CanvasTest, PixelsReadAndWriteSingleDots) {
    Canvas.SetPixels(7, 8, clNavy);
    EXPECT_EQ(Canvas.Pixels(7, 8), clNavy);
    EXPECT_EQ(PixelAt(Bitmap, 7, 8), clNavy);
    EXPECT_EQ(InkBounds(Bitmap, clWhite), TRect(7, 8, 8, 9));
    // System colours are turned into their RGB value.
    Canvas.SetPixels(1, 1, clBtnFace);
    EXPECT_EQ(Canvas.Pixels(1, 1), ::GetSysColor(COLOR_BTNFACE));
}

TEST_F(CanvasTest, TextOutDrawsWithinItsMeasuredExtent) {
    TBitmap Wide(200, 40);
    Fill(Wide, clWhite);
    TCanvas& C = Wide.Canvas();
    C.Font().SetName("MS Sans Serif");
    C.Font().SetHeight(-11);
    C.Font().SetColor(clBlack);
    C.Brush().SetStyle(bsClear);
    const char* Text = "Add Command";
    const SIZE Extent = C.TextExtent(Text);
    EXPECT_EQ(C.TextWidth(Text), Extent.cx);
    EXPECT_GT(Extent.cx, 40);
    EXPECT_GE(Extent.cy, 11);

    C.TextOut(30, 10, Text);
    const TRect Ink = InkBounds(Wide, clWhite);
    ASSERT_FALSE(Ink.IsEmpty());
    EXPECT_GE(Ink.left, 30);
    EXPECT_LE(Ink.left, 32); // "A" starts at the origin, give or take its bearing
    EXPECT_GE(Ink.top, 10);
    EXPECT_LE(Ink.right, 30 + Extent.cx);
    EXPECT_LE(Ink.bottom, 10 + Extent.cy);
    EXPECT_GT(Ink.Width(), Extent.cx * 3 / 4); // the whole text, not a letter or two
    EXPECT_EQ(C.PenPos(), TPoint(30 + Extent.cx, 10));
}

TEST_F(CanvasTest, FontChangesTakeEffectOnTheNextText) {
    Canvas.Font().SetName("Courier New"); // Liberation Mono: every letter equally wide
    Canvas.Font().SetHeight(-12);
    const int Narrow = Canvas.TextWidth("MMMM");
    EXPECT_EQ(Canvas.TextWidth("iiii"), Narrow);
    Canvas.Font().SetHeight(-24);
    EXPECT_GT(Canvas.TextWidth("MMMM"), Narrow * 3 / 2);
    Canvas.Font().SetStyle({fsBold});
    EXPECT_GE(Canvas.TextHeight("M"), 24);
}

TEST_F(CanvasTest, SolidBrushPaintsTextBackgroundClearBrushDoesNot) {
    TBitmap Wide(120, 30);
    Fill(Wide, clWhite);
    TCanvas& C = Wide.Canvas();
    C.Font().SetColor(clBlack);
    C.Brush().SetColor(clYellow);
    C.TextOut(0, 0, "Hi");
    const SIZE Extent = C.TextExtent("Hi");
    EXPECT_EQ(PixelAt(Wide, Extent.cx - 1, Extent.cy - 1), clYellow); // the cell's corner is background
    C.Brush().SetStyle(bsClear);
    C.TextOut(60, 0, "Hi");
    EXPECT_EQ(PixelAt(Wide, 60 + Extent.cx - 1, Extent.cy - 1), clWhite);
}

TEST_F(CanvasTest, TextRectClipsToItsRectangle) {
    TBitmap Wide(120, 30);
    Fill(Wide, clWhite);
    TCanvas& C = Wide.Canvas();
    C.Font().SetColor(clBlack);
    C.Brush().SetColor(clAqua);
    C.TextRect(TRect(10, 5, 30, 20), 12, 6, "Overflowing text");
    EXPECT_EQ(InkBounds(Wide, clWhite), TRect(10, 5, 30, 20));
    EXPECT_EQ(PixelAt(Wide, 10, 5), clAqua);
}

TEST_F(CanvasTest, DrawTextCentresAndMeasures) {
    TBitmap Wide(160, 40);
    Fill(Wide, clWhite);
    TCanvas& C = Wide.Canvas();
    C.Font().SetColor(clBlack);
    C.Brush().SetStyle(bsClear);
    TRect Box(0, 0, 160, 40);
    C.DrawText("Centre", Box, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    const TRect Ink = InkBounds(Wide, clWhite);
    ASSERT_FALSE(Ink.IsEmpty());
    // The text's cell is centred; its ink lies inside the cell.
    const SIZE Cell = C.TextExtent("Centre");
    const TRect Centred = Bounds((160 - Cell.cx) / 2, (40 - Cell.cy) / 2, Cell.cx, Cell.cy);
    EXPECT_GE(Ink.left, Centred.left);
    EXPECT_LE(Ink.left, Centred.left + 2);
    EXPECT_LE(Ink.right, Centred.right);
    EXPECT_GE(Ink.top, Centred.top);
    EXPECT_LE(Ink.bottom, Centred.bottom);

    TRect Measure(0, 0, 0, 0);
    const int Height = C.DrawText("Centre", Measure, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(Measure.Width(), C.TextWidth("Centre"));
    EXPECT_EQ(Height, C.TextHeight("Centre"));
    EXPECT_EQ(InkBounds(Wide, clWhite), Ink); // measuring draws nothing
}

TEST_F(CanvasTest, DrawFocusRectTwiceRestoresThePixels) {
    Canvas.DrawFocusRect(TRect(5, 5, 20, 20));
    EXPECT_FALSE(InkBounds(Bitmap, clWhite).IsEmpty());
    EXPECT_TRUE(AreaIs(Bitmap, TRect(6, 6, 19, 19), clWhite));
    Canvas.DrawFocusRect(TRect(5, 5, 20, 20));
    EXPECT_TRUE(InkBounds(Bitmap, clWhite).IsEmpty());
}

TEST_F(CanvasTest, CopyRectStretchesToTheNearestPixel) {
    TBitmap Source(2, 2);
    Source.Canvas().SetPixels(0, 0, clRed);
    Source.Canvas().SetPixels(1, 0, clLime);
    Source.Canvas().SetPixels(0, 1, clBlue);
    Source.Canvas().SetPixels(1, 1, clBlack);
    Canvas.CopyRect(TRect(10, 10, 16, 16), Source.Canvas(), TRect(0, 0, 2, 2));
    EXPECT_TRUE(AreaIs(Bitmap, TRect(10, 10, 13, 13), clRed));
    EXPECT_TRUE(AreaIs(Bitmap, TRect(13, 10, 16, 13), clLime));
    EXPECT_TRUE(AreaIs(Bitmap, TRect(10, 13, 13, 16), clBlue));
    EXPECT_TRUE(AreaIs(Bitmap, TRect(13, 13, 16, 16), clBlack));
    EXPECT_EQ(InkBounds(Bitmap, clWhite), TRect(10, 10, 16, 16));

    Canvas.SetCopyMode(SRCINVERT);
    Canvas.CopyRect(TRect(10, 10, 16, 16), Source.Canvas(), TRect(0, 0, 2, 2));
    EXPECT_TRUE(AreaIs(Bitmap, TRect(10, 10, 16, 16), clBlack)); // x xor x
}

TEST_F(CanvasTest, ClipRectIsTheWholeBitmap) {
    EXPECT_EQ(Canvas.ClipRect(), TRect(0, 0, Size, Size));
}

TEST(CanvasOnBorrowedDC, GivesTheDCBackWithItsOwnObjects) {
    TBitmap Target(10, 10);
    const TMemoryDC DC;
    const HGDIOBJ OriginalBitmap = ::SelectObject(DC.Handle(), Target.Handle());
    const HGDIOBJ OriginalFont = ::GetCurrentObject(DC.Handle(), OBJ_FONT);
    const HGDIOBJ OriginalBrush = ::GetCurrentObject(DC.Handle(), OBJ_BRUSH);
    const long FontsBefore = THandleCounts::Live(THandleKind::Font);
    {
        TCanvas Canvas;
        EXPECT_FALSE(Canvas.HandleAllocated());
        Canvas.SetHandle(DC.Handle());
        Canvas.Brush().SetColor(clRed);
        Canvas.FillRect(TRect(0, 0, 10, 10));
        Canvas.TextOut(0, 0, "x");
        EXPECT_NE(::GetCurrentObject(DC.Handle(), OBJ_FONT), OriginalFont);
        Canvas.SetHandle(nullptr);
        EXPECT_EQ(::GetCurrentObject(DC.Handle(), OBJ_FONT), OriginalFont);
        EXPECT_EQ(::GetCurrentObject(DC.Handle(), OBJ_BRUSH), OriginalBrush);
    }
    EXPECT_EQ(THandleCounts::Live(THandleKind::Font), FontsBefore);
    ::SelectObject(DC.Handle(), OriginalBitmap);
    EXPECT_EQ(PixelAt(Target, 5, 5), clRed);
}

TEST(CanvasWithoutDC, RefusesToDraw) {
    TCanvas Canvas;
    EXPECT_THROW(Canvas.FillRect(TRect(0, 0, 1, 1)), EInvalidOperation);
}

namespace {

// A canvas parked on a memory DC of its own, as a control's canvas on its kept paint buffer.
struct CanvasParkingTest : ::testing::Test {
    TBitmap Target{40, 20};
    TMemoryDC DC;
    HGDIOBJ OriginalBitmap = ::SelectObject(DC.Handle(), Target.Handle());
    HGDIOBJ OriginalFont = ::GetCurrentObject(DC.Handle(), OBJ_FONT);
    TCanvas Canvas;

    CanvasParkingTest() {
        Canvas.SetHandle(DC.Handle());
        Canvas.Font().SetColor(clBlue);
        Canvas.TextOut(0, 0, "W"); // selects the font
        Canvas.Park();
    }
    ~CanvasParkingTest() override {
        Canvas.Unpark();
        ::SelectObject(DC.Handle(), OriginalBitmap);
    }
    HGDIOBJ SelectedFont() const { return ::GetCurrentObject(DC.Handle(), OBJ_FONT); }
};

} // namespace

TEST_F(CanvasParkingTest, TheFontStaysSelectedWhileParkedAndTheDCGetsItsOwnBackOnUnpark) {
    EXPECT_FALSE(Canvas.HandleAllocated());
    EXPECT_EQ(SelectedFont(), Canvas.Font().Handle());
    Canvas.SetHandle(DC.Handle());
    EXPECT_EQ(SelectedFont(), Canvas.Font().Handle());
    Canvas.Park();
    Canvas.Unpark();
    EXPECT_EQ(SelectedFont(), OriginalFont);
}

TEST_F(CanvasParkingTest, BindingAnotherDCOrChangingTheFontGivesTheParkedDCItsOwnFontBack) {
    Canvas.Font().SetSize(20); // the old HFONT goes: it must not be selected anywhere then
    EXPECT_EQ(SelectedFont(), OriginalFont);

    Canvas.SetHandle(DC.Handle());
    Canvas.TextOut(0, 0, "W");
    Canvas.Park();
    TBitmap Other(4, 4);
    Canvas.SetHandle(Other.Canvas().Handle());
    EXPECT_EQ(SelectedFont(), OriginalFont);
    Canvas.SetHandle(nullptr);
}

// Whatever drew on the DC between two uses may have left its own colours and objects there: the canvas draws
// with its own again.
TEST_F(CanvasParkingTest, ResumingAfterOthersDrewThereDrawsWithTheCanvasOwnFontAndColours) {
    Canvas.SetHandle(DC.Handle());
    const int OwnWidth = Canvas.TextWidth("WWWW");
    Canvas.Park();
    const HGDIOBJ Ours = SelectedFont();
    ::SelectObject(DC.Handle(), ::GetStockObject(SYSTEM_FIXED_FONT));
    ::SetTextColor(DC.Handle(), RGB(255, 0, 0));

    Canvas.SetHandle(DC.Handle());
    EXPECT_EQ(Canvas.TextWidth("WWWW"), OwnWidth);
    Fill(Target, clWhite);
    Canvas.Brush().SetStyle(bsClear);
    Canvas.TextOut(0, 0, "WWWW");
    ::GdiFlush();
    bool SawBlue = false;
    for (int Y = 0; Y < Target.Height(); ++Y)
        for (int X = 0; X < Target.Width(); ++X) {
            EXPECT_NE(PixelAt(Target, X, Y), clRed);
            SawBlue = SawBlue || PixelAt(Target, X, Y) == clBlue;
        }
    EXPECT_TRUE(SawBlue);
    Canvas.Park();
    EXPECT_EQ(SelectedFont(), Ours);
}

TEST_F(CanvasParkingTest, ANewColourAloneKeepsTheFontSelected) {
    Canvas.SetHandle(DC.Handle());
    const HGDIOBJ Ours = SelectedFont();
    Canvas.Font().SetColor(clRed);
    EXPECT_EQ(SelectedFont(), Ours);
    EXPECT_EQ(::GetTextColor(DC.Handle()), RGB(255, 0, 0));
    Canvas.Park();
}
