#include "tools/skinart/art/Gel.h"

#include <algorithm>
#include <cmath>

namespace skinart {

namespace {
// The highlight fades to this share of its opacity at its lower end.
constexpr float kGlossFade = 0.25f;
// The bottom light fills the lower part of the body; kept the same across the middle, so that a face
// stretched sideways stays seamless.
constexpr float kGlowStart = 0.45f;
constexpr float kGlowTint = 0.6f;
// A round face is never stretched: its light pools like in a bubble, from the bottom centre outwards.
constexpr float kBubbleGlowSpreadX = 0.55f;
constexpr float kBubbleGlowSpreadY = 0.65f;
// The pressed body keeps a little of the light at its bottom, reversed from the normal face.
constexpr float kPressedLightShare = 0.4f;
// The inner ring is lit at its top: this much lighter than at its bottom.
constexpr float kRingHighlight = 0.5f;

TCorners Shrink(const TCorners& c, float d) {
    return {std::max(c.TopLeft - d, 0.0f), std::max(c.TopRight - d, 0.0f), std::max(c.BottomRight - d, 0.0f),
            std::max(c.BottomLeft - d, 0.0f)};
}
} // namespace

TGelLook MakeLook(const TFace& face, TState state) {
    const TGelRecipe& r = face.Recipe;
    TRgb base = face.Base;
    if (state == TState::Hover) base = Shade(base, r.HoverShade);
    if (state == TState::Pressed) base = Shade(base, r.PressedShade);
    TGelLook look;
    look.Outline = r.Outline ? *r.Outline : Shade(face.Base, r.OutlineShade);
    look.Top = Shade(base, r.Top);
    look.Bottom = Shade(base, r.Bottom);
    look.Gloss = r.Gloss;
    look.GlossEnd = r.GlossEnd;
    look.Glow = r.Glow;
    look.GlowColor = Lighten(base, kGlowTint);
    if (state == TState::Pressed) {
        look.Top = Shade(base, std::min(r.Bottom, 0.0f));
        look.Bottom = Shade(base, std::max(r.Top, 0.0f) * kPressedLightShare);
        look.Gloss *= r.PressedGloss;
    }
    if (state == TState::Hover && r.HoverRing) {
        look.Ring = 1.0f;
        look.RingColor = *r.HoverRing;
        look.RingWidth = r.RingWidth;
    }
    return look;
}

void PaintGel(TCanvas& canvas, const TBox& box, const TCorners& corners, const TGelLook& look) {
    canvas.Fill(TRoundRect(box, corners), TSolid(look.Outline));
    const TBox body = box.Inset(1);
    const TCorners bodyCorners = Shrink(corners, 1);
    const TRoundRect bodyShape(body, bodyCorners);
    canvas.Fill(bodyShape, TLinearGradient::Vertical(body, {Stop(0, look.Top), Stop(1, look.Bottom)}));
    // A circle (a pill is stretched, so it is not one).
    const bool round = std::abs(body.Width() - body.Height()) < 1 &&
                       std::min({bodyCorners.TopLeft, bodyCorners.TopRight, bodyCorners.BottomRight,
                                 bodyCorners.BottomLeft}) >= std::min(body.Width(), body.Height()) / 2;
    if (look.Glow > 0 && round) {
        const TRadialGradient glow({body.Centre().X, body.Bottom}, body.Width() * kBubbleGlowSpreadX,
                                   body.Height() * kBubbleGlowSpreadY,
                                   {Stop(0, look.GlowColor, look.Glow), Stop(1, look.GlowColor, 0)});
        canvas.Fill(bodyShape, glow);
    } else if (look.Glow > 0) {
        const float inset = std::max(1.0f, std::min(bodyCorners.BottomLeft, bodyCorners.BottomRight) / 2);
        const TBox pool{body.Left + inset, body.Top + body.Height() * kGlowStart, body.Right - inset, body.Bottom};
        const TRoundRect poolShape(pool, std::min(pool.Height(), bodyCorners.BottomLeft));
        const TLinearGradient glow =
            TLinearGradient::Vertical(pool, {Stop(0, look.GlowColor, 0), Stop(1, look.GlowColor, look.Glow)});
        canvas.Fill(TIntersection(poolShape, bodyShape), glow);
    }
    if (look.Ring > 0) {
        const TRoundRect inner(body.Inset(look.RingWidth), Shrink(bodyCorners, look.RingWidth));
        const TLinearGradient ring = TLinearGradient::Vertical(
            body, {Stop(0, Lighten(look.RingColor, kRingHighlight), look.Ring), Stop(1, look.RingColor, look.Ring)});
        canvas.Fill(TDifference(bodyShape, inner), ring);
    }
    if (look.Gloss > 0) {
        const TBox gloss{body.Left + 1, body.Top, body.Right - 1, body.Top + body.Height() * look.GlossEnd};
        const TCorners glossCorners{std::max(bodyCorners.TopLeft - 1, 0.0f), std::max(bodyCorners.TopRight - 1, 0.0f),
                                    bodyCorners.BottomRight / 2, bodyCorners.BottomLeft / 2};
        const TLinearGradient light =
            TLinearGradient::Vertical(gloss, {Stop(0, White, look.Gloss), Stop(1, White, look.Gloss * kGlossFade)});
        canvas.Fill(TIntersection(TRoundRect(gloss, glossCorners), bodyShape), light);
    }
}

void PaintGelBand(TCanvas& canvas, const TBox& box, const TGelLook& look) {
    const TRoundRect band(box, 0);
    canvas.Fill(band, TLinearGradient::Vertical(box, {Stop(0, look.Top), Stop(1, look.Bottom)}));
    if (look.Glow > 0) {
        const TBox pool{box.Left, box.Top + box.Height() * kGlowStart, box.Right, box.Bottom};
        canvas.Fill(TRoundRect(pool, 0),
                    TLinearGradient::Vertical(pool, {Stop(0, look.GlowColor, 0), Stop(1, look.GlowColor, look.Glow)}));
    }
    if (look.Gloss > 0) {
        const TBox gloss{box.Left, box.Top, box.Right, box.Top + box.Height() * look.GlossEnd};
        canvas.Fill(TRoundRect(gloss, 0), TLinearGradient::Vertical(gloss, {Stop(0, White, look.Gloss),
                                                                            Stop(1, White, look.Gloss * kGlossFade)}));
    }
}

TRgbImage WashOut(const TRgbImage& image, TRgb surface, float amount) {
    TRgbImage out = image;
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x)
            if (out.At(x, y) != KeyColor) out.Set(x, y, Mix(out.At(x, y), surface, amount));
    return out;
}

} // namespace skinart
