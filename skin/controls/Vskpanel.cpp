#include "skin/controls/Vskpanel.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Properties.h"
#include "framework/win/forms/Application.h"
#include "framework/win/graphics/GraphicsExceptions.h"

#include <algorithm>
#include <array>

VSK_IMPLEMENT_CLASS(TvskPanel)

void TvskPanel::Publish(TPublisher<TvskPanel>& p) {
    p.Color("BorderColor", &TvskPanel::BorderColor, &TvskPanel::SetBorderColor);
    p.Color("CaptionFontColor", &TvskPanel::CaptionFontColor, &TvskPanel::SetCaptionFontColor);
    p.Bool("ShowButton", &TvskPanel::ShowButton, &TvskPanel::SetShowButton).Default(true);
    p.Int("Height", &TvskPanel::ExpandedHeight, &TvskPanel::SetHeight2);
    p.Color("Color", &TvskPanel::Color, &TvskPanel::SetColor).Default(clWhite);
    p.Enum("BevelOuter", &TvskPanel::BevelOuter, &TvskPanel::SetBevelOuter, TBevelCutInfo).Default(bvNone);
    p.Event("OnPush", &TvskPanel::OnPush);
    p.Event("OnPop", &TvskPanel::OnPop);
}

namespace {

constexpr const char* PanelButtonResource = "PANEL_BUTTON";
constexpr int PanelButtonFrames = 4;
constexpr int PanelButtonWidth = 13;
constexpr int PanelButtonHeight = 12;
constexpr int PanelButtonRightGap = 4; // between the button and the right border
constexpr int CaptionLeft = 10;
// Frames of the button strip (from 1): [collapsed][hot].
constexpr std::array<std::array<int, 2>, 2> PanelButtonFrame{{{1, 2}, {3, 4}}};

// The file theme's caption colours that ask for a black caption; any other gives white.
constexpr std::array<TColor, 4> BlackCaptionFileColors{0x020000, 0x030000, 0x040000, 0x050000};

bool IsSideOrClient(TAlign Align) {
    return Align == alClient || Align == alLeft || Align == alRight;
}

} // namespace

TvskPanel::TvskPanel(TComponent* AOwner) : inherited(AOwner) {
    SetBevelOuter(bvNone);
    SetBounds(Left(), Top(), VskPanelSize, VskPanelSize);
    try {
        FButtonStrip.LoadFromResourceName(::GetModuleHandleA(nullptr), PanelButtonResource);
    } catch (const EResNotFound&) {
        FButtonStrip.SetSize(0, 0); // a program without the art shows no collapse button
    }
    ApplyStartUpStyle();
}

TvskPanel::~TvskPanel() = default;

void TvskPanel::Destroying() {
    *FAlive = false;
    inherited::Destroying();
}

// Style ------------------------------------------------------------------------------------------------

void TvskPanel::ApplyUIStyle(const TvskThemeSource& Theme) {
    SetColor(clWhite);
    FBar.SetSize(0, 0);
    Theme.Bitmap(VSK_THEME_SIDE_CHANNEL_BAR_IMAGE, FBar);
    FBorderColor = Theme.Color(VSK_THEME_CONTROL_BORDER_COLOR);
    if (Theme.FromFile()) {
        const TColor Font = Theme.Color(VSK_THEME_CONTROL_FONT_COLOR);
        const bool Black = std::find(BlackCaptionFileColors.begin(), BlackCaptionFileColors.end(), Font) !=
                           BlackCaptionFileColors.end();
        FCaptionFontColor = Black ? clBlack : clWhite;
    } else {
        FCaptionFontColor = Theme.Style() == MacOS ? clBlack : Theme.Color(VSK_THEME_MENU_SELECTED_FONT_COLOR);
    }
    // The bar's height may have changed: the children move under it, a collapsed panel fits it.
    Realign();
    if (FPushed && !FAnimating) SetHeight(CollapsedHeight());
    Invalidate();
}

// A new file theme matters only to a panel that reads the file theme.
void TvskPanel::FileThemeChanged() {
    if (UIStyle() == FromThemeFile) inherited::FileThemeChanged();
}

void TvskPanel::FileThemeRemoved() {
    ContainerApplyUIStyle(*this, DeepBlue, nullptr);
    inherited::FileThemeRemoved();
}

// Properties -------------------------------------------------------------------------------------------

void TvskPanel::SetBorderColor(TColor Value) {
    FBorderColor = Value;
    Invalidate();
}

void TvskPanel::SetCaptionFontColor(TColor Value) {
    FCaptionFontColor = Value;
    Invalidate();
}

void TvskPanel::SetShowButton(bool Value) {
    FShowButton = Value;
    if (!ShowsButton()) FButtonHot = false;
    Invalidate();
}

void TvskPanel::SetHeight2(int Value) {
    FExpandedHeight = Value;
    if (!FPushed || ComponentState().Contains(csDesigning)) SetHeight(Value);
}

// While expanded and not animating, every resize is the user's (or the alignment's): the new expanded height.
void TvskPanel::Resize() {
    if (!FAnimating && !FPushed) FExpandedHeight = Height();
    inherited::Resize();
}

