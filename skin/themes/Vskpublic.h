// The drawing helpers all skinned components share: cutting frames out of strip bitmaps, the nine-slice and
// three-slice stretches, tiling, quarter turns, window shapes from bitmaps, painting a parent's background
// under a see-through control, window borders, and a little geometry and window management.
//
// Skin images mark see-through pixels with fuchsia (0xFF00FF). Sizes are halved with truncating division.
#pragma once

#include "framework/core/Colors.h"
#include "framework/win/graphics/Geometry.h"

#include <string>

class TBitmap;
class TCanvas;
class TControl;
class TCustomForm;
class TPicture;
class TWinControl;

// The mask colour of skin images.
inline constexpr TColor VskMaskColor = clFuchsia;

// Dest becomes frame SpitIndex (counted from 1) of SpitCount equal-width frames of Source; remainder columns
// at the right of Source belong to no frame. Callers keep 1 <= SpitIndex <= SpitCount. Source and Dest may
// be the same bitmap.
void SpitBitmap(const TBitmap& Source, TBitmap& Dest, int SpitCount, int SpitIndex);

// Nine-slice stretch of Bmp into Rect, whose Left and Top are 0 (a client rectangle): the four corners at
// their natural size (opaque, or masked by fuchsia when Transparent), the edges and the centre stretched
// between them, fuchsia always see-through there. Pieces that come out 0 wide or high are left out.
void SpitDraw(const TBitmap& Bmp, TCanvas& Canvas, const TRect& Rect, bool Transparent);

// Three-slice horizontal stretch (track bars): the left and right thirds of Bmp at the ends of Rect, the
// middle third stretched between them. Masked by the colour of Bmp's top-left pixel when Transparent, by
// fuchsia otherwise; the stretched middle is drawn opaque.
void SpitDrawHorizontal(const TBitmap& Bmp, TCanvas& Canvas, const TRect& Rect, bool Transparent);

// Repeats Picture from the canvas origin (not from Rect's corner) until one tile past Rect's width and
// height. An empty picture draws nothing.
void TileDraw(TCanvas& Canvas, const TPicture& Picture, const TRect& Rect);

// Quarter turns in place: RoundPicture counter-clockwise (the top-right pixel becomes the top-left one),
// RoundPicture3 clockwise (the bottom-left pixel becomes the top-left one).
void RoundPicture(TBitmap& Bmp);
void RoundPicture3(TBitmap& Bmp);

// Gives Window the shape of Bmp's pixels that are not TransparentColor. The window owns the region.
void SetBitmapWindow(HWND Window, const TBitmap& Bmp, TColor TransparentColor);

// Makes Control look see-through: its parent erases and paints itself into Canvas (WM_ERASEBKGND, then
// WM_PAINT with the canvas's DC), shifted so that the parent's coordinates land on the control and clipped
// to the parent's client area. The DC's state is restored afterwards. Nothing happens without a parent.
void DoTrans(TCanvas& Canvas, const TControl& Control);

// The background a skinned control paints first: what lies behind it when SeeThrough (DoTrans), else its own
// colour. A loose control (no parent to show through) fills with its colour even when see-through.
void PaintControlBackground(TCanvas& Canvas, const TControl& Control, bool SeeThrough);

// Clears csOpaque and adds WS_EX_TRANSPARENT to the control's window (created if need be).
void SetWinControlTransparent(TWinControl& Control);

// Frames the control's whole window (frame included) with a one-pixel BorderColor line and, with DrawInner,
// a one-pixel InnerColor line inside it. Colours may name system colours.
void DrawControlBorder(TWinControl& Control, TColor BorderColor, TColor InnerColor, bool DrawInner);

// Moves Control to Point (Left, then Top), or gives it the bounds of Rect (Left, Top, Width, Height, in
// that order, so that a control reacting to each change sees them in the same order every time).
void PlaceControl(TControl& Control, const TPoint& Point);
void PlaceControl(TControl& Control, const TRect& Rect);

// The work area a borderless form maximises into: that of the monitor nearest the main form when the
// application has one, otherwise the primary monitor's.
TRect GetWorkAreaRect();

// Whether Form counts as the active form of the application, for the active or inactive look of a skinned
// title bar. MDI children count while they are the frame's active child; a null Form stands for the main form.
bool FormHasFocus(TCustomForm* Form);

// Whether the point lies in Rect, all four edges included (unlike PtInRect, which leaves out the right and
// bottom edges).
bool InRect(const TPoint& Point, const TRect& Rect);
bool InRect(int X, int Y, const TRect& Rect);

// The text as a string; empty for a null or empty text.
std::string PCharToStr(const char* Text);
