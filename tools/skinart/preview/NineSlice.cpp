#include "tools/skinart/preview/NineSlice.h"

#include <algorithm>

namespace skinart {

namespace {

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
};

void StretchKeyed(const TRgbImage& src, TRect from, TRgbImage& dst, TRect to) {
    if (to.Width() <= 0 || to.Height() <= 0 || from.Width() <= 0 || from.Height() <= 0) return;
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

// A corner of the given size cut from the source rectangle on its anchored sides; returns where it landed.
enum class TAnchor { TopLeft, BottomLeft, TopRight, BottomRight };

TRect Corner(const TRgbImage& face, TRect source, int width, int height, TAnchor anchor, TRgbImage& onto) {
    const int w = std::max(0, std::min(source.Width(), width));
    const int h = std::max(0, std::min(source.Height(), height));
    const bool right = anchor == TAnchor::TopRight || anchor == TAnchor::BottomRight;
    const bool bottom = anchor == TAnchor::BottomLeft || anchor == TAnchor::BottomRight;
    const int x = right ? onto.Width() - w : 0;
    const int y = bottom ? onto.Height() - h : 0;
    if (w == 0 || h == 0) return {x, y, x, y};
    const TRect cut{right ? source.Right - w : source.Left, bottom ? source.Bottom - h : source.Top,
                    right ? source.Right : source.Left + w, bottom ? source.Bottom : source.Top + h};
    StretchKeyed(face, cut, onto, {x, y, x + w, y + h});
    return {x, y, x + w, y + h};
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
    const int W = face.Width();
    const int H = face.Height();
    const int w = W / 2;
    const int h = H / 2;
    const int dw = onto.Width() / 2;
    const int dh = onto.Height() / 2;
    const TRect tl = Corner(face, {0, 0, w, h}, dw, dh, TAnchor::TopLeft, onto);
    const TRect bl = Corner(face, {0, H - h + 1, w, H}, dw, dh - 1, TAnchor::BottomLeft, onto);
    // Edges: source cut down to the destination on the named side where it is larger, then stretched.
    TRect left{0, h, w, H - h};
    left.Right = std::min(left.Right, tl.Width());
    StretchKeyed(face, left, onto, {0, tl.Bottom, tl.Right, bl.Top});
    const TRect tr = Corner(face, {W - w + 1, 0, W, h}, dw - 1, dh, TAnchor::TopRight, onto);
    const TRect br = Corner(face, {W - w + 1, H - h + 1, W, H}, dw - 1, dh - 1, TAnchor::BottomRight, onto);
    TRect right{W - w + 1, H - h, W, h + 2};
    right.Left = std::max(right.Left, right.Right - tr.Width());
    StretchKeyed(face, right, onto, {tr.Left, tr.Bottom, tr.Right, br.Top});
    TRect top{w, 0, W - w + 1, h};
    top.Bottom = std::min(top.Bottom, tl.Height());
    StretchKeyed(face, top, onto, {tl.Right, 0, tr.Left, tl.Bottom});
    StretchKeyed(face, {w, h, W - w + 1, H - h}, onto, {tl.Right, tl.Bottom, tr.Left, br.Top - 1});
    TRect bottom{w, H - h, W - w + 1, H};
    const int bottomHeight = br.Bottom - (bl.Top - 1);
    bottom.Top = std::max(bottom.Top, bottom.Bottom - bottomHeight);
    StretchKeyed(face, bottom, onto, {tl.Right - 1, bl.Top - 1, br.Left, br.Bottom});
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
