// The page every style starts with: the drawing helpers' look of a style's basic strips, until the skinned
// components have pages of their own.
#pragma once

#include "demo/gallery/GalleryPage.h"

extern const TGalleryPage PlainPage;
