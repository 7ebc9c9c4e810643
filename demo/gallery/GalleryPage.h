// A page of the skin gallery: one window per built-in style, filled with the skinned components the page
// shows. Each page lives in a file of its own and is listed once in GalleryPages.cpp.
#pragma once

#include "skin/themes/Vskthemetables.h"

#include <span>

class TForm;

struct TGalleryPage {
    const char* Name; // the screenshots are <Name>-<Style>.bmp
    int ClientWidth;
    int ClientHeight;
    // Fills Form, already sized, with the page's components in Style.
    void (*Build)(TForm& Form, TvskUIStyle Style);
    // Runs while the window is on the screen, before the picture is taken (opening a menu, hovering a
    // button); may take extra pictures through Shoot. Null when the page has nothing to do.
    void (*Pose)(TForm& Form, TvskUIStyle Style, void (*Shoot)(TForm& Form, const char* Suffix));
};

std::span<const TGalleryPage> GalleryPages();