// Children are laid out in the expanded panel whatever its height now: rolling up cuts them off from the
// bottom (the panel's window clips them) instead of pushing them up over the caption bar.
void TvskPanel::AdjustClientRect(TRect& Rect) {
    inherited::AdjustClientRect(Rect);
    const LONG Bottom = FPushed || FAnimating ? std::max<LONG>(Rect.bottom, FExpandedHeight) : Rect.bottom;
    Rect = TRect(Rect.left + VskPanelChildMargin, Rect.top + BarHeight() + VskPanelChildMargin,
                 Rect.right - VskPanelChildMargin, Bottom - VskPanelChildMargin);
}

int TvskPanel::CollapsedHeight() const {
    return BarHeight() > 0 ? BarHeight() : VskPanelNoBarHeight;
}

// Collapse and expand ----------------------------------------------------------------------------------

void TvskPanel::Push() {
    if (IsSideOrClient(Align())) throw EInvalidOperation("Can't push when Align is alClient, alLeft or alRight.");
    if (FAnimating || FPushed) return;
    if (!Animate(true)) return;
    FPushed = true;
    Invalidate();
    OnPush(this);
}

void TvskPanel::Pop() {
    if (FAnimating || !FPushed) return;
    if (!Animate(false)) return;
    FPushed = false;
    Invalidate();
    OnPop(this);
}

// One step of 15 pixels at a time while more than a step remains, then the rest. Between the steps the
// message loop runs; after it only the shared flag may be read until it says the panel still lives.
bool TvskPanel::Animate(bool Collapse) {
    const std::shared_ptr<bool> Alive = FAlive;
    FAnimating = true;
    const auto Target = [&] { return Collapse ? CollapsedHeight() : FExpandedHeight; };
    const auto MoreThanAStep = [&] {
        return Collapse ? Target() < Height() - VskPanelAnimationStep : Height() + VskPanelAnimationStep < Target();
    };
    while (Visible() && MoreThanAStep()) {
        SetHeight(Height() + (Collapse ? -VskPanelAnimationStep : VskPanelAnimationStep));
        Repaint();
        Application->ProcessMessages();
        if (!*Alive) return false;
    }
    SetHeight(Target());
    Repaint();
    FAnimating = false;
    return true;
}

// Mouse ------------------------------------------------------------------------------------------------

bool TvskPanel::ShowsButton() const {
    return FShowButton && !IsSideOrClient(Align()) && !FButtonStrip.Empty();
}

TRect TvskPanel::ButtonRect() const {
    if (!ShowsButton()) return TRect();
    const int Left = (Width() - 1) - PanelButtonWidth - PanelButtonRightGap;
    const int Top = (BarHeight() - PanelButtonHeight) / 2;
    return TRect(Left, Top, Left + PanelButtonWidth, Top + PanelButtonHeight);
}

void TvskPanel::SetHot(bool Value) {
    if (FButtonHot == Value) return;
    FButtonHot = Value;
    Invalidate();
}

void TvskPanel::MouseMove(TShiftState Shift, int X, int Y) {
    inherited::MouseMove(Shift, X, Y);
    const TRect Button = ButtonRect();
    const TPoint Point{X, Y};
    SetHot(::PtInRect(&Button, Point) != FALSE);
}

// A click during an animation is dropped: the running animation decides where the panel ends.
void TvskPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    inherited::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || !FButtonHot || FAnimating) return;
    if (FPushed)
        Pop();
    else
        Push();
}

void TvskPanel::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_ERASEBKGND: Message.Result = 1; break;
    case CM_MOUSELEAVE:
        inherited::WndProc(Message);
        SetHot(false);
        break;
    default: inherited::WndProc(Message); break;
    }
}

// Painting ---------------------------------------------------------------------------------------------

void TvskPanel::Paint() {
    const TRect Client = ClientRect();
    TCanvas& Target = Canvas();
    Target.Brush().SetColor(Color());
    Target.Pen().SetColor(FBorderColor);
    Target.Rectangle(Client);
    if (!FBar.Empty()) Target.StretchDraw(TRect(1, 0, Client.Width() - 1, BarHeight()), FBar);
    const std::string Text = Caption();
    if (!Text.empty()) {
        Target.Brush().SetStyle(bsClear);
        Target.SetFont(*Font());
        Target.Font().SetColor(FCaptionFontColor);
        TRect Rect(CaptionLeft, 0, Client.Width() - 1, BarHeight());
        Target.DrawText(Text, Rect, DT_SINGLELINE | DT_VCENTER);
    }
    PaintButton(Target);
}

void TvskPanel::PaintButton(TCanvas& Canvas) {
    const TRect Button = ButtonRect();
    if (Button.IsEmpty()) return;
    const int Frame = PanelButtonFrame[FPushed][FButtonHot];
    const int FrameWidth = FButtonStrip.Width() / PanelButtonFrames;
    const TRect Source((Frame - 1) * FrameWidth, 0, Frame * FrameWidth, FButtonStrip.Height());
    const int X = Width() - PanelButtonWidth - PanelButtonRightGap;
    const int Y = Button.top / 2 + 2;
    Canvas.CopyRect(TRect(X, Y, X + PanelButtonWidth, Y + PanelButtonHeight), FButtonStrip.Canvas(), Source);
}
