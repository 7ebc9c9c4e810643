#include "skin/controls/Vskstatusbar.h"

#include "framework/core/Properties.h"
#include "framework/win/controls/Bevels.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/CanvasDCScope.h"

#include <commctrl.h>

#include <array>

VSK_IMPLEMENT_CLASS(TvskStatusBar)

void TvskStatusBar::Publish(TPublisher<TvskStatusBar>& p) {
    p.Color("PanelColor", &TvskStatusBar::PanelColor, &TvskStatusBar::SetPanelColor).Stored(false);
}

namespace {
// The grip's four diagonal lines start this far from the square's left edge.
constexpr std::array<int, 4> GripLineOffsets{1, 5, 9, 13};
constexpr TColor GripLineColor = clInactiveCaption;
// Room between a part's edge (or bevel) and its text, as the platform leaves it.
constexpr int TextMargin = 2;
constexpr int BevelWidth = 1;

// The colours of a panel's top-left and bottom-right edges, by TStatusPanelBevel (pbNone draws no edge).
struct TBevelColors {
    TColor TopLeft;
    TColor BottomRight;
};
constexpr std::array<TBevelColors, 3> BevelColors{{
    {clNone, clNone},                 // pbNone
    {clBtnShadow, clBtnHighlight},    // pbLowered
    {clBtnHighlight, clBtnShadow},    // pbRaised
}};

constexpr std::array<UINT, 3> AlignmentFormats{DT_LEFT, DT_RIGHT, DT_CENTER}; // by TAlignment
} // namespace

TvskStatusBar::TvskStatusBar(TComponent* AOwner) : inherited(AOwner) {
    SetDoubleBuffered(true);
    ApplyStartUpStyle();
}

void TvskStatusBar::ApplyUIStyle(const TvskThemeSource& Theme) {
    SetColor(Theme.Color(VSK_THEME_FORM_BACKGROUND_COLOR));
    Invalidate();
}

bool TvskStatusBar::FormMaximized() const {
    const TCustomForm* Form = GetParentForm();
    return Form && Form->WindowState() == wsMaximized;
}

bool TvskStatusBar::FormSizeable() const {
    const TCustomForm* Form = GetParentForm();
    return Form && (Form->BorderStyle() == bsSizeable || Form->BorderStyle() == bsSizeToolWin);
}

// A maximized form cannot be sized: the bar, grip included, does not answer the mouse.
void TvskStatusBar::WMNCHitTest(TMessage& Message) {
    if (FormMaximized()) {
        Message.Result = HTNOWHERE;
        return;
    }
    inherited::WndProc(Message);
}

TRect TvskStatusBar::PartRect(int Index) {
    RECT Part{};
    Perform(SB_GETRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&Part));
    return Part;
}

// Called with the background already laid in Color (the framework's double-buffered path).
void TvskStatusBar::PaintWindow(HDC DC) {
    TCanvas& Drawing = Canvas();
    const TCanvasDCScope Scope(Drawing, DC);
    Drawing.SetFont(*Font());
    if (SimplePanel())
        PaintText(Drawing, SimpleText(), PartRect(0), taLeftJustify);
    else
        for (int I = 0; I < Panels()->Count(); ++I)
            PaintPanel(Drawing, I);
    if (FormSizeable()) PaintGrip(Drawing);
}

// An owner-drawn panel gets the canvas as the platform's owner drawing would hand it over: the bar's font,
// a brush in the bar's colour, the rectangle inside the bevel.
void TvskStatusBar::PaintPanel(TCanvas& Canvas, int Index) {
    TStatusPanel* Panel = Panels()->Items(Index);
    TRect Rect = PartRect(Index);
    if (Panel->Bevel() == pbNone) {
        ::InflateRect(&Rect, -BevelWidth, -BevelWidth);
    } else {
        const TBevelColors& Bevel = BevelColors[Panel->Bevel()];
        Frame3D(Canvas, Rect, Bevel.TopLeft, Bevel.BottomRight, BevelWidth);
    }
    if (Panel->Style() == psOwnerDraw) {
        Canvas.Brush().SetColor(Color());
        DrawPanel(Panel, Rect);
        Canvas.SetFont(*Font());
        return;
    }
    PaintText(Canvas, Panel->Text(), Rect, Panel->Alignment());
}

void TvskStatusBar::PaintText(TCanvas& Canvas, const std::string& Text, TRect Rect, TAlignment Alignment) {
    if (Text.empty()) return;
    ::InflateRect(&Rect, -TextMargin, 0);
    Canvas.Brush().SetStyle(bsClear);
    Canvas.DrawText(Text, Rect, AlignmentFormats[Alignment] | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    Canvas.Brush().SetStyle(bsSolid);
}

// The grip's square is cleared first: the last panel's bevel would otherwise run under the lines.
void TvskStatusBar::PaintGrip(TCanvas& Canvas) {
    const int W = ClientWidth(), H = ClientHeight();
    TRect Grip(W - VskStatusGripSize, H - VskStatusGripSize, W - 1, H - 1);
    Canvas.Brush().SetColor(Color());
    Canvas.FillRect(Grip);
    if (!SizeGrip() || FormMaximized()) return;
    ++Grip.top;
    Canvas.Pen().SetColor(GripLineColor);
    for (const int Offset : GripLineOffsets) {
        Canvas.MoveTo(Grip.left + Offset, Grip.bottom);
        Canvas.LineTo(Grip.right, Grip.top + Offset - 1);
    }
}

void TvskStatusBar::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_NCHITTEST: WMNCHitTest(Message); break;
    default: inherited::WndProc(Message); break;
    }
}
