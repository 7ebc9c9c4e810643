// The bitmap as a graphic: size and format changes, drawing (opaque, see-through, stretched), copying,
// and loading from the program's resources.

#include "tests/framework/graphics/GraphicsResources.h"
#include "tests/support/Pixels.h"
#include "tests/support/RaisedMessage.h"

#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/GraphicsExceptions.h"
#include "framework/win/graphics/HandleCounts.h"

#include <cstdio>
#include <vector>

#include <gtest/gtest.h>

namespace {

// A 4 x 3 picture: a fuchsia frame round a 2 x 1 centre of red and blue; the bottom-left corner is fuchsia.
class TSkinImage : public TBitmap {
public:
    TSkinImage() : TBitmap(4, 3) {
        Fill(*this, clFuchsia);
        Canvas().SetPixels(1, 1, clRed);
        Canvas().SetPixels(2, 1, clBlue);
    }
};

// A green bitmap to draw on.
class TBackground : public TBitmap {
public:
    TBackground(int Width, int Height, TPixelFormat Format = pf24bit) : TBitmap(Width, Height, Format) {
        Fill(*this, clGreen);
    }
};

} // namespace

TEST(Bitmap, NewBitmapsAreWhiteAndResizingKeepsTheTopLeft) {
    TBitmap Bitmap(3, 2);
    EXPECT_EQ(Bitmap.PixelFormat(), pf24bit);
    EXPECT_TRUE(AreaIs(Bitmap, TRect(0, 0, 3, 2), clWhite));
    Bitmap.Canvas().SetPixels(0, 0, clRed);
    Bitmap.Canvas().SetPixels(2, 1, clBlue);
    Bitmap.SetSize(5, 4);
    EXPECT_EQ(PixelAt(Bitmap, 0, 0), clRed);
    EXPECT_EQ(PixelAt(Bitmap, 2, 1), clBlue);
    EXPECT_TRUE(AreaIs(Bitmap, TRect(3, 0, 5, 4), clWhite));
    // The canvas follows the new pixels.
    Bitmap.Canvas().SetPixels(4, 3, clLime);
    EXPECT_EQ(PixelAt(Bitmap, 4, 3), clLime);
    Bitmap.SetWidth(1);
    EXPECT_EQ(Bitmap.Width(), 1);
    EXPECT_EQ(PixelAt(Bitmap, 0, 0), clRed);
    Bitmap.SetHeight(0);
    EXPECT_TRUE(Bitmap.Empty());
    EXPECT_EQ(Bitmap.Width(), 0);
}

TEST(Bitmap, PixelFormatChangesKeepThePicture) {
    TBitmap Bitmap(2, 1);
    Bitmap.Canvas().SetPixels(0, 0, RGB(1, 2, 3));
    Bitmap.SetPixelFormat(pf32bit);
    EXPECT_EQ(Bitmap.BytesPerPixel(), 4);
    EXPECT_EQ(Bitmap.BytesPerScanLine(), 8);
    EXPECT_EQ(PixelAt(Bitmap, 0, 0), RGB(1, 2, 3));
    Bitmap.SetPixelFormat(pf24bit);
    EXPECT_EQ(Bitmap.BytesPerScanLine(), 8); // 6 bytes padded to 4
    EXPECT_EQ(PixelAt(Bitmap, 0, 0), RGB(1, 2, 3));
    EXPECT_EQ(PixelAt(Bitmap, 1, 0), clWhite);
}

TEST(Bitmap, ScanLineWritesShowThroughTheCanvas) {
    TBitmap Bitmap(3, 3);
    std::uint8_t* Row = Bitmap.ScanLine(2);
    Row[3] = 0xFF; // pixel 1: blue, green, red
    Row[4] = Row[5] = 0;
    EXPECT_EQ(Bitmap.Canvas().Pixels(1, 2), clBlue);
    EXPECT_THROW(Bitmap.ScanLine(3), EInvalidGraphicOperation);
}

TEST(Bitmap, TransparentColourIsTheBottomLeftPixelUnlessFixed) {
    TBitmap Bitmap(2, 2);
    EXPECT_EQ(Bitmap.TransparentMode(), tmAuto);
    Bitmap.Canvas().SetPixels(0, 1, clTeal);
    EXPECT_EQ(Bitmap.TransparentColor(), clTeal);
    Bitmap.SetTransparentColor(clRed);
    EXPECT_EQ(Bitmap.TransparentMode(), tmFixed);
    EXPECT_EQ(Bitmap.TransparentColor(), clRed);
    Bitmap.SetTransparentColor(clDefault);
    EXPECT_EQ(Bitmap.TransparentMode(), tmAuto);
    EXPECT_EQ(Bitmap.TransparentColor(), clTeal);
    EXPECT_EQ(TBitmap().TransparentColor(), clDefault);
}

