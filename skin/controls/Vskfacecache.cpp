#include "skin/controls/Vskfacecache.h"

#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/MaskedBlit.h"
#include "framework/win/graphics/ScopedGuards.h"

#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// Faces are kept in 32 bits per pixel, the layout of the screen and of the paint buffers: blitting them there
// is a copy, where 24-bit pixels would be converted on every paint (several times slower).
std::unique_ptr<TBitmap> RenderedOn(TColor Background, int Width, int Height, const TvskFaceCache::TRender& Render) {
    auto Image = std::make_unique<TBitmap>(Width, Height, pf32bit);
    const TRect Rect(0, 0, Width, Height);
    Image->Canvas().Brush().SetColor(Background);
    Image->Canvas().FillRect(Rect);
    Render(Image->Canvas(), Rect);
    return Image;
}

} // namespace

// A face is rendered twice, over black and over white: the pixels that differ are the ones the render left
// alone, whatever way it chose them (a mask colour, a corner drawn opaque, greyed glyphs), so the mask is exact.
void TvskFaceCache::Compose(TFace& Face, int Width, int Height, const TRender& Render) {
    auto OnBlack = RenderedOn(clBlack, Width, Height, Render);
    const auto OnWhite = RenderedOn(clWhite, Width, Height, Render);
    const int Size = OnBlack->BytesPerPixel();
    std::vector<bool> SeeThrough(static_cast<std::size_t>(Width) * Height);
    bool Any = false;
    for (int Y = 0; Y < Height; ++Y) {
        const std::uint8_t* Black = std::as_const(*OnBlack).ScanLine(Y);
        const std::uint8_t* White = OnWhite->ScanLine(Y);
        for (int X = 0; X < Width; ++X) {
            const bool Differs = std::memcmp(Black + X * Size, White + X * Size, Size) != 0;
            SeeThrough[static_cast<std::size_t>(Y) * Width + X] = Differs;
            Any = Any || Differs;
        }
    }
    Face.Mask.Reset();
    if (Any)
        Face.Mask = CreateMaskBitmap(
            Width, Height, [&](int X, int Y) { return SeeThrough[static_cast<std::size_t>(Y) * Width + X]; });
    Face.Image = std::move(OnBlack);
}

void TvskFaceCache::Draw(TCanvas& Canvas, const TRect& Rect, int Slot, const TRender& Render) {
    if (Rect.Width() <= 0 || Rect.Height() <= 0) return;
    TFace& Face = FFaces.at(static_cast<std::size_t>(Slot));
    if (!Face.Image || Face.Image->Width() != Rect.Width() || Face.Image->Height() != Rect.Height())
        Compose(Face, Rect.Width(), Rect.Height(), Render);
    const TBitmapSourceDC Source(*Face.Image);
    if (!Face.Mask) {
        ::BitBlt(Canvas.Handle(), Rect.left, Rect.top, Rect.Width(), Rect.Height(), Source.Handle(), 0, 0, SRCCOPY);
        return;
    }
    if (!FMaskDC) FMaskDC = std::make_unique<TMemoryDC>();
    const TSelectObjectGuard SelectMask(FMaskDC->Handle(), Face.Mask.Get());
    MaskedStretchBlt(Canvas.Handle(), Rect, Source.Handle(), TRect(0, 0, Rect.Width(), Rect.Height()),
                     FMaskDC->Handle(), TPoint());
}

void TvskFaceCache::Clear() {
    for (TFace& Face : FFaces) {
        Face.Image.reset();
        Face.Mask.Reset();
    }
}
