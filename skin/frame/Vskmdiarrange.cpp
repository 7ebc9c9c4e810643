#include "skin/frame/Vskmdiarrange.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double CascadeWidthShare = 0.8;
constexpr double CascadeHeightShare = 0.6;
constexpr int CascadeStep = 22;
constexpr int IconRowHeight = 25; // kept free for minimized children
constexpr int TileGap = 2;        // between tiled children
constexpr int TileEdge = 4;       // the client window's sunken edge, two pixels on each side

// The children that are not minimized, the last first: the order both arrangements place them in.
std::vector<int> PlacedChildren(const std::vector<bool>& Minimized) {
    std::vector<int> Placed;
    for (int Index = static_cast<int>(Minimized.size()) - 1; Index >= 0; --Index)
        if (!Minimized[static_cast<std::size_t>(Index)]) Placed.push_back(Index);
    return Placed;
}

} // namespace

std::vector<TvskMDIChildPlace> VskCascadePlaces(const std::vector<bool>& Minimized, int AreaWidth, int AreaHeight) {
    const int Width = static_cast<int>(std::lround(CascadeWidthShare * AreaWidth));
    const int Height = static_cast<int>(std::lround(CascadeHeightShare * AreaHeight));
    std::vector<TvskMDIChildPlace> Places;
    int Offset = 0;
    for (int Index : PlacedChildren(Minimized)) {
        Places.push_back({Index, TRect(Offset, Offset, Offset + Width, Offset + Height)});
        Offset += CascadeStep;
    }
    return Places;
}

std::vector<TvskMDIChildPlace> VskTilePlaces(const std::vector<bool>& Minimized, int AreaWidth, int AreaHeight,
                                             bool Vertical) {
    const std::vector<int> Placed = PlacedChildren(Minimized);
    std::vector<TvskMDIChildPlace> Places;
    if (Placed.empty()) return Places;
    const int Count = static_cast<int>(Placed.size());
    const bool AnyMinimized = std::find(Minimized.begin(), Minimized.end(), true) != Minimized.end();
    const int Height = AreaHeight - (AnyMinimized ? IconRowHeight : 0);
    int Start = 0;
    for (int Index : Placed) {
        if (Vertical) {
            const int Each = AreaWidth / Count - TileGap;
            Places.push_back({Index, TRect(Start, 0, Start + Each, Height - TileEdge)});
            Start += Each;
        } else {
            const int Each = Height / Count - TileGap;
            Places.push_back({Index, TRect(0, Start, AreaWidth - TileEdge, Start + Each)});
            Start += Each;
        }
    }
    return Places;
}
