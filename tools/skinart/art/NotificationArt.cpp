#include "tools/skinart/art/NotificationArt.h"

#include "tools/skinart/art/Glyphs.h"

namespace skinart {

namespace {
// The title is written in navy on the band, so the band stays light; the band ends below the title line's
// 18 pixels (from row 5) with a little air.
constexpr float kBandBottom = 27.0f;
constexpr TRgb kOutline = Hex(0x2E4E86);
constexpr TRgb kBandTop = Hex(0xF4F8FE);
constexpr TRgb kBandBottomColor = Hex(0xC6DAF6);
constexpr TRgb kBandLine = Hex(0x8CAAD8);
constexpr TRgb kBodyTop = White;
constexpr TRgb kBodyBottom = Hex(0xE2ECFA);
// A faint second rim inside the outline, so the card looks raised off the desktop.
constexpr TRgb kInnerRim = White;
constexpr float kInnerRimAlpha = 0.8f;
constexpr float kCloseRadius = 3.0f;
// The close cross fills this share of its box.
constexpr float kCloseGlyphInset = 0.5f;
} // namespace

TRgbImage PaintNotification(const TStylePalette& style, const TArtLayout& layout) {
    const float w = static_cast<float>(layout.Width);
    const float h = static_cast<float>(layout.Height);
    TCanvas canvas(layout.Width, layout.Height);
    const TBox band{1, 1, w - 1, kBandBottom};
    const TBox body{1, kBandBottom + 1, w - 1, h - 1};
    canvas.Fill(TRoundRect(band, 0), TLinearGradient::Vertical(band, {Stop(0, kBandTop), Stop(1, kBandBottomColor)}));
    canvas.Fill(TRoundRect({1, kBandBottom, w - 1, kBandBottom + 1}, 0), TSolid(kBandLine));
    canvas.Fill(TRoundRect(body, 0), TLinearGradient::Vertical(body, {Stop(0, kBodyTop), Stop(1, kBodyBottom)}));
    const TRoundRect inner({1, 1, w - 1, h - 1}, 0);
    const TRoundRect innerHole({2, 2, w - 2, h - 2}, 0);
    canvas.Fill(TDifference(inner, innerHole), TSolid(kInnerRim, kInnerRimAlpha));

    // The close box: the style's closing caption face, square enough to read as a box.
    const TTitleButtonLook& look = style.TitleButtons;
    const float left = static_cast<float>(kNotificationCloseLeft);
    const float top = static_cast<float>(kNotificationCloseTop);
    const float side = static_cast<float>(kNotificationCloseSide);
    const TBox close{left, top, left + side, top + side};
    PaintGel(canvas, close, TCorners::All(kCloseRadius),
             MakeLook({look.Faces[static_cast<int>(TCaptionGlyph::Close)], look.Recipe}, TState::Normal));
    DrawCaptionGlyph(canvas, TCaptionGlyph::Close, close.Inset(kCloseGlyphInset), TSolid(White));

    TRgbImage image = canvas.FlattenOver(kBodyTop);
    // The outline last and hard, one pixel all round: the window is exactly this rectangle.
    image.FillRect(0, 0, layout.Width, 1, kOutline);
    image.FillRect(0, layout.Height - 1, layout.Width, layout.Height, kOutline);
    image.FillRect(0, 0, 1, layout.Height, kOutline);
    image.FillRect(layout.Width - 1, 0, layout.Width, layout.Height, kOutline);
    return image;
}

} // namespace skinart
