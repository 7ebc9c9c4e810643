#include "skin/controls/Vskbutton.h"

#include "framework/core/Properties.h"
#include "skin/themes/Vskpublic.h"

#include <array>

const TEnumInfo TButtonLayoutInfo{"TButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};
const TEnumInfo TvskArrowButtonTypeInfo{"TvskArrowButtonType", {"vskUp", "vskDown"}};

VSK_IMPLEMENT_CLASS(TvskButton)

void TvskButton::Publish(TPublisher<TvskButton>& p) {
    p.Object("Glyph", &TvskButton::Glyph, &TvskButton::SetGlyph);
    p.Enum("Layout", &TvskButton::Layout, &TvskButton::SetLayout, TButtonLayoutInfo).Default(blGlyphLeft);
    p.Int("Spacing", &TvskButton::Spacing, &TvskButton::SetSpacing).Default(VskDefaultGlyphSpacing);
    p.Int("ResHandle", &TvskButton::ResHandle, &TvskButton::SetResHandle).Default(0);
}

TvskButton::TvskButton(TComponent* AOwner) : inherited(AOwner), FGlyph(std::make_unique<TBitmap>()) {
    FGlyph->OnChange.Bind(this, &TvskButton::GlyphChanged);
    SetBounds(Left(), Top(), VskButtonWidth, VskButtonHeight);
    TakeTransparentFromStyle();
    ApplyStartUpStyle();
}

TvskButton::~TvskButton() = default;

void TvskButton::SetGlyph(const TBitmap* Value) {
    if (Value)
        FGlyph->Assign(*Value);
    else
        FGlyph->SetSize(0, 0);
    GlyphChanged(FGlyph.get());
}

// The glyph goes into an image list once, masked by its top-left pixel, so that painting only blits it.
void TvskButton::GlyphChanged(TObject*) {
    FGlyphImages.reset();
    if (!FGlyph->Empty()) {
        const int Height = FGlyph->Height();
        FGlyphPair = FGlyph->Width() == 2 * Height;
        const int Width = FGlyphPair ? Height : FGlyph->Width();
        FGlyphImages = std::make_unique<TImageList>(nullptr, Width, Height);
        FGlyphImages->AddMasked(*FGlyph, FGlyph->Canvas().Pixels(0, 0));
    }
    Invalidate();
}

void TvskButton::SetLayout(TButtonLayout Value) {
    FLayout = Value;
    Invalidate();
}

void TvskButton::SetSpacing(int Value) {
    FSpacing = Value;
    Invalidate();
}

void TvskButton::PaintPic(TCanvas& Canvas, TvskFaceState State) {
    DrawStretchedFace(Canvas, State);
    if (FGlyphImages) PaintGlyph(Canvas);
}

// Glyph and caption are centred together as one block, the glyph on the side Layout names.
void TvskButton::PaintGlyph(TCanvas& Canvas) {
    Canvas.SetFont(*Font());
    const std::string Text = Caption();
    const int TextWidth = Canvas.TextWidth(Text);
    const int TextHeight = Canvas.TextHeight(Text);
    const int GlyphWidth = FGlyphImages->Width();
    const int GlyphHeight = FGlyphImages->Height();
    const int W = Width(), H = Height(), S = FSpacing;
    TPoint Glyph;
    switch (FLayout) {
    case blGlyphLeft:
        Glyph = {(W - TextWidth - GlyphWidth - S) / 2, (H - GlyphHeight) / 2};
        FTextPos = {Glyph.x + GlyphWidth + S, (H - TextHeight) / 2};
        break;
    case blGlyphRight:
        Glyph = {(W + TextWidth + S - GlyphWidth) / 2, (H - GlyphHeight) / 2};
        FTextPos = {Glyph.x - TextWidth - S, (H - TextHeight) / 2};
        break;
    case blGlyphTop:
        Glyph = {(W - GlyphWidth) / 2, (H - TextHeight - GlyphHeight - S) / 2};
        FTextPos = {(W - TextWidth) / 2, Glyph.y + GlyphHeight + S};
        break;
    case blGlyphBottom:
        Glyph = {(W - GlyphWidth) / 2, (H + TextHeight + S - GlyphHeight) / 2};
        FTextPos = {(W - TextWidth) / 2, Glyph.y - TextHeight - S};
        break;
    }
    if (MouseIsDown()) {
        ++Glyph.x;
        ++Glyph.y;
    }
    // A pair shows its own disabled image; a single glyph is greyed.
    if (FGlyphPair)
        FGlyphImages->Draw(Canvas, Glyph.x, Glyph.y, Enabled() ? 0 : 1);
    else
        FGlyphImages->Draw(Canvas, Glyph.x, Glyph.y, 0, Enabled());
}

void TvskButton::PaintText(TCanvas& Canvas, const std::string& Text) {
    if (!FGlyphImages) {
        inherited::PaintText(Canvas, Text);
        return;
    }
    Canvas.SetFont(*Font());
    DrawEmbossedText(Canvas, Text, TRect(FTextPos.x, FTextPos.y, Width(), Height()), DT_SINGLELINE);
}

// MacOS and BlueGlass mark the focused button by its bold caption, the others by the dotted rectangle.
void TvskButton::PaintFocus(TCanvas& Canvas) {
    if (UIStyle() == MacOS || UIStyle() == BlueGlass)
        RequestBoldCaption();
    else
        inherited::PaintFocus(Canvas);
}

// ------------------------------------------------------------------------------------------------------

VSK_IMPLEMENT_CLASS(TvskArrowButton)

void TvskArrowButton::Publish(TPublisher<TvskArrowButton>& p) {
    p.Enum("Arrow", &TvskArrowButton::Arrow, &TvskArrowButton::SetArrow, TvskArrowButtonTypeInfo).Default(vskUp);
}

namespace {
// The arrow: a triangle 6 pixels wide and 3 high, centred.
constexpr int ArrowWidth = 6;
constexpr int ArrowHeight = 3;
} // namespace

TvskArrowButton::TvskArrowButton(TComponent* AOwner) : inherited(AOwner) {
    SetBounds(Left(), Top(), VskButtonWidth, VskButtonHeight);
    TakeTransparentFromStyle();
    ApplyStartUpStyle();
}

void TvskArrowButton::SetArrow(TvskArrowButtonType Value) {
    FArrow = Value;
    Invalidate();
}

void TvskArrowButton::PaintPic(TCanvas& Canvas, TvskFaceState State) {
    DrawStretchedFace(Canvas, State);
    const int X = (Width() - ArrowWidth) / 2;
    const int Y = (Height() - ArrowHeight) / 2;
    const int Base = FArrow == vskUp ? Y + ArrowHeight : Y;
    const int Tip = FArrow == vskUp ? Y : Y + ArrowHeight;
    const std::array<TPoint, 3> Points{TPoint{X, Base}, TPoint{X + ArrowWidth / 2, Tip}, TPoint{X + ArrowWidth, Base}};
    Canvas.Brush().SetStyle(bsSolid);
    Canvas.Brush().SetColor(clBlack);
    Canvas.Pen().SetColor(clBlack);
    Canvas.Polygon(Points);
}
