#include "tools/skinart/art/MarkArt.h"

#include "tools/skinart/art/Glyphs.h"

#include <algorithm>

namespace skinart {

namespace {
// A mark in a frame that is not square keeps this margin on its shorter side.
constexpr int kOddFrameMargin = 2;
constexpr float kTickInset = 0.2f;
constexpr float kTickPen = 0.09f;
constexpr float kMinTickHalfPen = 0.8f;
constexpr float kDotRadius = 0.2f;
// The menu's tick fills this share of its 16-pixel square.
constexpr float kMenuTickSpan = 0.62f;
constexpr float kMenuTickHalfPen = 1.0f;

enum class TMarkShape { Square, Round };

struct TFrameState {
    bool Checked;
    bool Enabled;
};
constexpr TFrameState kMarkFrames[] = {{true, true}, {false, true}, {true, false}, {false, false}};

TBox MarkBox(int frameWidth, int height) {
    const int side = std::min(frameWidth, height) - (frameWidth == height ? 0 : kOddFrameMargin);
    const float left = (frameWidth - side) / 2.0f;
    const float top = (height - side) / 2.0f;
    return {left, top, left + side, top + side};
}

TRgbImage PaintMarks(const TStylePalette& style, const TArtLayout& layout, TMarkShape shape) {
    const int w = layout.FrameWidth();
    const TBox box = MarkBox(w, layout.Height);
    const float side = box.Width();
    const float radius = shape == TMarkShape::Round ? side / 2 : style.Mark.CornerRadius;
    const TKeying keying = shape == TMarkShape::Round ? TKeying::Keyed : TKeying::Opaque;
    std::vector<TRgbImage> frames;
    for (const TFrameState& frame : kMarkFrames) {
        TCanvas canvas(w, layout.Height);
        TFace face = style.Mark.Box;
        if (frame.Checked) face.Base = style.Mark.CheckedBox;
        PaintGel(canvas, box, TCorners::All(radius), MakeLook(face, TState::Normal));
        if (frame.Checked) {
            const TSolid ink(style.Mark.Mark);
            if (shape == TMarkShape::Round)
                canvas.Fill(TEllipse(box.Centre(), side * kDotRadius, side * kDotRadius), ink);
            else
                DrawCheckMark(canvas, box.Inset(side * kTickInset), std::max(kMinTickHalfPen, side * kTickPen), ink);
        }
        TRgbImage image = canvas.Flatten(style.ControlBackground, keying);
        frames.push_back(frame.Enabled ? image : WashOut(image, style.ControlBackground, kDisabledWash));
    }
    return TRgbImage::Join(frames);
}

} // namespace

TRgbImage PaintCheckBox(const TStylePalette& style, const TArtLayout& layout) {
    return PaintMarks(style, layout, TMarkShape::Square);
}

TRgbImage PaintRadioButton(const TStylePalette& style, const TArtLayout& layout) {
    return PaintMarks(style, layout, TMarkShape::Round);
}

TRgbImage PaintMenuCheck(const TStylePalette&, const TArtLayout& layout) {
    TCanvas canvas(layout.Width, layout.Height);
    const float span = layout.Width * kMenuTickSpan;
    const float left = (layout.Width - span) / 2;
    const float top = (layout.Height - span) / 2;
    DrawCheckMark(canvas, {left, top, left + span, top + span}, kMenuTickHalfPen, TSolid(Black));
    return canvas.FlattenOver(White);
}

} // namespace skinart
