// The painting of skinned menu items, shared by the skinned pop-up menu, the title bar's system menu and
// the skinned main menu: small stateless functions that draw one piece of an item on a canvas. The MacOS
// pieces are cut from the MacOS menu bitmaps, which are loaded for the call and freed before it returns.
#pragma once

#include "framework/core/Colors.h"
#include "framework/win/graphics/Geometry.h"
#include "framework/win/menus/MenuItem.h"

#include <windows.h>

class TCanvas;
class TFont;

// Points Item's measure and draw events, and those of every item below it, at the given handlers.
void Menu_SetItemEvent(TMenuItem& Item, const TMenuMeasureItemEvent& Measure, const TMenuDrawItemEvent& Draw);

void Menu_DrawBackGround(TCanvas& Canvas, const TRect& Rect, TColor Color);
// A one-pixel frame just inside Rect.
void Menu_DrawBorder(TCanvas& Canvas, const TRect& Rect, TColor Color);
// A separator: a one-pixel line two rows below the item's top, from just right of the left bar to two pixels
// before the item's right edge.
void Menu_DrawLineItem(TCanvas& Canvas, const TRect& Rect, TColor Color, int BarWidth);
void Menu_DrawMacOSLineItem(TCanvas& Canvas, const TRect& Rect);
void Menu_DrawMacOSSelectedItem(TCanvas& Canvas, const TRect& Rect);
void Menu_DrawMacOSNonSelectedItem(TCanvas& Canvas, const TRect& Rect);

// A flat frame around the menu's window, drawn on the screen over the system's three-dimensional one: an
// OuterColor frame, a white one inside it, and the bottom and right edges in LineColor.
void Menu_DrawWindowBorder(HWND Window, TColor OuterColor, TColor LineColor);

// Font becomes the system's menu font in the menu text colour; when the system cannot say which font that
// is, Font stays as it was and the result is false.
bool Menu_GetSystemFont(TFont& Font);
