#include "framework/win/graphics/HandleCounts.h"

#include <array>

namespace {
// The framework is single-threaded (one GUI thread), so plain counters suffice.
std::array<long, THandleCounts::KindCount> GLive{};

long& Slot(THandleKind Kind) {
    return GLive[static_cast<std::size_t>(Kind)];
}
} // namespace

long THandleCounts::Live(THandleKind Kind) {
    return Slot(Kind);
}

long THandleCounts::TotalLive() {
    long Total = 0;
    for (long Count : GLive)
        Total += Count;
    return Total;
}

void THandleCounts::Acquired(THandleKind Kind) {
    ++Slot(Kind);
}

void THandleCounts::Released(THandleKind Kind) {
    --Slot(Kind);
}
