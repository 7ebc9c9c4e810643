#pragma once
// An opaque picture: what a bitmap resource holds, and what previews are assembled from.

#include "tools/skinart/raster/Rgb.h"

#include <vector>

namespace skinart {

class TRgbImage {
public:
    TRgbImage() = default;
    TRgbImage(int width, int height, TRgb fill = {});

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Empty() const { return FWidth == 0 || FHeight == 0; }

    TRgb At(int x, int y) const { return FPixels[Index(x, y)]; }
    void Set(int x, int y, TRgb c) { FPixels[Index(x, y)] = c; }
    void Fill(TRgb c);
    void FillRect(int left, int top, int right, int bottom, TRgb c);

    // Copies src with its top-left corner at (x, y); what falls outside is dropped.
    void Blit(const TRgbImage& src, int x, int y);
    TRgbImage Crop(int left, int top, int width, int height) const;
    // Nearest-neighbour resize, as the platform's stretching blit does for skin pieces.
    TRgbImage Stretched(int width, int height) const;
    TRgbImage Scaled(int factor) const { return Stretched(FWidth * factor, FHeight * factor); }

    // Frame index (0-based) of a strip of count equal-width frames.
    TRgbImage Frame(int count, int index) const;
    // Lays the images side by side; they must share one height.
    static TRgbImage Join(const std::vector<TRgbImage>& frames);

    friend bool operator==(const TRgbImage&, const TRgbImage&) = default;

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * FWidth + x; }

    int FWidth = 0;
    int FHeight = 0;
    std::vector<TRgb> FPixels;
};

} // namespace skinart