TEST(Bitmap, OpaqueDrawCopiesEveryPixel) {
    const TSkinImage Image;
    TBackground Dest(10, 10);
    Dest.Canvas().Draw(3, 4, Image);
    EXPECT_TRUE(AreaIs(Dest, TRect(3, 4, 7, 5), clFuchsia));
    EXPECT_EQ(PixelAt(Dest, 4, 5), clRed);
    EXPECT_EQ(PixelAt(Dest, 5, 5), clBlue);
    EXPECT_EQ(InkBounds(Dest, clGreen), TRect(3, 4, 7, 7));
}

TEST(Bitmap, TransparentDrawLeavesMaskedPixelsUntouched) {
    TSkinImage Image;
    Image.SetTransparent(true);
    TBackground Dest(10, 10);
    Dest.Canvas().SetPixels(3, 4, clYellow); // under a see-through pixel: must survive
    Dest.Canvas().Draw(3, 4, Image);
    EXPECT_EQ(PixelAt(Dest, 3, 4), clYellow);
    EXPECT_EQ(PixelAt(Dest, 4, 5), clRed);
    EXPECT_EQ(PixelAt(Dest, 5, 5), clBlue);
    Dest.Canvas().SetPixels(3, 4, clGreen);
    EXPECT_EQ(InkBounds(Dest, clGreen), TRect(4, 5, 6, 6));
}

TEST(Bitmap, StretchDrawPicksTheNearestPixel) {
    TBitmap Image(2, 1);
    Image.Canvas().SetPixels(0, 0, clRed);
    Image.Canvas().SetPixels(1, 0, clBlue);
    TBackground Dest(12, 6);
    Dest.Canvas().StretchDraw(TRect(2, 1, 10, 4), Image);
    EXPECT_TRUE(AreaIs(Dest, TRect(2, 1, 6, 4), clRed));
    EXPECT_TRUE(AreaIs(Dest, TRect(6, 1, 10, 4), clBlue));
    EXPECT_EQ(InkBounds(Dest, clGreen), TRect(2, 1, 10, 4));
}

TEST(Bitmap, TransparentStretchDrawMasksEveryCopyOfASeeThroughPixel) {
    TSkinImage Image;
    Image.SetTransparent(true);
    TBackground Dest(20, 20);
    Dest.Canvas().StretchDraw(TRect(0, 0, 12, 9), Image); // three times the size
    EXPECT_TRUE(AreaIs(Dest, TRect(3, 3, 6, 6), clRed));
    EXPECT_TRUE(AreaIs(Dest, TRect(6, 3, 9, 6), clBlue));
    EXPECT_EQ(InkBounds(Dest, clGreen), TRect(3, 3, 9, 6));
}

TEST(Bitmap, FixedTransparentColourMasksThatColourInstead) {
    TSkinImage Image;
    Image.SetTransparent(true);
    Image.SetTransparentColor(clRed);
    TBackground Dest(4, 3);
    Dest.Canvas().Draw(0, 0, Image);
    EXPECT_EQ(PixelAt(Dest, 1, 1), clGreen);
    EXPECT_EQ(PixelAt(Dest, 2, 1), clBlue);
    EXPECT_EQ(PixelAt(Dest, 0, 0), clFuchsia);
}

TEST(Bitmap, DrawOntoA32BitBitmapMasksToo) {
    TSkinImage Image;
    Image.SetTransparent(true);
    TBackground Dest(4, 3, pf32bit);
    Dest.Canvas().Draw(0, 0, Image);
    EXPECT_EQ(PixelAt(Dest, 0, 0), clGreen);
    EXPECT_EQ(PixelAt(Dest, 1, 1), clRed);
}

TEST(Bitmap, DrawingFromABitmapKeepsNoDCAlive) {
    TBitmap Image; // never drawn on, so it has no canvas DC
    Image.Assign(TSkinImage());
    TBackground Dest(10, 10);
    Dest.Canvas().Draw(0, 0, Image); // the destination's canvas DC is made here and stays
    const long Before = THandleCounts::Live(THandleKind::MemoryDC);
    Dest.Canvas().Draw(5, 5, Image);
    EXPECT_EQ(THandleCounts::Live(THandleKind::MemoryDC), Before);
}

