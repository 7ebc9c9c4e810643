// TSkinnedWindow: the skin tests' window on the screen: a dialog host form carrying a skinned form (the main
// window's frame), shown and in the foreground, so that real input and pictures of the screen reach it.
#pragma once

#include "framework/win/forms/Form.h"
#include "skin/frame/Vskform.h"

#include <windows.h>

#include <memory>

// The main window's client area.
inline constexpr int HostClientWidth = 794;
inline constexpr int HostClientHeight = 610;

struct TSkinnedWindow {
    explicit TSkinnedWindow(TvskUIStyle Style = BlueGlass, int ClientWidth = HostClientWidth,
                            int ClientHeight = HostClientHeight);
    ~TSkinnedWindow();
    TSkinnedWindow(const TSkinnedWindow&) = delete;
    TSkinnedWindow& operator=(const TSkinnedWindow&) = delete;

    std::unique_ptr<TForm> Host;
    TvskForm* Skin;
    HWND Window() const { return Host->Handle(); }
    // A point of the title bar, in screen coordinates.
    POINT TitlePoint(int X, int Y) const;
};
