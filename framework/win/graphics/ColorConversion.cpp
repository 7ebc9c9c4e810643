#include "framework/win/graphics/ColorConversion.h"

namespace {
constexpr TColor SystemColorIndexMask = 0x000000FFu;
constexpr TColor RgbMask = 0x00FFFFFFu;
} // namespace

COLORREF ColorToRGB(TColor Color) {
    if (Color & clSystemColor) return ::GetSysColor(static_cast<int>(Color & SystemColorIndexMask));
    return Color & RgbMask;
}
