#include "tools/skinart/art/FormArt.h"

#include "tools/skinart/art/Gel.h"

namespace skinart {

namespace {
// Every this-many-th diagonal of the hatch is dark; the tile side must be a multiple of it to tile seamlessly.
constexpr int kHatchPitch = 4;
constexpr int kStripePitch = 2;

bool DarkTexel(TTexture texture, int x, int y) {
    switch (texture) {
    case TTexture::Pinstripes: return y % kStripePitch == 1;
    case TTexture::Hatch: return (x + y) % kHatchPitch == 0;
    case TTexture::None: break;
    }
    return false;
}
} // namespace

TRgbImage PaintFormTexture(const TStylePalette& style, const TArtLayout& layout) {
    const TSurfaceLook& look = style.Surface;
    TRgbImage tile(layout.Width, layout.Height, style.FormBackground);
    for (int y = 0; y < layout.Height; ++y)
        for (int x = 0; x < layout.Width; ++x)
            tile.Set(x, y, DarkTexel(look.Texture, x, y) ? look.TextureDark : look.TextureLight);
    return tile;
}

// The menu items use the top 20 rows and the separators the top 12, so the bar's bottom line stays in the
// last row, under what they take.
TRgbImage PaintMenuBar(const TStylePalette& style, const TArtLayout& layout) {
    TCanvas canvas(layout.Width, layout.Height);
    const TBox box{0, 0, static_cast<float>(layout.Width), static_cast<float>(layout.Height - 1)};
    canvas.Fill(TRoundRect(box, 0), TLinearGradient::Vertical(box, style.Surface.MenuBar));
    TRgbImage image = canvas.FlattenOver(style.Surface.MenuBarLine);
    image.FillRect(0, layout.Height - 1, layout.Width, layout.Height, style.Surface.MenuBarLine);
    return image;
}

TRgbImage PaintMenuSelect(const TStylePalette& style, const TArtLayout& layout) {
    TCanvas canvas(layout.Width, layout.Height);
    PaintGelBand(canvas, {0, 0, static_cast<float>(layout.Width), static_cast<float>(layout.Height)},
                 MakeLook(style.Surface.MenuSelect, TState::Normal));
    return canvas.FlattenOver(style.Surface.MenuSelect.Base);
}

} // namespace skinart
