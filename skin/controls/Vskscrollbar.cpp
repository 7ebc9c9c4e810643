#include "skin/controls/Vskscrollbar.h"

#include "framework/core/Properties.h"
#include "framework/win/graphics/Picture.h"
#include "skin/controls/Vskimagebutton.h"
#include "skin/controls/Vsktrackbar.h"
#include "skin/themes/Vskpublic.h"

#include <algorithm>
#include <array>

VSK_IMPLEMENT_CLASS(TvskScrollBar)

void TvskScrollBar::Publish(TPublisher<TvskScrollBar>& p) {
    p.Enum("Orientation", &TvskScrollBar::Orientation, &TvskScrollBar::SetOrientation, TvskProgressBarOrientationInfo)
        .Default(vskHorizontal);
    p.Int("Min", &TvskScrollBar::Min, &TvskScrollBar::SetMin).Default(0);
    p.Int("Max", &TvskScrollBar::Max, &TvskScrollBar::SetMax).Default(100);
    p.Int("Position", &TvskScrollBar::Position, &TvskScrollBar::SetPosition).Default(0);
    p.Int("PageSize", &TvskScrollBar::PageSize, &TvskScrollBar::SetPageSize).Default(2);
    // The same value as PageSize, which is stored.
    p.Int("LargeChange", &TvskScrollBar::LargeChange, &TvskScrollBar::SetLargeChange).Stored(false);
    p.Int("SmallChange", &TvskScrollBar::SmallChange, &TvskScrollBar::SetSmallChange).Default(VskScrollIncMin);
    p.Int("LineButton", &TvskScrollBar::LineButton, &TvskScrollBar::SetLineButton).Default(0);
    p.Event("OnChange", &TvskScrollBar::OnChange);
}

namespace {

// The length a new bar starts with, before the layout gives it its thickness.
constexpr int InitialLength = 185;
// The arrow strip: the decrement arrow's normal, hot and pressed faces, then the increment arrow's.
constexpr int ArrowFrameCount = 6;
constexpr int FacesPerArrow = 3;
// The thumb strip: head, body, tail.
constexpr int SliderFrameCount = 3;
constexpr int SliderHeadFrame = 1;
constexpr int SliderBodyFrame = 2;
constexpr int SliderTailFrame = 3;
// A vertical track stops one pixel short of the increment arrow.
constexpr int VerticalTrackGap = 1;
// A thumb from PageSize: that many per cent of the track, PageSizes outside the band giving the fallback.
constexpr int LeastPagePercent = 10;
constexpr int MostPagePercent = 100;
constexpr int FallbackPagePercent = 10;
constexpr int PercentScale = 100;

using TPictureSetter = void (TvskImageButton::*)(const TPicture*);
constexpr std::array<TPictureSetter, FacesPerArrow> ArrowFaceSetters{
    &TvskImageButton::SetPicNormal, &TvskImageButton::SetPicMouseOn, &TvskImageButton::SetPicMouseDown};

} // namespace

TvskScrollBar::TvskScrollBar(TComponent* AOwner) : inherited(AOwner) {
    SetControlStyle(ControlStyle() - TControlStyle{csAcceptsControls, csSetCaption});
    SetBevelOuter(bvNone);
    SetBevelInner(bvNone);
    FTrackBar = new TvskScrollTrackBar(this);
    FTrackBar->SetParent(this);
    FTrackBar->OnChange.Bind(this, &TvskScrollBar::TrackChanged);
    const auto MakeArrow = [this](void (TvskScrollBar::*Repeat)(TObject*)) {
        auto* Arrow = new TvskImageButton(this);
        Arrow->SetParent(this);
        Arrow->SetTabStop(false);
        Arrow->SetTransparent(true); // the strips' corners are keyed out around the rounded faces
        Arrow->SetMouseContinuouslyDownInterval(VskDefaultRepeatInterval);
        Arrow->OnMouseContinuouslyDown.Bind(this, Repeat);
        return Arrow;
    };
    FDecButton = MakeArrow(&TvskScrollBar::MouseContinuouslyDownDec);
    FIncButton = MakeArrow(&TvskScrollBar::MouseContinuouslyDownInc);
    SetHeight(InitialLength);
    ApplyStartUpStyle();
}

TvskScrollBar::~TvskScrollBar() = default;

// Properties --------------------------------------------------------------------------------------------------

void TvskScrollBar::SetOrientation(TvskProgressBarOrientation Value) {
    if (Value == FOrientation) return;
    FOrientation = Value;
    SetUIStyle(UIStyle()); // the pictures are turned as they are cut
}

