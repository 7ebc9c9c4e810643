#include "framework/win/graphics/Canvas.h"

#include "framework/core/Exceptions.h"
#include "framework/win/graphics/ColorConversion.h"
#include "framework/win/graphics/Graphic.h"
#include "framework/win/graphics/ScopedGuards.h"

namespace {
constexpr unsigned AllObjects = 7; // font, pen and brush

int Length(std::string_view Text) {
    return static_cast<int>(Text.size());
}

// TPoint adds no data to POINT, so an array of one is an array of the other for the polygon calls.
const POINT* AsPoints(std::span<const TPoint> Points) {
    static_assert(sizeof(TPoint) == sizeof(POINT));
    return Points.data();
}
} // namespace

TCanvas::TCanvas() {
    // A changed tool must leave the DC before its old GDI object is replaced; the next operation that needs
    // it selects the new one.
    FFont.OnChange = [this](TObject*) { FontChanged(); };
    FPen.OnChange = [this](TObject*) { Deselect(stPen); };
    FBrush.OnChange = [this](TObject*) { Deselect(stBrush); };
}

TCanvas::~TCanvas() {
    SetHandle(nullptr);
    Unpark();
}

HDC TCanvas::Handle() {
    if (!FHandle) CreateHandle();
    if (!FHandle) throw EInvalidOperation("Canvas does not allow drawing");
    return FHandle;
}

void TCanvas::SetHandle(HDC DC) {
    if (DC == FHandle) return;
    if (DC && DC == FParkedDC) {
        Resume();
        return;
    }
    Deselect(AllObjects);
    Unpark();
    FHandle = DC;
}

void TCanvas::Park() {
    if (!FHandle) return;
    FParkedDC = FHandle;
    FHandle = nullptr;
}

void TCanvas::Unpark() {
    if (!FParkedDC) return;
    Deselect(AllObjects);
    FParkedDC = nullptr;
}

// Back on the parked DC. Whatever drew there meanwhile may have changed its colours and modes, which are
// set again; an object of ours that is no longer selected counts as not selected (its old object with it).
void TCanvas::Resume() {
    FHandle = FParkedDC;
    FParkedDC = nullptr;
    const HDC DC = FHandle;
    if ((FState & stFont) && ::GetCurrentObject(DC, OBJ_FONT) != FFont.Handle()) FState &= ~stFont;
    if ((FState & stPen) && ::GetCurrentObject(DC, OBJ_PEN) != FPen.Handle()) FState &= ~stPen;
    if ((FState & stBrush) && ::GetCurrentObject(DC, OBJ_BRUSH) != FBrush.Handle()) FState &= ~stBrush;
    if (FState & stFont) ::SetTextColor(DC, ColorToRGB(FFont.Color()));
    if (FState & stPen) ::SetROP2(DC, FPen.Rop2());
    if (FState & stBrush) {
        ::SetBkColor(DC, ColorToRGB(FBrush.Color()));
        ::SetBkMode(DC, FBrush.Style() == bsSolid ? OPAQUE : TRANSPARENT);
    }
}

void TCanvas::RequireState(unsigned Flags) {
    const HDC DC = Handle();
    const unsigned Missing = Flags & ~FState;
    if (Missing & stFont) {
        FOldFont = ::SelectObject(DC, FFont.Handle());
        ::SetTextColor(DC, ColorToRGB(FFont.Color()));
    }
    if (Missing & stPen) {
        FOldPen = ::SelectObject(DC, FPen.Handle());
        ::SetROP2(DC, FPen.Rop2());
    }
    if (Missing & stBrush) {
        const HBRUSH Brush = FBrush.Handle();
        ::UnrealizeObject(Brush); // realign a pattern brush with this DC's origin
        FOldBrush = ::SelectObject(DC, Brush);
        ::SetBkColor(DC, ColorToRGB(FBrush.Color()));
        ::SetBkMode(DC, FBrush.Style() == bsSolid ? OPAQUE : TRANSPARENT);
    }
    FState |= Missing;
}

void TCanvas::Deselect(unsigned Flags) {
    const unsigned Selected = Flags & FState;
    const HDC DC = Holder();
    if (Selected & stFont) ::SelectObject(DC, FOldFont);
    if (Selected & stPen) ::SelectObject(DC, FOldPen);
    if (Selected & stBrush) ::SelectObject(DC, FOldBrush);
    FState &= ~Selected;
}

// A new colour alone is a DC setting: the font stays selected (selecting it again costs far more).
void TCanvas::FontChanged() {
    if ((FState & stFont) && !FFont.HandleStale()) {
        if (FHandle) ::SetTextColor(FHandle, ColorToRGB(FFont.Color()));
        return;
    }
    Deselect(stFont);
}

TRect TCanvas::ClipRect() {
    TRect Result;
    ::GetClipBox(Handle(), &Result);
    return Result;
}

