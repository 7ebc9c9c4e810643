// Where a skinned MDI parent frame puts its children when it cascades or tiles them: stateless geometry
// over the children in the MDI's order (index 0 first) and the size of the area they share.
#pragma once

#include "framework/win/graphics/Geometry.h"

#include <vector>

struct TvskMDIChildPlace {
    int Index;   // in the children's order
    TRect Bounds; // in the MDI client's coordinates
};

// From the last child to the first, minimized ones left where they are: each 80 % as wide and 60 % as high as
// the area, the last at (0, 0) and every earlier one 22 pixels further right and down.
std::vector<TvskMDIChildPlace> VskCascadePlaces(const std::vector<bool>& Minimized, int AreaWidth, int AreaHeight);

// From the last child to the first, minimized ones left where they are: side by side (Vertical) or one above
// the other, each sharing the area evenly less a 2-pixel gap; with a minimized child the row of icons at the
// bottom keeps 25 pixels free.
std::vector<TvskMDIChildPlace> VskTilePlaces(const std::vector<bool>& Minimized, int AreaWidth, int AreaHeight,
                                             bool Vertical);
