// Reading and writing the BMP format, portable: the bitmap class turns the decoded pixels into a DIB section,
// and the skin art generator writes its pictures with it on the build machine. Reading is defensive: every
// size and offset in a file is checked before it is used, so a broken or hostile file ends in
// EInvalidGraphic, never in a read outside the data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The size of BITMAPINFOHEADER, the info header this codec writes (and icon images carry too).
inline constexpr std::uint32_t BmpInfoHeaderSize = 40;

// Pixels of a decoded BMP, top row first, one 32-bit value per pixel laid out in memory as blue, green, red,
// alpha (the layout of a 32-bit DIB). Alpha is only meaningful when BitCount is 32.
struct TDecodedBmp {
    int Width = 0;
    int Height = 0;
    int BitCount = 0; // bits per pixel of the source: 1, 4, 8, 16, 24 or 32
    std::vector<std::uint32_t> Pixels;
};

// A complete BMP file (starting with "BM").
TDecodedBmp DecodeBmpFile(std::span<const std::uint8_t> File);

// A packed DIB: info header, colour table, pixels, without the file header (the form of RT_BITMAP resources
// and of CF_DIB clipboard data).
TDecodedBmp DecodePackedDib(std::span<const std::uint8_t> Dib);

// The resolution a file states, in pixels per metre: what the bitmap class saves (the screen's 96 dots per
// inch), and what the skin art has always been written with (72 dots per inch).
inline constexpr std::int32_t BmpPixelsPerMetreAt96Dpi = 3780;
inline constexpr std::int32_t BmpPixelsPerMetreAt72Dpi = 2835;

// A BMP file (BITMAPINFOHEADER, BI_RGB, bottom-up) from top-down rows of 24- or 32-bit pixels, blue first.
// Raises EInvalidGraphic for an empty picture, another bit count, or more pixels than a file can state.
std::vector<std::uint8_t> EncodeBmpFile(const std::uint8_t* TopRow, int Width, int Height, std::ptrdiff_t Stride,
                                        int BitCount, std::int32_t PixelsPerMetre);
