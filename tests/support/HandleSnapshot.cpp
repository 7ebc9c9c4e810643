#include "tests/support/HandleSnapshot.h"

THandleSnapshot HandleSnapshot() {
    THandleSnapshot Counts{};
    for (std::size_t Kind = 0; Kind < Counts.size(); ++Kind)
        Counts[Kind] = THandleCounts::Live(static_cast<THandleKind>(Kind));
    return Counts;
}
