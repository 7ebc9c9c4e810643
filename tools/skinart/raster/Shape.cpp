#include "tools/skinart/raster/Shape.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace skinart {

namespace {
// A pixel whose centre is farther than this from the edge is wholly inside or outside (half its diagonal).
constexpr float kConclusiveDistance = 0.7072f;
// Edge pixels are sampled on a grid of this many points per side.
constexpr int kSamplesPerSide = 6;

float Length(float x, float y) {
    return std::sqrt(x * x + y * y);
}

float SegmentDistance(TPoint p, TPoint a, TPoint b) {
    const float dx = b.X - a.X;
    const float dy = b.Y - a.Y;
    const float lengthSquared = dx * dx + dy * dy;
    float t = lengthSquared > 0 ? ((p.X - a.X) * dx + (p.Y - a.Y) * dy) / lengthSquared : 0.0f;
    t = std::clamp(t, 0.0f, 1.0f);
    return Length(p.X - (a.X + t * dx), p.Y - (a.Y + t * dy));
}

TBox PointBounds(const std::vector<TPoint>& points, TBox box) {
    for (const TPoint& q : points) {
        box.Left = std::min(box.Left, q.X);
        box.Top = std::min(box.Top, q.Y);
        box.Right = std::max(box.Right, q.X);
        box.Bottom = std::max(box.Bottom, q.Y);
    }
    return box;
}

constexpr TBox kNoBounds{std::numeric_limits<float>::max(), std::numeric_limits<float>::max(),
                         std::numeric_limits<float>::lowest(), std::numeric_limits<float>::lowest()};
} // namespace

float TShape::Coverage(int x, int y) const {
    const float d = Distance({x + 0.5f, y + 0.5f});
    if (d <= -kConclusiveDistance) return 1.0f;
    if (d >= kConclusiveDistance) return 0.0f;
    int inside = 0;
    for (int sy = 0; sy < kSamplesPerSide; ++sy)
        for (int sx = 0; sx < kSamplesPerSide; ++sx) {
            const TPoint q{x + (sx + 0.5f) / kSamplesPerSide, y + (sy + 0.5f) / kSamplesPerSide};
            if (Distance(q) < 0) ++inside;
        }
    return static_cast<float>(inside) / (kSamplesPerSide * kSamplesPerSide);
}

float TRoundRect::Distance(TPoint p) const {
    const TPoint c = FBox.Centre();
    const float halfW = FBox.Width() / 2;
    const float halfH = FBox.Height() / 2;
    const float px = p.X - c.X;
    const float py = p.Y - c.Y;
    float r = px < 0 ? (py < 0 ? FRadii.TopLeft : FRadii.BottomLeft) : (py < 0 ? FRadii.TopRight : FRadii.BottomRight);
    r = std::min({r, halfW, halfH});
    const float qx = std::abs(px) - halfW + r;
    const float qy = std::abs(py) - halfH + r;
    return Length(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - r;
}

float TEllipse::Distance(TPoint p) const {
    // Scaled unit-circle distance: never more than the true distance, which is all Coverage needs.
    const float nx = (p.X - FCentre.X) / FRx;
    const float ny = (p.Y - FCentre.Y) / FRy;
    return (Length(nx, ny) - 1.0f) * std::min(FRx, FRy);
}

float TPolygon::Distance(TPoint p) const {
    float nearest = std::numeric_limits<float>::max();
    bool inside = false;
    if (FPoints.empty()) return nearest;
    for (std::size_t i = 0, j = FPoints.size() - 1; i < FPoints.size(); j = i++) {
        const TPoint a = FPoints[i];
        const TPoint b = FPoints[j];
        nearest = std::min(nearest, SegmentDistance(p, a, b));
        if ((a.Y > p.Y) != (b.Y > p.Y) && p.X < (b.X - a.X) * (p.Y - a.Y) / (b.Y - a.Y) + a.X) inside = !inside;
    }
    return inside ? -nearest : nearest;
}

TBox TPolygon::Bounds() const {
    return PointBounds(FPoints, kNoBounds);
}

float TStroke::Distance(TPoint p) const {
    float nearest = std::numeric_limits<float>::max();
    for (const std::vector<TPoint>& line : FPolylines) {
        if (line.size() == 1) nearest = std::min(nearest, SegmentDistance(p, line[0], line[0]));
        for (std::size_t i = 1; i < line.size(); ++i)
            nearest = std::min(nearest, SegmentDistance(p, line[i - 1], line[i]));
    }
    return nearest - FHalfWidth;
}

TBox TStroke::Bounds() const {
    TBox box = kNoBounds;
    for (const std::vector<TPoint>& line : FPolylines)
        box = PointBounds(line, box);
    return box.Inset(-FHalfWidth);
}

float TIntersection::Distance(TPoint p) const {
    return std::max(FA.Distance(p), FB.Distance(p));
}

TBox TIntersection::Bounds() const {
    const TBox a = FA.Bounds();
    const TBox b = FB.Bounds();
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
}

float TUnion::Distance(TPoint p) const {
    return std::min(FA.Distance(p), FB.Distance(p));
}

TBox TUnion::Bounds() const {
    const TBox a = FA.Bounds();
    const TBox b = FB.Bounds();
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
}

float TDifference::Distance(TPoint p) const {
    return std::max(FA.Distance(p), -FCut.Distance(p));
}

} // namespace skinart
