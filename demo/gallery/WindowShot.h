// Pictures of windows as the screen shows them, for the gallery.
#pragma once

#include <windows.h>

#include <string>

// Handles messages until the window and its children have painted, and a little longer, so that timers and
// posted repaints have run too.
void SettleWindow(HWND Window);
// What the screen shows of the window's whole rectangle (frame included), written as a 24-bit BMP.
void SaveWindowShot(HWND Window, const std::string& FileName);
