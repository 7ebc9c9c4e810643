// Checks of the skin art: every picture the engine loads exists with its size and frame layout, see-through
// pixels are where the engine expects them and nowhere else, states and stretchable parts are usable, and
// the output folder holds what the resource script names.

#include "tools/skinart/art/ArtCatalog.h"
#include "tools/skinart/art/ArtOutput.h"
#include "tools/skinart/art/IconArt.h"
#include "tools/skinart/art/NotificationArt.h"
#include "tools/skinart/raster/IconFile.h"
#include "tools/skinart/tests/TestImages.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <set>

namespace skinart {
namespace {

using test::CountKeyed;
using test::DecodeBmp;

// Rendering everything takes a moment under the sanitizers: once for all tests.
const std::map<std::string, TRgbImage>& Rendered() {
    static const std::map<std::string, TRgbImage> images = [] {
        std::map<std::string, TRgbImage> out;
        for (const TArtItem& item : ArtCatalog())
            out.emplace(item.Name, item.Render());
        return out;
    }();
    return images;
}

const TRgbImage& Picture(const TStylePalette& style, TStyledArt art) {
    return Rendered().at(StyledName(art, style.Id));
}

bool Pinkish(TRgb c) {
    return c != KeyColor && c.R >= 200 && c.B >= 200 && c.G <= 90;
}

float MeanLuminance(const TRgbImage& image) {
    float sum = 0;
    int count = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.At(x, y) != KeyColor) {
                sum += Luminance(image.At(x, y));
                ++count;
            }
    return count ? sum / count : 0;
}

bool ColumnsEqual(const TRgbImage& image, int a, int b) {
    for (int y = 0; y < image.Height(); ++y)
        if (image.At(a, y) != image.At(b, y)) return false;
    return true;
}

bool SameInEveryColumn(const TRgbImage& image) {
    for (int x = 1; x < image.Width(); ++x)
        if (!ColumnsEqual(image, 0, x)) return false;
    return true;
}

TEST(ArtCatalog, HoldsThePicturesTheEngineLoadsByName) {
    const std::vector<TArtItem>& items = ArtCatalog();
    std::set<std::string> names;
    for (const TArtItem& item : items)
        EXPECT_TRUE(names.insert(item.Name).second) << item.Name;
    // 19 per-style pictures, 2 of them missing in the three styles that share MORE_SCROLLBUTTON instead.
    EXPECT_EQ(items.size(), 5u * 19 - 3 + 12);
    struct TExpected {
        const char* Name;
        int Width, Height, Frames;
    };
    for (const TExpected& e : {TExpected{"BLUEGLASS_BUTTON", 231, 27, 3},
                               {"WINXP_TITLEBTN", 378, 21, 18},
                               {"MACOS_SCROLLBAR_BUTTON", 96, 22, 6},
                               {"PROTEIN_TITLE_LEFT", 441, 23, 1},
                               {"DEEPBLUE_SIDECHENNEL_BAR", 1, 20, 1},
                               {"MACOS_CHECKBOX", 60, 17, 4},
                               {"MORE_SCROLLBUTTON", 72, 17, 6},
                               {"PANEL_BUTTON", 52, 12, 4},
                               {"MDI_CONTROL_BUTTON", 48, 16, 3},
                               {"MACOS_MENU_BAR", 1, 22, 1},
                               {"BANNER", 300, 50, 1},
                               {"MSNPOPFORM", 181, 116, 1}}) {
        const TArtItem& item = FindArt(e.Name);
        EXPECT_EQ(item.Layout.Width, e.Width) << e.Name;
        EXPECT_EQ(item.Layout.Height, e.Height) << e.Name;
        EXPECT_EQ(item.Layout.Frames, e.Frames) << e.Name;
    }
    EXPECT_THROW(FindArt("DEEPBLUE_SCROLLBUTTON"), std::out_of_range);
    EXPECT_THROW(FindArt("BLUEGLASS_SIDECHANNEL_BAR"), std::out_of_range);
}

TEST(ArtCatalog, EveryPictureComesOutAtItsSizeInWholeFrames) {
    for (const TArtItem& item : ArtCatalog()) {
        const TRgbImage& image = Rendered().at(item.Name);
        EXPECT_EQ(image.Width(), item.Layout.Width) << item.Name;
        EXPECT_EQ(image.Height(), item.Layout.Height) << item.Name;
        EXPECT_EQ(item.Layout.Width % item.Layout.Frames, 0) << item.Name;
    }
}

TEST(ArtKeying, SeeThroughPixelsFollowHowTheEngineDrawsEachStrip) {
    for (const TStylePalette& style : StylePalettes()) {
        SCOPED_TRACE(style.Name);
        const TRgbImage& buttons = Picture(style, TStyledArt::Button);
        for (int f = 0; f < 3; ++f) {
            const TRgbImage frame = buttons.Frame(3, f);
            const int r = frame.Width() - 1, b = frame.Height() - 1;
            if (style.ButtonKeying == TKeying::Keyed) {
                for (TRgb corner : {frame.At(0, 0), frame.At(r, 0), frame.At(0, b), frame.At(r, b)})
                    EXPECT_EQ(corner, KeyColor);
            } else {
                EXPECT_EQ(CountKeyed(frame), 0);
            }
        }
        // Title buttons keyed by their bottom-left pixel; opaque ones carry the band they are drawn over.
        const TRgbImage& captions = Picture(style, TStyledArt::TitleButtons);
        const TRgbImage& band = Picture(style, TStyledArt::TitleClient);
        for (int f = 0; f < 18; ++f) {
            const TRgbImage frame = captions.Frame(18, f);
            const int b = frame.Height() - 1;
            if (style.TitleButtonKeying == TKeying::Keyed) {
                EXPECT_EQ(frame.At(0, b), KeyColor) << "frame " << f;
            } else {
                EXPECT_EQ(CountKeyed(frame), 0) << "frame " << f;
                EXPECT_EQ(frame.At(0, 0), band.At(0, style.TitleButtonTop)) << "frame " << f;
                EXPECT_EQ(frame.At(0, b), band.At(0, style.TitleButtonTop + b)) << "frame " << f;
            }
        }
        // Arrow faces are keyed by their top-left pixel, which after a quarter turn may be any corner.
        const TRgbImage& arrows = Picture(style, TStyledArt::ScrollBarButton);
        for (int f = 0; f < 6; ++f) {
            const TRgbImage frame = arrows.Frame(6, f);
            const int r = frame.Width() - 1, b = frame.Height() - 1;
            for (TRgb corner : {frame.At(0, 0), frame.At(r, 0), frame.At(0, b), frame.At(r, b)})
                EXPECT_EQ(corner, KeyColor);
        }
        EXPECT_EQ(Picture(style, TStyledArt::RadioButton).At(0, 0), KeyColor);
        EXPECT_EQ(Picture(style, TStyledArt::TrackBarBar).At(0, 0), KeyColor);
        EXPECT_EQ(CountKeyed(Picture(style, TStyledArt::CheckBox)), 0);
        EXPECT_EQ(CountKeyed(Picture(style, TStyledArt::ScrollBarTrack)), 0);
        EXPECT_EQ(CountKeyed(Picture(style, TStyledArt::TitleLeft)), 0);
    }
}

TEST(ArtKeying, NoPictureHasPinkishPixels) {
    for (const auto& [name, image] : Rendered()) {
        int pinkish = 0;
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                pinkish += Pinkish(image.At(x, y));
        EXPECT_EQ(pinkish, 0) << name;
    }
}

TEST(ArtStates, HoverAndPressedFacesDifferAndPressedIsDarker) {
    struct TStrip {
        TStyledArt Art;
        int Frames;
    };
    for (const TStylePalette& style : StylePalettes())
        for (TStrip strip :
             {TStrip{TStyledArt::Button, 3}, {TStyledArt::TitleButtons, 18}, {TStyledArt::ScrollBarButton, 6}})
            for (int first = 0; first < strip.Frames; first += 3) {
                const TRgbImage& image = Picture(style, strip.Art);
                const TRgbImage normal = image.Frame(strip.Frames, first);
                const TRgbImage hover = image.Frame(strip.Frames, first + 1);
                const TRgbImage pressed = image.Frame(strip.Frames, first + 2);
                const std::string where = StyledName(strip.Art, style.Id) + " frame " + std::to_string(first);
                EXPECT_NE(normal, hover) << where;
                EXPECT_NE(hover, pressed) << where;
                EXPECT_NE(normal, pressed) << where;
                EXPECT_LT(MeanLuminance(pressed), MeanLuminance(hover)) << where;
                EXPECT_LT(MeanLuminance(pressed), MeanLuminance(normal)) << where;
            }
}

TEST(ArtStretching, StretchedPartsAreTheSameInEveryColumn) {
    for (const TStylePalette& style : StylePalettes()) {
        SCOPED_TRACE(style.Name);
        // The nine-slice stretch repeats the two middle columns of a button face.
        const TRgbImage& buttons = Picture(style, TStyledArt::Button);
        for (int f = 0; f < 3; ++f) {
            const TRgbImage frame = buttons.Frame(3, f);
            const int mid = frame.Width() / 2;
            for (int x = mid - 2; x <= mid + 2; ++x)
                EXPECT_TRUE(ColumnsEqual(frame, mid, x)) << "frame " << f;
        }
        EXPECT_TRUE(SameInEveryColumn(Picture(style, TStyledArt::TitleClient)));
        EXPECT_TRUE(SameInEveryColumn(Picture(style, TStyledArt::ProgressBar)));
        EXPECT_TRUE(SameInEveryColumn(Picture(style, TStyledArt::ScrollBarTrack).Frame(3, 1)));
        EXPECT_TRUE(SameInEveryColumn(Picture(style, TStyledArt::TrackBarBar).Frame(3, 1)));
        EXPECT_TRUE(SameInEveryColumn(Picture(style, TStyledArt::TabLine)));
        // The left and right title images differ from the middle one only at their rounded outer end.
        const TRgbImage& left = Picture(style, TStyledArt::TitleLeft);
        const TRgbImage& right = Picture(style, TStyledArt::TitleRight);
        const TRgbImage& client = Picture(style, TStyledArt::TitleClient);
        for (int y = 0; y < client.Height(); ++y) {
            EXPECT_EQ(left.At(left.Width() - 1, y), client.At(0, y)) << "row " << y;
            EXPECT_EQ(right.At(0, y), client.At(0, y)) << "row " << y;
        }
    }
}

// The notification's window closes on a press from (162, 6) to (175, 19): the box must be drawn exactly there.
// Inside the border the band is the same in every column, so whatever differs from a far column is the box.
TEST(NotificationArt, TheCloseBoxIsDrawnExactlyWhereTheWindowTakesItsPresses) {
    const TRgbImage& image = Rendered().at(std::string(kNotificationName));
    constexpr int kReferenceColumn = 90;
    int left = image.Width(), top = image.Height(), right = -1, bottom = -1;
    for (int y = 2; y < image.Height() - 2; ++y)
        for (int x = 2; x < image.Width() - 2; ++x)
            if (image.At(x, y) != image.At(kReferenceColumn, y)) {
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
    EXPECT_EQ(left, 162);
    EXPECT_EQ(top, 6);
    EXPECT_EQ(right, 175);
    EXPECT_EQ(bottom, 19);
}

TEST(MainIcon, HoldsEachSizeWithAlphaAndAMaskOfTheClearPixels) {
    const std::vector<TRgbaImage> images = RenderMainIcon();
    const TBytes bytes = EncodeIcon(images);
    EXPECT_EQ(test::U16(bytes, 0), 0);
    EXPECT_EQ(test::U16(bytes, 2), 1);
    ASSERT_EQ(test::U16(bytes, 4), std::size(kMainIconSizes));
    std::size_t expectedOffset = kIconDirectorySize + kIconEntrySize * images.size();
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int side = kMainIconSizes[i];
        const std::size_t entry = kIconDirectorySize + kIconEntrySize * i;
        EXPECT_EQ(bytes[entry], side);
        EXPECT_EQ(bytes[entry + 1], side);
        EXPECT_EQ(test::U16(bytes, entry + 6), 32);
        const std::uint32_t size = test::U32(bytes, entry + 8);
        const std::uint32_t offset = test::U32(bytes, entry + 12);
        EXPECT_EQ(offset, expectedOffset);
        EXPECT_EQ(size, 40u + side * side * 4 + IconMaskStride(side) * side);
        expectedOffset += size;
        EXPECT_EQ(static_cast<int>(test::U32(bytes, offset + 8)), side * 2) << "colour rows plus mask rows";
        // The corner outside the rounded tile is clear, the middle opaque; rows are stored bottom up.
        const TRgbaImage& image = images[i];
        EXPECT_EQ(image.At(0, 0).A, 0);
        EXPECT_EQ(image.At(side / 2, side / 2).A, 255);
        const std::size_t mask = offset + 40 + static_cast<std::size_t>(side) * side * 4;
        const std::size_t topRow = mask + static_cast<std::size_t>(side - 1) * IconMaskStride(side);
        const std::size_t middleRow = mask + static_cast<std::size_t>(side / 2) * IconMaskStride(side);
        EXPECT_TRUE(bytes[topRow] & 0x80);
        EXPECT_FALSE(bytes[middleRow + side / 2 / 8] & (0x80 >> (side / 2 % 8)));
    }
    EXPECT_EQ(expectedOffset, bytes.size());
}

TEST(ArtOutput, ScriptAndFileListNameEveryPictureOnce) {
    const std::string script = ResourceScript();
    for (const TArtItem& item : ArtCatalog()) {
        const std::string line = "\n" + item.Name + " BITMAP \"" + item.Name + ".bmp\"\n";
        const std::size_t at = script.find(line);
        EXPECT_NE(at, std::string::npos) << item.Name;
        EXPECT_EQ(script.find(line, at + 1), std::string::npos) << item.Name;
    }
    EXPECT_NE(script.find("\nMAINICON ICON \"MAINICON.ico\"\n"), std::string::npos);
    const std::vector<std::string> files = OutputFileNames();
    EXPECT_EQ(std::set<std::string>(files.begin(), files.end()).size(), ArtCatalog().size() + 2);
}

TEST(ArtOutput, WritesEveryListedFileReadableBack) {
    const std::filesystem::path folder =
        std::filesystem::path(testing::TempDir()) / ("skinart_output_" + std::to_string(std::random_device{}()));
    WriteArt(folder);
    for (const std::string& name : OutputFileNames())
        EXPECT_GT(std::filesystem::file_size(folder / name), 0u) << name;
    std::ifstream file(folder / "BLUEGLASS_TITLEBTN.bmp", std::ios::binary);
    const TBytes bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_EQ(DecodeBmp(bytes), Rendered().at("BLUEGLASS_TITLEBTN"));
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace skinart
