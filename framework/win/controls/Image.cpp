#include "framework/win/controls/Image.h"

#include "framework/core/Properties.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/Graphic.h"
#include "framework/win/graphics/Picture.h"

VSK_IMPLEMENT_CLASS(TImage)

void TImage::Publish(TPublisher<TImage>& p) {
    p.Bool("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize).Default(false);
    p.Bool("Center", &TImage::Center, &TImage::SetCenter).Default(false);
    p.Object("Picture", &TImage::Picture, &TImage::SetPicture);
    p.Bool("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(false);
    p.Bool("Transparent", &TImage::Transparent, &TImage::SetTransparent).Default(false);
}

namespace {
constexpr int DefaultImageSize = 105;
} // namespace

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>()) {
    SetControlStyle(ControlStyle() | TControlStyle{csReplicatable});
    FPicture->OnChange.Bind(this, &TImage::PictureChanged);
    SetBounds(Left(), Top(), DefaultImageSize, DefaultImageSize);
}

TImage::~TImage() = default;

void TImage::SetPicture(const TPicture* Value) {
    if (Value) FPicture->Assign(*Value);
}

void TImage::PictureChanged(TObject*) {
    if (TGraphic* Graphic = FPicture->Graphic(); Graphic && Graphic->Transparent() != FTransparent)
        Graphic->SetTransparent(FTransparent);
    ApplyAutoSize();
    Invalidate();
}

void TImage::ApplyAutoSize() {
    if (FAutoSize && !IsLoading() && FPicture->Width() > 0 && FPicture->Height() > 0)
        SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
}

void TImage::Loaded() {
    inherited::Loaded();
    ApplyAutoSize();
}

void TImage::SetAutoSize(bool Value) {
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    ApplyAutoSize();
}

void TImage::SetStretch(bool Value) {
    if (FStretch == Value) return;
    FStretch = Value;
    Invalidate();
}

void TImage::SetCenter(bool Value) {
    if (FCenter == Value) return;
    FCenter = Value;
    Invalidate();
}

void TImage::SetTransparent(bool Value) {
    if (FTransparent == Value) return;
    FTransparent = Value;
    PictureChanged(nullptr);
}

TRect TImage::DestRect() const {
    if (FStretch) return ClientRect();
    const int W = FPicture->Width();
    const int H = FPicture->Height();
    if (FCenter) return Bounds((Width() - W) / 2, (Height() - H) / 2, W, H);
    return Bounds(0, 0, W, H);
}

void TImage::Paint() {
    if (const TGraphic* Graphic = FPicture->Graphic(); Graphic && !Graphic->Empty())
        Canvas().StretchDraw(DestRect(), *Graphic);
}
