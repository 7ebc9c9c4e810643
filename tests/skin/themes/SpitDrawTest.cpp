// The nine-slice stretch, checked pixel by pixel: each destination pixel is traced back to the source pixel
// it shows, through coordinate images.
#include "tests/support/CoordinateImages.h"
#include "tests/support/Pixels.h"

#include "skin/themes/Vskpublic.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Checks that every pixel of DestRect in Dest shows a pixel of SourceRect: one for one along a dimension where
// both have the same size, in order (never going back) along a stretched one. Returns the first mismatch.
std::string MismatchIn(const TBitmap& Dest, const TRect& DestRect, const TRect& SourceRect) {
    const bool ExactX = DestRect.Width() == SourceRect.Width(), ExactY = DestRect.Height() == SourceRect.Height();
    for (int Y = DestRect.top; Y < DestRect.bottom; ++Y)
        for (int X = DestRect.left; X < DestRect.right; ++X) {
            const std::optional<TPoint> From = SourceOf(PixelAt(Dest, X, Y));
            std::ostringstream Where;
            Where << "(" << X << ", " << Y << ") ";
            if (!From) return Where.str() + "shows no source pixel";
            Where << "shows (" << From->x << ", " << From->y << ")";
            const bool InX = ExactX ? From->x == SourceRect.left + X - DestRect.left
                                    : From->x >= SourceRect.left && From->x < SourceRect.right;
            const bool InY = ExactY ? From->y == SourceRect.top + Y - DestRect.top
                                    : From->y >= SourceRect.top && From->y < SourceRect.bottom;
            if (!InX || !InY) return Where.str();
            if (X > DestRect.left && From->x < SourceOf(PixelAt(Dest, X - 1, Y))->x) return Where.str() + " going back";
            if (Y > DestRect.top && From->y < SourceOf(PixelAt(Dest, X, Y - 1))->y) return Where.str() + " going back";
        }
    return "";
}

class SpitDrawTest : public ::testing::Test {
protected:
    TBitmap& Draw(int Width, int Height, bool Transparent) {
        Dest.SetSize(Width, Height);
        Fill(Dest, Background);
        SpitDraw(Source, Dest.Canvas(), TRect(0, 0, Width, Height), Transparent);
        return Dest;
    }

    TBitmap Source;
    TBitmap Dest;
};

// A 77 x 27 button frame into 120 x 40: every one of the 4,800 pixels traced to the piece it belongs to.
TEST_F(SpitDrawTest, NineSlicesOfAButtonFrame) {
    MakeCoordinateImage(Source, 77, 27);
    Draw(120, 40, false);
    const struct {
        const char* Piece;
        TRect Dest;
        TRect Source;
    } Pieces[] = {
        {"top-left corner 38 x 13", TRect(0, 0, 38, 13), TRect(0, 0, 38, 13)},
        {"bottom-left corner 38 x 12, less the column the bottom edge takes", TRect(0, 28, 37, 40),
         TRect(0, 15, 37, 27)},
        {"left edge from row 13", TRect(0, 13, 37, 28), TRect(0, 13, 37, 14)},
        {"left edge's last column", TRect(37, 13, 38, 27), TRect(37, 13, 38, 14)},
        {"top-right corner 37 x 13", TRect(83, 0, 120, 13), TRect(40, 0, 77, 13)},
        {"bottom-right corner 37 x 12", TRect(83, 28, 120, 40), TRect(40, 15, 77, 27)},
        {"right edge from row 14", TRect(83, 13, 120, 28), TRect(40, 14, 77, 15)},
        {"top edge from columns 38-39", TRect(38, 0, 83, 13), TRect(38, 0, 40, 13)},
        {"centre", TRect(38, 13, 83, 27), TRect(38, 13, 40, 14)},
        {"bottom edge, one pixel into the bottom-left corner", TRect(37, 27, 83, 40), TRect(38, 14, 40, 27)},
    };
    int Covered = 0;
    for (const auto& Piece : Pieces) {
        EXPECT_EQ(MismatchIn(Dest, Piece.Dest, Piece.Source), "") << Piece.Piece;
        Covered += Piece.Dest.Width() * Piece.Dest.Height();
    }
    EXPECT_EQ(Covered, 120 * 40);
}

