#include "tools/skinart/preview/PreviewSheet.h"

#include "tools/skinart/raster/StrokeFont.h"

#include <algorithm>
#include <cmath>

namespace skinart {

namespace {
constexpr TRgb kSheetColor = Hex(0x808890);
constexpr TRgb kLabelColor = Hex(0xFFFFFF);
constexpr TRgb kHeadingColor = Hex(0xFFF0A0);
constexpr TRgb kCheckerLight = Hex(0xFFFFFF);
constexpr TRgb kCheckerDark = Hex(0xCCCCCC);
constexpr int kCheckerCell = 4;
constexpr int kGap = 10;
constexpr int kLabelHeight = 14;
constexpr float kHeadingUnit = 2.0f;
constexpr int kHeadingHeight = 28;
constexpr int kHeadingDrop = 4;
constexpr float kLabelHalfPen = 0.55f;
constexpr float kLabelSpacing = 1.4f;
// Room around a label's ink: a pixel each side, and the descenders below the baseline.
constexpr int kLabelPadding = 2;
constexpr float kDescentUnits = 3.0f;
} // namespace

namespace {
TTextStyle LabelStyle(float unit) {
    return {unit, kLabelHalfPen * unit, kLabelSpacing};
}
} // namespace

int LabelWidth(std::string_view text, float unit) {
    return static_cast<int>(std::ceil(TextWidth(text, LabelStyle(unit)))) + kLabelPadding;
}

void DrawLabel(TRgbImage& onto, std::string_view text, int x, int y, TRgb color, float unit) {
    const TTextStyle style = LabelStyle(unit);
    const int width = LabelWidth(text, unit);
    const int height = static_cast<int>(std::ceil((kFontCapHeight + kDescentUnits) * unit)) + kLabelPadding;
    TCanvas canvas(width, height);
    DrawText(canvas, text, {1, 1}, style, TSolid(color));
    onto.Blit(canvas.FlattenOver(onto.Crop(x, y, width, height)), x, y);
}

TRgbImage Magnified(const TRgbImage& picture, int factor) {
    TRgbImage out = picture.Scaled(factor);
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x)
            if (out.At(x, y) == KeyColor)
                out.Set(x, y, (x / kCheckerCell + y / kCheckerCell) % 2 ? kCheckerDark : kCheckerLight);
    return out;
}

void TPreviewSheet::Heading(std::string_view text) {
    FBlocks.push_back({std::string(text), {}});
}

void TPreviewSheet::Add(std::string_view label, const TRgbImage& picture) {
    FBlocks.push_back({std::string(label), picture});
}

TRgbImage TPreviewSheet::Compose() const {
    struct TPlaced {
        const TBlock* Block;
        int X;
        int Y;
    };
    std::vector<TPlaced> placed;
    int x = kGap;
    int y = kGap;
    int rowHeight = 0;
    auto newRow = [&] {
        y += rowHeight + (rowHeight ? kGap : 0);
        x = kGap;
        rowHeight = 0;
    };
    for (const TBlock& block : FBlocks) {
        if (block.Picture.Empty()) {
            newRow();
            placed.push_back({&block, x, y});
            rowHeight = kHeadingHeight;
            newRow();
            continue;
        }
        const int w = std::max(block.Picture.Width(), LabelWidth(block.Label));
        if (x > kGap && x + w > FWidth - kGap) newRow();
        placed.push_back({&block, x, y});
        rowHeight = std::max(rowHeight, block.Picture.Height() + kLabelHeight);
        x += w + kGap;
    }
    newRow();
    TRgbImage sheet(FWidth, y, kSheetColor);
    for (const TPlaced& p : placed) {
        if (p.Block->Picture.Empty()) {
            DrawLabel(sheet, p.Block->Label, p.X, p.Y + kHeadingDrop, kHeadingColor, kHeadingUnit);
            continue;
        }
        DrawLabel(sheet, p.Block->Label, p.X, p.Y, kLabelColor);
        sheet.Blit(p.Block->Picture, p.X, p.Y + kLabelHeight);
    }
    return sheet;
}

} // namespace skinart
