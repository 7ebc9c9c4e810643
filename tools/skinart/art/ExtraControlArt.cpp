#include "tools/skinart/art/ExtraControlArt.h"

#include "tools/skinart/art/Glyphs.h"

#include <algorithm>

namespace skinart {

namespace {
constexpr float kTabRadius = 4.0f;
// The tab's face runs on below the picture: its bottom edge is open towards the page.
constexpr float kTabOverhang = 4.0f;
constexpr float kHandleRadius = 3.0f;
// The handle is attached to the panel on its left: its face starts outside the picture.
constexpr float kHandleOverhang = 4.0f;
constexpr int kGripDots = 5;
constexpr float kGripPitch = 3.0f;
constexpr float kGripDotRadius = 0.8f;
// Arrows above and below the grip, this far from the middle, point the way the channel opens.
constexpr float kHandleArrowOffset = 0.3f;
constexpr float kHandleArrowSize = 4.0f;
constexpr float kBarEdgeLight = 0.35f;
constexpr float kBarEdgeShade = -0.25f;
constexpr float kLineBodyShade = -0.08f;
} // namespace

TRgbImage PaintTab(const TStylePalette& style, const TArtLayout& layout) {
    const float w = static_cast<float>(layout.Width);
    TCanvas canvas(layout.Width, layout.Height);
    PaintGel(canvas, {0, 0, w, layout.Height + kTabOverhang}, TCorners::TopOnly(std::min(kTabRadius, w / 3)),
             MakeLook(style.Tab.Tab, TState::Normal));
    return canvas.FlattenKeyed(style.ControlBackground);
}

TRgbImage PaintTabLine(const TStylePalette& style, const TArtLayout& layout) {
    TRgbImage image(layout.Width, layout.Height, style.Tab.LineBody);
    for (int y = 1; y < layout.Height; ++y)
        image.FillRect(0, y, layout.Width, y + 1,
                       Shade(style.Tab.LineBody, kLineBodyShade * y / std::max(1, layout.Height - 1)));
    image.FillRect(0, 0, layout.Width, 1, style.Tab.LineEdge);
    return image;
}

TRgbImage PaintSideChannelHandle(const TStylePalette& style, const TArtLayout& layout) {
    const float w = static_cast<float>(layout.Width);
    const float h = static_cast<float>(layout.Height);
    TCanvas canvas(layout.Width, layout.Height);
    const float radius = std::min(kHandleRadius, w / 2);
    PaintGel(canvas, {-kHandleOverhang, 0, w, h}, {0, radius, radius, 0},
             MakeLook(style.SideChannel.Handle, TState::Normal));
    const TSolid ink(style.SideChannel.Grip);
    const float x = (w - 1) / 2;
    for (int i = 0; i < kGripDots; ++i) {
        const float y = h / 2 + (i - (kGripDots - 1) / 2.0f) * kGripPitch;
        canvas.Fill(TEllipse({x, y}, kGripDotRadius, kGripDotRadius), ink);
    }
    for (float side : {-1.0f, 1.0f})
        DrawArrow(canvas, TArrow::Right, {x, h / 2 + side * h * kHandleArrowOffset}, kHandleArrowSize, ink);
    return canvas.FlattenKeyed(style.ControlBackground);
}

TRgbImage PaintSideChannelBar(const TStylePalette& style, const TArtLayout& layout) {
    const std::vector<TStop>& stops = style.SideChannel.Bar;
    TCanvas canvas(layout.Width, layout.Height);
    const TBox box{0, 0, static_cast<float>(layout.Width), static_cast<float>(layout.Height)};
    canvas.Fill(TRoundRect(box, 0), TLinearGradient::Vertical(box.Inset(0, 1), stops));
    TRgbImage image = canvas.FlattenOver(Black);
    image.FillRect(0, 0, layout.Width, 1, Shade(ToRgb(stops.front().Color), kBarEdgeLight));
    image.FillRect(0, layout.Height - 1, layout.Width, layout.Height, Shade(ToRgb(stops.back().Color), kBarEdgeShade));
    return image;
}

} // namespace skinart
