#include "tools/skinart/raster/BmpFile.h"

#include "framework/core/BmpCodec.h"

namespace skinart {

namespace {
constexpr int kBytesPerPixel = 3;
constexpr int kBitsPerPixel = 24;
} // namespace

TBytes EncodeBmp(const TRgbImage& image) {
    // The codec takes rows as a bitmap holds them in memory: top row first, blue first.
    const int stride = image.Width() * kBytesPerPixel;
    TBytes rows(static_cast<std::size_t>(stride) * image.Height());
    std::uint8_t* pixel = rows.data();
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x, pixel += kBytesPerPixel) {
            const TRgb c = image.At(x, y);
            pixel[0] = c.B;
            pixel[1] = c.G;
            pixel[2] = c.R;
        }
    return EncodeBmpFile(rows.data(), image.Width(), image.Height(), stride, kBitsPerPixel, BmpPixelsPerMetreAt72Dpi);
}

} // namespace skinart
