#include "demo/gallery/GalleryPage.h"

#include "demo/gallery/PlainPage.h"
#include "demo/gallery/ProgressPage.h"

std::span<const TGalleryPage> GalleryPages() {
    static const TGalleryPage Pages[] = {
        PlainPage,
        ProgressPage,
    };
    return Pages;
}
