#pragma once
// Progress and track bars: the progress fill (stretched along the bar), the track bar's groove (three slices:
// ends and a stretched middle) and its pointer-shaped slider, for horizontal and vertical bars.

#include "tools/skinart/art/ArtSizes.h"
#include "tools/skinart/raster/RgbImage.h"

namespace skinart {

TRgbImage PaintProgressBar(const TStylePalette& style, const TArtLayout& layout);
TRgbImage PaintTrackBarBar(const TStylePalette& style, const TArtLayout& layout);
TRgbImage PaintTrackBarSlider(const TStylePalette& style, const TArtLayout& layout);
TRgbImage PaintTrackBarSliderV(const TStylePalette& style, const TArtLayout& layout);

} // namespace skinart
