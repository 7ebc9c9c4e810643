// The page of the progress bar and the pop-up notification: horizontal and vertical bars at several
// positions in each style, and a button that pops the notification (shown in one extra picture).
#pragma once

#include "demo/gallery/GalleryPage.h"

extern const TGalleryPage ProgressPage;
