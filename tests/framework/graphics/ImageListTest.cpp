// Image lists: cutting strips into images, masked drawing that leaves see-through pixels alone, the greyed
// disabled look, and taking images out again.
#include "tests/support/Pixels.h"

#include "framework/win/graphics/ImageList.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A strip of two 3 x 2 images on fuchsia: image 0 has a red pixel at (1, 0), image 1 a blue one at (0, 1)
// and a white one at (2, 1).
class TStrip : public TBitmap {
public:
    TStrip() : TBitmap(6, 2) {
        Fill(*this, clFuchsia);
        Canvas().SetPixels(1, 0, clRed);
        Canvas().SetPixels(3, 1, clBlue);
        Canvas().SetPixels(5, 1, clWhite);
    }
};

class ImageListTest : public ::testing::Test {
protected:
    ImageListTest() : List(new TImageList(nullptr, 3, 2)), Dest(10, 10) { Fill(Dest, clGreen); }

    std::unique_ptr<TImageList> List;
    TBitmap Dest;
};

} // namespace

TEST_F(ImageListTest, AddMaskedCutsTheStripAndMasksTheColour) {
    int Changes = 0;
    List->OnChange = [&](TObject*) { ++Changes; };
    EXPECT_EQ(List->AddMasked(TStrip(), clFuchsia), 0);
    EXPECT_EQ(List->Count(), 2);
    EXPECT_EQ(Changes, 1);

    Dest.Canvas().SetPixels(4, 5, clYellow); // under a see-through pixel of image 0
    List->Draw(Dest.Canvas(), 4, 5, 0);
    EXPECT_EQ(PixelAt(Dest, 5, 5), clRed);
    EXPECT_EQ(PixelAt(Dest, 4, 5), clYellow);
    Dest.Canvas().SetPixels(4, 5, clGreen);
    EXPECT_EQ(InkBounds(Dest, clGreen), TRect(5, 5, 6, 6));

    List->Draw(Dest.Canvas(), 0, 0, 1);
    EXPECT_EQ(PixelAt(Dest, 0, 1), clBlue);
    EXPECT_EQ(PixelAt(Dest, 2, 1), clWhite);
    EXPECT_EQ(PixelAt(Dest, 1, 1), clGreen);
}

TEST_F(ImageListTest, AddWithoutMaskIsOpaqueAndWithAMaskBitmapUsesItsWhitePixels) {
    EXPECT_EQ(List->Add(TStrip(), nullptr), 0);
    List->Draw(Dest.Canvas(), 0, 0, 0);
    EXPECT_EQ(PixelAt(Dest, 0, 0), clFuchsia);

    TBitmap Mask(3, 2);
    Fill(Mask, clBlack);
    Mask.Canvas().SetPixels(0, 0, clWhite); // only the top-left pixel is see-through
    EXPECT_EQ(List->Add(TStrip(), &Mask), 2);
    EXPECT_EQ(List->Count(), 4);
    Fill(Dest, clGreen);
    List->Draw(Dest.Canvas(), 0, 0, 2);
    EXPECT_EQ(PixelAt(Dest, 0, 0), clGreen);
    EXPECT_EQ(PixelAt(Dest, 1, 0), clRed);
    EXPECT_EQ(PixelAt(Dest, 2, 0), clFuchsia);
    // The mask is narrower than the strip: image 3 has no see-through pixels.
    List->Draw(Dest.Canvas(), 5, 5, 3);
    EXPECT_EQ(PixelAt(Dest, 5, 5), clFuchsia);
}

TEST_F(ImageListTest, DisabledDrawShowsEachVisiblePixelInItsGrey) {
    List->AddMasked(TStrip(), clFuchsia);
    List->Draw(Dest.Canvas(), 0, 0, 1, false);
    EXPECT_EQ(PixelAt(Dest, 0, 1), RGB(29, 29, 29)); // blue: 0.114 of 255
    EXPECT_EQ(PixelAt(Dest, 2, 1), clWhite);         // white stays white
    EXPECT_EQ(PixelAt(Dest, 1, 0), clGreen);         // masked pixels are still left alone
    List->Draw(Dest.Canvas(), 5, 5, 0, false);
    EXPECT_EQ(PixelAt(Dest, 6, 5), RGB(76, 76, 76)); // red: 0.299 of 255
    EXPECT_EQ(InkBounds(Dest, clGreen), TRect(0, 1, 7, 6));
}

TEST_F(ImageListTest, GetBitmapReturnsTheImageAsAdded) {
    List->AddMasked(TStrip(), clFuchsia);
    TBitmap Image;
    List->GetBitmap(1, Image);
    ASSERT_EQ(Image.Width(), 3);
    ASSERT_EQ(Image.Height(), 2);
    EXPECT_EQ(PixelAt(Image, 0, 1), clBlue);
    EXPECT_EQ(PixelAt(Image, 0, 0), clFuchsia);
}

TEST_F(ImageListTest, BadIndicesNarrowImagesAndResizing) {
    List->AddMasked(TStrip(), clFuchsia);
    List->Draw(Dest.Canvas(), 0, 0, 2);
    List->Draw(Dest.Canvas(), 0, 0, -1);
    EXPECT_TRUE(InkBounds(Dest, clGreen).IsEmpty());

    EXPECT_EQ(List->Add(TBitmap(2, 2), nullptr), -1); // narrower than one image
    EXPECT_EQ(List->Count(), 2);

    List->SetWidth(4); // a new size empties the list
    EXPECT_EQ(List->Count(), 0);
    List->SetHeight(3);
    // Six columns make one 4-wide image (the rest is dropped); the strip is two rows high, so the third row
    // of the image is see-through.
    TBitmap Opaque(6, 2);
    Fill(Opaque, clRed);
    EXPECT_EQ(List->Add(Opaque, nullptr), 0);
    EXPECT_EQ(List->Count(), 1);
    List->Draw(Dest.Canvas(), 0, 0, 0);
    EXPECT_EQ(InkBounds(Dest, clGreen), TRect(0, 0, 4, 2));
}
