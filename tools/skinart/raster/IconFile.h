#pragma once
// Windows icon files: one directory and, per size, a 32-bit image with alpha followed by the 1-bit AND mask
// that older consumers use for transparency.

#include "tools/skinart/raster/ByteBuffer.h"
#include "tools/skinart/raster/RgbaImage.h"

#include <vector>

namespace skinart {

inline constexpr int kIconDirectorySize = 6;
inline constexpr int kIconEntrySize = 16;

// Bytes of one row of the AND mask of an icon of the given width.
int IconMaskStride(int width);

// Images of at most 256 x 256; throws std::invalid_argument otherwise.
TBytes EncodeIcon(const std::vector<TRgbaImage>& images);

} // namespace skinart
