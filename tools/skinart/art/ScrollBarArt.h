#pragma once
// Scroll bars: the six arrow frames (up normal, hover, pressed, then down normal, hover, pressed; drawn for a
// vertical bar and turned for a horizontal one) and the three thumb pieces of a horizontal thumb (left cap,
// stretched middle, right cap; turned for a vertical one). The arrow strip also serves the scroll buttons.

#include "tools/skinart/art/ArtSizes.h"
#include "tools/skinart/raster/RgbImage.h"

namespace skinart {

TRgbImage PaintScrollArrows(const TStylePalette& style, const TArtLayout& layout);
TRgbImage PaintScrollThumb(const TStylePalette& style, const TArtLayout& layout);

} // namespace skinart
