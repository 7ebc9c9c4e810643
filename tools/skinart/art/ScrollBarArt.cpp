#include "tools/skinart/art/ScrollBarArt.h"

#include "tools/skinart/art/Glyphs.h"

#include <algorithm>

namespace skinart {

namespace {
// Round enough that every corner pixel is left out: the engine keys arrow faces by their top-left pixel,
// and after a quarter turn any corner can be that pixel.
constexpr float kArrowRadius = 3.0f;
constexpr float kArrowSpan = 0.5f;
// The thumb keeps this gap to the track's edges across the bar.
constexpr float kThumbGap = 2.0f;
constexpr int kArrowFrames = 6;
constexpr int kThumbPieces = 3;
} // namespace

TRgbImage PaintScrollArrows(const TStylePalette& style, const TArtLayout& layout) {
    const int w = layout.FrameWidth();
    const float fw = static_cast<float>(w);
    const float fh = static_cast<float>(layout.Height);
    std::vector<TRgbImage> frames;
    for (int i = 0; i < kArrowFrames; ++i) {
        const TState state = kStates[i % std::size(kStates)];
        const TArrow arrow = i < kArrowFrames / 2 ? TArrow::Up : TArrow::Down;
        TCanvas canvas(w, layout.Height);
        PaintGel(canvas, {0, 0, fw, fh}, TCorners::All(kArrowRadius), MakeLook(style.Scroll.Arrow, state));
        const float push = state == TState::Pressed ? kPressedShift : 0.0f;
        DrawArrow(canvas, arrow, {fw / 2 + push, fh / 2 + push}, std::min(fw, fh) * kArrowSpan,
                  TSolid(style.Scroll.ArrowGlyph));
        frames.push_back(canvas.FlattenKeyed(style.ScrollBackground));
    }
    return TRgbImage::Join(frames);
}

// The whole thumb is drawn once, three frames long, and cut into its pieces: the rounding stays within the
// caps, so the middle piece is the same in every column and stretches cleanly.
TRgbImage PaintScrollThumb(const TStylePalette& style, const TArtLayout& layout) {
    const int piece = layout.FrameWidth();
    const float length = static_cast<float>(piece * kThumbPieces);
    const TBox thumb{0, kThumbGap, length, layout.Height - kThumbGap};
    const float radius = std::min(thumb.Height() / 2, piece - 1.0f);
    TCanvas canvas(piece * kThumbPieces, layout.Height);
    PaintGel(canvas, thumb, TCorners::All(radius), MakeLook(style.Scroll.Thumb, TState::Normal));
    return canvas.FlattenOver(style.ScrollBackground);
}

} // namespace skinart
