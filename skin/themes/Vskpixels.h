// Pixel-level building blocks of the drawing helpers: exact copies between bitmaps and reading one pixel.
#pragma once

#include "framework/win/graphics/Geometry.h"

class TBitmap;

// Copies SourceRect of Source into DestRect of Dest, nearest pixel when the sizes differ (no smoothing:
// skin images must keep their fuchsia pixels exactly fuchsia).
void CopyBitmapRect(TBitmap& Dest, const TRect& DestRect, const TBitmap& Source, const TRect& SourceRect);

// The colour of pixel (X, Y) as 0x00BBGGRR, read from the pixel memory.
COLORREF BitmapPixel(const TBitmap& Bmp, int X, int Y);