int TvskScrollBar::Min() const {
    return FTrackBar->Min();
}

void TvskScrollBar::SetMin(int Value) {
    FTrackBar->SetMin(Value);
}

int TvskScrollBar::Max() const {
    return FTrackBar->Max();
}

void TvskScrollBar::SetMax(int Value) {
    FTrackBar->SetMax(Value);
}

void TvskScrollBar::SetRange(int AMin, int AMax) {
    FTrackBar->SetRange(AMin, AMax);
}

int TvskScrollBar::Position() const {
    return FTrackBar->Position();
}

void TvskScrollBar::SetPosition(int Value) {
    if (Value != FTrackBar->Position()) FTrackBar->SetPosition(Value);
}

int TvskScrollBar::PageSize() const {
    return FTrackBar->PageSize();
}

void TvskScrollBar::SetPageSize(int Value) {
    FTrackBar->SetPageSize(Value);
    UpdateSliderPic();
}

int TvskScrollBar::LargeChange() const {
    return FTrackBar->PageSize();
}

void TvskScrollBar::SetLargeChange(int Value) {
    FTrackBar->SetPageSize(std::clamp(Value, VskScrollIncMin, VskScrollIncMax));
}

void TvskScrollBar::SetSmallChange(int Value) {
    FSmallChange = std::clamp(Value, VskScrollIncMin, VskScrollIncMax);
}

void TvskScrollBar::SetLineButton(int Value) {
    if (Value == FLineButton || Value < 0 || Value > TrackLength() + (Vertical() ? VerticalTrackGap : 0)) return;
    FLineButton = Value;
    UpdateSliderPic();
}

bool TvskScrollBar::SliderVisible() const {
    return FTrackBar->SliderVisible();
}

void TvskScrollBar::SetSliderVisible(bool Value) {
    FTrackBar->SetSliderVisible(Value);
}

int TvskScrollBar::LastChange() const {
    return FTrackBar->LastChange();
}

void TvskScrollBar::TrackChanged(TObject*) {
    OnChange(this);
}

// The arrows step by SmallChange while held; a disabled bar's arrows do nothing.
void TvskScrollBar::MouseContinuouslyDownInc(TObject*) {
    if (Enabled()) FTrackBar->MoveBy(FSmallChange);
}

void TvskScrollBar::MouseContinuouslyDownDec(TObject*) {
    if (Enabled()) FTrackBar->MoveBy(-FSmallChange);
}

// Style -------------------------------------------------------------------------------------------------------

void TvskScrollBar::ApplyUIStyle(const TvskThemeSource& Theme) {
    UpdatePictures(Theme);
    PlaceTrackBarAndButton();
    Invalidate();
}

// The strips hold the arrows pointing up and down and the thumb lying horizontally: a horizontal bar turns
// the arrows a quarter counter-clockwise, a vertical one the thumb a quarter clockwise. The track and the
// arrows take the bar's colour as their parent's.
void TvskScrollBar::UpdatePictures(const TvskThemeSource& Theme) {
    SetColor(Theme.Color(VSK_THEME_SCROLL_BAR_BACKGROUND_COLOR));
    const std::array<std::pair<TBitmap*, int>, SliderFrameCount> Pieces{
        {{&FSliderHead, SliderHeadFrame}, {&FSliderBody, SliderBodyFrame}, {&FSliderTail, SliderTailFrame}}};
    for (const auto& [Piece, Frame] : Pieces) {
        Theme.Bitmap(VSK_THEME_SCROLL_BAR_SLIDER_IMAGE, *Piece, SliderFrameCount, Frame);
        if (Vertical() && !Piece->Empty()) RoundPicture3(*Piece);
    }
    for (int Frame = 1; Frame <= ArrowFrameCount; ++Frame) {
        TPicture Face;
        Theme.Bitmap(VSK_THEME_SCROLL_BAR_BUTTON_IMAGE, Face.Bitmap(), ArrowFrameCount, Frame);
        if (!Vertical() && !Face.Bitmap().Empty()) RoundPicture(Face.Bitmap());
        TvskImageButton& Arrow = Frame <= FacesPerArrow ? *FDecButton : *FIncButton;
        (Arrow.*ArrowFaceSetters[static_cast<std::size_t>((Frame - 1) % FacesPerArrow)])(&Face);
    }
    FDecButton->SetAutoSize(true);
    FIncButton->SetAutoSize(true);
}

