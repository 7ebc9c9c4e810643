#include "framework/win/graphics/Bitmap.h"

#include "framework/core/BmpCodec.h"
#include "framework/core/Properties.h"
#include "framework/core/Streams.h"
#include "framework/win/graphics/ColorConversion.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/GraphicsExceptions.h"
#include "framework/win/graphics/MaskedBlit.h"
#include "framework/win/graphics/ScopedGuards.h"

#include <algorithm>
#include <new>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

const TEnumInfo TPixelFormatInfo{"TPixelFormat", {"pf24bit", "pf32bit"}};
const TEnumInfo TTransparentModeInfo{"TTransparentMode", {"tmAuto", "tmFixed"}};

namespace {

constexpr int BitsPerByte = 8;
constexpr int RowAlignBytes = 4;
constexpr std::uint8_t White = 0xFF;
constexpr std::size_t Blue = 0, Green = 1, Red = 2; // byte order of a DIB pixel

int BytesPerPixelOf(TPixelFormat Format) {
    return Format == pf32bit ? 4 : 3;
}

std::ptrdiff_t StrideOf(int Width, TPixelFormat Format) {
    const std::ptrdiff_t RowBytes = static_cast<std::ptrdiff_t>(Width) * BytesPerPixelOf(Format);
    return (RowBytes + RowAlignBytes - 1) / RowAlignBytes * RowAlignBytes;
}

// Copies Count pixels between rows of possibly different formats; a new fourth byte is 0, as GDI leaves it.
void CopyRow(const std::uint8_t* From, TPixelFormat FromFormat, std::uint8_t* To, TPixelFormat ToFormat, int Count) {
    if (FromFormat == ToFormat) {
        std::memcpy(To, From, static_cast<std::size_t>(Count) * BytesPerPixelOf(ToFormat));
        return;
    }
    const int FromStep = BytesPerPixelOf(FromFormat), ToStep = BytesPerPixelOf(ToFormat);
    for (int X = 0; X < Count; ++X, From += FromStep, To += ToStep) {
        std::memcpy(To, From, 3);
        if (ToFormat == pf32bit) To[3] = 0;
    }
}

} // namespace

// The bitmap's canvas: a memory DC, made on first use, with the DIB section selected into it.
class TBitmap::TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(const TBitmap& Owner) : FOwner(Owner) {}
    ~TBitmapCanvas() override { FreeContext(); }

    // Lets go of the DC (and with it the DIB section), for a resize or the end of the bitmap.
    void FreeContext() {
        if (!FDC) return;
        SetHandle(nullptr);
        ::SelectObject(FDC.Get(), FOldBitmap);
        FDC.Reset();
    }

protected:
    void CreateHandle() override {
        TMemoryDCHandle DC(::CreateCompatibleDC(nullptr));
        if (!DC) throw EOutOfResources();
        FOldBitmap = FOwner.FHandle ? ::SelectObject(DC.Get(), FOwner.FHandle.Get()) : nullptr;
        FDC = std::move(DC);
        SetHandle(FDC.Get());
    }

private:
    const TBitmap& FOwner;
    TMemoryDCHandle FDC;
    HGDIOBJ FOldBitmap = nullptr;
};

VSK_IMPLEMENT_CLASS(TBitmap)

void TBitmap::Publish(TPublisher<TBitmap>&) {}

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int Width, int Height, TPixelFormat Format) {
    FPixelFormat = Format;
    Reallocate(Width, Height, Format, false);
}

TBitmap::~TBitmap() {
    FCanvas.reset(); // the DC must let go of the DIB section before it is deleted
}

TBitmap::TBitmapCanvas& TBitmap::OwnCanvas() const {
    if (!FCanvas) FCanvas = std::make_unique<TBitmapCanvas>(*this);
    return *FCanvas;
}

bool TBitmap::HasCanvasDC() const {
    return FCanvas && FCanvas->HandleAllocated();
}

TCanvas& TBitmap::Canvas() {
    return OwnCanvas();
}

int TBitmap::BytesPerPixel() const {
    return BytesPerPixelOf(FPixelFormat);
}

std::uint8_t* TBitmap::ScanLine(int Row) {
    return const_cast<std::uint8_t*>(std::as_const(*this).ScanLine(Row));
}

