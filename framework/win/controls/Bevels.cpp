#include "framework/win/controls/Bevels.h"

#include "framework/core/PropInfo.h"
#include "framework/win/graphics/Canvas.h"

const TEnumInfo TBevelCutInfo{"TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};

void Frame3D(TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
    Canvas.Pen().SetWidth(1);
    for (; Width > 0; --Width) {
        // The last column and row of Rect are the bottom-right sides; lines stop short of their end point.
        const int Right = Rect.right - 1;
        const int Bottom = Rect.bottom - 1;
        Canvas.Pen().SetColor(TopColor);
        const TPoint TopLeft[] = {{Rect.left, Bottom}, {Rect.left, Rect.top}, {Right, Rect.top}};
        Canvas.Polyline(TopLeft);
        Canvas.Pen().SetColor(BottomColor);
        const TPoint BottomRight[] = {{Right, Rect.top}, {Right, Bottom}, {Rect.left - 1, Bottom}};
        Canvas.Polyline(BottomRight);
        ::InflateRect(&Rect, -1, -1);
    }
}
