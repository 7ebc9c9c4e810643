#include "tools/skinart/art/BannerArt.h"

#include "tools/skinart/art/IconArt.h"
#include "tools/skinart/raster/StrokeFont.h"

namespace skinart {

namespace {
constexpr const char* kProductName = "Vantrel";
constexpr const char* kTagline = "CL Command History for IBM AS/400";
constexpr float kMotifLeft = 4.0f;
constexpr float kMotifSide = 42.0f;
constexpr float kTextLeft = 54.0f;
constexpr TTextStyle kNameStyle{2.5f, 1.7f, 1.6f};
constexpr float kNameTop = 5.0f;
constexpr TTextStyle kTaglineStyle{1.0f, 0.6f, 1.5f};
constexpr float kTaglineTop = 34.0f;
constexpr TRgb kNameTopColor = Hex(0x0A2C78);
constexpr TRgb kNameBottomColor = Hex(0x2A78D8);
constexpr TRgb kTaglineColor = Hex(0x505660);
} // namespace

TRgbImage PaintBanner(const TStylePalette&, const TArtLayout& layout) {
    TCanvas canvas(layout.Width, layout.Height);
    const float motifTop = (layout.Height - kMotifSide) / 2;
    DrawAppMotif(canvas, {kMotifLeft, motifTop, kMotifLeft + kMotifSide, motifTop + kMotifSide});
    const float nameBottom = kNameTop + kFontCapHeight * kNameStyle.Unit;
    DrawText(
        canvas, kProductName, {kTextLeft, kNameTop}, kNameStyle,
        TLinearGradient::Vertical({0, kNameTop, 0, nameBottom}, {Stop(0, kNameTopColor), Stop(1, kNameBottomColor)}));
    DrawText(canvas, kTagline, {kTextLeft, kTaglineTop}, kTaglineStyle, TSolid(kTaglineColor));
    return canvas.FlattenOver(White);
}

} // namespace skinart
