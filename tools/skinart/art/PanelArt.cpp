#include "tools/skinart/art/PanelArt.h"

#include "tools/skinart/art/Glyphs.h"

namespace skinart {

namespace {
constexpr float kFaceRadius = 2.5f;
constexpr float kChevronSpan = 0.55f;
constexpr float kChevronHalfPen = 0.85f;
// Drawn opaque over any caption strip: the rim blends with a mid grey that suits light and dark strips.
constexpr TRgb kNeutralRim = Hex(0xB4B4B4);

struct TPanelFrame {
    bool Expanded; // an expanded panel offers to roll up (^), a collapsed one to roll down (v)
    TState State;
};
constexpr TPanelFrame kPanelFrames[] = {
    {true, TState::Normal}, {true, TState::Hover}, {false, TState::Normal}, {false, TState::Hover}};
constexpr TCaptionGlyph kMdiGlyphs[] = {TCaptionGlyph::Minimise, TCaptionGlyph::Restore, TCaptionGlyph::Close};

TCanvas Face(const TStylePalette& style, int w, int h, TState state) {
    TCanvas canvas(w, h);
    PaintGel(canvas, {0, 0, static_cast<float>(w), static_cast<float>(h)}, TCorners::All(kFaceRadius),
             MakeLook(style.Button, state));
    return canvas;
}
} // namespace

TRgbImage PaintPanelButton(const TStylePalette& style, const TArtLayout& layout) {
    const int w = layout.FrameWidth();
    std::vector<TRgbImage> frames;
    for (const TPanelFrame& frame : kPanelFrames) {
        TCanvas canvas = Face(style, w, layout.Height, frame.State);
        DrawChevron(canvas, frame.Expanded, {w / 2.0f, layout.Height / 2.0f}, w * kChevronSpan, kChevronHalfPen,
                    TSolid(style.Scroll.ArrowGlyph));
        frames.push_back(canvas.FlattenOver(kNeutralRim));
    }
    return TRgbImage::Join(frames);
}

TRgbImage PaintMdiButtons(const TStylePalette& style, const TArtLayout& layout) {
    const int w = layout.FrameWidth();
    std::vector<TRgbImage> frames;
    for (TCaptionGlyph glyph : kMdiGlyphs) {
        TCanvas canvas = Face(style, w, layout.Height, TState::Normal);
        DrawCaptionGlyph(canvas, glyph, {0, 0, static_cast<float>(w), static_cast<float>(layout.Height)},
                         TSolid(Black));
        frames.push_back(canvas.FlattenOver(kNeutralRim));
    }
    return TRgbImage::Join(frames);
}

} // namespace skinart
