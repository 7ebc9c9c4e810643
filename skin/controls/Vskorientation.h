// TvskProgressBarOrientation: which way a bar runs. Scroll bars, progress bars and track bars share it, so
// it lives apart from each of them.
#pragma once

#include "framework/core/PropInfo.h"

#include <cstdint>

enum TvskProgressBarOrientation : std::uint8_t { vskHorizontal, vskVertical };
extern const TEnumInfo TvskProgressBarOrientationInfo;
