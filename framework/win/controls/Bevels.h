// The raised and lowered edges of panels: Frame3D draws Width one-pixel rings inside Rect, the top and left
// sides in TopColor and the bottom and right sides in BottomColor, and shrinks Rect by what it drew.
#pragma once

#include "framework/core/Colors.h"
#include "framework/win/graphics/Geometry.h"

#include <cstdint>

class TCanvas;
struct TEnumInfo;

enum TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
using TPanelBevel = TBevelCut;
extern const TEnumInfo TBevelCutInfo;

void Frame3D(TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);
