// Every live handle count at one moment, to compare before and after a piece of work: a count that is not back
// where it was is a leaked handle (or one kept on purpose, which the test must then say).
#pragma once

#include "framework/win/graphics/HandleCounts.h"

#include <array>

using THandleSnapshot = std::array<long, THandleCounts::KindCount>;

// The live count of every kind, indexed by THandleKind.
THandleSnapshot HandleSnapshot();
