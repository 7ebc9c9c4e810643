// TCanvasDCScope: a canvas drawing on a DC that belongs to someone else (an owner-draw or custom-draw
// notification's DC) for the length of a scope. The canvas lets go of the DC at the end, and the DC gets
// back its objects, colours and clipping, also when drawing throws.
#pragma once

#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/ScopedGuards.h"

class TCanvasDCScope {
public:
    TCanvasDCScope(TCanvas& Canvas, HDC DC) : FSaved(DC), FCanvas(Canvas) { FCanvas.SetHandle(DC); }
    ~TCanvasDCScope() { FCanvas.SetHandle(nullptr); }
    TCanvasDCScope(const TCanvasDCScope&) = delete;
    TCanvasDCScope& operator=(const TCanvasDCScope&) = delete;

private:
    TSaveDCGuard FSaved;
    TCanvas& FCanvas;
};
