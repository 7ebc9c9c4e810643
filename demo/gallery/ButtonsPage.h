// The skinned buttons, check boxes and radio buttons: one row per kind, one column per state (normal, pointer
// over, pressed, focused, disabled).
#pragma once

#include "demo/gallery/GalleryPage.h"

extern const TGalleryPage ButtonsPage;
