// TBitmap: a picture held in a DIB section, 24 bits per pixel unless asked for 32, with its own canvas and
// direct access to its pixel rows.
//
// Transparency: when Transparent is set, every pixel of the transparent colour is left out when the bitmap is
// drawn. That colour is TransparentColor when one was given (tmFixed), otherwise the colour of the bottom-left
// pixel (tmAuto), as skin art puts its background colour in the corners.
//
// Resizing keeps the pixels of the overlapping top-left area; new pixels are white.
#pragma once

#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/Graphic.h"
#include "framework/win/graphics/HandleOwners.h"

#include <cstddef>
#include <cstdint>
#include <memory>

struct TEnumInfo;
struct TDecodedBmp;

enum TPixelFormat : std::uint8_t { pf24bit, pf32bit };
extern const TEnumInfo TPixelFormatInfo;

enum TTransparentMode : std::uint8_t { tmAuto, tmFixed };
extern const TEnumInfo TTransparentModeInfo;

class TBitmap : public TGraphic {
    VSK_CLASS(TBitmap, TGraphic)

public:
    TBitmap();
    TBitmap(int Width, int Height, TPixelFormat Format = pf24bit);
    ~TBitmap() override;

    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    void SetWidth(int Value) override { SetSize(Value, FHeight); }
    void SetHeight(int Value) override { SetSize(FWidth, Value); }
    // A size of 0 (or less) in either direction makes the bitmap empty.
    void SetSize(int Width, int Height);
    bool Empty() const override { return !FHandle; }

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    // Converts the pixels; going from 32 to 24 bits drops the fourth byte.
    void SetPixelFormat(TPixelFormat Value);

    // Draws on the bitmap. The canvas and its memory DC live as long as the bitmap (the DC is made again
    // after a resize).
    TCanvas& Canvas();
    // The DIB section, null while empty. Owned by the bitmap; draw on it through Canvas, which holds it
    // selected into its DC.
    HBITMAP Handle() const { return FHandle.Get(); }

    // Row Row (0 = top) of the pixels: blue, green, red (and a fourth byte in pf32bit) per pixel. Finishes
    // pending GDI drawing first, so the row shows everything drawn so far.
    std::uint8_t* ScanLine(int Row);
    const std::uint8_t* ScanLine(int Row) const;
    int BytesPerPixel() const;
    std::ptrdiff_t BytesPerScanLine() const { return FStride; }

    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode Value);
    // The colour left out when drawing transparently (see above); clDefault for an empty tmAuto bitmap.
    TColor TransparentColor() const;
    // Fixes the colour (tmFixed); clDefault returns to tmAuto.
    void SetTransparentColor(TColor Value);

    // A BMP file of any usual kind (1, 4, 8, 16, 24, 32 bits; BI_RGB or BI_BITFIELDS; either row order),
    // read from the current position to the end of the stream. 32-bit files give pf32bit, all others pf24bit.
    // An empty stream gives an empty bitmap. Malformed data raises EInvalidGraphic and leaves the bitmap as it was.
    void LoadFromStream(TStream& Stream) override;
    // A bottom-up BI_RGB file in the bitmap's own format; nothing at all for an empty bitmap.
    void SaveToStream(TStream& Stream) const override;
    // An RT_BITMAP resource of Instance; EResNotFound when it is missing. Name may be MAKEINTRESOURCE(id).
    void LoadFromResourceName(HINSTANCE Instance, const char* Name);

    // Copies another bitmap's pixels, format and transparency settings.
    void Assign(const TPersistent& Source) override;

protected:
    void Draw(TCanvas& Canvas, const TRect& Rect) const override;

private:
    friend class TBitmapSourceDC;
    class TBitmapCanvas;

    void Reallocate(int Width, int Height, TPixelFormat Format, bool KeepPixels);
    void LoadDecoded(const TDecodedBmp& Image);
    // The colour at (X, Y) as 0x00BBGGRR, read from the pixel memory (after GdiFlush).
    COLORREF PixelColor(int X, int Y) const;
    TBitmapCanvas& OwnCanvas() const;
    bool HasCanvasDC() const;

    TBitmapHandle FHandle;
    std::uint8_t* FBits = nullptr; // the DIB section's pixels, top row first
    int FWidth = 0;
    int FHeight = 0;
    std::ptrdiff_t FStride = 0;
    TPixelFormat FPixelFormat = pf24bit;
    TTransparentMode FTransparentMode = tmAuto;
    TColor FTransparentColor = clDefault;
    mutable std::unique_ptr<TBitmapCanvas> FCanvas;
};

// A DC holding a bitmap, for blitting from it: the bitmap's canvas DC when it has one (a bitmap can be selected
// into one DC only), else a memory DC lent for the scope. So bitmaps that are only ever drawn from, such as
// skin pictures, do not each keep a DC alive. The lent DCs are kept by the thread and used again: making a DC
// costs as much as a dozen blits, and skin pictures are drawn from on every paint.
class TBitmapSourceDC {
public:
    explicit TBitmapSourceDC(const TBitmap& Bitmap);
    ~TBitmapSourceDC();
    TBitmapSourceDC(const TBitmapSourceDC&) = delete;
    TBitmapSourceDC& operator=(const TBitmapSourceDC&) = delete;

    HDC Handle() const { return FHandle; }

private:
    TMemoryDCHandle FLentDC; // from the thread's spare DCs, given back with the bitmap selected out
    HGDIOBJ FOldBitmap = nullptr;
    HDC FHandle;
};
