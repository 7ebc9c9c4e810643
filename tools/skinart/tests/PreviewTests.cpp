// Checks of the previews' redoing of the engine's stretching and turning, which the sheets rely on to show
// the art as the program will.

#include "tools/skinart/preview/NineSlice.h"
#include "tools/skinart/tests/TestImages.h"

namespace skinart {
namespace {

using test::CountKeyed;

constexpr TRgb kTopLeft = Hex(0x111111);
constexpr TRgb kTopRight = Hex(0x222222);
constexpr TRgb kBottomLeft = Hex(0x333333);
constexpr TRgb kBottomRight = Hex(0x444444);

// A face whose four quadrants (split at the middle pixel) have their own colours.
TRgbImage Quadrants(int width, int height) {
    TRgbImage face(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            face.Set(x, y,
                     y < height / 2 ? (x < width / 2 ? kTopLeft : kTopRight)
                                    : (x < width / 2 ? kBottomLeft : kBottomRight));
    return face;
}

TEST(NineSlice, KeepsTheCornersAndCoversTheRectangle) {
    TRgbImage face(77, 27, Hex(0x336699));
    face.Set(0, 0, kTopLeft);
    face.Set(76, 26, kBottomRight);
    face.Set(76, 0, kTopRight);
    TRgbImage onto(240, 40, KeyColor);
    NineSlice(face, onto);
    EXPECT_EQ(onto.At(0, 0), kTopLeft);
    EXPECT_EQ(onto.At(239, 39), kBottomRight);
    EXPECT_EQ(onto.At(239, 0), kTopRight);
    EXPECT_EQ(CountKeyed(onto), 0);
}

TEST(NineSlice, ShrinksCornersToHalfTheRectangle) {
    // 10 x 10 into 4 x 4: a 2 x 2 top-left corner, 2 x 1 bottom-left, 1 x 2 top-right, 1 x 1 bottom-right.
    TRgbImage onto(4, 4, KeyColor);
    NineSlice(Quadrants(10, 10), onto);
    EXPECT_EQ(onto.At(0, 0), kTopLeft);
    EXPECT_EQ(onto.At(1, 1), kTopLeft);
    EXPECT_EQ(onto.At(3, 0), kTopRight);
    EXPECT_EQ(onto.At(3, 1), kTopRight);
    EXPECT_EQ(onto.At(0, 3), kBottomLeft);
    EXPECT_EQ(onto.At(3, 3), kBottomRight);
}

TEST(NineSlice, LeavesKeyedPixelsOfTheFaceOut) {
    TRgbImage face = Quadrants(9, 9);
    face.Set(0, 0, KeyColor);
    face.Set(4, 4, KeyColor); // the middle pixel, stretched over the centre
    TRgbImage onto(30, 30, White);
    NineSlice(face, onto);
    EXPECT_EQ(onto.At(0, 0), White);
    EXPECT_EQ(onto.At(15, 15), White);
    EXPECT_EQ(onto.At(1, 0), kTopLeft);
}

TEST(ThreeSlice, KeepsTheEndsAndStretchesTheMiddleThird) {
    // 45 x 4 into x 10..110: ends of 15 at x = 10 and x = 95, the middle third over 25..94.
    TRgbImage strip(45, 4, Hex(0x808080));
    strip.FillRect(0, 0, 15, 4, kTopLeft);
    strip.FillRect(30, 0, 45, 4, kTopRight);
    strip.Set(0, 0, KeyColor);
    TRgbImage onto(120, 10, White);
    ThreeSlice(strip, onto, 10, 5, 100);
    EXPECT_EQ(onto.At(10, 5), White) << "keyed by its top-left pixel";
    EXPECT_EQ(onto.At(11, 5), kTopLeft);
    EXPECT_EQ(onto.At(24, 8), kTopLeft);
    EXPECT_EQ(onto.At(25, 8), Hex(0x808080));
    EXPECT_EQ(onto.At(94, 8), Hex(0x808080));
    EXPECT_EQ(onto.At(95, 8), kTopRight);
    EXPECT_EQ(onto.At(109, 8), kTopRight);
    EXPECT_EQ(onto.At(110, 8), White);
}

TEST(Turns, QuarterTurnsMoveTheCornersLikeTheEngine) {
    TRgbImage image = Quadrants(16, 22);
    const TRgbImage left = TurnLeft(image);
    EXPECT_EQ(left.Width(), 22);
    EXPECT_EQ(left.Height(), 16);
    EXPECT_EQ(left.At(0, 0), kTopRight);
    const TRgbImage right = TurnRight(image);
    EXPECT_EQ(right.At(0, 0), kBottomLeft);
    EXPECT_EQ(TurnRight(left), image);
}

} // namespace
} // namespace skinart
