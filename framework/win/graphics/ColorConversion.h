// Turning a framework colour into the plain RGB value GDI draws with.
#pragma once

#include "framework/core/Colors.h"

#include <windows.h>

// System colours (0x80000000 + a COLOR_* index) are looked up with GetSysColor; any other value is taken as
// 0x00BBGGRR. The top byte is dropped so that values such as clNone never reach GDI as palette references.
COLORREF ColorToRGB(TColor Color);
