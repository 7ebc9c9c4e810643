// Icons from resources and streams, and the picture holder with its stored "Data" form.
#include "tests/framework/graphics/GraphicsResources.h"
#include "tests/support/Pixels.h"

#include "framework/core/Properties.h"
#include "framework/core/Streams.h"
#include "framework/win/graphics/GraphicsExceptions.h"
#include "framework/win/graphics/Icon.h"
#include "framework/win/graphics/Picture.h"

#include <gtest/gtest.h>

namespace {

HINSTANCE Module() {
    return ::GetModuleHandleA(nullptr);
}

void SaveData(const TPicture& Picture, TMemoryStream& Stream) {
    FindPropInfo(Picture, "Data")->WriteData(Picture, Stream);
    Stream.SetPosition(0);
}

} // namespace

TEST(Icon, LoadsTheResourceImageOfTheWantedSize) {
    TIcon Small;
    Small.LoadFromResourceName(Module(), TestIconResource, 16);
    EXPECT_EQ(Small.Width(), 16);
    EXPECT_TRUE(Small.Transparent());
    TBitmap Dest(40, 40);
    Fill(Dest, clWhite);
    Dest.Canvas().Draw(2, 3, Small);
    EXPECT_EQ(InkBounds(Dest, clWhite), TRect(2, 3, 18, 19));
    EXPECT_EQ(PixelAt(Dest, 10, 10), clRed);

    TIcon Large;
    Large.LoadFromResourceName(Module(), TestIconResource, 32);
    EXPECT_EQ(Large.Height(), 32);
    Dest.Canvas().Draw(0, 0, Large);
    EXPECT_EQ(PixelAt(Dest, 31, 31), clBlue);

    EXPECT_THROW(Large.LoadFromResourceName(Module(), "NO_SUCH_ICON"), EResNotFound);
    EXPECT_EQ(Large.Width(), 32);
    EXPECT_THROW(Large.SetWidth(8), EInvalidGraphicOperation);
}

TEST(Icon, StreamRoundTripKeepsEveryImage) {
    TIcon Original;
    Original.LoadFromResourceName(Module(), TestIconResource, 16);
    TMemoryStream Stream;
    Original.SaveToStream(Stream);
    Stream.SetPosition(0);
    TIcon Copy;
    Copy.SetRequestedSize(32); // the ICO holds both sizes
    Copy.LoadFromStream(Stream);
    EXPECT_EQ(Copy.Width(), 32);

    const std::uint8_t Garbage[] = {0, 0, 1, 0, 5, 0, 1, 2, 3};
    TMemoryStream Bad;
    Bad.WriteBuffer(Garbage, sizeof Garbage);
    Bad.SetPosition(0);
    EXPECT_THROW(Copy.LoadFromStream(Bad), EInvalidGraphic);
    EXPECT_EQ(Copy.Width(), 32);
}

TEST(Picture, BitmapAccessorMakesABitmapWhenNeeded) {
    TPicture Picture;
    EXPECT_EQ(Picture.Graphic(), nullptr);
    EXPECT_EQ(Picture.Width(), 0);
    int Changes = 0;
    Picture.OnChange = [&](TObject*) { ++Changes; };
    Picture.Bitmap().SetSize(5, 6);
    EXPECT_GE(Changes, 2); // a new bitmap, then its new size
    EXPECT_EQ(Picture.Width(), 5);
    EXPECT_EQ(Picture.Height(), 6);
    TBitmap* Same = &Picture.Bitmap();
    EXPECT_EQ(Same, Picture.Graphic());

    Picture.Icon().LoadFromResourceName(Module(), TestIconResource, 16);
    EXPECT_EQ(Picture.Graphic()->ClassName(), "TIcon");
    EXPECT_EQ(Picture.Width(), 16);
}

TEST(Picture, AssignCopiesTheGraphic) {
    TBitmap Source(3, 3);
    Source.Canvas().SetPixels(1, 1, clRed);
    TPicture Picture;
    Picture.Assign(Source);
    ASSERT_NE(Picture.Graphic(), nullptr);
    EXPECT_NE(Picture.Graphic(), &Source);
    EXPECT_EQ(PixelAt(Picture.Bitmap(), 1, 1), clRed);

    TPicture Other;
    Other.Assign(Picture);
    EXPECT_EQ(PixelAt(Other.Bitmap(), 1, 1), clRed);
    Other.SetGraphic(nullptr);
    EXPECT_EQ(Other.Graphic(), nullptr);
}

TEST(Picture, DataRoundTripKeepsBitmapAndIcon) {
    TPicture Picture;
    Picture.Bitmap().SetSize(19, 19);
    Picture.Bitmap().SetPixelFormat(pf32bit);
    Picture.Bitmap().Canvas().SetPixels(18, 0, clNavy);
    ASSERT_TRUE(FindPropInfo(Picture, "Data")->HasData(Picture));
    TMemoryStream Stream;
    SaveData(Picture, Stream);
    // A 19 x 19 32-bit bitmap: name, length, and a 54-byte header with 1444 bytes of pixels.
    EXPECT_EQ(Stream.Size(), 1 + 7 + 4 + 54 + 19 * 19 * 4);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(Stream.Memory()) + 1, 7), "TBitmap");

    TPicture Copy;
    FindPropInfo(Copy, "Data")->ReadData(Copy, Stream);
    EXPECT_EQ(Stream.Position(), Stream.Size());
    ASSERT_EQ(Copy.Width(), 19);
    EXPECT_EQ(Copy.Bitmap().PixelFormat(), pf32bit);
    EXPECT_EQ(PixelAt(Copy.Bitmap(), 18, 0), clNavy);

    TPicture IconPicture;
    IconPicture.Icon().LoadFromResourceName(Module(), TestIconResource, 16);
    TMemoryStream IconStream;
    SaveData(IconPicture, IconStream);
    TPicture IconCopy;
    FindPropInfo(IconCopy, "Data")->ReadData(IconCopy, IconStream);
    EXPECT_EQ(IconCopy.Graphic()->ClassName(), "TIcon");
    EXPECT_EQ(IconCopy.Width(), 32); // the copy asks for the system size, and the data still has it
}

TEST(Picture, EmptyPictureHasNoDataAndUnknownClassesAreRejected) {
    TPicture Picture;
    EXPECT_FALSE(FindPropInfo(Picture, "Data")->HasData(Picture));
    Picture.Bitmap(); // an empty bitmap is nothing to store either
    EXPECT_FALSE(FindPropInfo(Picture, "Data")->HasData(Picture));

    const std::uint8_t Unknown[] = {4, 'T', 'F', 'o', 'o', 0, 0, 0, 0};
    TMemoryStream Stream;
    Stream.WriteBuffer(Unknown, sizeof Unknown);
    Stream.SetPosition(0);
    EXPECT_THROW(FindPropInfo(Picture, "Data")->ReadData(Picture, Stream), EInvalidGraphic);

    // A length running past the end of the data.
    const std::uint8_t Overlong[] = {7, 'T', 'B', 'i', 't', 'm', 'a', 'p', 0xFF, 0xFF, 0, 0, 'B', 'M'};
    TMemoryStream Short;
    Short.WriteBuffer(Overlong, sizeof Overlong);
    Short.SetPosition(0);
    EXPECT_THROW(FindPropInfo(Picture, "Data")->ReadData(Picture, Short), EInvalidGraphic);
}
