// Reading and writing the BMP format, independent of GDI: the bitmap class turns the decoded pixels into a DIB
// section. Reading is defensive: every size and offset in a file is checked before it is used, so a broken or
// hostile file ends in EInvalidGraphic, never in a read outside the data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

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

// A BMP file (BITMAPINFOHEADER, BI_RGB, bottom-up) from top-down rows of 24- or 32-bit pixels.
std::vector<std::uint8_t> EncodeBmpFile(const std::uint8_t* TopRow, int Width, int Height, std::ptrdiff_t Stride,
                                        int BitCount);
