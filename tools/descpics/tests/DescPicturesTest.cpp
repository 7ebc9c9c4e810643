#include "tools/descpics/DescPictures.h"
#include "framework/core/DescriptionParser.h"
#include "framework/core/DescriptionPrinter.h"
#include "framework/core/Exceptions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class DescPicturesTest : public ::testing::Test {
protected:
    void SetUp() override {
        Dir = fs::temp_directory_path() /
              ("descpics-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(Dir);
    }
    void TearDown() override { fs::remove_all(Dir); }

    void WritePicture(const std::string& Name, const std::vector<std::uint8_t>& Bytes) const {
        std::ofstream(Dir / Name, std::ios::binary)
            .write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
    }

    fs::path Dir;
};

// The stored form of a picture property holding a bitmap file of these bytes.
std::vector<std::uint8_t> StoredBitmap(const std::vector<std::uint8_t>& File) {
    std::vector<std::uint8_t> Data = {7, 'T', 'B', 'i', 't', 'm', 'a', 'p'};
    const auto Length = static_cast<std::uint32_t>(File.size());
    for (int Shift = 0; Shift < 32; Shift += 8)
        Data.push_back(static_cast<std::uint8_t>(Length >> Shift));
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

    EXPECT_EQ(FillPictures(Form, Dir.string()), 2);

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
    EXPECT_THROW(FillPictures(Missing, Dir.string()), EFOpenError);
    TDescObject Unnamed = ParseDescription("object a: TImage\n  Picture.Data = '@bitmap:'\nend\n");
    EXPECT_THROW(FillPictures(Unnamed, Dir.string()), EReadError);
}

} // namespace
