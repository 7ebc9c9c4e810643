// The skinned window frame in each style: a skinned form with its title bar and a menu bar, and its
// skinned pop-up menu opened as a right click would open it.
#pragma once

#include "demo/gallery/GalleryPage.h"

extern const TGalleryPage FramePage;
