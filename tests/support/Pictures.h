// Whole pictures of what a control or window shows: painted off-screen through the control's own PaintTo, or
// copied off the screen (the client area as it is now, or the whole window redrawn); and keeping a picture to
// look at while developing.
#pragma once

#include "framework/core/Colors.h"
#include "framework/win/graphics/Bitmap.h"

#include <windows.h>

#include <memory>
#include <string>

class TWinControl;

// What Control paints, on a background of Background, as a bitmap of its size.
std::unique_ptr<TBitmap> PaintedImage(TWinControl& Control, TColor Background = clFuchsia);
// The client area of Window as it is on the screen now (empty for a window without a client area).
std::unique_ptr<TBitmap> ScreenImage(HWND Window);
// The whole of Window, frame included, as the screen shows it once the window and everything in it have
// been redrawn.
std::unique_ptr<TBitmap> WindowImage(HWND Window);

// Saves Image as Name (a BMP file) in the folder VANTREL_SCREENSHOTS names; nothing when it is not set.
void KeepPicture(const TBitmap& Image, const std::string& Name);
