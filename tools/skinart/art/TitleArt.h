#pragma once
// The caption band (left end, stretched middle, right end) and the strip of 18 caption-button frames:
// control box, help, maximise, restore, minimise and close, each normal, hover and pressed.

#include "tools/skinart/art/ArtSizes.h"
#include "tools/skinart/raster/RgbImage.h"

namespace skinart {

TRgbImage PaintTitleLeft(const TStylePalette& style, const TArtLayout& layout);
TRgbImage PaintTitleClient(const TStylePalette& style, const TArtLayout& layout);
TRgbImage PaintTitleRight(const TStylePalette& style, const TArtLayout& layout);
TRgbImage PaintTitleButtons(const TStylePalette& style, const TArtLayout& layout);

} // namespace skinart
