#pragma once
// The five built-in looks as data: one row per style with every colour and shape choice the painters need.
// The painters are shared; only these rows differ between styles.

#include "tools/skinart/art/Gel.h"

#include <array>
#include <optional>
#include <vector>

namespace skinart {

// In the order of the style enumeration of the skin engine.
enum class TStyleId { MacOS, WinXP, DeepBlue, Protein, BlueGlass };
inline constexpr int kStyleCount = 5;

// The caption band: a top edge row, a vertical body gradient and a bottom row; the outer ends of the left and
// right images are rounded like the window's region.
struct TBandLook {
    TRgb Outline{};
    std::vector<TStop> Body{};
    float Gloss = 0;
    float GlossEnd = 0.5f;
    float Pinstripes = 0; // darkening of every other row
    TRgb BaseLine{};
    float CornerRadius = 0;
};

inline constexpr int kCaptionGlyphCount = 6;

struct TTitleButtonLook {
    float Margin = 0;                             // between the frame's edge and the face
    float CornerRadius = 0;                       // of the face; half its side makes it round
    std::array<TRgb, kCaptionGlyphCount> Faces{}; // per glyph, in strip order
    TGelRecipe Recipe{};
    std::optional<TRgb> Glyph{};              // none: a dark shade of each face
    std::array<float, 3> GlyphAlpha{1, 1, 1}; // per state
    float GlyphShadow = 0;                    // opacity of a dark copy one pixel lower
};

struct TMarkLook {
    TFace Box{};
    TRgb CheckedBox{};
    TRgb Mark{};
    float CornerRadius = 2;
};

struct TScrollLook {
    TFace Arrow{};
    TRgb ArrowGlyph{};
    TFace Thumb{};
};

struct TBarLook {
    TFace Progress{};
    TRgb GrooveShadow{}; // the upper edge of a sunken groove
    TRgb GrooveLight{};  // its floor
    TFace Slider{};
};

struct TTabLook {
    TFace Tab{};
    TRgb LineEdge{}; // top row of the strip under the tabs
    TRgb LineBody{};
};

struct TSideChannelLook {
    std::vector<TStop> Bar{}; // the caption strip of a panel, top to bottom
    TFace Handle{};
    TRgb Grip{};
};

enum class TTexture { None, Pinstripes, Hatch };

// Textures and menu pictures that only some styles have.
struct TSurfaceLook {
    TTexture Texture = TTexture::None;
    TRgb TextureLight{};
    TRgb TextureDark{};
    std::vector<TStop> MenuBar{};
    TRgb MenuBarLine{};
    TFace MenuSelect{};
};

struct TStylePalette {
    TStyleId Id;
    const char* Name;
    const char* Prefix; // of the style's resource names

    // What the engine paints behind an opaque image: form, control and scroll-track backgrounds.
    TRgb FormBackground{};
    TRgb ControlBackground{};
    TRgb ScrollBackground{};

    // Whether the engine draws push-button and title-button faces see-through (keyed by fuchsia) or opaque.
    TKeying ButtonKeying;
    TKeying TitleButtonKeying;

    TFace Button{};
    float ButtonRadius;
    TMarkLook Mark{};
    TBandLook Title{};
    int TitleButtonTop; // row of the title images that the caption buttons start at
    TTitleButtonLook TitleButtons{};
    TScrollLook Scroll{};
    TBarLook Bars{};
    TTabLook Tab{};
    TSideChannelLook SideChannel{};
    TSurfaceLook Surface{};
};

const std::vector<TStylePalette>& StylePalettes();
const TStylePalette& Palette(TStyleId id);

} // namespace skinart
