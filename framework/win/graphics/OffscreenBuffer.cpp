#include "framework/win/graphics/OffscreenBuffer.h"

#include "framework/win/graphics/GraphicsExceptions.h"

#include <algorithm>

TOffscreenBuffer::TOffscreenBuffer(HDC Reference, int Width, int Height)
    : FWidth(std::max(Width, 1)), FHeight(std::max(Height, 1)), FDC(Reference) {
    // A bitmap compatible with the memory DC itself would be monochrome: take the reference DC's format.
    HDC Format = Reference;
    std::optional<TWindowDC> Screen;
    if (!Format) Format = Screen.emplace(nullptr).Handle();
    FBitmap.Reset(::CreateCompatibleBitmap(Format, FWidth, FHeight));
    if (!FBitmap) throw EOutOfResources();
    FSelected.emplace(FDC.Handle(), FBitmap.Get());
}

void TOffscreenBuffer::CopyTo(HDC Target, int X, int Y) const {
    ::BitBlt(Target, X, Y, FWidth, FHeight, FDC.Handle(), 0, 0, SRCCOPY);
}

void TOffscreenBuffer::CopyAreaTo(HDC Target, const RECT& Area) const {
    ::BitBlt(Target, Area.left, Area.top, Area.right - Area.left, Area.bottom - Area.top, FDC.Handle(), Area.left,
             Area.top, SRCCOPY);
}

bool TOffscreenBuffer::Fits(int Width, int Height) const {
    return FWidth == std::max(Width, 1) && FHeight == std::max(Height, 1);
}
