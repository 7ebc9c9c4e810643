#pragma once
// How the skin engine lays skin pictures onto a control, redone on plain images so that the previews show
// the art as the program will: the nine-slice stretch of button faces, the three-slice stretch of track
// bars, quarter turns, and blits that leave keyed pixels out.

#include "tools/skinart/raster/RgbImage.h"

namespace skinart {

// Copies src onto dst at (x, y), leaving out pixels of the key colour.
void BlitKeyed(TRgbImage& dst, const TRgbImage& src, int x, int y, TRgb key);

// Nine-slice stretch of a face over the whole of `onto`, from the engine's own layout of the pieces (corners
// kept at their size, edges and centre stretched, in the engine's order); fuchsia pixels are left out.
void NineSlice(const TRgbImage& face, TRgbImage& onto);

// Three-slice stretch of a strip (left, middle, right thirds) into the row at (x, y), `width` long; pixels of
// the colour of the strip's top-left pixel are left out.
void ThreeSlice(const TRgbImage& strip, TRgbImage& onto, int x, int y, int width);

// Quarter turns, counter-clockwise and clockwise.
TRgbImage TurnLeft(const TRgbImage& image);
TRgbImage TurnRight(const TRgbImage& image);

} // namespace skinart
