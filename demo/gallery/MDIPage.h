// The page of the skinned MDI parent frame: a frame with a skinned main menu and three skinned children, in
// each style, once cascaded and once with the active child maximized, its control buttons in the menu band.
#pragma once

#include "demo/gallery/GalleryPage.h"

extern const TGalleryPage MDIPage;
