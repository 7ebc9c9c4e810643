#include "tools/skinart/art/Glyphs.h"

#include "tools/skinart/raster/StrokeFont.h"

#include <algorithm>
#include <cmath>

namespace skinart {

namespace {
// Caption glyphs are drawn on the pixel grid, so that their lines come out sharp at these small sizes.
// Half the glyph's extent, as a share of the frame's side.
constexpr float kGlyphHalfSpan = 0.22f;
// Frames from this side up get two-pixel bars and heavier pens.
constexpr int kLargeFrame = 19;
constexpr int kMenuBars = 3;
constexpr float kHalfPixel = 0.5f;
// The two windows of the restore glyph are this much smaller than the glyph.
constexpr int kRestoreInset = 2;
// The tick, as shares of its box.
constexpr TPoint kTick[] = {{0.12f, 0.52f}, {0.4f, 0.8f}, {0.88f, 0.18f}};

struct TGlyphGrid {
    int Left;   // first pixel column of the glyph
    int Top;    // first pixel row
    int Extent; // pixels across and down; odd in odd frames, even in even ones, so the glyph is centred
    int Bar;    // thickness of bars and of a window's title bar
    float Pen;  // half width of diagonal and curved strokes
};

TGlyphGrid Grid(const TBox& frame) {
    const int side = static_cast<int>(std::lround(std::min(frame.Width(), frame.Height())));
    const int half = static_cast<int>(std::lround(side * kGlyphHalfSpan));
    const int extent = side % 2 ? 2 * half + 1 : 2 * half;
    const bool large = side >= kLargeFrame;
    return {static_cast<int>(std::lround(frame.Left)) + (side - extent) / 2,
            static_cast<int>(std::lround(frame.Top)) + (side - extent) / 2, extent, large ? 2 : 1, large ? 1.0f : 0.8f};
}

TRoundRect Pixels(int left, int top, int width, int height) {
    return TRoundRect({static_cast<float>(left), static_cast<float>(top), static_cast<float>(left + width),
                       static_cast<float>(top + height)},
                      0);
}

// A window: a one-pixel frame with a title bar; parts inside `cut` are left out.
void DrawWindow(TCanvas& canvas, int left, int top, int size, int bar, const TPaint& paint,
                const TShape* cut = nullptr) {
    const TRoundRect parts[] = {Pixels(left, top, size, bar + 1), Pixels(left, top, 1, size),
                                Pixels(left + size - 1, top, 1, size), Pixels(left, top + size - 1, size, 1)};
    for (const TRoundRect& part : parts) {
        if (cut)
            canvas.Fill(TDifference(part, *cut), paint);
        else
            canvas.Fill(part, paint);
    }
}
} // namespace

void DrawCaptionGlyph(TCanvas& canvas, TCaptionGlyph glyph, const TBox& frame, const TPaint& paint) {
    const TGlyphGrid g = Grid(frame);
    const int e = g.Extent;
    switch (glyph) {
    case TCaptionGlyph::ControlBox: {
        // A menu: three bars with a pixel between them.
        const int height = kMenuBars * g.Bar + kMenuBars - 1;
        const int top = g.Top + (e - height + 1) / 2;
        for (int i = 0; i < kMenuBars; ++i)
            canvas.Fill(Pixels(g.Left, top + i * (g.Bar + 1), e, g.Bar), paint);
        break;
    }
    case TCaptionGlyph::Help: {
        const float capHeight = static_cast<float>(e + 1);
        const TTextStyle style{capHeight / kFontCapHeight, g.Pen, 0};
        const float width = TextWidth("?", style);
        DrawText(canvas, "?", {g.Left + e / 2.0f - width / 2, g.Top - kHalfPixel}, style, paint);
        break;
    }
    case TCaptionGlyph::Maximise: DrawWindow(canvas, g.Left, g.Top, e, g.Bar, paint); break;
    case TCaptionGlyph::Restore: {
        const int size = e - kRestoreInset;
        const TRoundRect front = Pixels(g.Left - 1, g.Top + e - size - 1, size + 2, size + 2);
        DrawWindow(canvas, g.Left + e - size, g.Top, size, g.Bar - 1, paint, &front);
        DrawWindow(canvas, g.Left, g.Top + e - size, size, g.Bar - 1, paint);
        break;
    }
    case TCaptionGlyph::Minimise: canvas.Fill(Pixels(g.Left, g.Top + e - 1 - g.Bar, e, g.Bar + 1), paint); break;
    case TCaptionGlyph::Close: {
        const float a = g.Left + kHalfPixel + g.Pen / 2;
        const float b = g.Left + e - kHalfPixel - g.Pen / 2;
        const float top = g.Top + kHalfPixel + g.Pen / 2;
        const float bottom = g.Top + e - kHalfPixel - g.Pen / 2;
        canvas.Fill(TStroke({{{a, top}, {b, bottom}}, {{b, top}, {a, bottom}}}, g.Pen), paint);
        break;
    }
    }
}

void DrawArrow(TCanvas& canvas, TArrow arrow, TPoint c, float size, const TPaint& paint) {
    const float h = size / 2;
    const float q = size / 4;
    switch (arrow) {
    case TArrow::Up: canvas.Fill(TPolygon({{c.X - h, c.Y + q}, {c.X + h, c.Y + q}, {c.X, c.Y - q}}), paint); break;
    case TArrow::Down: canvas.Fill(TPolygon({{c.X - h, c.Y - q}, {c.X + h, c.Y - q}, {c.X, c.Y + q}}), paint); break;
    case TArrow::Left: canvas.Fill(TPolygon({{c.X + q, c.Y - h}, {c.X + q, c.Y + h}, {c.X - q, c.Y}}), paint); break;
    case TArrow::Right: canvas.Fill(TPolygon({{c.X - q, c.Y - h}, {c.X - q, c.Y + h}, {c.X + q, c.Y}}), paint); break;
    }
}

void DrawCheckMark(TCanvas& canvas, const TBox& box, float halfWidth, const TPaint& paint) {
    std::vector<TPoint> tick;
    for (const TPoint& p : kTick)
        tick.push_back({box.Left + box.Width() * p.X, box.Top + box.Height() * p.Y});
    canvas.Fill(TStroke({tick}, halfWidth), paint);
}

void DrawChevron(TCanvas& canvas, bool up, TPoint c, float size, float halfWidth, const TPaint& paint) {
    const float h = size / 2;
    const float q = (up ? -1.0f : 1.0f) * size / 4;
    canvas.Fill(TStroke({{{c.X - h, c.Y - q}, {c.X, c.Y + q}, {c.X + h, c.Y - q}}}, halfWidth), paint);
}

} // namespace skinart
