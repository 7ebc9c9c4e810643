#pragma once
// Every bitmap resource the program ships, with the painter that draws it: the per-style pictures of the
// size table and the few pictures loaded by name.

#include "tools/skinart/art/ArtSizes.h"
#include "tools/skinart/raster/RgbImage.h"

#include <string>
#include <string_view>
#include <vector>

namespace skinart {

using TPainter = TRgbImage (*)(const TStylePalette&, const TArtLayout&);

struct TArtItem {
    std::string Name;
    TArtLayout Layout;
    TPainter Painter;
    TStyleId Style; // whose palette the painter draws with
    TRgbImage Render() const { return Painter(Palette(Style), Layout); }
};

inline constexpr std::string_view kMainIconName = "MAINICON";
inline constexpr std::string_view kBannerName = "BANNER";

const std::vector<TArtItem>& ArtCatalog();
// Throws std::out_of_range for a name the catalogue does not hold.
const TArtItem& FindArt(std::string_view name);

} // namespace skinart
