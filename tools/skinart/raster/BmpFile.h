#pragma once
// Windows bitmap files as the resource compiler takes them: 24 bits per pixel, uncompressed, rows bottom up,
// each row padded to a multiple of four bytes.

#include "tools/skinart/raster/ByteBuffer.h"
#include "tools/skinart/raster/RgbImage.h"

namespace skinart {

inline constexpr int kBmpFileHeaderSize = 14;
inline constexpr int kBmpInfoHeaderSize = 40;

// Bytes of one stored row of a 24-bit bitmap of the given width.
int BmpRowStride(int width);

TBytes EncodeBmp(const TRgbImage& image);

} // namespace skinart
