// The MDI client window of an MDI frame form: the system's window that holds the MDI child windows and
// arranges them. The frame owns it and destroys it before itself.
#pragma once

#include "framework/win/graphics/Geometry.h"
#include "framework/win/windowing/WindowHandle.h"

#include <windows.h>

class TMDIClient {
public:
    HWND Handle() const { return FHandle.Get(); }
    void Create(HWND Frame, const TRect& Area);
    void Destroy() { FHandle.Destroy(); }
    // The frame's window went, and took the client with it.
    void Forget() { FHandle.Forget(); }
    // The client fills what the frame's aligned controls leave free.
    void Place(const TRect& Area);
    HWND ActiveChild() const;
    void Tile();
    void Cascade();

private:
    TWindowHandle FHandle;
};
