#pragma once
// Pictures of controls the main window does not use: tab faces and the strip under the tabs, and the side
// channel's handle and caption strip (the caption strip also heads every skinned panel).

#include "tools/skinart/art/ArtSizes.h"
#include "tools/skinart/raster/RgbImage.h"

namespace skinart {

TRgbImage PaintTab(const TStylePalette& style, const TArtLayout& layout);
TRgbImage PaintTabLine(const TStylePalette& style, const TArtLayout& layout);
TRgbImage PaintSideChannelHandle(const TStylePalette& style, const TArtLayout& layout);
TRgbImage PaintSideChannelBar(const TStylePalette& style, const TArtLayout& layout);

} // namespace skinart
