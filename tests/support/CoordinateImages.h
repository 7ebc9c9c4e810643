// Coordinate images give every pixel a colour that says where it is, so that a drawing test can tell exactly
// which source pixel landed on each destination pixel.
#pragma once

#include "framework/core/Colors.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Geometry.h"

#include <optional>

// Blue component of every coordinate colour; no background colour of the tests uses it.
inline constexpr int CoordinateBlue = 0x40;
// The background the drawing tests draw on.
inline constexpr TColor Background = RGB(0, 0, 0xC0);

// A Width x Height image (at most 256 x 256) whose pixel (X, Y) is RGB(X, Y, CoordinateBlue).
TBitmap& MakeCoordinateImage(TBitmap& Bitmap, int Width, int Height);
// The source position a coordinate colour names; nothing for any other colour.
std::optional<TPoint> SourceOf(TColor Color);
