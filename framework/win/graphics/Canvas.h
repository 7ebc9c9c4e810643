// TCanvas: drawing on a device context with a font, a pen and a brush.
//
// The canvas either draws on a DC that belongs to someone else (SetHandle: a WM_PAINT DC, a window DC) or, in
// subclasses, on one it makes itself when first asked (CreateHandle: a bitmap's memory DC). Font, pen and brush
// are selected into the DC only when an operation needs them, and deselected again when they change or the DC
// goes away, so their GDI objects can be replaced or deleted safely and a borrowed DC gets its own objects back.
//
// A canvas that draws on the same DC again and again (a control's kept paint buffer) may park there between
// uses: its objects stay selected, and binding the DC again finds them in place. Selecting a font costs more
// than drawing a caption with it, so a paint that starts parked saves most of its cost.
//
// TextOut and DrawText are also <windows.h> macros (TextOutA, DrawTextA in this ANSI build). This header
// includes <windows.h> first, so the method names are rewritten the same way in every file and calls match.
#pragma once

#include "framework/core/Colors.h"
#include "framework/win/graphics/Brush.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/graphics/Geometry.h"
#include "framework/win/graphics/Pen.h"

#include <span>
#include <string_view>

class TGraphic;

class TCanvas {
public:
    TCanvas();
    virtual ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // The DC drawn on; asks CreateHandle for one when there is none, and raises EInvalidOperation when the
    // canvas still has no DC then.
    HDC Handle();
    // Draws from now on onto DC, which the caller keeps owning (null detaches the canvas).
    void SetHandle(HDC DC);
    bool HandleAllocated() const { return FHandle != nullptr; }
    // Lets go of the DC but leaves font, pen and brush selected in it, until SetHandle binds the same DC again
    // (which finds them there) or another one, or Unpark. Only for a DC whose owner calls Unpark before the
    // DC goes: a borrowed DC must get its own objects back.
    void Park();
    // Puts the DC's own objects back into the DC the canvas is parked on, if any.
    void Unpark();

    TFont& Font() { return FFont; }
    TPen& Pen() { return FPen; }
    TBrush& Brush() { return FBrush; }
    const TFont& Font() const { return FFont; }
    const TPen& Pen() const { return FPen; }
    const TBrush& Brush() const { return FBrush; }
    void SetFont(const TFont& Value) { FFont.Assign(Value); }
    void SetPen(const TPen& Value) { FPen.Assign(Value); }
    void SetBrush(const TBrush& Value) { FBrush.Assign(Value); }

    // Raster operation of CopyRect and of drawing bitmaps (SRCCOPY unless changed).
    DWORD CopyMode() const { return FCopyMode; }
    void SetCopyMode(DWORD Value) { FCopyMode = Value; }

    // The part of the canvas that drawing can reach, in logical coordinates.
    TRect ClipRect();

    // Areas: FillRect and FrameRect use the brush only; the shapes are outlined with the pen and filled with
    // the brush.
    void FillRect(const TRect& Rect);
    void FrameRect(const TRect& Rect);
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const TRect& Rect) { Rectangle(Rect.left, Rect.top, Rect.right, Rect.bottom); }
    void RoundRect(int X1, int Y1, int X2, int Y2, int CornerWidth, int CornerHeight);
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void Ellipse(const TRect& Rect) { Ellipse(Rect.left, Rect.top, Rect.right, Rect.bottom); }
    void Polygon(std::span<const TPoint> Points);
    // The dotted XOR rectangle of keyboard focus; drawing it twice removes it.
    void DrawFocusRect(const TRect& Rect);

    // Lines with the pen. LineTo draws up to, not including, the end point, and moves the pen there.
    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    TPoint PenPos();
    void SetPenPos(const TPoint& Value) { MoveTo(Value.x, Value.y); }
    void Polyline(std::span<const TPoint> Points);
    // The elliptic arc in the bounding box (X1, Y1)-(X2, Y2), counter-clockwise from the ray towards
    // (X3, Y3) to the ray towards (X4, Y4).
    void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);

    TColor Pixels(int X, int Y);
    void SetPixels(int X, int Y, TColor Color);

    // Text in the font's colour, on the brush's colour unless the brush is clear. TextOut leaves the pen
    // position after the text.
    void TextOut(int X, int Y, std::string_view Text);
    // Text at (X, Y), clipped to Rect (and Rect filled first when the brush is solid).
    void TextRect(const TRect& Rect, int X, int Y, std::string_view Text);
    SIZE TextExtent(std::string_view Text);
    int TextWidth(std::string_view Text) { return TextExtent(Text).cx; }
    int TextHeight(std::string_view Text) { return TextExtent(Text).cy; }
    // The DrawText API with this canvas's font and colours; returns the text's height. With DT_CALCRECT it
    // draws nothing and widens or heightens Rect to fit.
    int DrawText(std::string_view Text, TRect& Rect, UINT Format);
    // The same for UTF-16 text: only for texts the ANSI code page cannot hold (string resources of another
    // script), which the narrow call would show as question marks.
    int DrawWideText(std::wstring_view Text, TRect& Rect, UINT Format);

    // Graphics: Draw at natural size, StretchDraw into Rect, both honouring the graphic's transparency.
    void Draw(int X, int Y, const TGraphic& Graphic);
    void StretchDraw(const TRect& Rect, const TGraphic& Graphic);
    // Copies SourceRect of Source into Dest with CopyMode, stretched to the nearest pixel when the sizes differ.
    void CopyRect(const TRect& Dest, TCanvas& Source, const TRect& SourceRect);

protected:
    // Called by Handle when there is no DC: subclasses that own a DC create it here and pass it to SetHandle.
    virtual void CreateHandle() {}

private:
    enum TStateFlag : unsigned { stFont = 1, stPen = 2, stBrush = 4 };

    void RequireState(unsigned Flags);
    void Deselect(unsigned Flags);
    void FontChanged();
    void Resume();
    // The DC our objects are selected in: the bound one, else the one parked on.
    HDC Holder() const { return FHandle ? FHandle : FParkedDC; }

    HDC FHandle = nullptr;
    HDC FParkedDC = nullptr;
    // Which of our objects the holder DC has selected.
    unsigned FState = 0;
    // What the DC held before our objects went in; put back on deselection.
    HGDIOBJ FOldFont = nullptr;
    HGDIOBJ FOldPen = nullptr;
    HGDIOBJ FOldBrush = nullptr;
    TFont FFont;
    TPen FPen;
    TBrush FBrush;
    DWORD FCopyMode = SRCCOPY;
};
