// Helpers shared by the graphics tests: reading pixels back, building BMP files byte by byte, and the
// test program's own resources.
#pragma once

#include "framework/core/Colors.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Geometry.h"

#include <cstdint>
#include <string>
#include <vector>

// Resources of TestResources.rc.
inline constexpr const char* TestBitmapResource = "TEST_BITMAP"; // 3 x 2, 8 bits, rows red green blue / blue red green
inline constexpr const char* TestIconResource = "TEST_ICON";     // 16 x 16 all red, 32 x 32 all blue

// The colour of one pixel as 0x00BBGGRR, read from the pixel memory.
TColor PixelAt(const TBitmap& Bitmap, int X, int Y);
// True when every pixel of Rect has Color.
bool AreaIs(const TBitmap& Bitmap, const TRect& Rect, TColor Color);
// The smallest rectangle holding every pixel that is not Background (empty when there is none).
TRect InkBounds(const TBitmap& Bitmap, TColor Background);
// A bitmap of the given size filled with Color through its canvas.
void Fill(TBitmap& Bitmap, TColor Color);

// A BMP file to be written out by MakeBmp. Rows are given top row first, each as its raw bytes without
// padding; MakeBmp writes them in the order the height's sign says, padded to four bytes.
struct TBmpLayout {
    std::uint32_t HeaderSize = 40;
    std::int32_t Width = 0;
    std::int32_t Height = 0; // negative: top-down
    std::uint16_t BitCount = 24;
    std::uint32_t Compression = 0;
    std::uint32_t ColorsUsed = 0;
    std::vector<std::uint32_t> Masks{};   // after a 40-byte header, inside a larger one
    std::vector<std::uint32_t> Palette{}; // 0x00RRGGBB
    std::vector<std::vector<std::uint8_t>> Rows{};
};
std::vector<std::uint8_t> MakeBmp(const TBmpLayout& Layout);

// The Data of a picture holding a Width x Height bitmap filled with Color, as the hex digits a description stores.
std::string PictureDataHex(int Width, int Height, TColor Color);
