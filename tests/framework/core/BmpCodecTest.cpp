// The BMP codec on its own, natively under the sanitizers: what the writer stores, reading it back, and
// damaged files, which must end in EInvalidGraphic or a whole picture and never in a read outside the data.
#include "framework/core/BmpCodec.h"
#include "framework/core/InvalidGraphic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

using TBytes = std::vector<std::uint8_t>;

constexpr std::size_t FileHeaderSize = 14;

std::uint32_t U32(const TBytes& B, std::size_t At) {
    std::uint32_t Value;
    std::memcpy(&Value, B.data() + At, sizeof Value);
    return Value;
}

// Top-down rows of Width pixels of BitCount bits, Stride bytes apart, the padding filled with 0xEE so that
// a writer copying it would show.
TBytes Rows(int Width, int Height, int BitCount, std::size_t Stride) {
    TBytes Out(Stride * Height, 0xEE);
    for (int Y = 0; Y < Height; ++Y)
        for (std::size_t I = 0; I < static_cast<std::size_t>(Width) * BitCount / 8; ++I)
            Out[Y * Stride + I] = static_cast<std::uint8_t>(Y * 50 + I * 7 + 1);
    return Out;
}

// The pixel the decoder should give for pixel X of row Y of Rows(...): blue, green, red and the fourth byte.
std::uint32_t RowPixel(const TBytes& Source, std::size_t Stride, int BitCount, int X, int Y) {
    const std::uint8_t* P = Source.data() + Y * Stride + X * BitCount / 8;
    return P[0] | P[1] << 8 | P[2] << 16 | static_cast<std::uint32_t>(BitCount == 32 ? P[3] : 0) << 24;
}

TEST(BmpCodec, WritesBottomUpPaddedRowsAndReadsThemBack) {
    for (const int BitCount : {24, 32})
        for (const int Width : {1, 3, 5}) {
            SCOPED_TRACE(testing::Message() << BitCount << " bits, " << Width << " wide");
            constexpr int Height = 3;
            const std::size_t Stride = Width * BitCount / 8 + 3; // wider than a row, as a DIB section may be
            const TBytes Source = Rows(Width, Height, BitCount, Stride);
            const TBytes File = EncodeBmpFile(Source.data(), Width, Height, static_cast<std::ptrdiff_t>(Stride),
                                              BitCount, BmpPixelsPerMetreAt72Dpi);
            const std::size_t FileStride = (Width * BitCount / 8 + 3) / 4 * 4;
            ASSERT_EQ(File.size(), FileHeaderSize + BmpInfoHeaderSize + FileStride * Height);
            EXPECT_EQ(U32(File, 2), File.size());
            EXPECT_EQ(U32(File, 10), FileHeaderSize + BmpInfoHeaderSize);
            EXPECT_EQ(static_cast<std::int32_t>(U32(File, 22)), Height) << "positive: bottom-up";
            EXPECT_EQ(U32(File, 38), 2835u);
            EXPECT_EQ(U32(File, 42), 2835u);
            const std::size_t LastRowFirst = FileHeaderSize + BmpInfoHeaderSize;
            EXPECT_EQ(File[LastRowFirst], Source[(Height - 1) * Stride]) << "the bottom row is stored first";
            for (std::size_t Pad = Width * BitCount / 8; Pad < FileStride; ++Pad)
                EXPECT_EQ(File[LastRowFirst + Pad], 0) << "padding is zero, not the source's";

            const TDecodedBmp Decoded = DecodeBmpFile(File);
            ASSERT_EQ(Decoded.Width, Width);
            ASSERT_EQ(Decoded.Height, Height);
            EXPECT_EQ(Decoded.BitCount, BitCount);
            for (int Y = 0; Y < Height; ++Y)
                for (int X = 0; X < Width; ++X)
                    EXPECT_EQ(Decoded.Pixels[Y * Width + X], RowPixel(Source, Stride, BitCount, X, Y))
                        << X << ", " << Y;

            const TDecodedBmp Packed = DecodePackedDib(std::span(File).subspan(FileHeaderSize));
            EXPECT_EQ(Packed.Pixels, Decoded.Pixels) << "the same pixels without the file header";
        }
    const TBytes One = Rows(1, 1, 24, 4);
    EXPECT_EQ(U32(EncodeBmpFile(One.data(), 1, 1, 4, 24, BmpPixelsPerMetreAt96Dpi), 38), 3780u);
}

TEST(BmpCodec, RefusesToWriteWhatNoReaderTakes) {
    const TBytes Source = Rows(4, 4, 32, 16);
    EXPECT_THROW(EncodeBmpFile(Source.data(), 0, 4, 16, 32, BmpPixelsPerMetreAt96Dpi), EInvalidGraphic);
    EXPECT_THROW(EncodeBmpFile(Source.data(), 4, 0, 16, 32, BmpPixelsPerMetreAt96Dpi), EInvalidGraphic);
    EXPECT_THROW(EncodeBmpFile(Source.data(), -4, 4, 16, 32, BmpPixelsPerMetreAt96Dpi), EInvalidGraphic);
    EXPECT_THROW(EncodeBmpFile(Source.data(), 4, 4, 16, 8, BmpPixelsPerMetreAt96Dpi), EInvalidGraphic);
    EXPECT_THROW(EncodeBmpFile(Source.data(), 4, 4, 16, 16, BmpPixelsPerMetreAt96Dpi), EInvalidGraphic);
    // More pixel bytes than the file's 32-bit size can state (the rows are never touched).
    EXPECT_THROW(EncodeBmpFile(Source.data(), 0x10000, 0x10000, 0, 32, BmpPixelsPerMetreAt96Dpi), EInvalidGraphic);
}

