// TvskBackdrop: what lies behind a see-through control, kept between paints. Painting it means the parent
// painting itself under the control (DoTrans), which under a skinned panel costs as much as the rest of a
// button's paint. A control
// that repaints only because its own state changed (pointer over, held, focused) shows the same backdrop as
// the paint before, since the screen under it still holds what the parent painted then; any other paint, and
// any change of the control's place, size or parent colour, takes the backdrop afresh.
#pragma once

#include "framework/core/Colors.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Geometry.h"

class TCanvas;
class TControl;
class TWinControl;

class TvskBackdrop {
public:
    // In the paint buffers' 32 bits per pixel, so that drawing it is a plain copy.
    TvskBackdrop() { FImage.SetPixelFormat(pf32bit); }

    // Draws the backdrop of Control over its client area of Canvas.
    void Draw(TCanvas& Canvas, const TControl& Control);
    // The next paint is for the control's own state only: it may reuse the backdrop.
    void KeepForNextPaint() { FKeep = true; }
    // The next paint takes the backdrop afresh.
    void Drop() { FKeep = false; }

private:
    struct TKey {
        const TWinControl* Parent = nullptr;
        TRect Bounds;
        TColor ParentColor = clNone;
        bool operator==(const TKey&) const = default;
    };
    static TKey KeyOf(const TControl& Control);

    TBitmap FImage;
    TKey FKey;
    bool FKeep = false;
};
