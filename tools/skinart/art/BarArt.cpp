#include "tools/skinart/art/BarArt.h"

#include "tools/skinart/art/Gel.h"

namespace skinart {

namespace {
// Chamfer of the slider's square corners, so that its corner pixels are left out like every keyed face's.
constexpr float kSliderChamfer = 1.5f;
constexpr float kHalfPixel = 0.5f;
// The groove's floor starts halfway between its shadow and its light.
constexpr float kGrooveFloorTop = 0.5f;

enum class TPointing { Down, Right };

// The slider's outline, half a pixel inside the frame so that a one-pixel pen along it stays within.
std::vector<TPoint> SliderOutline(float w, float h, TPointing pointing) {
    const float l = kHalfPixel;
    const float t = kHalfPixel;
    const float r = w - kHalfPixel;
    const float b = h - kHalfPixel;
    const float c = kSliderChamfer;
    if (pointing == TPointing::Down) {
        const float tip = b - (r - l) / 2;
        return {{l, t + c}, {l + c, t}, {r - c, t}, {r, t + c}, {r, tip}, {w / 2, b}, {l, tip}};
    }
    const float tip = r - (b - t) / 2;
    return {{l, t + c}, {l + c, t}, {tip, t}, {r, h / 2}, {tip, b}, {l + c, b}, {l, b - c}};
}

TRgbImage PaintSlider(const TStylePalette& style, const TArtLayout& layout, TPointing pointing) {
    const float w = static_cast<float>(layout.Width);
    const float h = static_cast<float>(layout.Height);
    const TGelLook look = MakeLook(style.Bars.Slider, TState::Normal);
    std::vector<TPoint> outline = SliderOutline(w, h, pointing);
    TCanvas canvas(layout.Width, layout.Height);
    const TBox box{0, 0, w, h};
    // Lit from the side it stands on: across the pointer's length.
    const TLinearGradient body = pointing == TPointing::Down
                                     ? TLinearGradient::Horizontal(box, {Stop(0, look.Top), Stop(1, look.Bottom)})
                                     : TLinearGradient::Vertical(box, {Stop(0, look.Top), Stop(1, look.Bottom)});
    canvas.Fill(TPolygon(outline), body);
    outline.push_back(outline.front());
    canvas.Fill(TStroke({outline}, kHalfPixel), TSolid(look.Outline));
    return canvas.FlattenKeyed(style.ControlBackground);
}

} // namespace

TRgbImage PaintProgressBar(const TStylePalette& style, const TArtLayout& layout) {
    TCanvas canvas(layout.Width, layout.Height);
    PaintGelBand(canvas, {0, 0, static_cast<float>(layout.Width), static_cast<float>(layout.Height)},
                 MakeLook(style.Bars.Progress, TState::Normal));
    return canvas.FlattenOver(style.ControlBackground);
}

// A sunken, rounded groove; its ends are keyed (the engine masks the bar by its top-left pixel).
TRgbImage PaintTrackBarBar(const TStylePalette& style, const TArtLayout& layout) {
    const float w = static_cast<float>(layout.Width);
    const float h = static_cast<float>(layout.Height);
    TCanvas canvas(layout.Width, layout.Height);
    const TBox box{0, 0, w, h};
    canvas.Fill(TRoundRect(box, h / 2), TSolid(style.Bars.GrooveShadow));
    const TBox floor = box.Inset(1);
    canvas.Fill(TRoundRect(floor, floor.Height() / 2),
                TLinearGradient::Vertical(
                    floor, {Stop(0, Mix(style.Bars.GrooveShadow, style.Bars.GrooveLight, kGrooveFloorTop)),
                            Stop(1, style.Bars.GrooveLight)}));
    return canvas.FlattenKeyed(style.ControlBackground);
}

TRgbImage PaintTrackBarSlider(const TStylePalette& style, const TArtLayout& layout) {
    return PaintSlider(style, layout, TPointing::Down);
}

TRgbImage PaintTrackBarSliderV(const TStylePalette& style, const TArtLayout& layout) {
    return PaintSlider(style, layout, TPointing::Right);
}

} // namespace skinart
