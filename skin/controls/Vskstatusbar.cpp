#include "skin/controls/Vskstatusbar.h"

#include "framework/core/Properties.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/CanvasDCScope.h"
#include "framework/win/graphics/DeviceContexts.h"

#include <uxtheme.h>

#include <array>
#include <optional>

VSK_IMPLEMENT_CLASS(TvskStatusBar)

void TvskStatusBar::Publish(TPublisher<TvskStatusBar>& p) {
    p.Color("PanelColor", &TvskStatusBar::PanelColor, &TvskStatusBar::SetPanelColor).Stored(false);
}

namespace {
// The grip's four diagonal lines start this far from the square's left edge.
constexpr std::array<int, 4> GripLineOffsets{1, 5, 9, 13};
// Above the grip square the bar is filled from this row down.
constexpr int GripBandTop = 3;
constexpr TColor GripLineColor = clInactiveCaption;
} // namespace

TvskStatusBar::TvskStatusBar(TComponent* AOwner) : inherited(AOwner) {
    ApplyStartUpStyle();
}

void TvskStatusBar::ApplyUIStyle(const TvskThemeSource& Theme) {
    SetColor(Theme.Color(VSK_THEME_FORM_BACKGROUND_COLOR));
    Invalidate();
}

void TvskStatusBar::WindowCreated() {
    inherited::WindowCreated();
    ::SetWindowTheme(Handle(), L" ", L" "); // a class list that names no class: no theme
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

// The platform paints the bar and its panels; on a sizeable form our grip then goes over its corner, on the
// DC the message brought (PaintTo) or on the window.
void TvskStatusBar::WMPaint(TMessage& Message) {
    inherited::WndProc(Message);
    if (!FormSizeable() || !HandleAllocated()) return;
    std::optional<TWindowDC> WindowDC;
    HDC DC = reinterpret_cast<HDC>(Message.WParam);
    if (!DC) DC = WindowDC.emplace(Handle(), TWindowDC::waClient).Handle();
    TCanvas Canvas;
    const TCanvasDCScope Drawing(Canvas, DC);
    PaintGrip(Canvas);
}

void TvskStatusBar::PaintGrip(TCanvas& Canvas) {
    const int W = ClientWidth(), H = ClientHeight();
    TRect Grip(W - VskStatusGripSize, H - VskStatusGripSize, W - 1, H - 1);
    Canvas.Brush().SetColor(Color());
    Canvas.FillRect(Grip);
    if (SizeGrip() && !FormMaximized()) {
        ++Grip.top;
        Canvas.Pen().SetColor(GripLineColor);
        for (const int Offset : GripLineOffsets) {
            Canvas.MoveTo(Grip.left + Offset, Grip.bottom);
            Canvas.LineTo(Grip.right, Grip.top + Offset - 1);
        }
    }
    if (H - VskStatusGripSize > GripBandTop)
        Canvas.FillRect(TRect(W - VskStatusGripSize, GripBandTop, W - 1, H - VskStatusGripSize));
}

void TvskStatusBar::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_NCHITTEST: WMNCHitTest(Message); break;
    case WM_PAINT: WMPaint(Message); break;
    default: inherited::WndProc(Message); break;
    }
}
