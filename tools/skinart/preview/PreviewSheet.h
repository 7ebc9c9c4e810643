#pragma once
// A contact sheet: labelled pictures laid out in rows, with headings, composed into one image.

#include "tools/skinart/raster/RgbImage.h"

#include <string>
#include <string_view>
#include <vector>

namespace skinart {

class TPreviewSheet {
public:
    explicit TPreviewSheet(int width) : FWidth(width) {}

    void Heading(std::string_view text);
    // Flows left to right; a picture that does not fit starts a new row.
    void Add(std::string_view label, const TRgbImage& picture);
    TRgbImage Compose() const;

private:
    struct TBlock {
        std::string Label;
        TRgbImage Picture; // empty for a heading
    };
    int FWidth;
    std::vector<TBlock> FBlocks;
};

// Scaled up, with see-through pixels shown as a checkerboard.
TRgbImage Magnified(const TRgbImage& picture, int factor);

// Pixels the text takes with DrawLabel.
int LabelWidth(std::string_view text, float unit = 1.0f);

// Draws text onto an image with the small line font, the top of its capitals at y.
void DrawLabel(TRgbImage& onto, std::string_view text, int x, int y, TRgb color, float unit = 1.0f);

} // namespace skinart
