// A small theme file written through the theme file writer, for tests of what reads themes.
#pragma once

#include "framework/core/Colors.h"

#include <optional>
#include <string>

// A 6 x 2 button strip of three frames, the middle one starting with a red pixel on blue, and a background
// colour; with a minimum width, also that and the button transparency flag set. Any other entry is absent.
void WriteSampleTheme(const std::string& FileName, TColor BackgroundColor, std::optional<int> MinWidth = std::nullopt);
