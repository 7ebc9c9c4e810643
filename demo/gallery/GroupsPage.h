// The page of the group boxes and button groups: a group box holding skinned controls, a check group in two
// columns, a radio group, a disabled group box and one with no caption, in each style.
#pragma once

#include "demo/gallery/GalleryPage.h"

extern const TGalleryPage GroupsPage;
