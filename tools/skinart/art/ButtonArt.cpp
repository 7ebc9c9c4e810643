#include "tools/skinart/art/ButtonArt.h"

#include "tools/skinart/art/Glyphs.h"

#include <algorithm>

namespace skinart {

namespace {
constexpr float kComboRadius = 3.0f;
// The drop-down arrow spans this share of the button's width.
constexpr float kComboArrowSpan = 0.5f;
} // namespace

TRgbImage PaintButton(const TStylePalette& style, const TArtLayout& layout) {
    const int w = layout.FrameWidth();
    const float radius = std::min(style.ButtonRadius, layout.Height / 2.0f);
    std::vector<TRgbImage> frames;
    for (TState state : kStates) {
        TCanvas canvas(w, layout.Height);
        PaintGel(canvas, {0, 0, static_cast<float>(w), static_cast<float>(layout.Height)}, TCorners::All(radius),
                 MakeLook(style.Button, state));
        frames.push_back(canvas.Flatten(style.ControlBackground, style.ButtonKeying));
    }
    return TRgbImage::Join(frames);
}

TRgbImage PaintComboButton(const TStylePalette& style, const TArtLayout& layout) {
    TCanvas canvas(layout.Width, layout.Height);
    const TBox box{0, 0, static_cast<float>(layout.Width), static_cast<float>(layout.Height)};
    PaintGel(canvas, box, TCorners::All(kComboRadius), MakeLook(style.Scroll.Arrow, TState::Normal));
    DrawArrow(canvas, TArrow::Down, box.Centre(), layout.Width * kComboArrowSpan, TSolid(style.Scroll.ArrowGlyph));
    return canvas.FlattenOver(style.ControlBackground);
}

} // namespace skinart
