// The page of the skinned main menu: a skinned form whose menu bar shows a skinned main menu, in each style,
// once as it stands and once with its File menu dropped from the keyboard.
#pragma once

#include "demo/gallery/GalleryPage.h"

extern const TGalleryPage MainMenuPage;
