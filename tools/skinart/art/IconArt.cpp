#include "tools/skinart/art/IconArt.h"

#include "tools/skinart/art/Gel.h"
#include "tools/skinart/art/StylePalette.h"

#include <algorithm>
#include <span>

namespace skinart {

namespace {
// Proportions of the motif, as shares of the tile's side.
constexpr float kTileMargin = 0.03f;
constexpr float kTileRadius = 0.2f;
constexpr float kScreenSide = 0.15f;
constexpr float kScreenTop = 0.2f;
constexpr float kScreenBottom = 0.22f;
constexpr float kScreenRadius = 0.05f;
constexpr float kPromptPen = 0.05f;
constexpr float kMinPromptHalfPen = 0.65f;
// The prompt "> _", as shares of the screen.
constexpr TPoint kPromptChevron[] = {{0.16f, 0.26f}, {0.42f, 0.5f}, {0.16f, 0.74f}};
constexpr TPoint kPromptCursor[] = {{0.54f, 0.74f}, {0.84f, 0.74f}};
constexpr TRgb kScreen = Hex(0x0A0E12);
constexpr TRgb kScreenRim = Hex(0x0A1E46);
constexpr TRgb kPrompt = Hex(0x50FF78);
} // namespace

void DrawAppMotif(TCanvas& canvas, const TBox& box) {
    const float side = box.Width();
    const TBox tile = box.Inset(side * kTileMargin);
    PaintGel(canvas, tile, TCorners::All(side * kTileRadius),
             MakeLook(Palette(TStyleId::BlueGlass).Button, TState::Normal));
    const TBox screen{box.Left + side * kScreenSide, box.Top + side * kScreenTop, box.Right - side * kScreenSide,
                      box.Bottom - side * kScreenBottom};
    canvas.Fill(TRoundRect(screen.Inset(-1), side * kScreenRadius + 1), TSolid(kScreenRim));
    canvas.Fill(TRoundRect(screen, side * kScreenRadius), TSolid(kScreen));
    const float sw = screen.Width();
    const float sh = screen.Height();
    auto onScreen = [&](std::span<const TPoint> shares) {
        std::vector<TPoint> points;
        for (const TPoint& p : shares)
            points.push_back({screen.Left + sw * p.X, screen.Top + sh * p.Y});
        return points;
    };
    const float halfPen = std::max(kMinPromptHalfPen, side * kPromptPen);
    canvas.Fill(TStroke({onScreen(kPromptChevron), onScreen(kPromptCursor)}, halfPen), TSolid(kPrompt));
}

std::vector<TRgbaImage> RenderMainIcon() {
    std::vector<TRgbaImage> images;
    for (int size : kMainIconSizes) {
        TCanvas canvas(size, size);
        DrawAppMotif(canvas, {0, 0, static_cast<float>(size), static_cast<float>(size)});
        images.push_back(canvas.ToRgba());
    }
    return images;
}

} // namespace skinart
