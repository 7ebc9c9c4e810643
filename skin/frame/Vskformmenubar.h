// The look of a skinned form's menu bar: a tool bar whose buttons are the top-level items of the form's
// menu, drawn in the menu colours of the form's style.
#pragma once

#include "framework/win/controls/ToolBar.h"
#include "skin/themes/Vskthemetables.h"

class TBitmap;
class TvskThemeSource;

// One button: hot or pressed ones framed in the selection colours (MacOS: on the MacOS selection bitmap),
// the others as bare text.
void VskDrawMenuBarButton(TCanvas& Canvas, const TRect& Rect, const std::string& Caption, bool Enabled,
                          TCustomDrawState State, TvskUIStyle UIStyle, const TvskThemeSource& Theme);
// The bar's background: MacOS stretches its menu bar bitmap over it; other styles show the bar's colour.
// Picture is the caller's: the bitmap is read into it at the first MacOS paint and kept for the next ones.
void VskDrawMenuBarBackground(TCanvas& Canvas, const TRect& Rect, TvskUIStyle UIStyle, TBitmap& Picture);
