// TvskFaceCache: the faces of a skinned control composed at the control's size, each once. Nine-slicing a strip
// frame and finding the see-through pixels of the result costs many times more than drawing it, and a control
// repaints the same few faces at the same size over and over (hover, press, focus, the repaints of its
// neighbours), so each face is composed when first needed at a size and then only blitted through its mask.
//
// The owner numbers its faces (Slot) and drops them all whenever their source changes: a style application,
// a new picture, a different way of drawing them.
#pragma once

#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/Geometry.h"
#include "framework/win/graphics/HandleOwners.h"

#include <array>
#include <functional>
#include <memory>

class TCanvas;

class TvskFaceCache {
public:
    static constexpr int SlotCount = 8;
    // Draws the face onto a canvas over the rectangle (0, 0, Width, Height): the real, slow drawing.
    using TRender = std::function<void(TCanvas& Canvas, const TRect& Rect)>;

    // Draws face Slot (0 .. SlotCount - 1) into Rect of Canvas exactly as Render would have drawn it there,
    // composing it with Render first when it was not composed at Rect's size yet.
    void Draw(TCanvas& Canvas, const TRect& Rect, int Slot, const TRender& Render);
    void Clear();

private:
    struct TFace {
        std::unique_ptr<TBitmap> Image; // null until composed
        TBitmapHandle Mask;             // white where the destination shows through; null for an opaque face
    };
    static void Compose(TFace& Face, int Width, int Height, const TRender& Render);

    std::array<TFace, SlotCount> FFaces;
    // The DC the masks are selected into while drawn, made at the first masked draw: making a DC on every
    // paint would cost more than the rest of the paint.
    std::unique_ptr<TMemoryDC> FMaskDC;
};
