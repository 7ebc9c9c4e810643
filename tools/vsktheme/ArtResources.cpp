// The Windows program carries every skin image as a bitmap resource; a BMP file is that resource (a DIB:
// info header, colour table or masks, pixels) behind the 14-byte file header that the resource compiler
// strips.
#include "tools/vsktheme/ArtSource.h"

#include <windows.h>

#include <cstring>
#include <stdexcept>

namespace {

constexpr WORD BmpSignature = 0x4D42; // "BM"
constexpr DWORD BitFieldsMaskBytes = 3 * sizeof(DWORD);

// Bytes between the start of the DIB and its pixels.
DWORD PixelOffset(const BITMAPINFOHEADER& Info) {
    DWORD Colors = Info.biClrUsed;
    if (Colors == 0 && Info.biBitCount <= 8) Colors = 1u << Info.biBitCount;
    DWORD Offset = Info.biSize + Colors * sizeof(RGBQUAD);
    if (Info.biSize == sizeof(BITMAPINFOHEADER) && Info.biCompression == BI_BITFIELDS) Offset += BitFieldsMaskBytes;
    return Offset;
}

std::vector<std::uint8_t> ResourceBmp(const std::string& Name) {
    HRSRC Resource = ::FindResourceA(nullptr, Name.c_str(), RT_BITMAP);
    HGLOBAL Loaded = Resource ? ::LoadResource(nullptr, Resource) : nullptr;
    const void* Dib = Loaded ? ::LockResource(Loaded) : nullptr;
    const DWORD DibSize = Resource ? ::SizeofResource(nullptr, Resource) : 0;
    if (!Dib || DibSize < sizeof(BITMAPINFOHEADER))
        throw std::runtime_error("the program has no bitmap resource " + Name);
    BITMAPINFOHEADER Info;
    std::memcpy(&Info, Dib, sizeof Info);

    BITMAPFILEHEADER File{};
    File.bfType = BmpSignature;
    File.bfSize = sizeof File + DibSize;
    File.bfOffBits = sizeof File + PixelOffset(Info);
    std::vector<std::uint8_t> Bmp(sizeof File + DibSize);
    std::memcpy(Bmp.data(), &File, sizeof File);
    std::memcpy(Bmp.data() + sizeof File, Dib, DibSize);
    return Bmp;
}

} // namespace

TArtSource DefaultArt() {
    return ResourceBmp;
}
