// What a skinned frame (the skinned form, the skinned MDI parent) does to the window it takes over: takes the
// caption away and gives it back, paints the frame around the client area from its title bar's images, shapes
// the window, and picks the menu band's colour that some file themes ask for.
#pragma once

#include "framework/core/Colors.h"
#include "skin/frame/Vskformborder.h"

#include <windows.h>

class TvskThemeSource;
class TvskTitleBar;

// Sets or clears the window's caption bits and has the system recompute its frame.
void VskSetCaptionBits(HWND Window, bool On);

// Paints the window's frame as Look says, its size taken from the window and the top rows from TitleBar's
// images when it can give them (TitleBar may be null).
void VskPaintWindowFrame(HWND Window, TvskFrameLook Look, const TvskTitleBar* TitleBar);

// Gives the window its shape: rounded top corners of RoundCorner pixels.
void VskShapeWindow(HWND Window, int RoundCorner);

// The colour a file theme gives a dark menu band (it marks those in its control font colour entry), or clNone.
TColor VskThemeMenuBandColor(const TvskThemeSource& Theme);
