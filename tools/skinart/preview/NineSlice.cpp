#include "tools/skinart/preview/NineSlice.h"

#include "skin/themes/Vskspitpieces.h"

#include <algorithm>

namespace skinart {

namespace {

// Nearest pixel, as the platform's stretching blit does for skin pieces; keyed pixels are left out.
void StretchKeyed(const TRgbImage& src, const TvskSpitRect& from, TRgbImage& dst, const TvskSpitRect& to) {
    for (int y = 0; y < to.Height(); ++y)
        for (int x = 0; x < to.Width(); ++x) {
            const int dx = to.Left + x;
            const int dy = to.Top + y;
            if (dx < 0 || dy < 0 || dx >= dst.Width() || dy >= dst.Height()) continue;
            const TRgb c =
                src.At(from.Left + x * from.Width() / to.Width(), from.Top + y * from.Height() / to.Height());
            if (c != KeyColor) dst.Set(dx, dy, c);
        }
}

} // namespace

void BlitKeyed(TRgbImage& dst, const TRgbImage& src, int x, int y, TRgb key) {
    for (int sy = 0; sy < src.Height(); ++sy)
        for (int sx = 0; sx < src.Width(); ++sx) {
            const int dx = x + sx;
            const int dy = y + sy;
            if (dx >= 0 && dy >= 0 && dx < dst.Width() && dy < dst.Height() && src.At(sx, sy) != key)
                dst.Set(dx, dy, src.At(sx, sy));
        }
}

void NineSlice(const TRgbImage& face, TRgbImage& onto) {
    // Corners come out the same size on both sides, so the stretch copies them one for one.
    for (const TvskSpitPiece& piece : SpitDrawPieces(face.Width(), face.Height(), onto.Width(), onto.Height()))
        if (!piece.Skipped) StretchKeyed(face, piece.Source, onto, piece.Dest);
}

void ThreeSlice(const TRgbImage& strip, TRgbImage& onto, int x, int y, int width) {
    const int w = strip.Width() / 3;
    const TRgb key = strip.At(0, 0);
    BlitKeyed(onto, strip.Frame(3, 0), x, y, key);
    BlitKeyed(onto, strip.Frame(3, 2), x + width - w, y, key);
    BlitKeyed(onto, strip.Frame(3, 1).Stretched(std::max(0, width - 2 * w), strip.Height()), x + w, y, key);
}

TRgbImage TurnLeft(const TRgbImage& image) {
    TRgbImage out(image.Height(), image.Width());
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            out.Set(y, image.Width() - 1 - x, image.At(x, y));
    return out;
}

TRgbImage TurnRight(const TRgbImage& image) {
    TRgbImage out(image.Height(), image.Width());
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            out.Set(image.Height() - 1 - y, x, image.At(x, y));
    return out;
}

} // namespace skinart
