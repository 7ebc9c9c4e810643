#include "tools/skinart/art/TitleArt.h"

#include "tools/skinart/art/Glyphs.h"

#include <algorithm>
#include <cmath>

namespace skinart {

namespace {

// Glyphs of faces without a glyph colour of their own are this dark shade of the face.
constexpr float kGlyphShade = -0.62f;
// The band's highlight fades to this share of its opacity, then stops sharply, like light on glass.
constexpr float kBandGlossFade = 0.3f;
constexpr float kBandGlossEdge = 0.999f;
constexpr int kStripePitch = 2;

// Darkens every other row: the pinstripes of the aqua look.
class TPinstripes : public TPaint {
public:
    explicit TPinstripes(float alpha) : FAlpha(alpha) {}
    TColor At(TPoint p) const override {
        return ToColor(Black, static_cast<int>(std::floor(p.Y)) % kStripePitch == 1 ? FAlpha : 0.0f);
    }

private:
    float FAlpha;
};

enum class TBandEnd { None, Left, Right };

// The band is the same in every column but at a rounded outer end, so the middle image can be stretched and
// the caption buttons can be drawn over any part of it. Around a rounded corner the window's region clips;
// the few pixels outside it take the form's colour.
TRgbImage PaintBand(const TStylePalette& style, int width, int height, TBandEnd end) {
    const TBandLook& look = style.Title;
    const float w = static_cast<float>(width);
    const float h = static_cast<float>(height);
    const float r = end == TBandEnd::None ? 0.0f : look.CornerRadius;
    const TCorners outerCorners{end == TBandEnd::Left ? r : 0, end == TBandEnd::Right ? r : 0, 0, 0};
    const TCorners bodyCorners{std::max(outerCorners.TopLeft - 1, 0.0f), std::max(outerCorners.TopRight - 1, 0.0f), 0,
                               0};
    TCanvas canvas(width, height);
    canvas.Fill(TRoundRect({0, 0, w, h}, outerCorners), TSolid(look.Outline));
    // Under a rounded corner the body keeps off the outer column only as far down as the corner reaches:
    // below it the window's own border is the edge.
    const TRoundRect cornerBody({end == TBandEnd::Left ? 1.0f : 0.0f, 1, end == TBandEnd::Right ? w - 1 : w, h},
                                bodyCorners);
    const TRoundRect sideBody({0, 1 + r, w, h}, 0);
    const TBox bodyBox{0, 1, w, h - 1};
    const TLinearGradient gradient = TLinearGradient::Vertical(bodyBox, look.Body);
    const TPinstripes stripes(look.Pinstripes);
    const TLinearGradient gloss = TLinearGradient::Vertical(
        {0, 1, w, 1 + (h - 2) * look.GlossEnd},
        {Stop(0, White, look.Gloss), Stop(kBandGlossEdge, White, look.Gloss * kBandGlossFade), Stop(1, White, 0)});
    const TUnion body(cornerBody, sideBody);
    canvas.Fill(body, gradient);
    if (look.Pinstripes > 0) canvas.Fill(body, stripes);
    if (look.Gloss > 0) canvas.Fill(body, gloss);
    canvas.Fill(TRoundRect({0, h - 1, w, h}, 0), TSolid(look.BaseLine));
    return canvas.FlattenOver(style.FormBackground);
}

int TitleHeight(const TStylePalette& style) {
    return StyledSize(TStyledArt::TitleClient, style.Id).Height;
}

TRgbImage PaintCaptionButton(const TStylePalette& style, int side, int glyphIndex, TState state,
                             const TRgbImage& behind) {
    const TTitleButtonLook& look = style.TitleButtons;
    const TRgb faceColor = look.Faces[glyphIndex];
    const float s = static_cast<float>(side);
    const TBox face = TBox{0, 0, s, s}.Inset(look.Margin);
    TCanvas canvas(side, side);
    PaintGel(canvas, face, TCorners::All(std::min(look.CornerRadius, face.Width() / 2)),
             MakeLook({faceColor, look.Recipe}, state));
    const TCaptionGlyph glyph = kCaptionGlyphs[glyphIndex];
    const float alpha = look.GlyphAlpha[static_cast<int>(state)];
    const float push = state == TState::Pressed ? kPressedShift : 0.0f;
    const TBox glyphFrame{push, push, s + push, s + push};
    if (look.GlyphShadow > 0)
        DrawCaptionGlyph(canvas, glyph, {glyphFrame.Left, glyphFrame.Top + 1, glyphFrame.Right, glyphFrame.Bottom + 1},
                         TSolid(Black, look.GlyphShadow * alpha));
    DrawCaptionGlyph(canvas, glyph, glyphFrame,
                     TSolid(look.Glyph ? *look.Glyph : Shade(faceColor, kGlyphShade), alpha));
    return canvas.Flatten(behind, style.TitleButtonKeying);
}

} // namespace

TRgbImage PaintTitleLeft(const TStylePalette& style, const TArtLayout& layout) {
    return PaintBand(style, layout.Width, layout.Height, TBandEnd::Left);
}

TRgbImage PaintTitleClient(const TStylePalette& style, const TArtLayout& layout) {
    return PaintBand(style, layout.Width, layout.Height, TBandEnd::None);
}

TRgbImage PaintTitleRight(const TStylePalette& style, const TArtLayout& layout) {
    return PaintBand(style, layout.Width, layout.Height, TBandEnd::Right);
}

// Opaque styles draw the faces straight onto the band, so each frame carries the band rows it covers
// around its face; keyed styles leave those pixels out and blend the rim with the band.
TRgbImage PaintTitleButtons(const TStylePalette& style, const TArtLayout& layout) {
    const int side = layout.FrameWidth();
    const TRgbImage behind =
        PaintBand(style, side, TitleHeight(style), TBandEnd::None).Crop(0, style.TitleButtonTop, side, layout.Height);
    std::vector<TRgbImage> frames;
    for (int glyph = 0; glyph < kCaptionGlyphCount; ++glyph)
        for (TState state : kStates)
            frames.push_back(PaintCaptionButton(style, side, glyph, state, behind));
    return TRgbImage::Join(frames);
}

} // namespace skinart