// Layout ------------------------------------------------------------------------------------------------------

int TvskScrollBar::TrackLength() const {
    if (Vertical()) return std::max(Height() - FIncButton->Height() - FDecButton->Height() - VerticalTrackGap, 0);
    return std::max(Width() - FIncButton->Width() - FDecButton->Width(), 0);
}

// The bar is as thick as its arrows, whatever thickness it was given. A bar of no length has nothing to lay
// out (and shows nothing).
void TvskScrollBar::PlaceTrackBarAndButton() {
    if (FPlacing) return;
    FTrackBar->SetOrientation(FOrientation);
    if ((Vertical() ? Height() : Width()) == 0) return;
    FPlacing = true;
    FDecButton->SetBounds(0, 0, FDecButton->Width(), FDecButton->Height());
    if (Vertical()) {
        SetWidth(FDecButton->Width());
        FTrackBar->SetBounds(0, FDecButton->Height(), FTrackBar->Width(), TrackLength());
        FIncButton->SetBounds(0, Height() - FIncButton->Height(), FIncButton->Width(), FIncButton->Height());
    } else {
        SetHeight(FDecButton->Height());
        FTrackBar->SetBounds(FDecButton->Width(), 0, TrackLength(), FTrackBar->Height());
        FIncButton->SetBounds(Width() - FIncButton->Width(), 0, FIncButton->Width(), FIncButton->Height());
    }
    FPlacing = false;
    UpdateSliderPic();
}

// The thumb is never longer than its track, nor shorter than a pixel.
int TvskScrollBar::SliderLength(int Track) {
    int Length = 0;
    if (FLineButton > 0) {
        FLineButton = std::max(FLineButton, VskMinLineButton);
        Length = FLineButton;
    } else {
        int Page = FTrackBar->PageSize();
        if (Page < LeastPagePercent || Page > MostPagePercent) Page = FallbackPagePercent;
        Length = Track * Page / PercentScale;
    }
    return std::clamp(Length, 1, std::max(Track, 1));
}

// Head and tail at the ends, the body stretched between them; on a thumb too short for both caps the caps
// overlap and the body is left out.
void TvskScrollBar::UpdateSliderPic() {
    const int Cross = Vertical() ? FSliderHead.Width() : FSliderHead.Height();
    const int Length = SliderLength(TrackLength());
    TBitmap Image(Vertical() ? Cross : Length, Vertical() ? Length : Cross);
    if (!Image.Empty()) {
        TCanvas& Canvas = Image.Canvas();
        const int HeadLength = Vertical() ? FSliderHead.Height() : FSliderHead.Width();
        const int TailStart = Length - (Vertical() ? FSliderTail.Height() : FSliderTail.Width());
        const TRect Body = Vertical() ? TRect(0, HeadLength, Cross, TailStart) : TRect(HeadLength, 0, TailStart, Cross);
        if (!Body.IsEmpty() && !FSliderBody.Empty()) Canvas.StretchDraw(Body, FSliderBody);
        if (!FSliderHead.Empty()) Canvas.Draw(0, 0, FSliderHead);
        if (!FSliderTail.Empty()) Canvas.Draw(Vertical() ? 0 : TailStart, Vertical() ? TailStart : 0, FSliderTail);
    }
    FTrackBar->SetSliderImage(Image);
}

// Painting and messages ---------------------------------------------------------------------------------------

// Only the corner the track leaves beside the arrows shows: the bar's colour.
void TvskScrollBar::Paint() {
    Canvas().Brush().SetStyle(bsSolid);
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(ClientRect());
}

void TvskScrollBar::Resize() {
    inherited::Resize();
    PlaceTrackBarAndButton();
}

std::array<TControl*, 3> TvskScrollBar::Parts() const {
    return {FTrackBar, FDecButton, FIncButton};
}

// The parts follow the bar, so that a hidden or disabled bar has no arrow repeating and no track paging.
void TvskScrollBar::CMVisibleChanged(TMessage& Message) {
    inherited::WndProc(Message);
    for (TControl* Part : Parts())
        Part->SetVisible(Visible());
}

void TvskScrollBar::CMEnabledChanged(TMessage& Message) {
    inherited::WndProc(Message);
    for (TControl* Part : Parts())
        Part->SetEnabled(Enabled());
}

void TvskScrollBar::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_ERASEBKGND: Message.Result = 1; break;
    case CM_VISIBLECHANGED: CMVisibleChanged(Message); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(Message); break;
    default: inherited::WndProc(Message); break;
    }
}
