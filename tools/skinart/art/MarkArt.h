#pragma once
// Check marks: check boxes and check-list boxes (opaque squares), radio buttons (round, see-through around
// the circle), each as four frames: checked, unchecked, checked disabled, unchecked disabled; and the menu's
// check mark on white, the colour the menu masks out.

#include "tools/skinart/art/ArtSizes.h"
#include "tools/skinart/raster/RgbImage.h"

namespace skinart {

TRgbImage PaintCheckBox(const TStylePalette& style, const TArtLayout& layout);
TRgbImage PaintRadioButton(const TStylePalette& style, const TArtLayout& layout);
TRgbImage PaintMenuCheck(const TStylePalette& style, const TArtLayout& layout);

} // namespace skinart
