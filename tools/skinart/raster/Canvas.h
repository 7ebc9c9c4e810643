#pragma once
// The drawing surface: shapes are composited onto it with their coverage as alpha, and the result is
// flattened into an opaque image over a backdrop, or keyed (pixels hardly covered become the see-through
// colour).

#include "tools/skinart/raster/Paint.h"
#include "tools/skinart/raster/RgbImage.h"
#include "tools/skinart/raster/RgbaImage.h"
#include "tools/skinart/raster/Shape.h"

#include <vector>

namespace skinart {

// How an image is finished: opaque over what the engine paints behind it, or keyed (see FlattenKeyed).
enum class TKeying { Opaque, Keyed };

class TCanvas {
public:
    TCanvas(int width, int height);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

    // Source-over compositing of the paint, weighted by the shape's coverage and the opacity.
    void Fill(const TShape& shape, const TPaint& paint, float opacity = 1.0f);

    // Straight-alpha colour of a pixel.
    TColor At(int x, int y) const;

    TRgbImage FlattenOver(TRgb backdrop) const;
    TRgbImage FlattenOver(const TRgbImage& backdrop) const;
    // Pixels covered less than the key threshold become KeyColor; the rest are composited over the fringe
    // (the colour the engine will show around the image), so that edges never blend towards fuchsia.
    TRgbImage FlattenKeyed(TRgb fringe) const;
    TRgbImage FlattenKeyed(const TRgbImage& fringe) const;
    TRgbImage Flatten(const TRgbImage& behind, TKeying keying) const {
        return keying == TKeying::Keyed ? FlattenKeyed(behind) : FlattenOver(behind);
    }
    TRgbImage Flatten(TRgb behind, TKeying keying) const { return Flatten(TRgbImage(FWidth, FHeight, behind), keying); }
    TRgbaImage ToRgba() const;

private:
    struct TPremultiplied {
        float R = 0;
        float G = 0;
        float B = 0;
        float A = 0;
    };
    TPremultiplied& Pixel(int x, int y) { return FPixels[static_cast<std::size_t>(y) * FWidth + x]; }
    const TPremultiplied& Pixel(int x, int y) const { return FPixels[static_cast<std::size_t>(y) * FWidth + x]; }
    static void Over(TPremultiplied& dst, const TPremultiplied& src);
    TRgb Composite(int x, int y, TRgb backdrop) const;

    int FWidth;
    int FHeight;
    std::vector<TPremultiplied> FPixels;
};

} // namespace skinart
