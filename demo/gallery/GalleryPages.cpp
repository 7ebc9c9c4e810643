#include "demo/gallery/GalleryPage.h"

#include "demo/gallery/FramePage.h"
#include "demo/gallery/PlainPage.h"

std::span<const TGalleryPage> GalleryPages() {
    static const TGalleryPage Pages[] = {
        PlainPage,
        FramePage,
    };
    return Pages;
}
