#pragma once
// What can be filled: a region given by its signed distance (negative inside). The distance needs only
// to be a lower bound of the true one; that is enough to know which pixels lie wholly inside or outside,
// and only the pixels on an edge are supersampled for their coverage.

#include "tools/skinart/raster/Geometry.h"

#include <vector>

namespace skinart {

class TShape {
public:
    virtual ~TShape() = default;
    virtual float Distance(TPoint p) const = 0;
    virtual TBox Bounds() const = 0;

    // Share of pixel (x, y) covered by the shape, 0..1.
    float Coverage(int x, int y) const;
};

// Rounded rectangle, each corner with its own radius (0 = square).
struct TCorners {
    float TopLeft = 0;
    float TopRight = 0;
    float BottomRight = 0;
    float BottomLeft = 0;

    static TCorners All(float r) { return {r, r, r, r}; }
    static TCorners TopOnly(float r) { return {r, r, 0, 0}; }
};

class TRoundRect : public TShape {
public:
    TRoundRect(const TBox& box, const TCorners& radii) : FBox(box), FRadii(radii) {}
    TRoundRect(const TBox& box, float radius) : TRoundRect(box, TCorners::All(radius)) {}
    float Distance(TPoint p) const override;
    TBox Bounds() const override { return FBox; }

private:
    TBox FBox;
    TCorners FRadii;
};

class TEllipse : public TShape {
public:
    TEllipse(TPoint centre, float rx, float ry) : FCentre(centre), FRx(rx), FRy(ry) {}
    float Distance(TPoint p) const override;
    TBox Bounds() const override { return {FCentre.X - FRx, FCentre.Y - FRy, FCentre.X + FRx, FCentre.Y + FRy}; }

private:
    TPoint FCentre;
    float FRx;
    float FRy;
};

// Closed polygon, inside by the even-odd rule.
class TPolygon : public TShape {
public:
    explicit TPolygon(std::vector<TPoint> points) : FPoints(std::move(points)) {}
    float Distance(TPoint p) const override;
    TBox Bounds() const override;

private:
    std::vector<TPoint> FPoints;
};

// Lines of a given half width with round ends and joins: glyphs, check marks, the letters of the fonts.
class TStroke : public TShape {
public:
    TStroke(std::vector<std::vector<TPoint>> polylines, float halfWidth)
        : FPolylines(std::move(polylines)), FHalfWidth(halfWidth) {}
    float Distance(TPoint p) const override;
    TBox Bounds() const override;

private:
    std::vector<std::vector<TPoint>> FPolylines;
    float FHalfWidth;
};

// Shapes combined: where both are, where either is, where one is and the other not. Both shapes must outlive the
// result.
class TIntersection : public TShape {
public:
    TIntersection(const TShape& a, const TShape& b) : FA(a), FB(b) {}
    float Distance(TPoint p) const override;
    TBox Bounds() const override;

private:
    const TShape& FA;
    const TShape& FB;
};

class TUnion : public TShape {
public:
    TUnion(const TShape& a, const TShape& b) : FA(a), FB(b) {}
    float Distance(TPoint p) const override;
    TBox Bounds() const override;

private:
    const TShape& FA;
    const TShape& FB;
};

class TDifference : public TShape {
public:
    TDifference(const TShape& a, const TShape& cut) : FA(a), FCut(cut) {}
    float Distance(TPoint p) const override;
    TBox Bounds() const override { return FA.Bounds(); }

private:
    const TShape& FA;
    const TShape& FCut;
};

} // namespace skinart
