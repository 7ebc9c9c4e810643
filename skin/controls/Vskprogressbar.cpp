#include "skin/controls/Vskprogressbar.h"

#include "framework/core/Properties.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Picture.h"
#include "skin/themes/Vskpublic.h"

#include <algorithm>
#include <limits>
#include <string>

VSK_IMPLEMENT_CLASS(TvskProgressBar)

void TvskProgressBar::Publish(TPublisher<TvskProgressBar>& p) {
    p.Color("CaptionColor", &TvskProgressBar::CaptionColor, &TvskProgressBar::SetCaptionColor).Default(clBlack);
    p.Bool("ShowCaption", &TvskProgressBar::ShowCaption, &TvskProgressBar::SetShowCaption).Default(true);
    p.Bool("SmartShowCaption", &TvskProgressBar::SmartShowCaption, &TvskProgressBar::SetSmartShowCaption)
        .Default(false);
    p.Int("Max", &TvskProgressBar::Max, &TvskProgressBar::SetMax).Default(100);
    p.Int("Min", &TvskProgressBar::Min, &TvskProgressBar::SetMin).Default(0);
    p.Int("Position", &TvskProgressBar::Position, &TvskProgressBar::SetPosition).Default(50);
    p.Enum("Orientation", &TvskProgressBar::Orientation, &TvskProgressBar::SetOrientation,
           TvskProgressBarOrientationInfo)
        .Default(vskHorizontal);
    p.Color("BorderColor", &TvskProgressBar::BorderColor, &TvskProgressBar::SetBorderColor);
    p.Object("Picture", &TvskProgressBar::Picture, &TvskProgressBar::SetPicture);
    // The caption is the percentage, worked out from the position: nothing to store.
    p.Str("Caption", &TvskProgressBar::Caption, &TvskProgressBar::SetCaption).Stored(false);
}

namespace {
constexpr int BarThickness = 12;
constexpr int DefaultLength = 150;
constexpr int PercentScale = 100;
// The frame takes one pixel on every side; the fill starts inside it.
constexpr int FrameWidth = 1;
// Even an empty bar shows where its fill starts.
constexpr int LeastFill = 1;
} // namespace

TvskProgressBar::TvskProgressBar(TComponent* AOwner) : inherited(AOwner), FPicture(std::make_unique<TPicture>()) {
    TControlStyle Style = ControlStyle();
    SetControlStyle(Style.Exclude(csAcceptsControls));
    SetBounds(Left(), Top(), DefaultLength, BarThickness);
    SetColor(clBtnFace);
    ApplyStartUpStyle();
    UpdateProgress();
}

TvskProgressBar::~TvskProgressBar() = default;

void TvskProgressBar::SetCaptionColor(TColor Value) {
    FCaptionColor = Value;
    Invalidate();
}

void TvskProgressBar::SetShowCaption(bool Value) {
    FShowCaption = Value;
    Invalidate();
}

void TvskProgressBar::SetSmartShowCaption(bool Value) {
    FSmartShowCaption = Value;
    Invalidate();
}

void TvskProgressBar::SetMax(int Value) {
    FMax = Value;
    UpdateProgress();
}

void TvskProgressBar::SetMin(int Value) {
    FMin = Value;
    UpdateProgress();
}

void TvskProgressBar::SetPosition(int Value) {
    FPosition = Value;
    UpdateProgress();
}

void TvskProgressBar::SetOrientation(TvskProgressBarOrientation Value) {
    FOrientation = Value;
    SetUIStyle(UIStyle()); // the picture is turned as it is loaded
    UpdateBar();
}

void TvskProgressBar::SetBorderColor(TColor Value) {
    FBorderColor = Value;
    Invalidate();
}

void TvskProgressBar::SetPicture(const TPicture* Value) {
    if (Value)
        FPicture->Assign(*Value);
    else
        FPicture->SetGraphic(nullptr);
    Invalidate();
}

