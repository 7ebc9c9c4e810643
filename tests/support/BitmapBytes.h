// Bitmaps as bytes: BMP files built field by field (also malformed ones), and a picture as a window
// description stores it.
#pragma once

#include "framework/core/Colors.h"
#include "tests/support/FileBytes.h"

#include <cstdint>
#include <string>
#include <vector>

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
TBytes MakeBmp(const TBmpLayout& Layout);

// The Data of a picture holding a Width x Height bitmap filled with Color, as the hex digits a description stores.
std::string PictureDataHex(int Width, int Height, TColor Color);
