#pragma once
// A picture with an alpha channel (straight, 8 bits): what the icon file stores.

#include <cstdint>
#include <vector>

namespace skinart {

struct TRgba {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    std::uint8_t A = 0;
};

struct TRgbaImage {
    int Width = 0;
    int Height = 0;
    std::vector<TRgba> Pixels; // row by row, top row first

    const TRgba& At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
};

} // namespace skinart
