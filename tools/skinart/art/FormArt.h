#pragma once
// Form and menu surfaces: the 8 x 8 tiles of the textured form backgrounds, and the MacOS menu bar and
// menu selection strips (one pixel wide, stretched sideways).

#include "tools/skinart/art/ArtSizes.h"
#include "tools/skinart/raster/RgbImage.h"

namespace skinart {

TRgbImage PaintFormTexture(const TStylePalette& style, const TArtLayout& layout);
TRgbImage PaintMenuBar(const TStylePalette& style, const TArtLayout& layout);
TRgbImage PaintMenuSelect(const TStylePalette& style, const TArtLayout& layout);

} // namespace skinart
