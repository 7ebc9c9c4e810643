#include "tools/skinart/art/ButtonArt.h"

#include "tools/skinart/art/Glyphs.h"

#include <algorithm>

namespace skinart {

namespace {
constexpr float kComboRadius = 3.0f;
// The drop-down arrow spans this share of the button's width.
constexpr float kComboArrowSpan = 0.5f;
} // namespace

TRgbImage PaintButton(const TStylePalette& style, const TArtSpec& spec) {
    const int w = spec.FrameWidth();
    const float radius = std::min(style.ButtonRadius, spec.Height / 2.0f);
    std::vector<TRgbImage> frames;
    for (TState state : kStates) {
        TCanvas canvas(w, spec.Height);
        PaintGel(canvas, {0, 0, static_cast<float>(w), static_cast<float>(spec.Height)}, TCorners::All(radius),
                 MakeLook(style.Button, state));
        frames.push_back(canvas.Flatten(style.ControlBackground, style.ButtonKeying));
    }
    return TRgbImage::Join(frames);
}

TRgbImage PaintComboButton(const TStylePalette& style, const TArtSpec& spec) {
    TCanvas canvas(spec.Width, spec.Height);
    const TBox box{0, 0, static_cast<float>(spec.Width), static_cast<float>(spec.Height)};
    PaintGel(canvas, box, TCorners::All(kComboRadius), MakeLook(style.Scroll.Arrow, TState::Normal));
    DrawArrow(canvas, TArrow::Down, box.Centre(), spec.Width * kComboArrowSpan, TSolid(style.Scroll.ArrowGlyph));
    return canvas.FlattenOver(style.ControlBackground);
}

} // namespace skinart
