#include "skin/controls/Vskimagepanel.h"

#include "framework/core/Properties.h"
#include "framework/win/graphics/Picture.h"
#include "skin/controls/Vskcaption.h"
#include "skin/themes/Vskpublic.h"

const TEnumInfo TvskDrawStyleInfo{"TvskDrawStyle", {"vskNormal", "vskStretch", "vskTile"}};

VSK_IMPLEMENT_CLASS(TvskCustomPanel)
VSK_IMPLEMENT_CLASS(TvskImagePanel)

void TvskCustomPanel::Publish(TPublisher<TvskCustomPanel>&) {}

void TvskImagePanel::Publish(TPublisher<TvskImagePanel>& p) {
    p.Object("Picture", &TvskImagePanel::Picture, &TvskImagePanel::SetPicture);
    p.Bool("Transparent", &TvskImagePanel::Transparent, &TvskImagePanel::SetTransparent).Default(false);
    p.Bool("AutoSize", &TvskImagePanel::AutoSize, &TvskImagePanel::SetAutoSize).Default(false);
    p.Enum("DrawStyle", &TvskImagePanel::DrawStyle, &TvskImagePanel::SetDrawStyle, TvskDrawStyleInfo)
        .Default(vskNormal);
    p.Enum("BevelOuter", &TvskImagePanel::BevelOuter, &TvskImagePanel::SetBevelOuter, TBevelCutInfo).Default(bvNone);
}

namespace {
// The only picture slot of the cache.
constexpr int PictureSlot = 0;
} // namespace

TvskCustomPanel::TvskCustomPanel(TComponent* AOwner) : inherited(AOwner), FPicture(std::make_unique<TPicture>()) {
    FPicture->OnChange.Bind(this, &TvskCustomPanel::PictureChanged);
    SetBevelOuter(bvNone);
    SetBevelInner(bvNone);
}

TvskCustomPanel::~TvskCustomPanel() = default;

void TvskCustomPanel::SetPicture(const TPicture* Value) {
    if (Value)
        FPicture->Assign(*Value);
    else
        FPicture->SetGraphic(nullptr);
    PictureChanged(FPicture.get());
}

void TvskCustomPanel::PictureChanged(TObject*) {
    if (FPicture->Graphic()) {
        ApplyAutoSize();
        ApplyTransparent();
    }
    FPictureCache.Clear();
    Invalidate();
}

void TvskCustomPanel::SetTransparent(bool Value) {
    FTransparent = Value;
    if (FPicture->Graphic()) ApplyTransparent();
    Invalidate();
}

void TvskCustomPanel::ApplyTransparent() {
    TGraphic* Graphic = FPicture->Graphic();
    if (Graphic->Transparent() == FTransparent) return;
    Graphic->SetTransparent(FTransparent);
    FPictureCache.Clear();
}

void TvskCustomPanel::SetAutoSize(bool Value) {
    FAutoSize = Value;
    if (FPicture->Graphic()) ApplyAutoSize();
}

void TvskCustomPanel::ApplyAutoSize() {
    if (!FAutoSize) return;
    const TAlign A = Align();
    const int W = (A == alTop || A == alBottom || A == alClient) ? Width() : FPicture->Width();
    const int H = (A == alLeft || A == alRight || A == alClient) ? Height() : FPicture->Height();
    SetBounds(Left(), Top(), W, H);
}

void TvskCustomPanel::SetDrawStyle(TvskDrawStyle Value) {
    FDrawStyle = Value;
    FPictureCache.Clear();
    Invalidate();
}

void TvskCustomPanel::SetCaptionPosX(int Value) {
    FCaptionPosX = Value;
    Invalidate();
}

void TvskCustomPanel::SetCaptionPosY(int Value) {
    FCaptionPosY = Value;
    Invalidate();
}

void TvskCustomPanel::Resize() {
    inherited::Resize();
    Invalidate();
}

// An opaque panel starts from its colour, so that a picture smaller than the panel leaves no garbage beside
// it; a transparent one from what lies behind it.
void TvskCustomPanel::Paint() {
    const TRect Client = ClientRect();
    TCanvas& Target = Canvas();
    PaintControlBackground(Target, *this, FTransparent);
    const TGraphic* Graphic = FPicture->Graphic();
    if (Graphic && !Graphic->Empty()) {
        FPictureCache.Draw(Target, Client, PictureSlot, [&](TCanvas& Face, const TRect& Rect) {
            switch (FDrawStyle) {
            case vskStretch: Face.StretchDraw(Rect, *Graphic); break;
            case vskTile: TileDraw(Face, *FPicture, Rect); break;
            case vskNormal: Face.Draw(0, 0, *Graphic); break;
            }
        });
    }
    PaintCaption(Target);
}

void TvskCustomPanel::PaintCaption(TCanvas& Canvas) {
    const std::string Text = Caption();
    if (!HasVisibleText(Text)) return;
    Canvas.Brush().SetStyle(bsClear);
    Canvas.SetFont(*Font());
    if (FCaptionPosX == VskAutoCaptionPos || FCaptionPosY == VskAutoCaptionPos) {
        static constexpr UINT Alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
        TRect Rect = ClientRect();
        Canvas.DrawText(Text, Rect, DT_SINGLELINE | DT_VCENTER | Alignments[Alignment()]);
        return;
    }
    Canvas.TextOut(FCaptionPosX, FCaptionPosY, Text);
}

void TvskCustomPanel::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_ERASEBKGND: Message.Result = 1; break;
    default: inherited::WndProc(Message); break;
    }
}
