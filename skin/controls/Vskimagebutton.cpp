#include "skin/controls/Vskimagebutton.h"

#include "framework/core/Properties.h"
#include "framework/win/graphics/Picture.h"

#include <algorithm>

VSK_IMPLEMENT_CLASS(TvskImageButton)

void TvskImageButton::Publish(TPublisher<TvskImageButton>& p) {
    p.Object("PicNormal", &TvskImageButton::PicNormal, &TvskImageButton::SetPicNormal);
    p.Object("PicMouseOn", &TvskImageButton::PicMouseOn, &TvskImageButton::SetPicMouseOn);
    p.Object("PicMouseDown", &TvskImageButton::PicMouseDown, &TvskImageButton::SetPicMouseDown);
    p.Object("PicDisabled", &TvskImageButton::PicDisabled, &TvskImageButton::SetPicDisabled);
    p.Bool("Stretch", &TvskImageButton::Stretch, &TvskImageButton::SetStretch).Default(false);
    p.Bool("DrawFocused", &TvskImageButton::DrawFocused, &TvskImageButton::SetDrawFocused).Default(false);
}

TvskImageButton::TvskImageButton(TComponent* AOwner) : inherited(AOwner) {
    for (auto& Picture : FPictures) {
        Picture = std::make_unique<TPicture>();
        Picture->OnChange.Bind(this, &TvskImageButton::PicturesChanged);
    }
    ApplyStartUpStyle();
}

TvskImageButton::~TvskImageButton() = default;

void TvskImageButton::SetParent(TWinControl* AParent) {
    inherited::SetParent(AParent);
    AutoSizeChanged();
}

void TvskImageButton::SetPicture(TvskFaceState State, const TPicture* Value) {
    if (Value)
        FPictures[State]->Assign(*Value);
    else
        FPictures[State]->SetGraphic(nullptr);
    PicturesChanged(FPictures[State].get());
}

void TvskImageButton::PicturesChanged(TObject*) {
    FacesChanged();
    AutoSizeChanged();
    Invalidate();
}

void TvskImageButton::SetStretch(bool Value) {
    if (FStretch != Value) FacesChanged();
    FStretch = Value;
    Invalidate();
}

void TvskImageButton::SetDrawFocused(bool Value) {
    FDrawFocused = Value;
    Invalidate();
}

// The pictures are the button's own: a style changes nothing of its look.
void TvskImageButton::ApplyUIStyle(const TvskThemeSource&) {
    Invalidate();
}

void TvskImageButton::AutoSizeChanged() {
    const TBitmap* Normal = ShownBitmap(vskFaceNormal);
    if (AutoSize() && Parent() && Normal) SetBounds(Left(), Top(), Normal->Width(), Normal->Height());
}

const TBitmap* TvskImageButton::ShownBitmap(TvskFaceState State) const {
    const auto BitmapOf = [](const TPicture& Picture) -> const TBitmap* {
        const auto* Bitmap = dynamic_cast<const TBitmap*>(Picture.Graphic());
        return Bitmap && !Bitmap->Empty() ? Bitmap : nullptr;
    };
    const TBitmap* Own = BitmapOf(*FPictures[State]);
    return Own ? Own : BitmapOf(*FPictures[vskFaceNormal]);
}

void TvskImageButton::PaintPic(TCanvas& Canvas, TvskFaceState State) {
    const TBitmap* Bitmap = ShownBitmap(State);
    if (!Bitmap) return;
    DrawCachedFace(Canvas, State, [&](TCanvas& Target, const TRect& Rect) {
        const TRect Dest = FStretch ? Rect : TRect(0, 0, Bitmap->Width(), Bitmap->Height());
        DrawCornerMasked(Target, *Bitmap, Dest, PicTransparent());
    });
}

void TvskImageButton::PaintFocus(TCanvas& Canvas) {
    if (FDrawFocused) inherited::PaintFocus(Canvas);
}

// ------------------------------------------------------------------------------------------------------

VSK_IMPLEMENT_CLASS(TvskControlButton)

void TvskControlButton::Publish(TPublisher<TvskControlButton>& p) {
    p.Int("ThemeID", &TvskControlButton::ThemeID, &TvskControlButton::SetThemeID).Default(VSK_THEME_BUTTON_IMAGE);
    p.Int("PicIndex", &TvskControlButton::PicIndex, &TvskControlButton::SetPicIndex).Default(1);
    p.Int("PicCount", &TvskControlButton::PicCount, &TvskControlButton::SetPicCount)
        .Default(VskPushButtonFrameCount);
    p.Bool("PicTransparent", &TvskControlButton::PicTransparent, &TvskControlButton::SetPicTransparent);
    p.Bool("TabStop", &TvskControlButton::TabStop, &TvskControlButton::SetTabStop).Default(false);
}

// A caption button of a frame is drawn in the frame's style, which the frame sets; it starts as DeepBlue.
TvskControlButton::TvskControlButton(TComponent* AOwner) : inherited(AOwner) {
    SetTabStop(false);
    SetUIStyle(DeepBlue);
}

void TvskControlButton::SetThemeID(int Value) {
    FThemeID = std::clamp(Value, 1, VSK_THEME_ENTRY_COUNT);
    ReadFaces();
}

void TvskControlButton::SetPicIndex(int Value) {
    FPicIndex = Value;
    ReadFaces();
}

void TvskControlButton::SetPicCount(int Value) {
    FPicCount = Value;
    ReadFaces();
}

void TvskControlButton::ReadFaces() {
    SetUIStyle(UIStyle());
}

// Normal, pressed and disabled show frame PicIndex, the pointer the next one (when the strip has one). The
// button takes the frame's size.
void TvskControlButton::ApplyUIStyle(const TvskThemeSource& Theme) {
    const int Count = std::max(FPicCount, 1);
    const int Index = std::clamp(FPicIndex, 1, Count);
    const auto Frame = [](int Value) { return static_cast<std::uint8_t>(Value); };
    const TvskFaceTable Faces{{Frame(Index), Frame(std::min(Index + 1, Count)), Frame(Index), Frame(Index)}};
    CutFaces(Theme, FThemeID, Count, Faces);
    const TBitmap& Normal = StyleFace(vskFaceNormal);
    if (!Normal.Empty()) SetBounds(Left(), Top(), Normal.Width(), Normal.Height());
    Invalidate();
}

void TvskControlButton::PaintPic(TCanvas& Canvas, TvskFaceState State) {
    const TBitmap& Face = StyleFace(State);
    DrawCachedFace(Canvas, State, [&](TCanvas& Target, const TRect&) {
        DrawCornerMasked(Target, Face, TRect(0, 0, Face.Width(), Face.Height()), PicTransparent());
    });
}
