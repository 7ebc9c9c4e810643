// The pieces of keeping a skinned scroll bar over a control's native one (TvskScrollHost): reading the
// native bar's state, copying it into the skinned bar, laying the skinned bar over the control's edge, and
// which messages may have scrolled the control.
#pragma once

#include "skin/controls/Vskorientation.h"
#include "framework/win/graphics/Geometry.h"

#include <windows.h>

class TvskScrollBar;

// One native scroll bar as the skinned one copies it.
struct TvskNativeBar {
    // Shown and enabled (neither hidden nor unavailable).
    bool Alive = false;
    // The native thumb's length in pixels.
    int ThumbLength = 0;
    // The range of positions the thumb can take: Max is the native range's end less the page.
    int Min = 0;
    int Max = 0;
    int Position = 0;
};

TvskNativeBar ReadNativeBar(HWND Window, TvskProgressBarOrientation Axis);

// Copies Native into Bar. A live bar is enabled, shows its thumb at the native length and is shown when
// Showable; a dead one is disabled and hidden, or (KeepDeadShown) shown without its thumb.
void CopyNativeBar(TvskScrollBar& Bar, const TvskNativeBar& Native, bool Showable, bool KeepDeadShown);

// Whether a host of Host's bounds is thick enough across the axis to hold Bar.
bool HostHoldsBar(const TRect& Host, const TvskScrollBar& Bar, TvskProgressBarOrientation Axis);
// Lays Bar along the right (vertical) or bottom (horizontal) edge inside the host's border, stopping short
// of the other bar's thickness. Host is in the parent's coordinates, as the bar's bounds are.
void PlaceHostedBar(TvskScrollBar& Bar, const TRect& Host, TvskProgressBarOrientation Axis, int OtherThickness);
// The square where both bars of a host meet is the native bars' own corner: covered in the bars' colour
// while both skinned bars show, so that the platform's corner box does not show between them.
void PaintBarsCorner(HWND Host, const TvskScrollBar* Vertical, const TvskScrollBar* Horizontal);
// A bar that leaves its host goes back to a neutral state: no OnChange, a thumb from PageSize, Max 100,
// enabled and with its thumb shown.
void ReleaseHostedBar(TvskScrollBar& Bar);

// Messages after whose handling the control may stand scrolled elsewhere.
bool MayScroll(UINT Msg);