// A 10 x 10 image into 4 x 4: corners of 2 x 2, 2 x 1, 1 x 2 and 1 x 1, and the pieces between them.
TEST_F(SpitDrawTest, TinyDestinationKeepsSmallCornersAndFillsTheRest) {
    MakeCoordinateImage(Source, 10, 10);
    Draw(4, 4, false);
    const TPoint Expected[4][4] = {
        {{0, 0}, {1, 0}, {5, 0}, {9, 0}}, // top-left 2 x 2, top edge, top-right 1 x 2
        {{0, 1}, {1, 1}, {5, 1}, {9, 1}},
        {{0, 5}, {5, 8}, {5, 8}, {9, 5}}, // left edge (the empty middle row becomes row 5), bottom edge, right edge
        {{0, 9}, {5, 9}, {5, 9}, {9, 9}}, // bottom-left 2 x 1 (half overdrawn by the bottom edge), bottom-right 1 x 1
    };
    for (int Y = 0; Y < 4; ++Y)
        for (int X = 0; X < 4; ++X) {
            const std::optional<TPoint> From = SourceOf(PixelAt(Dest, X, Y));
            ASSERT_TRUE(From) << X << ", " << Y;
            if (X == 3 && Y == 2) // the right edge shrinks rows 5-6 into one
                EXPECT_TRUE(From->x == 9 && (From->y == 5 || From->y == 6)) << From->x << ", " << From->y;
            else
                EXPECT_EQ(*From, Expected[Y][X]) << X << ", " << Y;
        }
}

TEST_F(SpitDrawTest, OnePixelGetsNoCornerOnlyTheBottomEdge) {
    MakeCoordinateImage(Source, 77, 27);
    Draw(1, 1, false);
    // The bottom edge starts one pixel left of the (empty) top-left corner: columns 38 and 39 of the last
    // row, of which the second lands on the canvas.
    EXPECT_EQ(SourceOf(PixelAt(Dest, 0, 0)), TPoint(39, 26));
}

TEST_F(SpitDrawTest, SkippedCornersLetTheEdgesReachIntoThem) {
    MakeCoordinateImage(Source, 77, 27);
    Draw(120, 1, false); // no room for any corner
    EXPECT_EQ(MismatchIn(Dest, TRect(0, 0, 120, 1), TRect(38, 26, 40, 27)), "");
    Draw(1, 30, false); // the centre shrinks columns 38-39 into one; the bottom edge as above
    const std::optional<TPoint> Top = SourceOf(PixelAt(Dest, 0, 0));
    ASSERT_TRUE(Top);
    EXPECT_TRUE((Top->x == 38 || Top->x == 39) && Top->y == 13) << Top->x << ", " << Top->y;
    EXPECT_EQ(SourceOf(PixelAt(Dest, 0, 29)), TPoint(39, 26));
}

TEST_F(SpitDrawTest, EmptyImagesAndRectanglesDrawNothing) {
    Source.SetSize(0, 0);
    Draw(20, 20, true);
    EXPECT_TRUE(AreaIs(Dest, TRect(0, 0, 20, 20), Background));
    MakeCoordinateImage(Source, 77, 27);
    Dest.SetSize(10, 10);
    Fill(Dest, Background);
    SpitDraw(Source, Dest.Canvas(), TRect(0, 0, 0, 0), true);
    EXPECT_TRUE(AreaIs(Dest, TRect(0, 0, 10, 10), Background));
}

// Fuchsia in the corners is drawn only when the corners are opaque; in the edges and the centre it is
// always see-through.
TEST_F(SpitDrawTest, FuchsiaInCornersDependsOnTransparentButNotInEdges) {
    const TColor Face = RGB(200, 180, 20);
    Source.SetSize(21, 21);
    Fill(Source, Face);
    PutPixel(Source, 0, 0, clFuchsia);   // top-left corner
    PutPixel(Source, 20, 20, clFuchsia); // bottom-right corner
    for (int X = 0; X < 21; ++X) {       // the middle rows that the edges and the centre stretch
        PutPixel(Source, X, 10, clFuchsia);
        PutPixel(Source, X, 11, clFuchsia);
    }
    Draw(60, 30, false);
    EXPECT_EQ(PixelAt(Dest, 0, 0), clFuchsia);
    EXPECT_EQ(PixelAt(Dest, 59, 29), clFuchsia);
    EXPECT_TRUE(AreaIs(Dest, TRect(0, 10, 60, 20), Background));
    EXPECT_EQ(PixelAt(Dest, 30, 5), Face);

    Draw(60, 30, true);
    EXPECT_EQ(PixelAt(Dest, 0, 0), Background);
    EXPECT_EQ(PixelAt(Dest, 59, 29), Background);
    EXPECT_EQ(PixelAt(Dest, 1, 0), Face);
    EXPECT_TRUE(AreaIs(Dest, TRect(0, 10, 60, 20), Background));
}

} // namespace
