#include "skin/controls/Vskgroupbox.h"

#include "framework/core/Properties.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/Font.h"
#include "skin/themes/Vskpublic.h"

#include <cstdlib>
#include <vector>

VSK_IMPLEMENT_CLASS(TvskCustomGroupBox)
VSK_IMPLEMENT_CLASS(TvskGroupBox)

void TvskCustomGroupBox::Publish(TPublisher<TvskCustomGroupBox>& p) {
    p.Str("Caption", &TvskCustomGroupBox::Caption, &TvskCustomGroupBox::SetCaption);
    p.Bool("Transparent", &TvskCustomGroupBox::Transparent, &TvskCustomGroupBox::SetTransparent).Default(false);
}

void TvskGroupBox::Publish(TPublisher<TvskGroupBox>& p) {
    p.Color("BorderColor", &TvskGroupBox::BorderColor, &TvskGroupBox::SetBorderColor);
}

namespace {
// A new box's window text: one blank, so that nothing reads it as a caption.
constexpr const char* BlankText = " ";
// Aligned children keep this far from the left, right and bottom edges, and this far below the caption band.
constexpr int ChildMargin = 3;
constexpr int ChildGapBelowCaption = 5;
// The frame line starts this far right of the left edge before the caption gap, which ends this far beyond
// the caption's width; the caption itself is written at CaptionLeft.
constexpr int FrameLead = 2;
constexpr int CaptionGapEnd = 6;
constexpr int CaptionLeft = 5;
constexpr TColor DisabledCaptionColor = clGray;
} // namespace

TvskCustomGroupBox::TvskCustomGroupBox(TComponent* AOwner) : inherited(AOwner) {
    SetText(BlankText);
    SetBounds(Left(), Top(), VskGroupBoxWidth, VskGroupBoxHeight);
    SetParentColor(true);
    ApplyStartUpStyle();
}

TvskCustomGroupBox::~TvskCustomGroupBox() = default;

void TvskCustomGroupBox::SetCaption(const std::string& Value) {
    FCaption = Value;
    Invalidate();
}

void TvskCustomGroupBox::SetBorderColor(TColor Value) {
    FBorderColor = Value;
    Invalidate();
}

TColor TvskCustomGroupBox::FontColor() const {
    return Font()->Color();
}

void TvskCustomGroupBox::SetFontColor(TColor Value) {
    Font()->SetColor(Value);
}

int TvskCustomGroupBox::FontHeight() const {
    return std::abs(Font()->Height());
}

// The children go with the box: a disabled box holds nothing that looks usable.
void TvskCustomGroupBox::SetEnabled(bool Value) {
    inherited::SetEnabled(Value);
    std::vector<TControl*> Children;
    for (int Index = 0; Index < ControlCount(); ++Index)
        Children.push_back(Controls(Index));
    for (TControl* Child : Children)
        Child->SetEnabled(Value);
    Invalidate();
}

void TvskCustomGroupBox::ApplyUIStyle(const TvskThemeSource& Theme) {
    ContainerApplyUIStyle(*this, UIStyle(), FileTheme());
    FBorderColor = Theme.Color(VSK_THEME_CONTROL_BORDER_COLOR);
    Font()->SetColor(Theme.Color(VSK_THEME_CONTROL_FONT_COLOR));
    Invalidate();
}

void TvskCustomGroupBox::AdjustClientRect(TRect& Rect) {
    inherited::AdjustClientRect(Rect);
    Rect.left += ChildMargin;
    Rect.right -= ChildMargin;
    Rect.bottom -= ChildMargin;
    Rect.top += FontHeight() + ChildGapBelowCaption;
}

// Drawn straight on the canvas: the panel's paint already goes to one off-screen bitmap and one BitBlt.
void TvskCustomGroupBox::Paint() {
    TCanvas& Target = Canvas();
    const TRect Client = ClientRect();
    PaintControlBackground(Target, *this, Transparent());
    Target.SetFont(*Font());
    const int Y = Client.top + FontHeight() / 2 + 1;
    const int GapEnd = FCaption.empty() ? Client.left : Client.left + Target.TextWidth(FCaption) + CaptionGapEnd;
    const TPoint Frame[] = {
        {Client.left + FrameLead, Y},          {Client.left, Y},      {Client.left, Client.bottom - 1},
        {Client.right - 1, Client.bottom - 1}, {Client.right - 1, Y}, {GapEnd, Y}};
    Target.Pen().SetColor(FBorderColor);
    Target.Polyline(Frame);
    if (FCaption.empty()) return;
    if (!Enabled()) Target.Font().SetColor(DisabledCaptionColor);
    Target.Brush().SetStyle(bsClear);
    Target.TextOut(CaptionLeft, Client.top, FCaption);
}

void TvskCustomGroupBox::CMFontChanged(TMessage& Message) {
    inherited::WndProc(Message);
    Realign();
    Invalidate();
}

void TvskCustomGroupBox::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_FONTCHANGED: CMFontChanged(Message); break;
    default: inherited::WndProc(Message); break;
    }
}
