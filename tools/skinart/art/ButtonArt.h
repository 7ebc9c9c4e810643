#pragma once
// Push buttons: the three-frame face strip (normal, hover, pressed) that is stretched nine-slice over buttons
// of any size, and the drop-down buttons of combo boxes.

#include "tools/skinart/art/ArtSizes.h"
#include "tools/skinart/raster/RgbImage.h"

namespace skinart {

TRgbImage PaintButton(const TStylePalette& style, const TArtLayout& layout);
TRgbImage PaintComboButton(const TStylePalette& style, const TArtLayout& layout);

} // namespace skinart
