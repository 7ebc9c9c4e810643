#include "tools/skinart/raster/Paint.h"

#include <algorithm>
#include <cmath>

namespace skinart {

TStop Stop(float at, TRgb c, float alpha) {
    return {at, ToColor(c, alpha)};
}

TColor Interpolate(const std::vector<TStop>& stops, float t) {
    if (stops.empty()) return {};
    if (t <= stops.front().At) return stops.front().Color;
    for (std::size_t i = 1; i < stops.size(); ++i) {
        const TStop& a = stops[i - 1];
        const TStop& b = stops[i];
        if (t > b.At) continue;
        const float span = b.At - a.At;
        const float u = span > 0 ? (t - a.At) / span : 1.0f;
        // Mixing premultiplied keeps a fading white from greying through the colour of a transparent stop.
        const float alpha = a.Color.A + (b.Color.A - a.Color.A) * u;
        auto channel = [&](float ca, float cb) {
            const float premul = ca * a.Color.A + (cb * b.Color.A - ca * a.Color.A) * u;
            return alpha > 0 ? premul / alpha : ca + (cb - ca) * u;
        };
        return {channel(a.Color.R, b.Color.R), channel(a.Color.G, b.Color.G), channel(a.Color.B, b.Color.B), alpha};
    }
    return stops.back().Color;
}

TColor TLinearGradient::At(TPoint p) const {
    const float dx = FTo.X - FFrom.X;
    const float dy = FTo.Y - FFrom.Y;
    const float lengthSquared = dx * dx + dy * dy;
    const float t = lengthSquared > 0 ? ((p.X - FFrom.X) * dx + (p.Y - FFrom.Y) * dy) / lengthSquared : 0.0f;
    return Interpolate(FStops, t);
}

TColor TRadialGradient::At(TPoint p) const {
    const float nx = (p.X - FCentre.X) / FRx;
    const float ny = (p.Y - FCentre.Y) / FRy;
    return Interpolate(FStops, std::sqrt(nx * nx + ny * ny));
}

} // namespace skinart