// Steps stop at the ends of int instead of wrapping round to the other end.
void TvskProgressBar::StepBy(int Delta) {
    const std::int64_t Next = std::int64_t{FPosition} + Delta;
    SetPosition(static_cast<int>(
        std::clamp<std::int64_t>(Next, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
}

std::int64_t TvskProgressBar::GetPercentFromPosition() const {
    if (FMax == FMin) return 0;
    return (std::int64_t{FPosition} - FMin) * PercentScale / (std::int64_t{FMax} - FMin);
}

// Length times a range of up to 2^32 still fits in 64 bits, and the quotient is at most Length.
int TvskProgressBar::GetWidthFromPosition(int Length) const {
    if (FMin >= FMax || FMin >= FPosition) return 0;
    if (FPosition > FMax) return Length;
    return static_cast<int>(std::int64_t{Length} * (std::int64_t{FPosition} - FMin) / (std::int64_t{FMax} - FMin));
}

void TvskProgressBar::UpdateProgress() {
    SetText(std::to_string(GetPercentFromPosition()) + "%");
    Invalidate();
}

// The longer side stays the bar's length whichever way it now runs.
void TvskProgressBar::UpdateBar() {
    const int Length = std::max(Width(), Height());
    if (FOrientation == vskVertical)
        SetBounds(Left(), Top(), BarThickness, Length);
    else
        SetBounds(Left(), Top(), Length, BarThickness);
}

// Only an image the style has just given is turned for a vertical bar: a file theme without one leaves the
// picture as it was, and turning that again would lay it across the bar.
void TvskProgressBar::ApplyUIStyle(const TvskThemeSource& Theme) {
    TBitmap Image;
    Theme.Bitmap(VSK_THEME_PROGRESS_BAR_IMAGE, Image);
    if (!Image.Empty()) {
        if (FOrientation == vskVertical) RoundPicture(Image);
        FPicture->SetGraphic(&Image);
    }
    SetColor(Theme.Color(VSK_THEME_CONTROL_BACKGROUND_COLOR));
    FBorderColor = Theme.Color(VSK_THEME_CONTROL_BORDER_COLOR);
    Invalidate();
}

// Drawn straight on the canvas: the panel paints double-buffered, so the whole face goes to one off-screen
// bitmap and reaches the screen in one BitBlt, and the background is never erased first.
void TvskProgressBar::Paint() {
    TCanvas& Face = Canvas();
    const TRect Client = ClientRect();
    const int W = Client.Width();
    const int H = Client.Height();
    Face.Brush().SetStyle(bsSolid);
    if (FOrientation == vskVertical)
        PaintVertical(Face, W, H);
    else
        PaintHorizontal(Face, W, H);
    if (FShowCaption && (!FSmartShowCaption || FPosition != FMin)) PaintCaption(Face, W, H);
    Face.Brush().SetStyle(bsSolid);
    Face.Brush().SetColor(FBorderColor);
    Face.FrameRect(Client);
}

void TvskProgressBar::PaintHorizontal(TCanvas& Canvas, int Width, int Height) {
    const int Fill = std::max(GetWidthFromPosition(Width - FrameWidth), LeastFill);
    if (const TGraphic* Image = FPicture->Graphic())
        Canvas.StretchDraw(TRect(FrameWidth, FrameWidth, Fill, Height - FrameWidth), *Image);
    Canvas.Brush().SetColor(Color());
    Canvas.FillRect(TRect(Fill, FrameWidth, Width - FrameWidth, Height - FrameWidth));
}

// The fill grows from the bottom up. The image is drawn upside down (a rectangle whose top lies below its
// bottom mirrors the stretch), so that its first rows sit at the bar's foot.
void TvskProgressBar::PaintVertical(TCanvas& Canvas, int Width, int Height) {
    const int Bottom = Height - FrameWidth;
    const int Top = std::max(Bottom - GetWidthFromPosition(Bottom), LeastFill);
    if (const TGraphic* Image = FPicture->Graphic())
        Canvas.StretchDraw(TRect(FrameWidth, Bottom - 1, Width - FrameWidth, Top - 1), *Image);
    Canvas.Brush().SetColor(Color());
    Canvas.FillRect(TRect(FrameWidth, FrameWidth, Width - FrameWidth, Top));
    // A vertical bar is too narrow for its caption, and once it has been one it keeps it off.
    FShowCaption = false;
}

void TvskProgressBar::PaintCaption(TCanvas& Canvas, int Width, int Height) {
    const std::string Text = Caption();
    Canvas.SetFont(*Font());
    Canvas.Font().SetColor(FCaptionColor);
    Canvas.Brush().SetStyle(bsClear);
    const SIZE Extent = Canvas.TextExtent(Text);
    Canvas.TextOut((Width - Extent.cx) / 2, (Height - Extent.cy) / 2, Text);
}