const std::uint8_t* TBitmap::ScanLine(int Row) const {
    if (Row < 0 || Row >= FHeight) throw EInvalidGraphicOperation("Scan line index out of range");
    ::GdiFlush();
    return FBits + Row * FStride;
}

void TBitmap::Reallocate(int Width, int Height, TPixelFormat Format, bool KeepPixels) {
    if (Width <= 0 || Height <= 0) Width = Height = 0;
    TBitmapHandle NewHandle;
    void* NewBits = nullptr;
    const std::ptrdiff_t NewStride = StrideOf(Width, Format);
    if (Width > 0) {
        BITMAPINFO Info{};
        Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        Info.bmiHeader.biWidth = Width;
        Info.bmiHeader.biHeight = -Height; // top-down: row 0 is the top row, as ScanLine counts
        Info.bmiHeader.biPlanes = 1;
        Info.bmiHeader.biBitCount = static_cast<WORD>(BytesPerPixelOf(Format) * BitsPerByte);
        Info.bmiHeader.biCompression = BI_RGB;
        NewHandle.Reset(::CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &NewBits, nullptr, 0));
        if (!NewHandle) throw EOutOfResources();
        auto* Pixels = static_cast<std::uint8_t*>(NewBits);
        if (Format == pf24bit) {
            std::memset(Pixels, White, static_cast<std::size_t>(NewStride) * Height);
        } else {
            for (std::ptrdiff_t I = 0; I < NewStride * Height; I += 4) {
                Pixels[I + Blue] = Pixels[I + Green] = Pixels[I + Red] = White;
                Pixels[I + 3] = 0;
            }
        }
        if (KeepPixels && FHandle) {
            ::GdiFlush();
            const int Rows = std::min(Height, FHeight), Columns = std::min(Width, FWidth);
            for (int Y = 0; Y < Rows; ++Y)
                CopyRow(FBits + Y * FStride, FPixelFormat, Pixels + Y * NewStride, Format, Columns);
        }
    }
    if (FCanvas) FCanvas->FreeContext();
    FHandle = std::move(NewHandle);
    FBits = static_cast<std::uint8_t*>(NewBits);
    FWidth = Width;
    FHeight = Height;
    FStride = NewStride;
    FPixelFormat = Format;
}

void TBitmap::SetSize(int Width, int Height) {
    if (Width == FWidth && Height == FHeight) return;
    Reallocate(Width, Height, FPixelFormat, true);
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
    if (Value == FPixelFormat) return;
    Reallocate(FWidth, FHeight, Value, true);
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
    if (Value == FTransparentMode) return;
    FTransparentMode = Value;
    Changed();
}

COLORREF TBitmap::PixelColor(int X, int Y) const {
    const std::uint8_t* Pixel = FBits + Y * FStride + static_cast<std::ptrdiff_t>(X) * BytesPerPixel();
    return RGB(Pixel[Red], Pixel[Green], Pixel[Blue]);
}

TColor TBitmap::TransparentColor() const {
    if (FTransparentMode == tmFixed) return FTransparentColor;
    if (Empty()) return clDefault;
    ::GdiFlush();
    return PixelColor(0, FHeight - 1);
}

