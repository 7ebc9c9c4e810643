// The five built-in styles, for tests that go through every one of them.
#pragma once

#include "skin/themes/Vskthemetables.h"

inline constexpr TvskUIStyle BuiltInStyles[] = {MacOS, WinXP, DeepBlue, Protein, BlueGlass};
