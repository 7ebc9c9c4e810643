// A bitmap's pixels read and written straight in its memory, so that what a test sets up and what it checks
// never go through the drawing code under test.
#pragma once

#include "framework/core/Colors.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Geometry.h"

// The colour of one pixel as 0x00BBGGRR.
TColor PixelAt(const TBitmap& Bitmap, int X, int Y);
void PutPixel(TBitmap& Bitmap, int X, int Y, TColor Color);
// Every pixel of the bitmap.
void Fill(TBitmap& Bitmap, TColor Color);

// True when every pixel of Rect has Color.
bool AreaIs(const TBitmap& Bitmap, const TRect& Rect, TColor Color);
// True when any pixel of Rect has Color.
bool AreaHas(const TBitmap& Bitmap, const TRect& Rect, TColor Color);
// The largest X of a pixel of Rect with Color, or -1 when there is none.
int RightmostOf(const TBitmap& Bitmap, const TRect& Rect, TColor Color);
// The smallest rectangle holding every pixel that is not Background (empty when there is none).
TRect InkBounds(const TBitmap& Bitmap, TColor Background);
// The smallest rectangle holding every pixel of Color (empty when there is none).
TRect ColorBounds(const TBitmap& Bitmap, TColor Color);
// True when Area of A holds the same pixels as B from its top-left corner.
bool SameArea(const TBitmap& A, const TRect& Area, const TBitmap& B);
// True when two bitmaps of one size hold the same pixels.
bool SameImages(const TBitmap& A, const TBitmap& B);
