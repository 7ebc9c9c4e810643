#pragma once
// Controls put together from a style's pictures the way the skin engine draws them.

#include "tools/skinart/art/Gel.h"
#include "tools/skinart/art/StylePalette.h"
#include "tools/skinart/raster/RgbImage.h"

namespace skinart {

TRgbImage ButtonScene(const TStylePalette& style, int width, int height, TState state);
TRgbImage TitleScene(const TStylePalette& style, int width, TState state);
TRgbImage ScrollBarScene(const TStylePalette& style);
TRgbImage BarScene(const TStylePalette& style);
TRgbImage PanelScene(const TStylePalette& style);

} // namespace skinart
