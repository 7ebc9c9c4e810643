// Reading every usual BMP variant, writing and re-reading it, and refusing malformed files.
#include "tests/support/BitmapBytes.h"
#include "tests/support/Pixels.h"

#include "framework/core/Streams.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/GraphicsExceptions.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

constexpr std::uint32_t BiRgb = 0, BiRle8 = 1, BiBitfields = 3;

void LoadBytes(TBitmap& Bitmap, const std::vector<std::uint8_t>& Bytes) {
    TMemoryStream Stream;
    Stream.WriteBuffer(Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
    Stream.SetPosition(0);
    Bitmap.LoadFromStream(Stream);
}

std::vector<std::vector<TColor>> Pixels(const TBitmap& Bitmap) {
    std::vector<std::vector<TColor>> Rows(Bitmap.Height());
    for (int Y = 0; Y < Bitmap.Height(); ++Y)
        for (int X = 0; X < Bitmap.Width(); ++X)
            Rows[Y].push_back(PixelAt(Bitmap, X, Y));
    return Rows;
}

// Saving and loading again gives the same size, format and pixels.
void ExpectRoundTrip(const TBitmap& Original) {
    TMemoryStream Stream;
    Original.SaveToStream(Stream);
    Stream.SetPosition(0);
    TBitmap Copy;
    Copy.LoadFromStream(Stream);
    EXPECT_EQ(Copy.Width(), Original.Width());
    EXPECT_EQ(Copy.Height(), Original.Height());
    EXPECT_EQ(Copy.PixelFormat(), Original.PixelFormat());
    EXPECT_EQ(Pixels(Copy), Pixels(Original));
}

// The bitmap read from the file that Layout describes.
class TDecoded : public TBitmap {
public:
    explicit TDecoded(const TBmpLayout& Layout) { LoadBytes(*this, MakeBmp(Layout)); }
};

using TRows = std::vector<std::vector<TColor>>;

} // namespace

TEST(BmpFormat, OneBitRowsCrossByteBoundaries) {
    TBmpLayout Layout{.Width = 10, .Height = 2, .BitCount = 1, .Palette = {0x000000, 0x3366CC}};
    Layout.Rows = {{0b10000000, 0b01000000}, {0b01111111, 0b10000000}}; // ten pixels: bits 0..9 of each row
    const TDecoded Bitmap(Layout);
    ASSERT_EQ(Bitmap.Width(), 10);
    EXPECT_EQ(Bitmap.PixelFormat(), pf24bit);
    const TColor On = RGB(0x33, 0x66, 0xCC), Off = clBlack;
    EXPECT_EQ(Pixels(Bitmap),
              (TRows{{On, Off, Off, Off, Off, Off, Off, Off, Off, On}, {Off, On, On, On, On, On, On, On, On, Off}}));
    ExpectRoundTrip(Bitmap);
}

TEST(BmpFormat, FourAndEightBitIndicesUseTheColourTable) {
    // A short table (ColorsUsed 3): indices beyond it read as black rather than outside the file.
    TBmpLayout Four{.Width = 3, .Height = 1, .BitCount = 4, .ColorsUsed = 3, .Palette = {0xFF0000, 0x00FF00, 0x0000FF}};
    Four.Rows = {{0x12, 0xF0}};
    const TDecoded FourBit(Four);
    EXPECT_EQ(Pixels(FourBit), (TRows{{RGB(0, 255, 0), RGB(0, 0, 255), clBlack}}));
    ExpectRoundTrip(FourBit);

    TBmpLayout Eight{.Width = 2, .Height = 2, .BitCount = 8, .ColorsUsed = 2, .Palette = {0x102030, 0xA0B0C0}};
    Eight.Rows = {{1, 0}, {0, 1}};
    const TDecoded EightBit(Eight);
    const TColor A = RGB(0x10, 0x20, 0x30), B = RGB(0xA0, 0xB0, 0xC0);
    EXPECT_EQ(Pixels(EightBit), (TRows{{B, A}, {A, B}}));
    ExpectRoundTrip(EightBit);
}

