#include "tests/support/Pictures.h"

#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/windowing/WinControl.h"
#include "tests/support/Pixels.h"

#include <cstdlib>

namespace {
constexpr const char* ScreenshotFolderVariable = "VANTREL_SCREENSHOTS";
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

void KeepPicture(const TBitmap& Image, const std::string& Name) {
    if (const char* Folder = std::getenv(ScreenshotFolderVariable)) Image.SaveToFile(std::string(Folder) + "/" + Name);
}
