#include "tools/skinart/raster/Canvas.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace skinart {

namespace {
// Below this coverage a pixel of a keyed image is left out: a faint rim is better lost than shown
// blended with a colour that is not the one behind it.
constexpr float kKeyThreshold = 0.4f;
constexpr float kByteMax = 255.0f;
} // namespace

TCanvas::TCanvas(int width, int height)
    : FWidth(width), FHeight(height), FPixels(static_cast<std::size_t>(width) * height) {
    if (width < 0 || height < 0) throw std::invalid_argument("negative canvas size");
}

void TCanvas::Over(TPremultiplied& dst, const TPremultiplied& src) {
    const float keep = 1.0f - src.A;
    dst.R = src.R + dst.R * keep;
    dst.G = src.G + dst.G * keep;
    dst.B = src.B + dst.B * keep;
    dst.A = src.A + dst.A * keep;
}

void TCanvas::Fill(const TShape& shape, const TPaint& paint, float opacity) {
    const TBox b = shape.Bounds();
    const int x0 = std::max(0, static_cast<int>(std::floor(b.Left)) - 1);
    const int y0 = std::max(0, static_cast<int>(std::floor(b.Top)) - 1);
    const int x1 = std::min(FWidth, static_cast<int>(std::ceil(b.Right)) + 1);
    const int y1 = std::min(FHeight, static_cast<int>(std::ceil(b.Bottom)) + 1);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const float coverage = shape.Coverage(x, y);
            if (coverage <= 0) continue;
            const TColor c = paint.At({x + 0.5f, y + 0.5f});
            const float a = std::clamp(c.A * coverage * opacity, 0.0f, 1.0f);
            Over(Pixel(x, y), {c.R * a, c.G * a, c.B * a, a});
        }
}

TColor TCanvas::At(int x, int y) const {
    const TPremultiplied& p = Pixel(x, y);
    if (p.A <= 0) return {};
    return {p.R / p.A, p.G / p.A, p.B / p.A, p.A};
}

TRgb TCanvas::Composite(int x, int y, TRgb backdrop) const {
    TPremultiplied out{backdrop.R / kByteMax, backdrop.G / kByteMax, backdrop.B / kByteMax, 1.0f};
    Over(out, Pixel(x, y));
    return ToRgb({out.R, out.G, out.B, 1.0f});
}

TRgbImage TCanvas::FlattenOver(TRgb backdrop) const {
    return FlattenOver(TRgbImage(FWidth, FHeight, backdrop));
}

TRgbImage TCanvas::FlattenOver(const TRgbImage& backdrop) const {
    TRgbImage out(FWidth, FHeight);
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x)
            out.Set(x, y, Composite(x, y, backdrop.At(x, y)));
    return out;
}

TRgbImage TCanvas::FlattenKeyed(TRgb fringe) const {
    return FlattenKeyed(TRgbImage(FWidth, FHeight, fringe));
}

TRgbImage TCanvas::FlattenKeyed(const TRgbImage& fringe) const {
    TRgbImage out(FWidth, FHeight);
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            if (Pixel(x, y).A < kKeyThreshold) {
                out.Set(x, y, KeyColor);
                continue;
            }
            TRgb c = Composite(x, y, fringe.At(x, y));
            if (c == KeyColor) c.G = 1; // a drawn pixel must never read as see-through
            out.Set(x, y, c);
        }
    return out;
}

TRgbaImage TCanvas::ToRgba() const {
    TRgbaImage out{FWidth, FHeight, std::vector<TRgba>(FPixels.size())};
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            const TColor c = At(x, y);
            const TRgb rgb = ToRgb(c);
            const auto alpha = static_cast<std::uint8_t>(std::lround(std::clamp(c.A, 0.0f, 1.0f) * kByteMax));
            out.Pixels[static_cast<std::size_t>(y) * FWidth + x] = {rgb.R, rgb.G, rgb.B, alpha};
        }
    return out;
}

} // namespace skinart