TEST(BmpFormat, SixteenBitDefaultsTo555AndHonoursBitfields) {
    // 5-5-5: red 31, blue 31, green 16 (scaled to 0..255 with rounding: 16 -> 132).
    TBmpLayout Rgb555{.Width = 3, .Height = 1, .BitCount = 16};
    Rgb555.Rows = {{0x00, 0x7C, 0x1F, 0x00, 0x00, 0x02}};
    const TDecoded Plain(Rgb555);
    EXPECT_EQ(Pixels(Plain), (TRows{{RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 132, 0)}}));
    ExpectRoundTrip(Plain);

    // 5-6-5 masks after a 40-byte header: green 32 of 63 -> 130.
    TBmpLayout Rgb565{.Width = 2, .Height = 1, .BitCount = 16, .Compression = BiBitfields};
    Rgb565.Masks = {0xF800, 0x07E0, 0x001F};
    Rgb565.Rows = {{0xE0, 0x07, 0x00, 0x04}};
    EXPECT_EQ(Pixels(TDecoded(Rgb565)), (TRows{{RGB(0, 255, 0), RGB(0, 130, 0)}}));
}

TEST(BmpFormat, TwentyFourBitReadsTheSameInEitherRowOrder) {
    TBmpLayout Layout{.Width = 2, .Height = 2, .BitCount = 24};
    Layout.Rows = {{0, 0, 255, 0, 255, 0}, {255, 0, 0, 1, 2, 3}}; // blue, green, red bytes
    const TDecoded BottomUp(Layout);
    Layout.Height = -2;
    const TDecoded TopDown(Layout);
    const TRows Expected{{RGB(255, 0, 0), RGB(0, 255, 0)}, {RGB(0, 0, 255), RGB(3, 2, 1)}};
    EXPECT_EQ(Pixels(BottomUp), Expected);
    EXPECT_EQ(Pixels(TopDown), Expected);
    ExpectRoundTrip(TopDown);
}

TEST(BmpFormat, ThirtyTwoBitKeepsTheFourthByte) {
    TBmpLayout Layout{.Width = 2, .Height = 1, .BitCount = 32};
    Layout.Rows = {{10, 20, 30, 40, 50, 60, 70, 80}};
    const TDecoded Bitmap(Layout);
    EXPECT_EQ(Bitmap.PixelFormat(), pf32bit);
    EXPECT_EQ(Bitmap.ScanLine(0)[3], 40);
    EXPECT_EQ(Bitmap.ScanLine(0)[7], 80);
    EXPECT_EQ(Pixels(Bitmap), (TRows{{RGB(30, 20, 10), RGB(70, 60, 50)}}));
    ExpectRoundTrip(Bitmap);
    TMemoryStream Stream;
    Bitmap.SaveToStream(Stream);
    TBitmap Again;
    Stream.SetPosition(0);
    Again.LoadFromStream(Stream);
    EXPECT_EQ(Again.ScanLine(0)[7], 80);
}

