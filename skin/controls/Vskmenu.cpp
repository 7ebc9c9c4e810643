#include "skin/controls/Vskmenu.h"

#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/ColorConversion.h"
#include "framework/win/graphics/DeviceContexts.h"
#include "framework/win/graphics/Font.h"
#include "framework/win/graphics/HandleOwners.h"
#include "framework/win/graphics/ScopedGuards.h"

#include <array>

namespace {

constexpr const char* MacOSMenuBarResource = "MACOS_MENU_BAR";       // 1 x 22
constexpr const char* MacOSMenuSelectResource = "MACOS_MENU_SELECT"; // 1 x 21
// How many of the bitmaps' top rows each piece stretches: the bar's top 12 rows are a separator's look,
// the top 20 rows of either bitmap an item's.
constexpr int MacOSLineRows = 12;
constexpr int MacOSItemRows = 20;

constexpr int LineTextGap = 4; // from the left bar to a separator line
constexpr int LineTop = 2;
constexpr int LineRightGap = 2;

// The size of the non-client metrics the menu font is read from: the structure without the padded border
// width of later systems, which every system answers.
constexpr UINT NonClientMetricsSize = 340;
static_assert(sizeof(NONCLIENTMETRICSA) >= NonClientMetricsSize);

// The top Rows rows of a one-column bitmap resource, stretched over Rect.
void StretchResourceRows(TCanvas& Canvas, const TRect& Rect, const char* Resource, int Rows) {
    TBitmap Source;
    Source.LoadFromResourceName(::GetModuleHandleA(nullptr), Resource);
    Canvas.CopyRect(Rect, Source.Canvas(), TRect(0, 0, Source.Width(), Rows));
}

} // namespace

void Menu_SetItemEvent(TMenuItem& Item, const TMenuMeasureItemEvent& Measure, const TMenuDrawItemEvent& Draw) {
    Item.OnMeasureItem = Measure;
    Item.OnDrawItem = Draw;
    for (int Index = 0; Index < Item.Count(); ++Index)
        Menu_SetItemEvent(*Item.Items(Index), Measure, Draw);
}

void Menu_DrawBackGround(TCanvas& Canvas, const TRect& Rect, TColor Color) {
    Canvas.Brush().SetStyle(bsSolid);
    Canvas.Brush().SetColor(Color);
    Canvas.FillRect(Rect);
}

void Menu_DrawBorder(TCanvas& Canvas, const TRect& Rect, TColor Color) {
    Canvas.Brush().SetStyle(bsSolid);
    Canvas.Brush().SetColor(Color);
    Canvas.FrameRect(Rect);
}

void Menu_DrawLineItem(TCanvas& Canvas, const TRect& Rect, TColor Color, int BarWidth) {
    Canvas.Pen().SetStyle(psSolid);
    Canvas.Pen().SetWidth(1);
    Canvas.Pen().SetColor(Color);
    Canvas.MoveTo(Rect.left + BarWidth + LineTextGap, Rect.top + LineTop);
    Canvas.LineTo(Rect.right - LineRightGap, Rect.top + LineTop);
}

void Menu_DrawMacOSLineItem(TCanvas& Canvas, const TRect& Rect) {
    StretchResourceRows(Canvas, Rect, MacOSMenuBarResource, MacOSLineRows);
}

void Menu_DrawMacOSSelectedItem(TCanvas& Canvas, const TRect& Rect) {
    StretchResourceRows(Canvas, Rect, MacOSMenuSelectResource, MacOSItemRows);
}

void Menu_DrawMacOSNonSelectedItem(TCanvas& Canvas, const TRect& Rect) {
    StretchResourceRows(Canvas, Rect, MacOSMenuBarResource, MacOSItemRows);
}

void Menu_DrawWindowBorder(HWND Window, TColor OuterColor, TColor LineColor) {
    RECT Bounds;
    if (!Window || !::GetWindowRect(Window, &Bounds)) return;
    const int L = Bounds.left, T = Bounds.top, R = Bounds.right, B = Bounds.bottom;
    TWindowDC Screen(::GetDesktopWindow(), TWindowDC::waWholeWindow);
    const HDC DC = Screen.Handle();
    auto Frame = [DC](const RECT& Rect, TColor Color) {
        TBrushHandle Brush(::CreateSolidBrush(ColorToRGB(Color)));
        ::FrameRect(DC, &Rect, Brush.Get());
    };
    Frame(RECT{L, T + 1, R - 1, B - 1}, OuterColor);
    Frame(RECT{L + 1, T + 2, R - 2, B - 2}, clWhite);
    TPenHandle Pen(::CreatePen(PS_SOLID, 1, ColorToRGB(LineColor)));
    TSelectObjectGuard Selected(DC, Pen.Get());
    const std::array<POINT, 5> Edge{{{L, B - 1}, {R - 1, B - 1}, {R - 1, T}, {R, T}, {L, T}}};
    ::Polyline(DC, Edge.data(), static_cast<int>(Edge.size()));
}

bool Menu_GetSystemFont(TFont& Font) {
    NONCLIENTMETRICSA Metrics{};
    Metrics.cbSize = NonClientMetricsSize;
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, NonClientMetricsSize, &Metrics, 0)) return false;
    Font.AssignLogFont(Metrics.lfMenuFont);
    Font.SetColor(clMenuText);
    return true;
}