// Pictures without a canvas are drawn from through DCs the thread keeps and lends again, and are free to be
// drawn on afterwards (not left selected in a lent DC).
TEST(Bitmap, DrawingFromManyPicturesLendsTheSameDCsAndLeavesThePicturesFree) {
    std::vector<TBitmap> Pictures(3);
    for (TBitmap& Picture : Pictures)
        Picture.Assign(TSkinImage());
    TBackground Dest(10, 10);
    Dest.Canvas().Draw(0, 0, Pictures[0]);
    const long Before = THandleCounts::Live(THandleKind::MemoryDC);
    for (TBitmap& Picture : Pictures)
        Dest.Canvas().Draw(5, 5, Picture);
    EXPECT_EQ(THandleCounts::Live(THandleKind::MemoryDC), Before);
    {
        const TBitmapSourceDC Lent(Pictures[1]); // the spare one, not a new one
        EXPECT_EQ(THandleCounts::Live(THandleKind::MemoryDC), Before);
    }
    Pictures[2].Canvas().SetPixels(1, 1, clYellow);
    Dest.Canvas().Draw(0, 0, Pictures[2]);
    EXPECT_EQ(PixelAt(Dest, 1, 1), clYellow);
}

// Drawing skips a picture wholly outside the clip; the part inside is drawn, measured in logical units (the
// origin moved).
TEST(Bitmap, StretchDrawHonoursClipAndOrigin) {
    TBitmap Image(2, 1);
    Image.Canvas().SetPixels(0, 0, clRed);
    Image.Canvas().SetPixels(1, 0, clBlue);
    TBackground Dest(12, 6);
    const HDC DC = Dest.Canvas().Handle();
    ::SetViewportOrgEx(DC, 4, 0, nullptr);
    ::IntersectClipRect(DC, -4, 0, 2, 6); // device columns 0 to 5
    Dest.Canvas().StretchDraw(TRect(-4, 1, 4, 4), Image); // over device columns 0 to 7
    Dest.Canvas().StretchDraw(TRect(3, 1, 7, 4), Image);  // wholly outside the clip
    ::SetViewportOrgEx(DC, 0, 0, nullptr);
    ::SelectClipRgn(DC, nullptr);
    EXPECT_TRUE(AreaIs(Dest, TRect(0, 1, 4, 4), clRed));
    EXPECT_TRUE(AreaIs(Dest, TRect(4, 1, 6, 4), clBlue));
    EXPECT_EQ(InkBounds(Dest, clGreen), TRect(0, 1, 6, 4));
}

TEST(Bitmap, FileRoundTrip) {
    const TSkinImage Image;
    const std::string FileName = "framework_tests_bitmap.bmp";
    Image.SaveToFile(FileName);
    TBitmap Loaded;
    Loaded.LoadFromFile(FileName);
    std::remove(FileName.c_str());
    EXPECT_EQ(Loaded.Width(), 4);
    EXPECT_EQ(PixelAt(Loaded, 2, 1), clBlue);
}

TEST(Bitmap, AssignCopiesPixelsFormatAndTransparency) {
    TSkinImage Source;
    Source.SetPixelFormat(pf32bit);
    Source.SetTransparent(true);
    Source.SetTransparentColor(clBlue);
    TBitmap Copy(9, 9);
    int Changes = 0;
    Copy.OnChange = [&](TObject*) { ++Changes; };
    Copy.Assign(Source);
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(Copy.Width(), 4);
    EXPECT_EQ(Copy.PixelFormat(), pf32bit);
    EXPECT_TRUE(Copy.Transparent());
    EXPECT_EQ(Copy.TransparentColor(), clBlue);
    EXPECT_EQ(PixelAt(Copy, 1, 1), clRed);
    // The copy is independent.
    Source.Canvas().SetPixels(1, 1, clWhite);
    EXPECT_EQ(PixelAt(Copy, 1, 1), clRed);
    Copy.Assign(TBitmap());
    EXPECT_TRUE(Copy.Empty());
}

TEST(Bitmap, LoadsNamedResources) {
    TBitmap Bitmap;
    Bitmap.LoadFromResourceName(::GetModuleHandleA(nullptr), TestBitmapResource);
    ASSERT_EQ(Bitmap.Width(), 3);
    ASSERT_EQ(Bitmap.Height(), 2);
    EXPECT_EQ(PixelAt(Bitmap, 0, 0), clRed);
    EXPECT_EQ(PixelAt(Bitmap, 1, 0), clLime);
    EXPECT_EQ(PixelAt(Bitmap, 2, 0), clBlue);
    EXPECT_EQ(PixelAt(Bitmap, 0, 1), clBlue);
    EXPECT_EQ(PixelAt(Bitmap, 2, 1), clLime);
}

TEST(Bitmap, MissingResourceRaisesResourceNotFound) {
    TBitmap Bitmap(1, 1);
    EXPECT_EQ(RaisedMessage<EResNotFound>(
                  [&] { Bitmap.LoadFromResourceName(::GetModuleHandleA(nullptr), "NO_SUCH_BITMAP"); }),
              "Resource NO_SUCH_BITMAP not found");
    EXPECT_EQ(Bitmap.Width(), 1);
    EXPECT_THROW(Bitmap.LoadFromResourceName(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(999)), EResNotFound);
}