void TBitmap::SetTransparentColor(TColor Value) {
    FTransparentColor = Value;
    FTransparentMode = Value == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TBitmap::LoadDecoded(const TDecodedBmp& Image) {
    const TPixelFormat Format = Image.BitCount == 32 ? pf32bit : pf24bit;
    Reallocate(Image.Width, Image.Height, Format, false);
    for (int Y = 0; Y < FHeight; ++Y) {
        const auto* From = reinterpret_cast<const std::uint8_t*>(Image.Pixels.data() + std::size_t(Y) * FWidth);
        CopyRow(From, pf32bit, FBits + Y * FStride, Format, FWidth);
    }
    Changed();
}

void TBitmap::LoadFromStream(TStream& Stream) {
    std::vector<std::uint8_t> Data(static_cast<std::size_t>(Stream.Size() - Stream.Position()));
    if (Data.empty()) {
        Reallocate(0, 0, FPixelFormat, false);
        Changed();
        return;
    }
    Stream.ReadBuffer(Data.data(), Data.size());
    LoadDecoded(DecodeBmpFile(Data));
}

void TBitmap::SaveToStream(TStream& Stream) const {
    if (Empty()) return;
    const std::vector<std::uint8_t> File =
        EncodeBmpFile(ScanLine(0), FWidth, FHeight, FStride, BytesPerPixel() * BitsPerByte, BmpPixelsPerMetreAt96Dpi);
    Stream.WriteBuffer(File.data(), File.size());
}

void TBitmap::LoadFromResourceName(HINSTANCE Instance, const char* Name) {
    const HRSRC Resource = ::FindResourceA(Instance, Name, RT_BITMAP);
    const HGLOBAL Loaded = Resource ? ::LoadResource(Instance, Resource) : nullptr;
    const void* Data = Loaded ? ::LockResource(Loaded) : nullptr;
    if (!Data) throw EResNotFound(Name);
    // Resource memory is part of the loaded module: nothing to free.
    LoadDecoded(DecodePackedDib({static_cast<const std::uint8_t*>(Data), ::SizeofResource(Instance, Resource)}));
}

void TBitmap::Assign(const TPersistent& Source) {
    const auto* Other = dynamic_cast<const TBitmap*>(&Source);
    if (!Other) {
        inherited::Assign(Source);
        return;
    }
    if (Other == this) return;
    Reallocate(Other->FWidth, Other->FHeight, Other->FPixelFormat, false);
    for (int Y = 0; Y < FHeight; ++Y)
        std::memcpy(FBits + Y * FStride, Other->ScanLine(Y), static_cast<std::size_t>(FStride));
    FTransparent = Other->FTransparent;
    FTransparentMode = Other->FTransparentMode;
    FTransparentColor = Other->FTransparentColor;
    Changed();
}

void TBitmap::Draw(TCanvas& Canvas, const TRect& Rect) const {
    const HDC Dest = Canvas.Handle();
    const TBitmapSourceDC SourceDC(*this);
    const HDC Source = SourceDC.Handle();
    const TRect Whole(0, 0, FWidth, FHeight);
    if (!Transparent()) {
        TStretchModeGuard Mode(Dest, COLORONCOLOR); // nearest pixel: exact and repeatable
        ::StretchBlt(Dest, Rect.left, Rect.top, Rect.Width(), Rect.Height(), Source, 0, 0, FWidth, FHeight,
                     Canvas.CopyMode());
        return;
    }
    const COLORREF Key = ColorToRGB(TransparentColor());
    ::GdiFlush(); // the mask is read from the pixel memory
    const TBitmapHandle Mask = CreateMaskBitmap(FWidth, FHeight, [&](int X, int Y) { return PixelColor(X, Y) == Key; });
    const TMemoryDC MaskDC;
    const TSelectObjectGuard SelectMask(MaskDC.Handle(), Mask.Get());
    MaskedStretchBlt(Dest, Rect, Source, Whole, MaskDC.Handle(), TPoint());
}

namespace {
// The memory DCs TBitmapSourceDC lends, per thread: as many as were ever lent at once (a masked blit holds
// two). Never destroyed: bitmaps may still be drawn from while the program's last objects go at exit, after
// thread-local objects would have been; the system takes them back with the process.
std::vector<TMemoryDCHandle>& SpareSourceDCs() {
    thread_local auto* Spares = new std::vector<TMemoryDCHandle>;
    return *Spares;
}
} // namespace

TBitmapSourceDC::TBitmapSourceDC(const TBitmap& Bitmap) {
    if (Bitmap.HasCanvasDC()) {
        FHandle = Bitmap.OwnCanvas().Handle();
        return;
    }
    std::vector<TMemoryDCHandle>& Spares = SpareSourceDCs();
    if (Spares.empty()) {
        FLentDC.Reset(::CreateCompatibleDC(nullptr));
        if (!FLentDC) throw EOutOfResources();
    } else {
        FLentDC = std::move(Spares.back());
        Spares.pop_back();
    }
    FHandle = FLentDC.Get();
    FOldBitmap = ::SelectObject(FHandle, Bitmap.Handle());
}

TBitmapSourceDC::~TBitmapSourceDC() {
    if (!FLentDC) return;
    ::SelectObject(FHandle, FOldBitmap);
    try {
        SpareSourceDCs().push_back(std::move(FLentDC));
    } catch (const std::bad_alloc&) {
        // No room to keep it: the DC is deleted with this object instead.
    }
}
