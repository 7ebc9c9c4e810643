#pragma once
// A small line font of our own for the banner, the help glyph and the labels of the preview sheets.
// Glyphs are centre lines on a grid: capitals run from y = 0 to the baseline y = 8, the x-height is at
// y = 3 and descenders reach y = 10. Drawn with round pens, so the pen width sets the weight.

#include "tools/skinart/raster/Canvas.h"

#include <string_view>
#include <vector>

namespace skinart {

inline constexpr float kFontCapHeight = 8.0f;

struct TTextStyle {
    float Unit = 1.0f;      // pixels per grid unit
    float HalfWidth = 0.6f; // half the pen width, in pixels
    float Spacing = 1.4f;   // gap between two glyphs' ink, in grid units
};

// Width in pixels of the text's ink plus the gaps between glyphs.
float TextWidth(std::string_view text, const TTextStyle& style);

// One stroke shape per glyph, with the top of the capitals at origin.Y and the text starting at origin.X.
// Characters the font does not know are laid out as blanks.
std::vector<TStroke> LayoutText(std::string_view text, TPoint origin, const TTextStyle& style);

void DrawText(TCanvas& canvas, std::string_view text, TPoint origin, const TTextStyle& style, const TPaint& paint);

} // namespace skinart
