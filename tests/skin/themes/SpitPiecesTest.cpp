// The nine-slice layout on its own, without drawing: the worked sizes of skin faces, tiny destinations, and
// what must hold for every size (pieces read inside the image, and leave no destination pixel undrawn).
#include "skin/themes/Vskspitpieces.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

void PrintTo(const TvskSpitRect& R, std::ostream* Out) {
    *Out << "(" << R.Left << ", " << R.Top << ", " << R.Right << ", " << R.Bottom << ")";
}

namespace {

using enum TvskSpitPart;

struct TExpected {
    TvskSpitPart Part;
    TvskSpitRect Source;
    TvskSpitRect Dest;
};

void ExpectDrawn(const TvskSpitPieces& Pieces, const std::vector<TExpected>& Expected) {
    for (const TExpected& E : Expected) {
        const TvskSpitPiece& Piece = Pieces[static_cast<int>(E.Part)];
        SCOPED_TRACE(static_cast<int>(E.Part));
        EXPECT_EQ(Piece.Part, E.Part);
        EXPECT_FALSE(Piece.Skipped);
        EXPECT_EQ(Piece.Source, E.Source);
        EXPECT_EQ(Piece.Dest, E.Dest);
    }
}

// A 77 x 27 button frame into 120 x 40: 38 x 13 and 38 x 12 left corners, 37-pixel-wide right ones, row 13
// stretched by the left edge, row 14 by the right edge, columns 38-39 by the top and bottom edges.
TEST(SpitPieces, ButtonFrameIntoAWiderButton) {
    const TvskSpitPieces Pieces = SpitDrawPieces(77, 27, 120, 40);
    ExpectDrawn(Pieces, {
                            {TopLeft, {0, 0, 38, 13}, {0, 0, 38, 13}},
                            {BottomLeft, {0, 15, 38, 27}, {0, 28, 38, 40}},
                            {LeftEdge, {0, 13, 38, 14}, {0, 13, 38, 28}},
                            {TopRight, {40, 0, 77, 13}, {83, 0, 120, 13}},
                            {BottomRight, {40, 15, 77, 27}, {83, 28, 120, 40}},
                            {RightEdge, {40, 14, 77, 15}, {83, 13, 120, 28}},
                            {TopEdge, {38, 0, 40, 13}, {38, 0, 83, 13}},
                            {Centre, {38, 13, 40, 14}, {38, 13, 83, 27}},
                            {BottomEdge, {38, 14, 40, 27}, {37, 27, 83, 40}},
                        });
    for (const TvskSpitPiece& Piece : Pieces)
        EXPECT_EQ(Piece.Corner, Piece.Part == TopLeft || Piece.Part == BottomLeft || Piece.Part == TopRight ||
                                    Piece.Part == BottomRight);
}

TEST(SpitPieces, SmallDestinationsShrinkAndThenSkipTheCorners) {
    // 10 x 10 into 4 x 4: corners of 2 x 2, 2 x 1, 1 x 2 and 1 x 1; the even-sized image has no middle row,
    // so the left edge falls back on row 5, the first of the lower half.
    const TvskSpitPieces Small = SpitDrawPieces(10, 10, 4, 4);
    ExpectDrawn(Small, {
                           {TopLeft, {0, 0, 2, 2}, {0, 0, 2, 2}},
                           {BottomLeft, {0, 9, 2, 10}, {0, 3, 2, 4}},
                           {LeftEdge, {0, 5, 2, 6}, {0, 2, 2, 3}},
                           {TopRight, {9, 0, 10, 2}, {3, 0, 4, 2}},
                           {BottomRight, {9, 9, 10, 10}, {3, 3, 4, 4}},
                       });

    // 1 x 1: every corner needs a destination of at least 2 x 2, so only the bottom edge is left; it starts
    // a column left of the (empty) top-left corner, its second column landing on the pixel.
    const TvskSpitPieces One = SpitDrawPieces(77, 27, 1, 1);
    for (const TvskSpitPiece& Piece : One)
        EXPECT_EQ(Piece.Skipped, Piece.Part != BottomEdge) << static_cast<int>(Piece.Part);
    ExpectDrawn(One, {{BottomEdge, {38, 26, 40, 27}, {-1, 0, 1, 1}}});
    EXPECT_EQ(One[static_cast<int>(TopLeft)].Dest, (TvskSpitRect{0, 0, 0, 0}));
    EXPECT_EQ(One[static_cast<int>(BottomRight)].Dest, (TvskSpitRect{1, 1, 1, 1}));
}

TEST(SpitPieces, EmptyImagesAndDestinationsDrawNothing) {
    for (const auto& [W, H, DW, DH] : {std::array{0, 0, 120, 40},
                                       {0, 27, 120, 40},
                                       {77, 0, 120, 40},
                                       {77, 27, 0, 0},
                                       {77, 27, 0, 40},
                                       {77, 27, 120, 0},
                                       {1, 1, 0, 1}})
        for (const TvskSpitPiece& Piece : SpitDrawPieces(W, H, DW, DH))
            EXPECT_TRUE(Piece.Skipped) << W << " x " << H << " into " << DW << " x " << DH << " piece "
                                       << static_cast<int>(Piece.Part);
}

bool Inside(const TvskSpitRect& Inner, int Width, int Height) {
    return Inner.Left >= 0 && Inner.Top >= 0 && Inner.Right <= Width && Inner.Bottom <= Height;
}

// What is wrong with the layout of a W x H image over DW x DH, or "": the pieces come in drawing order, a
// drawn piece reads only pixels of the image, corners keep their size and stay on the destination, only
// the bottom edge may reach one column past its left side, and together the drawn pieces paint every
// destination pixel.
std::string LayoutFault(int W, int H, int DW, int DH) {
    std::vector<int> Painted(static_cast<std::size_t>(DW * DH));
    const TvskSpitPieces Pieces = SpitDrawPieces(W, H, DW, DH);
    for (int I = 0; I < VskSpitPartCount; ++I) {
        const TvskSpitPiece& P = Pieces[I];
        const std::string Piece = "piece " + std::to_string(I);
        if (static_cast<int>(P.Part) != I) return Piece + " out of order";
        if (P.Skipped) continue;
        if (P.Source.IsEmpty() || P.Dest.IsEmpty()) return Piece + " drawn empty";
        if (!Inside(P.Source, W, H)) return Piece + " reads outside the image";
        if (P.Corner && (P.Source.Width() != P.Dest.Width() || P.Source.Height() != P.Dest.Height()))
            return Piece + " is a corner of another size than its pixels";
        TvskSpitRect Reach = P.Dest;
        if (P.Part == BottomEdge) ++Reach.Left;
        if (!Inside(Reach, DW, DH)) return Piece + " lands outside the destination";
        for (int Y = P.Dest.Top; Y < P.Dest.Bottom; ++Y)
            for (int X = std::max(P.Dest.Left, 0); X < P.Dest.Right; ++X)
                ++Painted[static_cast<std::size_t>(Y * DW + X)];
    }
    for (std::size_t At = 0; At < Painted.size(); ++At)
        if (!Painted[At]) return "pixel " + std::to_string(At % DW) + ", " + std::to_string(At / DW) + " unpainted";
    return "";
}

// Every combination of small image and destination sizes, odd and even, and the sizes of the shipped faces.
TEST(SpitPieces, EverySizeReadsInsideTheImageAndLeavesNoHole) {
    const int ImageSizes[] = {1, 2, 3, 4, 5, 6, 7, 21, 23, 27, 77};
    constexpr int MaxDest = 14;
    for (int W : ImageSizes)
        for (int H : ImageSizes)
            for (int DW = 0; DW <= MaxDest; ++DW)
                for (int DH = 0; DH <= MaxDest; ++DH)
                    EXPECT_EQ(LayoutFault(W, H, DW, DH), "") << W << " x " << H << " into " << DW << " x " << DH;
}

} // namespace
