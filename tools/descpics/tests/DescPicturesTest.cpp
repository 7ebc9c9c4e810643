#include "tests/support/FileBytes.h"
#include "tests/support/ScratchFolder.h"

#include "framework/core/BmpCodec.h"
#include "framework/core/DescriptionParser.h"
#include "framework/core/DescriptionPrinter.h"
#include "framework/core/Exceptions.h"
#include "tools/descpics/DescPictures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class DescPicturesTest : public ::testing::Test {
protected:
    void WritePicture(const std::string& Name, const TBytes& Bytes) const { WriteBytes(Folder.File(Name), Bytes); }

    TScratchFolder Folder;
};

// The stored form of a picture property holding a bitmap file of these bytes.
std::vector<std::uint8_t> StoredBitmap(const std::vector<std::uint8_t>& File) {
    std::vector<std::uint8_t> Data = {7, 'T', 'B', 'i', 't', 'm', 'a', 'p'};
    AppendLittleEndian(Data, static_cast<std::uint32_t>(File.size()));
    Data.insert(Data.end(), File.begin(), File.end());
    return Data;
}

TEST_F(DescPicturesTest, PlaceholdersBecomeStoredPicturesWhereverTheyStand) {
    const std::vector<std::uint8_t> Banner(300, 0xAB);
    WritePicture("BANNER.bmp", Banner);
    WritePicture("FACE.bmp", {1, 2, 3});
    TDescObject Form = ParseDescription("object fmMain: TfmMain\n"
                                        "  Caption = '@bitmaps are not placeholders'\n"
                                        "  object imgTop: TImage\n"
                                        "    Picture.Data = '@bitmap:BANNER.bmp'\n"
                                        "  end\n"
                                        "  object sfMain: TvskForm\n"
                                        "    TitleBarButtons = <\n"
                                        "      item\n"
                                        "        PicNormal.Data = '@bitmap:FACE.bmp'\n"
                                        "      end>\n"
                                        "  end\n"
                                        "end\n");

    EXPECT_EQ(FillPictures(Form, Folder.Path().string()), 2);

    EXPECT_EQ(Form.Properties[0].Value.Text, "@bitmaps are not placeholders");
    const TDescValue& Picture = Form.Children[0].Properties[0].Value;
    EXPECT_EQ(Picture.Kind, TDescValue::TKind::Binary);
    EXPECT_EQ(Picture.Bytes, StoredBitmap(Banner));
    const TDescValue& Face = Form.Children[1].Properties[0].Value.Items[0].Properties[0].Value;
    EXPECT_EQ(Face.Bytes, StoredBitmap({1, 2, 3}));
    const std::string Text = PrintDescription(Form);
    EXPECT_EQ(PrintDescription(ParseDescription(Text)), Text) << "the output is a description again";
}

TEST_F(DescPicturesTest, MissingPictureOrNameIsAnError) {
    TDescObject Missing = ParseDescription("object a: TImage\n  Picture.Data = '@bitmap:NONE.bmp'\nend\n");
    EXPECT_THROW(FillPictures(Missing, Folder.Path().string()), EFOpenError);
    TDescObject Unnamed = ParseDescription("object a: TImage\n  Picture.Data = '@bitmap:'\nend\n");
    EXPECT_THROW(FillPictures(Unnamed, Folder.Path().string()), EReadError);
    TDescObject UnnamedFrame = ParseDescription("object a: TImage\n  Picture.Data = '@bitmap:#1/2'\nend\n");
    EXPECT_THROW(FillPictures(UnnamedFrame, Folder.Path().string()), EReadError);
}

// A strip of Count frames of 2 x 2 pixels side by side whose pixel (X, Y) is 0xRRGGBB = (Y, X, 7): every cut-out
// pixel says where in the strip it came from. 24-bit rows, top row first.
std::vector<std::uint8_t> CoordinateStrip(int Count) {
    constexpr int Side = 2;
    const int Width = Count * Side;
    std::vector<std::uint8_t> Rows;
    for (int Y = 0; Y < Side; ++Y)
        for (int X = 0; X < Width; ++X)
            Rows.insert(Rows.end(), {7, static_cast<std::uint8_t>(X), static_cast<std::uint8_t>(Y)});
    return EncodeBmpFile(Rows.data(), Width, Side, Width * 3, 24, BmpPixelsPerMetreAt72Dpi);
}

TEST_F(DescPicturesTest, AFrameOfAStripBecomesAPictureOfItsOwn) {
    WritePicture("STRIP.bmp", CoordinateStrip(3));
    TDescObject Button = ParseDescription("object a: TvskButton\n"
                                          "  PicNormal.Data = '@bitmap:STRIP.bmp#1/3'\n"
                                          "  PicMouseDown.Data = '@bitmap:STRIP.bmp#3/3'\n"
                                          "end\n");
    ASSERT_EQ(FillPictures(Button, Folder.Path().string()), 2);

    for (int Which : {0, 1}) {
        const std::vector<std::uint8_t>& Stored = Button.Properties[Which].Value.Bytes;
        const std::size_t FileAt = 1 + 7 + 4; // class name length, "TBitmap", file length
        ASSERT_GT(Stored.size(), FileAt);
        const TDecodedBmp Frame = DecodeBmpFile(std::span(Stored).subspan(FileAt));
        EXPECT_EQ(Frame.Width, 2);
        EXPECT_EQ(Frame.Height, 2);
        EXPECT_EQ(Frame.BitCount, 24);
        const int Left = Which == 0 ? 0 : 4;
        for (int Y = 0; Y < 2; ++Y)
            for (int X = 0; X < 2; ++X)
                EXPECT_EQ(Frame.Pixels[Y * 2 + X] & 0xFFFFFF,
                          static_cast<std::uint32_t>((Y << 16) | ((Left + X) << 8) | 7))
                    << "frame " << Which << " pixel " << X << ", " << Y;
    }
}

TEST_F(DescPicturesTest, FramesOutsideTheStripOrUnevenStripsAreErrors) {
    WritePicture("STRIP.bmp", CoordinateStrip(3));
    for (const char* Frame : {"#4/3", "#0/3", "#1/4", "#1", "#a/3", "#1/3x", "#-1/3"}) {
        TDescObject Wrong =
            ParseDescription(std::string("object a: TImage\n  Picture.Data = '@bitmap:STRIP.bmp") + Frame + "'\nend\n");
        EXPECT_THROW(FillPictures(Wrong, Folder.Path().string()), EReadError) << Frame;
    }
}

} // namespace
