#pragma once
// The small symbols drawn on faces: caption-button glyphs, arrows, check marks, chevrons.

#include "tools/skinart/raster/Canvas.h"

namespace skinart {

// In the order of the title-button strip, which holds three states of each.
enum class TCaptionGlyph { ControlBox, Help, Maximise, Restore, Minimise, Close };
inline constexpr TCaptionGlyph kCaptionGlyphs[] = {TCaptionGlyph::ControlBox, TCaptionGlyph::Help,
                                                   TCaptionGlyph::Maximise,   TCaptionGlyph::Restore,
                                                   TCaptionGlyph::Minimise,   TCaptionGlyph::Close};

// Draws the glyph centred in a square frame, sized to it.
void DrawCaptionGlyph(TCanvas& canvas, TCaptionGlyph glyph, const TBox& frame, const TPaint& paint);

enum class TArrow { Up, Down, Left, Right };

// A filled triangle pointing its way, `size` wide across its base.
void DrawArrow(TCanvas& canvas, TArrow arrow, TPoint centre, float size, const TPaint& paint);

// A tick fitted into the box.
void DrawCheckMark(TCanvas& canvas, const TBox& box, float halfWidth, const TPaint& paint);

// An open arrow head (^ or v), `size` wide.
void DrawChevron(TCanvas& canvas, bool up, TPoint centre, float size, float halfWidth, const TPaint& paint);

} // namespace skinart
