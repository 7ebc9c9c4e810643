#include "tests/support/BitmapBytes.h"

#include "framework/core/Streams.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Picture.h"
#include "tests/support/Pixels.h"

#include <cstdio>

namespace {
constexpr std::uint32_t CoreHeaderSize = 12; // BITMAPCOREHEADER: 16-bit sizes, three-byte palette entries
constexpr std::uint32_t InfoHeaderSize = 40; // BITMAPINFOHEADER
constexpr std::uint32_t FileHeaderSize = 14;
constexpr int RowAlignment = 4;
constexpr std::uint32_t PaletteColorBits = 0x00FFFFFF; // the fourth byte of a palette entry is always zero

// The header that follows the file header, and the palette.
TBytes InfoPart(const TBmpLayout& Layout) {
    TBytes Info;
    const bool Core = Layout.HeaderSize == CoreHeaderSize;
    AppendLittleEndian(Info, Layout.HeaderSize);
    if (Core) {
        AppendLittleEndian(Info, static_cast<std::uint32_t>(Layout.Width), 2);
        AppendLittleEndian(Info, static_cast<std::uint32_t>(Layout.Height), 2);
        AppendLittleEndian(Info, 1, 2); // planes
        AppendLittleEndian(Info, Layout.BitCount, 2);
    } else {
        AppendLittleEndian(Info, static_cast<std::uint32_t>(Layout.Width));
        AppendLittleEndian(Info, static_cast<std::uint32_t>(Layout.Height));
        AppendLittleEndian(Info, 1, 2); // planes
        AppendLittleEndian(Info, Layout.BitCount, 2);
        AppendLittleEndian(Info, Layout.Compression);
        for (int Field = 0; Field < 3; ++Field) // image size, horizontal and vertical resolution
            AppendLittleEndian(Info, 0);
        AppendLittleEndian(Info, Layout.ColorsUsed);
        AppendLittleEndian(Info, 0); // important colours
        for (std::uint32_t Mask : Layout.Masks)
            AppendLittleEndian(Info, Mask);
        if (Layout.HeaderSize > InfoHeaderSize) Info.resize(Layout.HeaderSize, 0);
    }
    for (std::uint32_t Color : Layout.Palette) // stored blue, green, red (and the zero byte)
        AppendLittleEndian(Info, Color & PaletteColorBits, Core ? 3 : 4);
    return Info;
}
} // namespace

TBytes MakeBmp(const TBmpLayout& Layout) {
    const TBytes Info = InfoPart(Layout);
    TBytes Pixels;
    const int Rows = static_cast<int>(Layout.Rows.size());
    for (int I = 0; I < Rows; ++I) {
        const auto& Row = Layout.Rows[Layout.Height < 0 ? I : Rows - 1 - I];
        Pixels.insert(Pixels.end(), Row.begin(), Row.end());
        Pixels.resize((Pixels.size() + RowAlignment - 1) / RowAlignment * RowAlignment, 0);
    }
    const std::uint32_t Offset = FileHeaderSize + static_cast<std::uint32_t>(Info.size());
    TBytes File = {'B', 'M'};
    AppendLittleEndian(File, Offset + static_cast<std::uint32_t>(Pixels.size()));
    AppendLittleEndian(File, 0); // reserved
    AppendLittleEndian(File, Offset);
    File.insert(File.end(), Info.begin(), Info.end());
    File.insert(File.end(), Pixels.begin(), Pixels.end());
    return File;
}

std::string PictureDataHex(int Width, int Height, TColor Color) {
    TBitmap Bitmap(Width, Height);
    Fill(Bitmap, Color);
    TPicture Picture;
    Picture.SetGraphic(&Bitmap);
    TMemoryStream Data;
    Picture.WriteData(Data);
    std::string Hex;
    char Digits[3];
    for (std::int64_t I = 0; I < Data.Size(); ++I) {
        std::snprintf(Digits, sizeof(Digits), "%02X", Data.Memory()[I]);
        Hex += Digits;
    }
    return Hex;
}
