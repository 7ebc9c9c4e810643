#include "framework/win/controls/Panel.h"

#include "framework/core/Properties.h"
#include "framework/win/graphics/Brush.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/Font.h"

#include <algorithm>

VSK_IMPLEMENT_CLASS(TCustomPanel)
VSK_IMPLEMENT_CLASS(TPanel)

void TCustomPanel::Publish(TPublisher<TCustomPanel>& p) {
    p.Enum("Alignment", &TCustomPanel::Alignment, &TCustomPanel::SetAlignment, TAlignmentInfo).Default(taCenter);
    p.Enum("BevelInner", &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner, TBevelCutInfo).Default(bvNone);
    p.Enum("BevelOuter", &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter, TBevelCutInfo).Default(bvRaised);
    p.Int("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth).Default(1);
    p.Enum("BorderStyle", &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle, TBorderStyleInfo).Default(bsNone);
    p.Str("Caption", &TCustomPanel::Caption, &TCustomPanel::SetCaption);
    p.Bool("ParentBackground", &TCustomPanel::ParentBackground, &TCustomPanel::SetParentBackground).Stored(false);
}

void TPanel::Publish(TPublisher<TPanel>&) {}

namespace {
constexpr int DefaultPanelWidth = 185;
constexpr int DefaultPanelHeight = 41;

// The colours of a bevel: light above and left of a raised one, dark for a lowered one.
void BevelColors(TPanelBevel Bevel, TColor& Top, TColor& Bottom) {
    Top = Bevel == bvLowered ? clBtnShadow : clBtnHighlight;
    Bottom = Bevel == bvLowered ? clBtnHighlight : clBtnShadow;
}
} // namespace

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle(
        {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks, csReplicatable});
    SetColor(clBtnFace);
    SetDoubleBuffered(true);
    SetBounds(Left(), Top(), DefaultPanelWidth, DefaultPanelHeight);
}

TPanel::TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}

void TCustomPanel::Changed() {
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TPanelBevel Value) {
    if (FBevelOuter == Value) return;
    FBevelOuter = Value;
    Changed();
}

void TCustomPanel::SetBevelInner(TPanelBevel Value) {
    if (FBevelInner == Value) return;
    FBevelInner = Value;
    Changed();
}

void TCustomPanel::SetBevelWidth(int Value) {
    Value = std::max(Value, 1);
    if (FBevelWidth == Value) return;
    FBevelWidth = Value;
    Changed();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    RecreateWnd();
    Changed();
}

void TCustomPanel::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    Invalidate();
}

void TCustomPanel::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    if (FBorderStyle == bsSingle) Params.Style |= WS_BORDER;
}

void TCustomPanel::AdjustClientRect(TRect& Rect) {
    inherited::AdjustClientRect(Rect);
    int Bevels = 0;
    if (FBevelOuter != bvNone) Bevels += FBevelWidth;
    if (FBevelInner != bvNone) Bevels += FBevelWidth;
    ::InflateRect(&Rect, -Bevels, -Bevels);
}

// Drawn straight on the canvas: the double-buffered paint has it in the off-screen buffer already.
void TCustomPanel::Paint() {
    TCanvas& Canvas = this->Canvas();
    TRect Rect = ClientRect();
    TColor Top;
    TColor Bottom;
    if (FBevelOuter != bvNone) {
        BevelColors(FBevelOuter, Top, Bottom);
        Frame3D(Canvas, Rect, Top, Bottom, FBevelWidth);
    }
    if (FBevelInner != bvNone) {
        BevelColors(FBevelInner, Top, Bottom);
        Frame3D(Canvas, Rect, Top, Bottom, FBevelWidth);
    }
    Canvas.Brush().SetColor(Color());
    Canvas.FillRect(Rect);
    const std::string Text = Caption();
    if (!Text.empty()) {
        Canvas.Brush().SetStyle(bsClear);
        Canvas.SetFont(*Font());
        static constexpr UINT Alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
        Canvas.DrawText(Text, Rect, DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER | Alignments[FAlignment]);
    }
}
