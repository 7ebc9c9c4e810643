#pragma once
// The picture at the left of the main window's white top band: the program's motif, its name and what it is
// for, on white.

#include "tools/skinart/art/ArtSizes.h"
#include "tools/skinart/raster/RgbImage.h"

namespace skinart {

TRgbImage PaintBanner(const TStylePalette& style, const TArtLayout& layout);

} // namespace skinart
