// The skinned scroll bars, list view and memo: horizontal and vertical bars in each state (normal, pointer
// over an arrow, an arrow pressed, the track focused, disabled), then a report list view and a memo, each with
// a vertical and a horizontal skinned bar laid over its native ones and the style's border, and the same pair
// disabled.
#pragma once

#include "demo/gallery/GalleryPage.h"

extern const TGalleryPage ScrollPage;
