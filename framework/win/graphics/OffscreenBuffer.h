// TOffscreenBuffer: the off-screen half of flicker-free painting. Everything is drawn on DC() first, then
// CopyTo puts it on the target in one BitBlt, so the screen never shows a half-painted state and nothing
// needs to erase the background separately. The memory DC and its bitmap are owned and counted, and the
// bitmap is selected out again before either is deleted.
#pragma once

#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/HandleOwners.h"
#include "framework/win/graphics/ScopedGuards.h"

#include <optional>

class TOffscreenBuffer {
public:
    // A Width x Height bitmap compatible with Reference (the screen when null). Sizes below 1 are taken as
    // 1, so a control of no size still has a DC to paint on.
    TOffscreenBuffer(HDC Reference, int Width, int Height);
    TOffscreenBuffer(const TOffscreenBuffer&) = delete;
    TOffscreenBuffer& operator=(const TOffscreenBuffer&) = delete;

    HDC DC() const { return FDC.Handle(); }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Whether a buffer asked for as Width x Height would be this one's size.
    bool Fits(int Width, int Height) const;
    // The whole buffer onto Target with its top-left corner at (X, Y).
    void CopyTo(HDC Target, int X = 0, int Y = 0) const;
    // Area of the buffer onto the same area of Target.
    void CopyAreaTo(HDC Target, const RECT& Area) const;

private:
    int FWidth;
    int FHeight;
    TMemoryDC FDC;
    TBitmapHandle FBitmap;
    std::optional<TSelectObjectGuard> FSelected;
};
