// TvskBufferedCanvas: the one paint path of the skinned controls. A control draws its whole look on the
// canvas Begin gives and CopyTo puts it on the screen in one BitBlt, so nothing is ever seen half drawn and
// no background needs erasing first (the controls answer WM_ERASEBKGND with nothing).
//
// Each control keeps one: the off-screen bitmap and its DC live from paint to paint and are made anew only
// when the control's size changes, since making them costs far more than a whole paint of a button.
#pragma once

#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/OffscreenBuffer.h"

#include <memory>

class TvskBufferedCanvas {
public:
    TvskBufferedCanvas() = default;
    ~TvskBufferedCanvas() { FCanvas.SetHandle(nullptr); }
    TvskBufferedCanvas(const TvskBufferedCanvas&) = delete;
    TvskBufferedCanvas& operator=(const TvskBufferedCanvas&) = delete;

    // The canvas of a Width x Height buffer compatible with Target's DC, for a paint that ends with CopyTo.
    TCanvas& Begin(TCanvas& Target, int Width, int Height);
    void CopyTo(TCanvas& Target) const;
    // Lets go of the buffer (a control whose window is gone).
    void Release();
    // Gives the canvas the look of Font through the font's own setters, which keep the GDI font when nothing
    // changes: realizing a font anew on every paint would cost more than the rest of the paint.
    static void UseFont(TCanvas& Canvas, const TFont& Font);

private:
    std::unique_ptr<TOffscreenBuffer> FBuffer;
    TCanvas FCanvas; // on FBuffer's DC while there is one
};
