// Resources of GraphicsResources.rc, linked into the framework tests.
#pragma once

inline constexpr const char* TestBitmapResource = "TEST_BITMAP"; // 3 x 2, 8 bits, rows red green blue / blue red green
inline constexpr const char* TestIconResource = "TEST_ICON";     // 16 x 16 all red, 32 x 32 all blue
