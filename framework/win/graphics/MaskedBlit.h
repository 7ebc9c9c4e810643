// Masked drawing with plain BitBlt raster operations, without msimg32 (no TransparentBlt or AlphaBlend).
//
// A mask is a monochrome bitmap: white where the destination is to be kept, black where the image (or a colour)
// is painted. The raster operations below touch nothing under a white mask pixel, so see-through pixels are
// exact, also when stretched: the image and its mask are stretched with the same nearest-pixel sampling.
#pragma once

#include "framework/win/graphics/Geometry.h"
#include "framework/win/graphics/HandleOwners.h"

#include <functional>

// Says whether the destination is kept at (X, Y) of the image.
using TMaskPredicate = std::function<bool(int X, int Y)>;

// A Width x Height monochrome bitmap, white where Keep says so.
TBitmapHandle CreateMaskBitmap(int Width, int Height, const TMaskPredicate& Keep);

// Draws SourceRect of Source into DestRect of Dest, stretched to the nearest pixel when the sizes differ, except
// where the mask is white. The mask is the area of MaskDC of SourceRect's size at MaskOrigin.
void MaskedStretchBlt(HDC Dest, const TRect& DestRect, HDC Source, const TRect& SourceRect, HDC MaskDC,
                      const TPoint& MaskOrigin);
