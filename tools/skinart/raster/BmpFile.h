#pragma once
// Windows bitmap files as the resource compiler takes them: 24 bits per pixel, uncompressed, rows bottom up,
// each row padded to a multiple of four bytes, written by the framework's BMP codec.

#include "tools/skinart/raster/ByteBuffer.h"
#include "tools/skinart/raster/RgbImage.h"

namespace skinart {

// Raises EInvalidGraphic for an empty image.
TBytes EncodeBmp(const TRgbImage& image);

} // namespace skinart
