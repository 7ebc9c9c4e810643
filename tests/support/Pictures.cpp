#include "tests/support/Pictures.h"

#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/windowing/WinControl.h"
#include "tests/support/Messages.h"
#include "tests/support/Pixels.h"

#include <cstdlib>

namespace {
constexpr const char* ScreenshotFolderVariable = "VANTREL_SCREENSHOTS";
// Long enough for a redrawn frame and its children to reach the screen under Wine.
constexpr int RedrawSettle = 50;
} // namespace

std::unique_ptr<TBitmap> PaintedImage(TWinControl& Control, TColor Background) {
    auto Image = std::make_unique<TBitmap>(Control.Width(), Control.Height());
    Fill(*Image, Background);
    Control.PaintTo(Image->Canvas().Handle(), 0, 0);
    return Image;
}

std::unique_ptr<TBitmap> ScreenImage(HWND Window) {
    RECT Client{};
    ::GetClientRect(Window, &Client);
    auto Image = std::make_unique<TBitmap>(Client.right, Client.bottom);
    if (Image->Empty()) return Image;
    const TWindowDC Screen(Window);
    ::BitBlt(Image->Canvas().Handle(), 0, 0, Client.right, Client.bottom, Screen.Handle(), 0, 0, SRCCOPY);
    return Image;
}

// From the screen's DC, not the window's: a frame the program draws itself (a skinned window's) is only
// seen there as the user sees it, other windows over it included.
std::unique_ptr<TBitmap> WindowImage(HWND Window) {
    ::RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(RedrawSettle);
    RECT Bounds;
    ::GetWindowRect(Window, &Bounds);
    auto Image = std::make_unique<TBitmap>(Bounds.right - Bounds.left, Bounds.bottom - Bounds.top);
    const TWindowDC Screen(nullptr);
    ::BitBlt(Image->Canvas().Handle(), 0, 0, Image->Width(), Image->Height(), Screen.Handle(), Bounds.left,
             Bounds.top, SRCCOPY);
    return Image;
}

void KeepPicture(const TBitmap& Image, const std::string& Name) {
    if (const char* Folder = std::getenv(ScreenshotFolderVariable)) Image.SaveToFile(std::string(Folder) + "/" + Name);
}
