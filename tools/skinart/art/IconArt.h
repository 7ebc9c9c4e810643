#pragma once
// The program's icon: a green command prompt on a black screen, set in a blue glass tile.

#include "tools/skinart/raster/Canvas.h"

#include <vector>

namespace skinart {

inline constexpr int kMainIconSizes[] = {16, 32, 48};

// The motif drawn into a square box of any size (the banner shows it too).
void DrawAppMotif(TCanvas& canvas, const TBox& box);

// One image per size of kMainIconSizes.
std::vector<TRgbaImage> RenderMainIcon();

} // namespace skinart
