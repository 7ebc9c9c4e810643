// The smaller drawing helpers: strip frames, the three-slice stretch, tiling, quarter turns, window shapes
// and the inclusive point test.
#include "tests/support/CoordinateImages.h"
#include "tests/support/Pixels.h"
#include "tests/support/ScratchWindow.h"

#include "framework/win/graphics/HandleOwners.h"
#include "framework/win/graphics/Picture.h"
#include "skin/themes/Vskpublic.h"

#include <gtest/gtest.h>

namespace {

TEST(SpitBitmapTest, CutsTheRequestedFrame) {
    TBitmap Strip, Frame;
    MakeCoordinateImage(Strip, 231, 27);
    for (int Index = 1; Index <= 3; ++Index) {
        SpitBitmap(Strip, Frame, 3, Index);
        ASSERT_EQ(Frame.Width(), 77);
        ASSERT_EQ(Frame.Height(), 27);
        EXPECT_EQ(SourceOf(PixelAt(Frame, 0, 0)), TPoint(77 * (Index - 1), 0));
        EXPECT_EQ(SourceOf(PixelAt(Frame, 76, 26)), TPoint(77 * Index - 1, 26));
    }
}

TEST(SpitBitmapTest, DropsRemainderColumnsAndWorksInPlace) {
    TBitmap Strip;
    MakeCoordinateImage(Strip, 10, 4);
    SpitBitmap(Strip, Strip, 3, 3); // frames of 3 columns; column 9 belongs to none
    ASSERT_EQ(Strip.Width(), 3);
    EXPECT_EQ(SourceOf(PixelAt(Strip, 0, 3)), TPoint(6, 3));
    EXPECT_EQ(SourceOf(PixelAt(Strip, 2, 0)), TPoint(8, 0));

    TBitmap Narrow, Frame(5, 5);
    MakeCoordinateImage(Narrow, 2, 4);
    SpitBitmap(Narrow, Frame, 3, 1);
    EXPECT_TRUE(Frame.Empty());
}

TEST(SpitDrawHorizontalTest, EndsAtNaturalWidthAndTheMiddleStretched) {
    TBitmap Bar, Dest(120, 12);
    MakeCoordinateImage(Bar, 45, 4);
    Fill(Dest, Background);
    SpitDrawHorizontal(Bar, Dest.Canvas(), TRect(10, 5, 110, 9), false);
    for (int X = 0; X < 120; ++X) {
        const std::optional<TPoint> From = SourceOf(PixelAt(Dest, X, 6));
        if (X < 10 || X >= 110) {
            EXPECT_FALSE(From) << X;
        } else {
            ASSERT_TRUE(From) << X;
            EXPECT_EQ(From->y, 1);
            if (X < 25)
                EXPECT_EQ(From->x, X - 10);
            else if (X >= 95)
                EXPECT_EQ(From->x, X - 95 + 30);
            else
                EXPECT_TRUE(From->x >= 15 && From->x < 30) << X;
        }
    }
    EXPECT_TRUE(AreaIs(Dest, TRect(0, 0, 120, 5), Background));
    EXPECT_TRUE(AreaIs(Dest, TRect(0, 9, 120, 12), Background));
}

TEST(SpitDrawHorizontalTest, MasksByTheTopLeftPixelWhenTransparent) {
    const TColor Key = RGB(1, 2, 3), Face = RGB(90, 90, 90);
    TBitmap Bar(9, 1), Dest(9, 1);
    Fill(Bar, Face);
    PutPixel(Bar, 0, 0, Key);
    PutPixel(Bar, 8, 0, Key);
    PutPixel(Bar, 1, 0, clFuchsia);
    Fill(Dest, Background);
    SpitDrawHorizontal(Bar, Dest.Canvas(), TRect(0, 0, 9, 1), true);
    EXPECT_EQ(PixelAt(Dest, 0, 0), Background);
    EXPECT_EQ(PixelAt(Dest, 8, 0), Background);
    EXPECT_EQ(PixelAt(Dest, 1, 0), clFuchsia);

    Fill(Dest, Background);
    SpitDrawHorizontal(Bar, Dest.Canvas(), TRect(0, 0, 9, 1), false);
    EXPECT_EQ(PixelAt(Dest, 0, 0), Key);
    EXPECT_EQ(PixelAt(Dest, 1, 0), Background);
}

TEST(TileDrawTest, TilesFromTheOriginOnePastTheRectangle) {
    TPicture Tile;
    TBitmap& Image = Tile.Bitmap();
    Image.SetSize(8, 8);
    Fill(Image, clWhite);
    PutPixel(Image, 0, 0, clRed);
    TBitmap Dest(40, 30);
    Fill(Dest, Background);
    TileDraw(Dest.Canvas(), Tile, TRect(5, 5, 25, 15)); // 20 x 10, placed away from the origin
    for (int Y = 0; Y < 30; ++Y)
        for (int X = 0; X < 40; ++X) {
            const bool Origin = X % 8 == 0 && Y % 8 == 0;
            const bool Tiled = X < 32 && Y < 24; // tiles at x = 0, 8, 16, 24 and y = 0, 8, 16
            const TColor Expected = !Tiled ? Background : Origin ? clRed : clWhite;
            ASSERT_EQ(PixelAt(Dest, X, Y), Expected) << X << ", " << Y;
        }

    TPicture Empty;
    TileDraw(Dest.Canvas(), Empty, TRect(0, 0, 40, 30));
}

TEST(RoundPictureTest, QuarterTurnsBothWays) {
    TBitmap Image;
    MakeCoordinateImage(Image, 16, 22);
    RoundPicture(Image); // counter-clockwise
    ASSERT_EQ(Image.Width(), 22);
    ASSERT_EQ(Image.Height(), 16);
    for (int Y = 0; Y < 16; ++Y)
        for (int X = 0; X < 22; ++X)
            ASSERT_EQ(SourceOf(PixelAt(Image, X, Y)), TPoint(15 - Y, X)) << X << ", " << Y;

    MakeCoordinateImage(Image, 16, 22);
    RoundPicture3(Image); // clockwise
    ASSERT_EQ(Image.Width(), 22);
    for (int Y = 0; Y < 16; ++Y)
        for (int X = 0; X < 22; ++X)
            ASSERT_EQ(SourceOf(PixelAt(Image, X, Y)), TPoint(Y, 21 - X)) << X << ", " << Y;
}

TEST(SetBitmapWindowTest, ShapesTheWindowByTheOpaquePixels) {
    TBitmap Shape(4, 3);
    Fill(Shape, clFuchsia);
    PutPixel(Shape, 1, 0, clBlack);
    PutPixel(Shape, 2, 0, clBlack);
    for (int X = 0; X < 4; ++X)
        PutPixel(Shape, X, 1, clWhite);
    PutPixel(Shape, 3, 2, clRed);
    const TScratchWindow Window(10, 10);
    ASSERT_NE(Window.Handle(), nullptr);
    SetBitmapWindow(Window.Handle(), Shape, clFuchsia);
    TRegionHandle Region(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(::GetWindowRgn(Window.Handle(), Region.Get()), ERROR);
    for (int Y = 0; Y < 4; ++Y)
        for (int X = 0; X < 5; ++X) {
            const bool Opaque = (Y == 0 && (X == 1 || X == 2)) || (Y == 1 && X < 4) || (Y == 2 && X == 3);
            EXPECT_EQ(::PtInRegion(Region.Get(), X, Y) != 0, Opaque) << X << ", " << Y;
        }
}

TEST(InRectTest, AllFourEdgesAreInside) {
    const TRect Rect(10, 20, 30, 40);
    EXPECT_TRUE(InRect(TPoint(30, 40), Rect));
    EXPECT_TRUE(InRect(10, 20, Rect));
    EXPECT_TRUE(InRect(30, 20, Rect));
    EXPECT_FALSE(InRect(31, 40, Rect));
    EXPECT_FALSE(InRect(30, 41, Rect));
    EXPECT_FALSE(InRect(TPoint(9, 25), Rect));
    EXPECT_FALSE(InRect(15, 19, Rect));
}

} // namespace
