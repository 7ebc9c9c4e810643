#pragma once
// Small buttons that do not follow a style: the panel's collapse button (four frames: expanded normal and
// hover, collapsed normal and hover) and the MDI frame's child-window buttons (minimise, restore, close).

#include "tools/skinart/art/ArtSizes.h"
#include "tools/skinart/raster/RgbImage.h"

namespace skinart {

TRgbImage PaintPanelButton(const TStylePalette& style, const TArtLayout& layout);
TRgbImage PaintMdiButtons(const TStylePalette& style, const TArtLayout& layout);

} // namespace skinart
