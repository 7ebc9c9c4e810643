#pragma once
// Points and boxes in pixel space: (0, 0) is the top-left corner of the top-left pixel, so the centre of
// pixel (x, y) is (x + 0.5, y + 0.5).

namespace skinart {

struct TPoint {
    float X = 0;
    float Y = 0;
};

struct TBox {
    float Left = 0;
    float Top = 0;
    float Right = 0;
    float Bottom = 0;

    float Width() const { return Right - Left; }
    float Height() const { return Bottom - Top; }
    TPoint Centre() const { return {(Left + Right) / 2, (Top + Bottom) / 2}; }
    TBox Inset(float d) const { return {Left + d, Top + d, Right - d, Bottom - d}; }
    TBox Inset(float dx, float dy) const { return {Left + dx, Top + dy, Right - dx, Bottom - dy}; }
};

} // namespace skinart
