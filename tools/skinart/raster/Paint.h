#pragma once
// What a shape is filled with: a colour that may vary over the plane.

#include "tools/skinart/raster/Geometry.h"
#include "tools/skinart/raster/Rgb.h"

#include <vector>

namespace skinart {

class TPaint {
public:
    virtual ~TPaint() = default;
    virtual TColor At(TPoint p) const = 0;
};

class TSolid : public TPaint {
public:
    explicit TSolid(TRgb c, float alpha = 1.0f) : FColor(ToColor(c, alpha)) {}
    TColor At(TPoint) const override { return FColor; }

private:
    TColor FColor;
};

// One colour of a gradient, at a position 0..1 along it.
struct TStop {
    float At = 0;
    TColor Color;
};

TStop Stop(float at, TRgb c, float alpha = 1.0f);

// Interpolates the stops (sorted by position) at t; clamps outside 0..1.
TColor Interpolate(const std::vector<TStop>& stops, float t);

// Along the line from `from` to `to`, constant across it.
class TLinearGradient : public TPaint {
public:
    TLinearGradient(TPoint from, TPoint to, std::vector<TStop> stops)
        : FFrom(from), FTo(to), FStops(std::move(stops)) {}
    TColor At(TPoint p) const override;

    // The common case: top to bottom of a box.
    static TLinearGradient Vertical(const TBox& box, std::vector<TStop> stops) {
        return TLinearGradient({box.Left, box.Top}, {box.Left, box.Bottom}, std::move(stops));
    }
    static TLinearGradient Horizontal(const TBox& box, std::vector<TStop> stops) {
        return TLinearGradient({box.Left, box.Top}, {box.Right, box.Top}, std::move(stops));
    }

private:
    TPoint FFrom;
    TPoint FTo;
    std::vector<TStop> FStops;
};

// From the centre (position 0) out to the ellipse of radii rx, ry (position 1).
class TRadialGradient : public TPaint {
public:
    TRadialGradient(TPoint centre, float rx, float ry, std::vector<TStop> stops)
        : FCentre(centre), FRx(rx), FRy(ry), FStops(std::move(stops)) {}
    TColor At(TPoint p) const override;

private:
    TPoint FCentre;
    float FRx;
    float FRy;
    std::vector<TStop> FStops;
};

} // namespace skinart
