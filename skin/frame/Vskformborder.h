// The drawing of a skinned form's window frame and the shape of its window. The form hands over what it
// knows (sizes, colours, the title images); these functions hold no state.
#pragma once

#include "framework/core/Colors.h"
#include "framework/win/graphics/HandleOwners.h"

class TBitmap;
class TCanvas;

struct TvskFrameLook {
    int Width = 0; // of the whole window
    int Height = 0;
    int BorderWidth = 1;
    TColor BorderColor = clBlack;
    TColor Color = clWhite; // the panel's, which the frame inside the border continues
    bool TitleVisible = true;
    int TitleHeight = 0; // of the title bar control, visible or not
    // The title images, when the title bar can give all three (and its frame shows them).
    const TBitmap* Left = nullptr;
    const TBitmap* Right = nullptr;
    const TBitmap* Center = nullptr;
    int RoundCorner = 0;
    bool MenuBarVisible = false;
    int MenuBarHeight = 0;
    TColor MenuBarColor = clWhite;
};

// The frame a caption-less window keeps on each side, which the skinned form paints.
inline constexpr int VskFrameSize = 3;
// Only this corner radius, with a one-pixel border, has its rounded corners outlined.
inline constexpr int VskOutlinedCorner = 11;
// From this border width on the border covers the whole frame: no inner ring, no title images in it.
inline constexpr int VskFullBorderWidth = 4;

// Paints the frame around the window's client area on a canvas of the whole window: the border on the left,
// right and bottom, the ring of the panel's colour inside it, and the top rows from the title images, so
// that these seem to start at the window's outer edge (window column x shows column x of the left image,
// the right image ends at the right edge).
void VskPaintFormFrame(TCanvas& Canvas, const TvskFrameLook& Look);

// The window's shape: rounded top corners of RoundCorner pixels, square bottom corners.
TRegionHandle VskFormRegion(int Width, int Height, int RoundCorner);
