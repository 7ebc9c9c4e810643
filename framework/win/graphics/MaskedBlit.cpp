#include "framework/win/graphics/MaskedBlit.h"

#include "framework/win/graphics/GraphicsExceptions.h"
#include "framework/win/graphics/ScopedGuards.h"

#include <vector>

namespace {

constexpr int BitsPerByte = 8;
constexpr int MonoRowAlignBytes = 2; // CreateBitmap wants monochrome rows padded to 16 bits
constexpr std::uint8_t HighBit = 0x80;

// While a monochrome mask is blitted onto a colour DC, its white bits take the DC's background colour and its
// black bits the text colour; these make them white and black again.
class TMonoToColorGuard {
public:
    explicit TMonoToColorGuard(HDC Dest) : FBk(Dest, RGB(255, 255, 255)), FText(Dest, RGB(0, 0, 0)) {}

private:
    TBkColorGuard FBk;
    TTextColorGuard FText;
};

} // namespace

TBitmapHandle CreateMaskBitmap(int Width, int Height, const TMaskPredicate& Keep) {
    const int RowBytes =
        ((Width + BitsPerByte * MonoRowAlignBytes - 1) / (BitsPerByte * MonoRowAlignBytes)) * MonoRowAlignBytes;
    std::vector<std::uint8_t> Bits(static_cast<std::size_t>(RowBytes) * Height);
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Width; ++X)
            if (Keep(X, Y))
                Bits[static_cast<std::size_t>(Y) * RowBytes + X / BitsPerByte] |= HighBit >> (X % BitsPerByte);
    TBitmapHandle Mask(::CreateBitmap(Width, Height, 1, 1, Bits.data()));
    if (!Mask) throw EOutOfResources();
    return Mask;
}

void MaskedStretchBlt(HDC Dest, const TRect& DestRect, HDC Source, const TRect& SourceRect, HDC MaskDC,
                      const TPoint& MaskOrigin) {
    // Nearest pixel for both image and mask, so their pixels stay in step.
    TStretchModeGuard Mode(Dest, COLORONCOLOR);
    TMonoToColorGuard Colors(Dest);
    auto Blit = [&](HDC From, const TPoint& Origin, DWORD Rop) {
        ::StretchBlt(Dest, DestRect.left, DestRect.top, DestRect.Width(), DestRect.Height(), From, Origin.x, Origin.y,
                     SourceRect.Width(), SourceRect.Height(), Rop);
    };
    // D xor S, then and-ed with the mask (kept pixels unchanged, painted ones 0), then xor S again: kept pixels
    // come back to D, painted ones become S. No copy of the image with blackened see-through pixels is needed.
    Blit(Source, SourceRect.TopLeft(), SRCINVERT);
    Blit(MaskDC, MaskOrigin, SRCAND);
    Blit(Source, SourceRect.TopLeft(), SRCINVERT);
}
