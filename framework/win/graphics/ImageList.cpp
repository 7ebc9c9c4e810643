#include "framework/win/graphics/ImageList.h"

#include "framework/core/Properties.h"
#include "framework/win/graphics/ColorConversion.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/ScopedGuards.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t Blue = 0, Green = 1, Red = 2; // byte order of a DIB pixel
constexpr int ListBytesPerPixel = 3;                // the list keeps its images at 24 bits
constexpr COLORREF WhiteMask = RGB(255, 255, 255);

// Brightness weights of red, green and blue in thousandths (ITU-R BT.601), for the greyed image.
constexpr int RedWeight = 299, GreenWeight = 587, BlueWeight = 114, WeightSum = 1000;

// Every pixel's colour as 0x00BBGGRR, row by row, so that masks can be computed without GDI calls per pixel.
std::vector<COLORREF> ReadColors(const TBitmap& Image) {
    std::vector<COLORREF> Colors;
    Colors.reserve(static_cast<std::size_t>(Image.Width()) * Image.Height());
    for (int Y = 0; Y < Image.Height(); ++Y) {
        const std::uint8_t* Pixel = Image.ScanLine(Y);
        for (int X = 0; X < Image.Width(); ++X, Pixel += Image.BytesPerPixel())
            Colors.push_back(RGB(Pixel[Red], Pixel[Green], Pixel[Blue]));
    }
    return Colors;
}

} // namespace

VSK_IMPLEMENT_CLASS(TImageList)

void TImageList::Publish(TPublisher<TImageList>& p) {
    p.Int("Height", &TImageList::Height, &TImageList::SetHeight).Default(DefaultSize);
    p.Int("Width", &TImageList::Width, &TImageList::SetWidth).Default(DefaultSize);
}

TImageList::TImageList(TComponent* AOwner) : TImageList(AOwner, DefaultSize, DefaultSize) {}

TImageList::TImageList(TComponent* AOwner, int Width, int Height)
    : TComponent(AOwner), FWidth(std::max(Width, 1)), FHeight(std::max(Height, 1)) {}

void TImageList::SetWidth(int Value) {
    SetSize(Value, FHeight);
}

void TImageList::SetHeight(int Value) {
    SetSize(FWidth, Value);
}

void TImageList::SetSize(int Width, int Height) {
    Width = std::max(Width, 1);
    Height = std::max(Height, 1);
    if (Width == FWidth && Height == FHeight) return;
    FWidth = Width;
    FHeight = Height;
    Clear();
}

void TImageList::Clear() {
    FImages.SetSize(0, 0);
    FMasks.clear();
    FCount = 0;
    OnChange(this);
}

bool TImageList::IsSeeThrough(int Index, int X, int Y) const {
    const std::size_t ImageSize = static_cast<std::size_t>(FWidth) * FHeight;
    return FMasks[Index * ImageSize + static_cast<std::size_t>(Y) * FWidth + X] != 0;
}

int TImageList::AddImages(const TBitmap& Image, const TMaskPredicate& SeeThrough) {
    const int Added = Image.Width() / FWidth;
    if (Added <= 0) return -1;
    const int First = FCount;
    FImages.SetSize((FCount + Added) * FWidth, FHeight); // keeps the images already there
    const int Rows = std::min(FHeight, Image.Height());
    for (int Y = 0; Y < Rows; ++Y) {
        const std::uint8_t* From = Image.ScanLine(Y);
        std::uint8_t* To = FImages.ScanLine(Y) + static_cast<std::ptrdiff_t>(First) * FWidth * ListBytesPerPixel;
        for (int X = 0; X < Added * FWidth; ++X, From += Image.BytesPerPixel(), To += ListBytesPerPixel)
            std::memcpy(To, From, ListBytesPerPixel);
    }
    // Rows the source does not have stay white and see-through.
    for (int I = 0; I < Added; ++I)
        for (int Y = 0; Y < FHeight; ++Y)
            for (int X = 0; X < FWidth; ++X)
                FMasks.push_back(Y >= Rows || SeeThrough(I * FWidth + X, Y));
    FCount += Added;
    OnChange(this);
    return First;
}

int TImageList::Add(const TBitmap& Image, const TBitmap* Mask) {
    if (!Mask || Mask->Empty()) return AddImages(Image, [](int, int) { return false; });
    const std::vector<COLORREF> MaskColors = ReadColors(*Mask);
    return AddImages(Image, [&](int X, int Y) {
        return X < Mask->Width() && Y < Mask->Height() &&
               MaskColors[static_cast<std::size_t>(Y) * Mask->Width() + X] == WhiteMask;
    });
}

int TImageList::AddMasked(const TBitmap& Image, TColor MaskColor) {
    const COLORREF Key = ColorToRGB(MaskColor);
    const std::vector<COLORREF> Colors = ReadColors(Image);
    return AddImages(Image,
                     [&](int X, int Y) { return Colors[static_cast<std::size_t>(Y) * Image.Width() + X] == Key; });
}

void TImageList::Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled) const {
    if (Index < 0 || Index >= FCount) return;
    const TBitmapHandle Mask =
        CreateMaskBitmap(FWidth, FHeight, [&](int MX, int MY) { return IsSeeThrough(Index, MX, MY); });
    const TMemoryDC MaskDC;
    const TSelectObjectGuard SelectMask(MaskDC.Handle(), Mask.Get());
    const TRect Dest = Bounds(X, Y, FWidth, FHeight);
    if (Enabled) {
        const TBitmapSourceDC Source(FImages);
        MaskedStretchBlt(Canvas.Handle(), Dest, Source.Handle(), Bounds(Index * FWidth, 0, FWidth, FHeight),
                         MaskDC.Handle(), TPoint());
        return;
    }
    TBitmap Grey(FWidth, FHeight);
    for (int Row = 0; Row < FHeight; ++Row) {
        const std::uint8_t* From =
            FImages.ScanLine(Row) + static_cast<std::ptrdiff_t>(Index) * FWidth * ListBytesPerPixel;
        std::uint8_t* To = Grey.ScanLine(Row);
        for (int Column = 0; Column < FWidth; ++Column, From += ListBytesPerPixel, To += ListBytesPerPixel) {
            const int Level =
                (From[Red] * RedWeight + From[Green] * GreenWeight + From[Blue] * BlueWeight + WeightSum / 2) /
                WeightSum;
            To[Red] = To[Green] = To[Blue] = static_cast<std::uint8_t>(Level);
        }
    }
    const TBitmapSourceDC Source(Grey);
    MaskedStretchBlt(Canvas.Handle(), Dest, Source.Handle(), Bounds(0, 0, FWidth, FHeight), MaskDC.Handle(), TPoint());
}

void TImageList::GetBitmap(int Index, TBitmap& Dest) const {
    if (Index < 0 || Index >= FCount) return;
    Dest.SetPixelFormat(pf24bit);
    Dest.SetSize(FWidth, FHeight);
    for (int Y = 0; Y < FHeight; ++Y)
        std::memcpy(Dest.ScanLine(Y),
                    FImages.ScanLine(Y) + static_cast<std::ptrdiff_t>(Index) * FWidth * ListBytesPerPixel,
                    static_cast<std::size_t>(FWidth) * ListBytesPerPixel);
}
