#include "tools/skinart/raster/Rgb.h"

#include <algorithm>
#include <cmath>

namespace skinart {

namespace {
constexpr float kChannelMax = 255.0f;

std::uint8_t ToByte(float v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * kChannelMax));
}
} // namespace

TColor ToColor(TRgb c, float alpha) {
    return {c.R / kChannelMax, c.G / kChannelMax, c.B / kChannelMax, alpha};
}

TRgb ToRgb(const TColor& c) {
    return {ToByte(c.R), ToByte(c.G), ToByte(c.B)};
}

TRgb Mix(TRgb a, TRgb b, float t) {
    const TColor x = ToColor(a);
    const TColor y = ToColor(b);
    return ToRgb({x.R + (y.R - x.R) * t, x.G + (y.G - x.G) * t, x.B + (y.B - x.B) * t, 1.0f});
}

float Luminance(TRgb c) {
    return (0.299f * c.R + 0.587f * c.G + 0.114f * c.B) / kChannelMax;
}

} // namespace skinart
