#include "tests/support/FileBytes.h"
#include "tests/support/ScratchFolder.h"

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
}

} // namespace
