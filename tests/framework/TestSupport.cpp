#include "TestSupport.h"

#include "framework/core/Streams.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/Picture.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

TColor PixelAt(const TBitmap& Bitmap, int X, int Y) {
    const std::uint8_t* Pixel = Bitmap.ScanLine(Y) + X * Bitmap.BytesPerPixel();
    return RGB(Pixel[2], Pixel[1], Pixel[0]);
}

bool AreaIs(const TBitmap& Bitmap, const TRect& Rect, TColor Color) {
    for (int Y = Rect.top; Y < Rect.bottom; ++Y)
        for (int X = Rect.left; X < Rect.right; ++X)
            if (PixelAt(Bitmap, X, Y) != Color) return false;
    return true;
}

TRect InkBounds(const TBitmap& Bitmap, TColor Background) {
    TRect Bounds(Bitmap.Width(), Bitmap.Height(), 0, 0);
    for (int Y = 0; Y < Bitmap.Height(); ++Y)
        for (int X = 0; X < Bitmap.Width(); ++X)
            if (PixelAt(Bitmap, X, Y) != Background) {
                Bounds.left = std::min<LONG>(Bounds.left, X);
                Bounds.top = std::min<LONG>(Bounds.top, Y);
                Bounds.right = std::max<LONG>(Bounds.right, X + 1);
                Bounds.bottom = std::max<LONG>(Bounds.bottom, Y + 1);
            }
    return Bounds.IsEmpty() ? TRect() : Bounds;
}

void Fill(TBitmap& Bitmap, TColor Color) {
    Bitmap.Canvas().Brush().SetColor(Color);
    Bitmap.Canvas().FillRect(TRect(0, 0, Bitmap.Width(), Bitmap.Height()));
}

namespace {
void Put(std::vector<std::uint8_t>& Out, std::uint32_t Value, int Bytes) {
    for (int I = 0; I < Bytes; ++I)
        Out.push_back(static_cast<std::uint8_t>(Value >> (8 * I)));
}
} // namespace

std::vector<std::uint8_t> MakeBmp(const TBmpLayout& Layout) {
    std::vector<std::uint8_t> Info;
    const bool Core = Layout.HeaderSize == 12;
    Put(Info, Layout.HeaderSize, 4);
    if (Core) {
        Put(Info, Layout.Width, 2);
        Put(Info, Layout.Height, 2);
        Put(Info, 1, 2);
        Put(Info, Layout.BitCount, 2);
    } else {
        Put(Info, Layout.Width, 4);
        Put(Info, Layout.Height, 4);
        Put(Info, 1, 2);
        Put(Info, Layout.BitCount, 2);
        Put(Info, Layout.Compression, 4);
        for (int Field = 0; Field < 3; ++Field) // image size, horizontal and vertical resolution
            Put(Info, 0, 4);
        Put(Info, Layout.ColorsUsed, 4);
        Put(Info, 0, 4); // important colours
        if (Layout.HeaderSize > 40) {
            for (std::uint32_t Mask : Layout.Masks)
                Put(Info, Mask, 4);
            Info.resize(Layout.HeaderSize, 0);
        } else {
            for (std::uint32_t Mask : Layout.Masks)
                Put(Info, Mask, 4);
        }
    }
    for (std::uint32_t Color : Layout.Palette) {
        Put(Info, Color & 0xFF, 1);
        Put(Info, (Color >> 8) & 0xFF, 1);
        Put(Info, (Color >> 16) & 0xFF, 1);
        if (!Core) Put(Info, 0, 1);
    }
    std::vector<std::uint8_t> Pixels;
    const int Rows = static_cast<int>(Layout.Rows.size());
    for (int I = 0; I < Rows; ++I) {
        const auto& Row = Layout.Rows[Layout.Height < 0 ? I : Rows - 1 - I];
        Pixels.insert(Pixels.end(), Row.begin(), Row.end());
        Pixels.resize((Pixels.size() + 3) & ~std::size_t{3}, 0);
    }
    std::vector<std::uint8_t> File;
    const std::uint32_t Offset = 14 + static_cast<std::uint32_t>(Info.size());
    File.push_back('B');
    File.push_back('M');
    Put(File, Offset + static_cast<std::uint32_t>(Pixels.size()), 4);
    Put(File, 0, 4);
    Put(File, Offset, 4);
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
