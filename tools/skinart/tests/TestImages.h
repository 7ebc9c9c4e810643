#pragma once
// Helpers of the generator's tests: reading back the files it writes, independently of the writers.

#include "tools/skinart/raster/ByteBuffer.h"
#include "tools/skinart/raster/RgbImage.h"

#include <gtest/gtest.h>

namespace skinart::test {

inline std::uint32_t U32(const TBytes& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

inline std::uint16_t U16(const TBytes& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

// Reads a 24-bit bitmap file, checking on the way every header field the resource compiler relies on.
inline TRgbImage DecodeBmp(const TBytes& b) {
    EXPECT_EQ(U16(b, 0), 0x4D42);
    EXPECT_EQ(U32(b, 2), b.size());
    EXPECT_EQ(U32(b, 10), 54u);
    EXPECT_EQ(U32(b, 14), 40u);
    const int width = static_cast<int>(U32(b, 18));
    const int height = static_cast<int>(U32(b, 22));
    EXPECT_GT(height, 0) << "rows must be stored bottom up";
    EXPECT_EQ(U16(b, 26), 1);
    EXPECT_EQ(U16(b, 28), 24);
    EXPECT_EQ(U32(b, 30), 0u) << "BI_RGB";
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    EXPECT_EQ(U32(b, 34), stride * height);
    EXPECT_EQ(b.size(), 54 + stride * height);
    TRgbImage out(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::size_t at = 54 + (height - 1 - y) * stride + x * 3;
            out.Set(x, y, {b[at + 2], b[at + 1], b[at]});
        }
    return out;
}

inline int CountKeyed(const TRgbImage& image) {
    int n = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            n += image.At(x, y) == KeyColor;
    return n;
}

} // namespace skinart::test
