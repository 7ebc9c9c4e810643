#pragma once
// The rounded, lit face that every pressable thing of every style is drawn from: an outline, a vertical body
// gradient, optionally a white specular highlight over the upper part (glass), a light pooling at the
// bottom (aqua gel) and an inner ring (a hover glow). A recipe turns one base colour into the three faces
// of a button: normal, hover (brighter) and pressed (darker, lit from below as if pushed in).

#include "tools/skinart/raster/Canvas.h"

#include <optional>

namespace skinart {

enum class TState { Normal, Hover, Pressed };
inline constexpr TState kStates[] = {TState::Normal, TState::Hover, TState::Pressed};

struct TGelRecipe {
    float Top = 0.3f;           // shade of the body's top row against the base colour
    float Bottom = -0.1f;       // shade of the body's bottom row
    float OutlineShade = -0.5f; // outline, when no fixed Outline is given
    std::optional<TRgb> Outline{};
    float Gloss = 0;       // opacity of the white highlight at its top edge
    float GlossEnd = 0.5f; // the highlight ends at this share of the height
    float Glow = 0;        // opacity of the bottom light
    float HoverShade = 0.18f;
    float PressedShade = -0.2f;
    float PressedGloss = 0.5f; // the highlight's opacity when pressed, relative to normal
    std::optional<TRgb> HoverRing{};
    float RingWidth = 2.0f;
};

// A face with every colour resolved.
struct TGelLook {
    TRgb Outline{};
    TRgb Top{};
    TRgb Bottom{};
    float Gloss = 0;
    float GlossEnd = 0.5f;
    float Glow = 0;
    TRgb GlowColor{};
    float Ring = 0;
    TRgb RingColor{};
    float RingWidth = 0;
};

// A base colour with the recipe that lights it.
struct TFace {
    TRgb Base{};
    TGelRecipe Recipe{};
};

TGelLook MakeLook(const TFace& face, TState state);

void PaintGel(TCanvas& canvas, const TBox& box, const TCorners& corners, const TGelLook& look);

// The same lighting on a plain band without outline or corners: pictures that are stretched sideways
// (progress fill, menu selection), so every column must be alike.
void PaintGelBand(TCanvas& canvas, const TBox& box, const TGelLook& look);

// The face as it looks disabled: every drawn pixel mixed towards the surface; see-through pixels stay so.
TRgbImage WashOut(const TRgbImage& image, TRgb surface, float amount);

// A pressed face shows its glyph pushed in by this much, right and down.
inline constexpr float kPressedShift = 0.5f;

// Disabled faces are the enabled ones washed towards the surface they sit on.
inline constexpr float kDisabledWash = 0.55f;

} // namespace skinart
