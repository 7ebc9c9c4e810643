// Small text rules the skinned controls share.
#pragma once

#include <algorithm>
#include <string_view>

// A caption of blanks only is not drawn at all (no empty bold text, no stray focus marking around nothing).
inline bool HasVisibleText(std::string_view Text) {
    return std::any_of(Text.begin(), Text.end(), [](char C) { return C != ' '; });
}