// Small packed DIBs (info header, colour table, rows) of the kinds the reader treats differently: seeds for
// the damage below. Their pixels are checked through the bitmap class's format tests.
// clang-format off
const TBytes EightBitDib = { // 3 x 2, a two-colour table (ColorsUsed 2)
    40, 0, 0, 0,  3, 0, 0, 0,  2, 0, 0, 0,  1, 0,  8, 0,   // size, width, height, planes, bit count
    0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0,     // BI_RGB, image size, resolution
    2, 0, 0, 0,  0, 0, 0, 0,                               // colours used, important
    0x30, 0x20, 0x10, 0,  0xC0, 0xB0, 0xA0, 0,             // the table
    0, 1, 1, 0,  1, 0, 1, 0,                               // rows padded to four bytes
};
const TBytes Rgb565Dib = { // 16 bits, 2 x 1, BI_BITFIELDS with the masks after the 40-byte header
    40, 0, 0, 0,  2, 0, 0, 0,  1, 0, 0, 0,  1, 0, 16, 0,  3, 0, 0, 0,
    0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0,
    0, 0xF8, 0, 0,  0xE0, 0x07, 0, 0,  0x1F, 0, 0, 0,      // red, green, blue
    0xE0, 0x07, 0x00, 0x04,
};
const TBytes CoreOneBitDib = { // the OS/2 core header, 1 bit, 9 x 1 (a row crossing a byte)
    12, 0, 0, 0,  9, 0,  1, 0,  1, 0,  1, 0,               // size, 16-bit width and height, planes, bit count
    0, 0, 0,  0xCC, 0x66, 0x33,                            // a table of three-byte entries
    0b10000000, 0b10000000, 0, 0,
};
// clang-format on

// The same DIB behind a file header whose pixel offset points past the colour table.
TBytes AsFile(const TBytes& Dib, std::size_t RowBytes) {
    TBytes File(FileHeaderSize + Dib.size());
    const auto Size = static_cast<std::uint32_t>(File.size());
    const auto PixelOffset = static_cast<std::uint32_t>(Size - RowBytes);
    File[0] = 'B';
    File[1] = 'M';
    std::memcpy(File.data() + 2, &Size, sizeof Size);
    std::memcpy(File.data() + 10, &PixelOffset, sizeof PixelOffset);
    std::copy(Dib.begin(), Dib.end(), File.begin() + FileHeaderSize);
    return File;
}

// Decodes damaged data: a whole picture or EInvalidGraphic are the only outcomes; anything else (another
// exception, a read outside the data under the sanitizers) fails. Counts the two outcomes.
void Damaged(std::span<const std::uint8_t> Data, bool IsFile, int& Read, int& Refused) {
    try {
        const TDecodedBmp Decoded = IsFile ? DecodeBmpFile(Data) : DecodePackedDib(Data);
        ASSERT_GT(Decoded.Width, 0);
        ASSERT_GT(Decoded.Height, 0);
        ASSERT_EQ(Decoded.Pixels.size(), static_cast<std::size_t>(Decoded.Width) * Decoded.Height);
        ++Read;
    } catch (const EInvalidGraphic&) {
        ++Refused;
    }
}

// Every truncation, and every byte set to a few telling values (sizes, counts, offsets, signs), of files
// and packed DIBs of each kind.
TEST(BmpCodec, DamagedDataIsReadWholeOrRefused) {
    const TBytes Source = Rows(5, 3, 32, 20);
    const TBytes Seeds[] = {
        EncodeBmpFile(Source.data(), 5, 3, 20, 32, BmpPixelsPerMetreAt96Dpi),
        EncodeBmpFile(Source.data(), 3, 3, 20, 24, BmpPixelsPerMetreAt96Dpi),
        AsFile(EightBitDib, 8),
        AsFile(Rgb565Dib, 4),
        AsFile(CoreOneBitDib, 4),
    };
    const std::uint8_t Values[] = {0x00, 0x01, 0x03, 0x0C, 0x28, 0x7F, 0x80, 0xFF};
    for (const TBytes& Seed : Seeds)
        for (const bool IsFile : {true, false}) {
            const std::span<const std::uint8_t> Whole =
                IsFile ? std::span(Seed) : std::span(Seed).subspan(FileHeaderSize);
            ASSERT_NO_THROW(IsFile ? DecodeBmpFile(Whole) : DecodePackedDib(Whole));
            int Read = 0, Refused = 0;
            for (std::size_t Length = 0; Length < Whole.size(); ++Length) {
                const TBytes Cut(Whole.begin(), Whole.begin() + Length); // exact size: the sanitizers see overreads
                Damaged(Cut, IsFile, Read, Refused);
            }
            EXPECT_EQ(Read, 0) << "every truncation is refused";
            for (std::size_t At = 0; At < Whole.size(); ++At)
                for (const std::uint8_t Value : Values) {
                    TBytes Changed(Whole.begin(), Whole.end());
                    Changed[At] = Value;
                    Damaged(Changed, IsFile, Read, Refused);
                }
            EXPECT_GT(Read, 0);
            EXPECT_GT(Refused, 0);
        }
}

} // namespace
