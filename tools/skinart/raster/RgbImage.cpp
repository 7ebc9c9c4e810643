#include "tools/skinart/raster/RgbImage.h"

#include <algorithm>
#include <stdexcept>

namespace skinart {

TRgbImage::TRgbImage(int width, int height, TRgb fill)
    : FWidth(width), FHeight(height), FPixels(static_cast<std::size_t>(width) * height, fill) {
    if (width < 0 || height < 0) throw std::invalid_argument("negative image size");
}

void TRgbImage::Fill(TRgb c) {
    std::fill(FPixels.begin(), FPixels.end(), c);
}

void TRgbImage::FillRect(int left, int top, int right, int bottom, TRgb c) {
    for (int y = std::max(top, 0); y < std::min(bottom, FHeight); ++y)
        for (int x = std::max(left, 0); x < std::min(right, FWidth); ++x)
            Set(x, y, c);
}

void TRgbImage::Blit(const TRgbImage& src, int x, int y) {
    for (int sy = 0; sy < src.Height(); ++sy) {
        const int dy = y + sy;
        if (dy < 0 || dy >= FHeight) continue;
        for (int sx = 0; sx < src.Width(); ++sx) {
            const int dx = x + sx;
            if (dx >= 0 && dx < FWidth) Set(dx, dy, src.At(sx, sy));
        }
    }
}

TRgbImage TRgbImage::Crop(int left, int top, int width, int height) const {
    TRgbImage out(width, height);
    out.Blit(*this, -left, -top);
    return out;
}

TRgbImage TRgbImage::Stretched(int width, int height) const {
    TRgbImage out(width, height);
    if (Empty()) return out;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            out.Set(x, y, At(x * FWidth / width, y * FHeight / height));
    return out;
}

TRgbImage TRgbImage::Frame(int count, int index) const {
    const int w = FWidth / count;
    return Crop(w * index, 0, w, FHeight);
}

TRgbImage TRgbImage::Join(const std::vector<TRgbImage>& frames) {
    int width = 0;
    const int height = frames.empty() ? 0 : frames.front().Height();
    for (const TRgbImage& f : frames) {
        if (f.Height() != height) throw std::invalid_argument("frames of one strip differ in height");
        width += f.Width();
    }
    TRgbImage out(width, height);
    int x = 0;
    for (const TRgbImage& f : frames) {
        out.Blit(f, x, 0);
        x += f.Width();
    }
    return out;
}

} // namespace skinart