void TCanvas::FillRect(const TRect& Rect) {
    RequireState(stBrush);
    ::FillRect(FHandle, &Rect, FBrush.Handle());
}

void TCanvas::FrameRect(const TRect& Rect) {
    RequireState(stBrush);
    ::FrameRect(FHandle, &Rect, FBrush.Handle());
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
    RequireState(stPen | stBrush);
    ::Rectangle(FHandle, X1, Y1, X2, Y2);
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int CornerWidth, int CornerHeight) {
    RequireState(stPen | stBrush);
    ::RoundRect(FHandle, X1, Y1, X2, Y2, CornerWidth, CornerHeight);
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
    RequireState(stPen | stBrush);
    ::Ellipse(FHandle, X1, Y1, X2, Y2);
}

void TCanvas::Polygon(std::span<const TPoint> Points) {
    RequireState(stPen | stBrush);
    ::Polygon(FHandle, AsPoints(Points), static_cast<int>(Points.size()));
}

void TCanvas::DrawFocusRect(const TRect& Rect) {
    RequireState(stBrush);
    ::DrawFocusRect(FHandle, &Rect);
}

void TCanvas::MoveTo(int X, int Y) {
    ::MoveToEx(Handle(), X, Y, nullptr);
}

void TCanvas::LineTo(int X, int Y) {
    RequireState(stPen | stBrush); // the brush gives dashed lines their background
    ::LineTo(FHandle, X, Y);
}

TPoint TCanvas::PenPos() {
    TPoint Result;
    ::GetCurrentPositionEx(Handle(), &Result);
    return Result;
}

void TCanvas::Polyline(std::span<const TPoint> Points) {
    RequireState(stPen | stBrush);
    ::Polyline(FHandle, AsPoints(Points), static_cast<int>(Points.size()));
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    RequireState(stPen | stBrush);
    ::Arc(FHandle, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}

TColor TCanvas::Pixels(int X, int Y) {
    return ::GetPixel(Handle(), X, Y);
}

void TCanvas::SetPixels(int X, int Y, TColor Color) {
    ::SetPixel(Handle(), X, Y, ColorToRGB(Color));
}

void TCanvas::TextOut(int X, int Y, std::string_view Text) {
    RequireState(stFont | stBrush);
    ::TextOutA(FHandle, X, Y, Text.data(), Length(Text));
    MoveTo(X + TextWidth(Text), Y);
}

void TCanvas::TextRect(const TRect& Rect, int X, int Y, std::string_view Text) {
    RequireState(stFont | stBrush);
    const UINT Options = ETO_CLIPPED | (FBrush.Style() == bsSolid ? ETO_OPAQUE : 0);
    ::ExtTextOutA(FHandle, X, Y, Options, &Rect, Text.data(), static_cast<UINT>(Text.size()), nullptr);
}

SIZE TCanvas::TextExtent(std::string_view Text) {
    RequireState(stFont);
    SIZE Result{};
    ::GetTextExtentPoint32A(FHandle, Text.data(), Length(Text), &Result);
    return Result;
}

int TCanvas::DrawText(std::string_view Text, TRect& Rect, UINT Format) {
    RequireState(stFont | stBrush);
    return ::DrawTextA(FHandle, Text.data(), Length(Text), &Rect, Format);
}

int TCanvas::DrawWideText(std::wstring_view Text, TRect& Rect, UINT Format) {
    RequireState(stFont | stBrush);
    return ::DrawTextW(FHandle, Text.data(), static_cast<int>(Text.size()), &Rect, Format);
}

void TCanvas::Draw(int X, int Y, const TGraphic& Graphic) {
    StretchDraw(Bounds(X, Y, Graphic.Width(), Graphic.Height()), Graphic);
}

// A picture wholly outside the clip is not drawn at all: the system would still stretch it (under Wine a
// clipped-away stretch costs several times a visible one), and a control painting only the part a neighbour
// needs leaves most of its pictures outside. A mirrored one (right left of left) is always drawn.
void TCanvas::StretchDraw(const TRect& Rect, const TGraphic& Graphic) {
    if (Graphic.Empty()) return;
    const bool Mirrored = Rect.right < Rect.left || Rect.bottom < Rect.top;
    if (!Mirrored && !::RectVisible(Handle(), &Rect)) return;
    Graphic.Draw(*this, Rect);
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas& Source, const TRect& SourceRect) {
    // Brushes take part in pattern raster operations, and the background colour in colour conversions.
    RequireState(stBrush);
    Source.RequireState(stBrush);
    TStretchModeGuard Mode(FHandle, COLORONCOLOR);
    ::StretchBlt(FHandle, Dest.left, Dest.top, Dest.Width(), Dest.Height(), Source.FHandle, SourceRect.left,
                 SourceRect.top, SourceRect.Width(), SourceRect.Height(), FCopyMode);
}
