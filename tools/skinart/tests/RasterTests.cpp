// Checks of the raster library: images and strips, colours and gradients, shape coverage, compositing,
// and the bitmap, icon and font code.

#include "tools/skinart/raster/BmpFile.h"
#include "tools/skinart/raster/Canvas.h"
#include "tools/skinart/raster/IconFile.h"
#include "tools/skinart/raster/StrokeFont.h"
#include "tools/skinart/tests/TestImages.h"

#include <cmath>
#include <numbers>

namespace skinart {
namespace {

using test::DecodeBmp;

float Area(const TShape& shape, int width, int height) {
    float area = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            area += shape.Coverage(x, y);
    return area;
}

TEST(RgbImage, StripsAreCutIntoAndJoinedFromEqualFrames) {
    TRgbImage strip(231, 27);
    for (int x = 0; x < 231; ++x)
        strip.FillRect(x, 0, x + 1, 27, {static_cast<std::uint8_t>(x), 0, 0});
    const TRgbImage third = strip.Frame(3, 2);
    EXPECT_EQ(third.Width(), 77);
    EXPECT_EQ(third.At(0, 0).R, 154);
    EXPECT_EQ(third.At(76, 26).R, 230);
    EXPECT_EQ(TRgbImage::Join({strip.Frame(3, 0), strip.Frame(3, 1), third}), strip);
    EXPECT_THROW(TRgbImage::Join({TRgbImage(2, 3), TRgbImage(2, 4)}), std::invalid_argument);
}

TEST(RgbImage, CropsAndStretchesByNearestPixel) {
    TRgbImage image(2, 1);
    image.Set(0, 0, White);
    image.Set(1, 0, Hex(0x123456));
    const TRgbImage wide = image.Stretched(4, 2);
    EXPECT_EQ(wide.At(1, 1), White);
    EXPECT_EQ(wide.At(2, 0), Hex(0x123456));
    const TRgbImage outside = image.Crop(1, 0, 3, 1);
    EXPECT_EQ(outside.At(0, 0), Hex(0x123456));
    EXPECT_EQ(outside.At(2, 0), TRgb{}) << "what lies outside the source stays the fill";
}

TEST(Colours, ShadeRunsFromBlackThroughTheColourToWhite) {
    const TRgb c = Hex(0x3C87E1);
    EXPECT_EQ(Shade(c, 0), c);
    EXPECT_EQ(Shade(c, 1), White);
    EXPECT_EQ(Shade(c, -1), Black);
    EXPECT_EQ(Mix(Black, White, 0.5f), Hex(0x808080));
    EXPECT_GT(Luminance(Shade(c, 0.2f)), Luminance(c));
}

TEST(Gradients, InterpolateStopsWithoutBleedingTheColourOfAClearStop) {
    const std::vector<TStop> fade = {Stop(0, White, 1), Stop(1, Black, 0)};
    const TColor middle = Interpolate(fade, 0.5f);
    EXPECT_FLOAT_EQ(middle.A, 0.5f);
    EXPECT_FLOAT_EQ(middle.R, 1.0f) << "a fading white stays white";
    EXPECT_FLOAT_EQ(Interpolate(fade, -1).A, 1.0f);
    EXPECT_FLOAT_EQ(Interpolate(fade, 2).A, 0.0f);
    const TLinearGradient ramp = TLinearGradient::Vertical({0, 10, 5, 20}, {Stop(0, Black), Stop(1, White)});
    EXPECT_NEAR(ramp.At({3, 15}).R, 0.5f, 1e-6);
    const TRadialGradient ring({0, 0}, 4, 2, {Stop(0, Black), Stop(1, White)});
    EXPECT_NEAR(ring.At({2, 0}).R, 0.5f, 1e-6);
    EXPECT_NEAR(ring.At({0, 1}).R, 0.5f, 1e-6);
}

TEST(Shapes, PixelAlignedEdgesAreSharpAndHalfCoveredPixelsHalf) {
    const TRoundRect square({2, 2, 5, 5}, 0);
    EXPECT_FLOAT_EQ(square.Coverage(2, 2), 1.0f);
    EXPECT_FLOAT_EQ(square.Coverage(4, 4), 1.0f);
    EXPECT_FLOAT_EQ(square.Coverage(1, 2), 0.0f);
    EXPECT_FLOAT_EQ(square.Coverage(5, 2), 0.0f);
    EXPECT_NEAR(TRoundRect({0, 0, 2.5f, 1}, 0).Coverage(2, 0), 0.5f, 0.01f);
    // A two-pixel pen centred on a pixel boundary covers both rows fully.
    const TStroke line({{{1, 5}, {9, 5}}}, 1.0f);
    EXPECT_FLOAT_EQ(line.Coverage(4, 4), 1.0f);
    EXPECT_FLOAT_EQ(line.Coverage(4, 5), 1.0f);
    EXPECT_FLOAT_EQ(line.Coverage(4, 6), 0.0f);
    // A rounded corner leaves most of its corner pixel out.
    EXPECT_LT(TRoundRect({0, 0, 10, 10}, 3).Coverage(0, 0), 0.4f);
}

TEST(Shapes, AreasOfShapesAndTheirCombinationsAddUp) {
    const TEllipse circle({10.3f, 9.7f}, 6.0f, 6.0f);
    EXPECT_NEAR(Area(circle, 20, 20), std::numbers::pi * 36, 0.5);
    EXPECT_NEAR(Area(TPolygon({{1, 1}, {11, 1}, {1, 9}}), 12, 12), 40, 0.3);
    const TRoundRect outer({2, 2, 14, 14}, 0);
    const TRoundRect inner({5, 5, 11, 11}, 0);
    EXPECT_NEAR(Area(TDifference(outer, inner), 16, 16), 144 - 36, 0.01);
    EXPECT_NEAR(Area(TIntersection(outer, TRoundRect({0, 0, 8, 8}, 0)), 16, 16), 36, 0.01);
    EXPECT_NEAR(Area(TUnion(outer, TRoundRect({10, 10, 16, 16}, 0)), 16, 16), 144 + 36 - 16, 0.01);
    EXPECT_NEAR(Area(TPolygon({}), 4, 4), 0, 1e-6);
}

TEST(Canvas, CompositesSourceOverAndFlattensOverABackdrop) {
    TCanvas canvas(2, 1);
    const TRoundRect both({0, 0, 2, 1}, 0);
    canvas.Fill(both, TSolid(White), 0.5f);
    canvas.Fill(TRoundRect({0, 0, 1, 1}, 0), TSolid(White), 0.5f);
    EXPECT_FLOAT_EQ(canvas.At(0, 0).A, 0.75f);
    EXPECT_FLOAT_EQ(canvas.At(1, 0).A, 0.5f);
    TRgbImage backdrop(2, 1, Black);
    backdrop.Set(1, 0, Hex(0x0000FF));
    const TRgbImage flat = canvas.FlattenOver(backdrop);
    EXPECT_EQ(flat.At(0, 0), Hex(0xBFBFBF));
    EXPECT_EQ(flat.At(1, 0), Hex(0x8080FF));
    const TRgbaImage rgba = canvas.ToRgba();
    EXPECT_EQ(rgba.At(1, 0).A, 128);
    EXPECT_EQ(rgba.At(1, 0).R, 255);
}

TEST(IconFile, MasksPixelsLessThanHalfOpaqueAndRejectsBadSizes) {
    TRgbaImage image{2, 1, {{10, 20, 30, 127}, {10, 20, 30, 128}}};
    const TBytes bytes = EncodeIcon({image});
    const std::size_t data = kIconDirectorySize + kIconEntrySize;
    EXPECT_EQ(bytes[data + 40 + 2], 10) << "BGRA, blue first";
    EXPECT_EQ(bytes[data + 40 + 3], 127);
    EXPECT_EQ(bytes[data + 40 + 8], 0x80) << "only the first pixel is clear in the AND mask";
    EXPECT_EQ(bytes.size(), data + 40 + 8 + IconMaskStride(2));
    EXPECT_THROW(EncodeIcon({TRgbaImage{0, 0, {}}}), std::invalid_argument);
    EXPECT_THROW(EncodeIcon({TRgbaImage{257, 1, std::vector<TRgba>(257)}}), std::invalid_argument);
}

TEST(BmpFile, StoresRowsBottomUpPaddedToFourBytes) {
    for (int width : {1, 3, 4, 13}) {
        TRgbImage image(width, 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x)
                image.Set(x, y, {static_cast<std::uint8_t>(x * 17), static_cast<std::uint8_t>(y * 80), 200});
        const TBytes bytes = EncodeBmp(image);
        EXPECT_EQ(DecodeBmp(bytes), image) << "width " << width;
        // The first stored pixel is the bottom-left one, blue first.
        EXPECT_EQ(bytes[54], 200);
        EXPECT_EQ(bytes[55], 160);
        EXPECT_EQ(bytes[56], 0);
    }
}

TEST(Canvas, KeyedFlatteningDropsFaintPixelsAndBlendsTheRestOverTheFringe) {
    TCanvas canvas(3, 1);
    canvas.Fill(TRoundRect({0, 0, 1, 1}, 0), TSolid(White), 0.2f);
    canvas.Fill(TRoundRect({1, 0, 2, 1}, 0), TSolid(White), 0.6f);
    canvas.Fill(TRoundRect({2, 0, 3, 1}, 0), TSolid(KeyColor));
    const TRgbImage image = canvas.FlattenKeyed(Hex(0x000000));
    EXPECT_EQ(image.At(0, 0), KeyColor);
    EXPECT_EQ(image.At(1, 0), Hex(0x999999));
    EXPECT_NE(image.At(2, 0), KeyColor) << "a drawn pixel never reads as see-through";
}

TEST(StrokeFont, EveryGlyphStaysBetweenTheCapLineAndTheDescender) {
    const std::string all = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789/?>_.:-=+%(),";
    const TTextStyle style{1.0f, 0.5f, 1.4f};
    const std::vector<TStroke> glyphs = LayoutText(all, {0, 0}, style);
    ASSERT_EQ(glyphs.size(), all.size());
    float right = -1;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const TBox b = glyphs[i].Bounds();
        EXPECT_GE(b.Top, -1.5f) << all[i];
        EXPECT_LE(b.Bottom, 11.5f) << all[i];
        EXPECT_GE(b.Left, right - 0.5f) << all[i] << " overlaps the glyph before it";
        right = b.Right;
    }
    EXPECT_EQ(LayoutText("A~B", {0, 0}, style).size(), 2u) << "unknown characters are blanks";
    EXPECT_GT(TextWidth("AB", style), TextWidth("A", style));
}

} // namespace
} // namespace skinart
