#pragma once
// Colours of the art: the opaque 24-bit pixel that resources store, and the straight-alpha colour that
// paints hand to the canvas while an image is being composed.

#include <cstdint>

namespace skinart {

struct TRgb {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    friend bool operator==(const TRgb&, const TRgb&) = default;
};

// 0xRRGGBB, the order designers write colours in (the resource files store them blue first).
constexpr TRgb Hex(std::uint32_t rgb) {
    return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8), static_cast<std::uint8_t>(rgb)};
}

// The colour the skin engine treats as "no pixel here" when it draws an image see-through.
inline constexpr TRgb KeyColor = Hex(0xFF00FF);
inline constexpr TRgb White = Hex(0xFFFFFF);
inline constexpr TRgb Black = Hex(0x000000);

// Channels 0..1, alpha not premultiplied.
struct TColor {
    float R = 0;
    float G = 0;
    float B = 0;
    float A = 0;
};

TColor ToColor(TRgb c, float alpha = 1.0f);
TRgb ToRgb(const TColor& c);

// Straight mix: t = 0 gives a, t = 1 gives b.
TRgb Mix(TRgb a, TRgb b, float t);
inline TRgb Lighten(TRgb c, float t) {
    return Mix(c, White, t);
}
inline TRgb Darken(TRgb c, float t) {
    return Mix(c, Black, t);
}

// Positive amounts lighten towards white, negative ones darken towards black.
inline TRgb Shade(TRgb c, float amount) {
    return amount >= 0 ? Lighten(c, amount) : Darken(c, -amount);
}

// Relative brightness 0..1 (Rec. 601 weights), used to compare states of a face.
float Luminance(TRgb c);

} // namespace skinart
