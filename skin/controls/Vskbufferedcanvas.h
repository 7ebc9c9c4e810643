// TvskBufferedCanvas: the one paint path of the skinned controls. A control draws its whole look on Canvas()
// and CopyTo puts it on the screen in one BitBlt, so nothing is ever seen half drawn and no background needs
// erasing first (the controls answer WM_ERASEBKGND with nothing). The buffer is compatible with the target DC.
#pragma once

#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/OffscreenBuffer.h"

class TvskBufferedCanvas {
public:
    TvskBufferedCanvas(TCanvas& Target, int Width, int Height)
        : FTarget(Target), FBuffer(Target.Handle(), Width, Height) {
        FCanvas.SetHandle(FBuffer.DC());
    }
    // The canvas lets go of the buffer's DC (and gives it back its objects) before the buffer is deleted.
    ~TvskBufferedCanvas() { FCanvas.SetHandle(nullptr); }
    TvskBufferedCanvas(const TvskBufferedCanvas&) = delete;
    TvskBufferedCanvas& operator=(const TvskBufferedCanvas&) = delete;

    TCanvas& Canvas() { return FCanvas; }
    void CopyTo() { FBuffer.CopyTo(FTarget.Handle()); }

private:
    TCanvas& FTarget;
    TOffscreenBuffer FBuffer;
    TCanvas FCanvas;
};
