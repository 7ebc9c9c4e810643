// The face cache must be invisible: a face drawn through it looks exactly as if drawn directly, whatever the
// background, and it is composed again only when the size changes or the owner drops it.
#include "tests/support/CoordinateImages.h"
#include "tests/support/Pixels.h"

#include "framework/win/graphics/Bitmap.h"
#include "skin/controls/Vskfacecache.h"
#include "skin/themes/Vskpublic.h"
#include "skin/themes/Vskthemes.h"

#include <gtest/gtest.h>

TEST(FaceCache, DrawsExactlyWhatTheRenderDrawsOverAnyBackground) {
    TBitmap Face;
    GetInsideThemeBitmap(BlueGlass, VSK_THEME_BUTTON_IMAGE, &Face, 3, 2);
    TvskFaceCache Cache;
    int Renders = 0;
    const TvskFaceCache::TRender Render = [&](TCanvas& Canvas, const TRect& Rect) {
        ++Renders;
        SpitDraw(Face, Canvas, Rect, true);
    };
    for (const TColor Under : {clRed, clLime, Background}) {
        TBitmap Direct(240, 27), Cached(240, 27);
        Fill(Direct, Under);
        Fill(Cached, Under);
        SpitDraw(Face, Direct.Canvas(), TRect(0, 0, 240, 27), true);
        Cache.Draw(Cached.Canvas(), TRect(0, 0, 240, 27), 1, Render);
        EXPECT_TRUE(SameImages(Direct, Cached)) << std::hex << Under;
    }
    const int AfterFirstSize = Renders;
    TBitmap Smaller(80, 27);
    Cache.Draw(Smaller.Canvas(), TRect(0, 0, 80, 27), 1, Render);
    EXPECT_GT(Renders, AfterFirstSize);
    const int AfterSecondSize = Renders;
    Cache.Draw(Smaller.Canvas(), TRect(0, 0, 80, 27), 1, Render);
    EXPECT_EQ(AfterSecondSize, Renders);
    Cache.Clear();
    Cache.Draw(Smaller.Canvas(), TRect(0, 0, 80, 27), 1, Render);
    EXPECT_GT(Renders, AfterSecondSize);
}

// Opaque corners keep their fuchsia pixels when the render draws them so: the mask comes from what the render
// left alone, not from a colour.
TEST(FaceCache, KeepsMaskColouredPixelsThatTheRenderPaints) {
    TBitmap Face(8, 8);
    Fill(Face, clFuchsia);
    TvskFaceCache Cache;
    TBitmap Direct(20, 12), Cached(20, 12);
    Fill(Direct, clLime);
    Fill(Cached, clLime);
    SpitDraw(Face, Direct.Canvas(), TRect(0, 0, 20, 12), false);
    Cache.Draw(Cached.Canvas(), TRect(0, 0, 20, 12), 0,
               [&](TCanvas& Canvas, const TRect& Rect) { SpitDraw(Face, Canvas, Rect, false); });
    EXPECT_EQ(clFuchsia, PixelAt(Direct, 0, 0));
    EXPECT_TRUE(SameImages(Direct, Cached));
}
