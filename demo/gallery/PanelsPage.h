// The skinned panels and the status bar: a collapsible panel expanded (its button lit under the pointer),
// collapsed and disabled, image panels drawing a picture plain, stretched and tiled, and the status bar with its
// grip at the bottom.
#pragma once

#include "demo/gallery/GalleryPage.h"

extern const TGalleryPage PanelsPage;