TEST(BmpFormat, V4HeaderCarriesItsOwnMasks) {
    // Channels in an unusual order: red in the top byte, alpha in the bottom one.
    TBmpLayout Layout{.HeaderSize = 108, .Width = 1, .Height = 1, .BitCount = 32, .Compression = BiBitfields};
    Layout.Masks = {0xFF000000, 0x00FF0000, 0x0000FF00, 0x000000FF};
    Layout.Rows = {{0x44, 0x33, 0x22, 0x11}}; // little-endian 0x11223344
    const TDecoded Bitmap(Layout);
    EXPECT_EQ(PixelAt(Bitmap, 0, 0), RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(Bitmap.ScanLine(0)[3], 0x44);
}

TEST(BmpFormat, Os2CoreHeaderUsesThreeByteColourTable) {
    TBmpLayout Layout{.HeaderSize = 12, .Width = 2, .Height = 1, .BitCount = 8, .Palette = {0x112233, 0x445566}};
    Layout.Palette.resize(256);
    Layout.Rows = {{1, 0}};
    EXPECT_EQ(Pixels(TDecoded(Layout)), (TRows{{RGB(0x44, 0x55, 0x66), RGB(0x11, 0x22, 0x33)}}));
}

TEST(BmpFormat, EmptyStreamGivesEmptyBitmapAndEmptyBitmapSavesNothing) {
    TBitmap Bitmap(4, 4);
    LoadBytes(Bitmap, {});
    EXPECT_TRUE(Bitmap.Empty());
    TMemoryStream Stream;
    Bitmap.SaveToStream(Stream);
    EXPECT_EQ(Stream.Size(), 0);
}

TEST(BmpFormat, MalformedFilesAreRejectedAndLeaveTheBitmapAlone) {
    const TBmpLayout Good{.Width = 2, .Height = 2, .BitCount = 24, .Rows = {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}};
    auto With = [&](auto Change) {
        TBmpLayout Layout = Good;
        Change(Layout);
        return MakeBmp(Layout);
    };
    auto Patched = [&](std::size_t Offset, std::uint32_t Value) {
        std::vector<std::uint8_t> Bytes = MakeBmp(Good);
        for (int I = 0; I < 4; ++I)
            Bytes[Offset + I] = static_cast<std::uint8_t>(Value >> (8 * I));
        return Bytes;
    };
    std::vector<std::uint8_t> Truncated = MakeBmp(Good);
    Truncated.resize(Truncated.size() - 5);
    std::vector<std::uint8_t> HeaderOnly = MakeBmp(Good);
    HeaderOnly.resize(20);
    std::vector<std::uint8_t> NotBmp = MakeBmp(Good);
    NotBmp[1] = 'X';
    constexpr std::size_t PixelOffsetAt = 10, PlanesAt = 26;

    const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> Cases = {
        {"signature", NotBmp},
        {"truncated pixels", Truncated},
        {"truncated header", HeaderOnly},
        {"unknown header size", With([](TBmpLayout& S) { S.HeaderSize = 200; })},
        {"bit count 7", With([](TBmpLayout& S) { S.BitCount = 7; })},
        {"two planes", Patched(PlanesAt, 0x00180002)},
        {"zero width", With([](TBmpLayout& S) { S.Width = 0; })},
        {"negative width", With([](TBmpLayout& S) { S.Width = -2; })},
        {"zero height", With([](TBmpLayout& S) { S.Height = 0; })},
        {"huge", With([](TBmpLayout& S) { S.Width = S.Height = 100000; })},
        {"colour table too long", With([](TBmpLayout& S) {
             S.BitCount = 8;
             S.ColorsUsed = 300;
         })},
        {"run-length", With([](TBmpLayout& S) { S.Compression = BiRle8; })},
        {"bitfields on 24 bits", With([](TBmpLayout& S) {
             S.Compression = BiBitfields;
             S.Masks = {0xFF0000, 0xFF00, 0xFF};
         })},
        {"overlapping masks", With([](TBmpLayout& S) {
             S.BitCount = 16;
             S.Compression = BiBitfields;
             S.Masks = {0xF800, 0x0FE0, 0x1F};
         })},
        {"broken mask", With([](TBmpLayout& S) {
             S.BitCount = 16;
             S.Compression = BiBitfields;
             S.Masks = {0xA800, 0x7E0, 0x1F};
         })},
        {"mask wider than pixel", With([](TBmpLayout& S) {
             S.BitCount = 16;
             S.Compression = BiBitfields;
             S.Masks = {0x1F0000, 0x7E0, 0x1F};
         })},
        {"pixels beyond the end", Patched(PixelOffsetAt, 0x7FFFFFF0)},
        {"pixels inside the header", Patched(PixelOffsetAt, 20)},
    };
    for (const auto& [Name, Bytes] : Cases) {
        TBitmap Bitmap(1, 1);
        Fill(Bitmap, clRed);
        EXPECT_THROW(LoadBytes(Bitmap, Bytes), EInvalidGraphic) << Name;
        EXPECT_EQ(Bitmap.Width(), 1) << Name;
        EXPECT_EQ(PixelAt(Bitmap, 0, 0), clRed) << Name;
    }
    TBitmap Bitmap;
    EXPECT_NO_THROW(LoadBytes(Bitmap, MakeBmp(Good))); // the pristine file is fine
}
