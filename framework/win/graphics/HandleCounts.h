// Live counts of the GDI and USER handles our RAII owners hold, per kind of handle.
//
// GetGuiResources would be the natural leak detector, but it returns 0 under Wine, where the tests run. So every
// owner reports when it takes and when it gives up a handle, and a test can compare the counts before and after
// a piece of work: anything not back where it started is a leak (or a handle still owned on purpose).
#pragma once

#include <cstddef>

enum class THandleKind {
    Bitmap,
    Brush,
    Pen,
    Font,
    Region,
    MemoryDC, // CreateCompatibleDC ... DeleteDC
    WindowDC, // GetDC / GetWindowDC ... ReleaseDC
    Icon,
    Cursor,
    ImageList,
    Menu,
    Window,
    Timer, // SetTimer ... KillTimer
    Hook,  // SetWindowsHookEx ... UnhookWindowsHookEx
};

class THandleCounts {
public:
    // Number of handles of this kind currently held by owners.
    static long Live(THandleKind Kind);
    // Sum over every kind: the quick "did anything leak" figure.
    static long TotalLive();

    // Called by the owners only.
    static void Acquired(THandleKind Kind);
    static void Released(THandleKind Kind);

    static constexpr std::size_t KindCount = static_cast<std::size_t>(THandleKind::Hook) + 1; // the last kind
};
