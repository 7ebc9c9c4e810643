#include "demo/gallery/GalleryPage.h"

#include "demo/gallery/ButtonsPage.h"
#include "demo/gallery/FramePage.h"
#include "demo/gallery/GroupsPage.h"
#include "demo/gallery/MDIPage.h"
#include "demo/gallery/MainMenuPage.h"
#include "demo/gallery/PanelsPage.h"
#include "demo/gallery/PlainPage.h"
#include "demo/gallery/ProgressPage.h"
#include "demo/gallery/ScrollPage.h"

std::span<const TGalleryPage> GalleryPages() {
    static const TGalleryPage Pages[] = {
        PlainPage, FramePage, ButtonsPage, PanelsPage, ProgressPage, GroupsPage, ScrollPage, MainMenuPage, MDIPage,
    };
    return Pages;
}
