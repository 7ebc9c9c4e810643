#include "skin/controls/Vsktoolbarspeedbutton.h"

#include "framework/core/Properties.h"

VSK_IMPLEMENT_CLASS(TvskToolBarSpeedButton)

void TvskToolBarSpeedButton::Publish(TPublisher<TvskToolBarSpeedButton>& p) {
    p.Object("Glyph", &TvskToolBarSpeedButton::Glyph, &TvskToolBarSpeedButton::SetGlyph);
    p.Enum("BevelOuter", &TvskToolBarSpeedButton::BevelOuter, &TvskToolBarSpeedButton::SetBevelOuter, TBevelCutInfo)
        .Default(bvNone);
}

namespace {
constexpr int GlyphOffset = 1;
constexpr TColor HotFrameColor = clBlack;
} // namespace

TvskToolBarSpeedButton::TvskToolBarSpeedButton(TComponent* AOwner)
    : inherited(AOwner), FGlyph(std::make_unique<TBitmap>()) {
    FGlyph->OnChange.Bind(this, &TvskToolBarSpeedButton::GlyphChanged);
    SetControlStyle({csCaptureMouse, csClickEvents, csOpaque});
    SetBevelOuter(bvNone);
    SetBounds(Left(), Top(), VskSpeedButtonSize, VskSpeedButtonSize);
    ApplyStartUpStyle();
}

TvskToolBarSpeedButton::~TvskToolBarSpeedButton() = default;

void TvskToolBarSpeedButton::SetGlyph(const TBitmap* Value) {
    if (Value)
        FGlyph->Assign(*Value);
    else
        FGlyph->SetSize(0, 0);
    GlyphChanged(FGlyph.get());
}

void TvskToolBarSpeedButton::GlyphChanged(TObject*) {
    FGlyphImages.reset();
    if (!FGlyph->Empty()) {
        FGlyphImages = std::make_unique<TImageList>(nullptr, FGlyph->Width(), FGlyph->Height());
        FGlyphImages->AddMasked(*FGlyph, FGlyph->Canvas().Pixels(0, 0));
    }
    Invalidate();
}

void TvskToolBarSpeedButton::SetMouseOn(bool Value) {
    if (FMouseOn == Value) return;
    FMouseOn = Value;
    Invalidate();
}

void TvskToolBarSpeedButton::Paint() {
    const TRect Client = ClientRect();
    TCanvas& Target = Canvas();
    Target.Brush().SetColor(Color());
    Target.FillRect(Client);
    if (FGlyphImages) FGlyphImages->Draw(Target, GlyphOffset, GlyphOffset, 0, Enabled());
    if (FMouseOn && Enabled()) {
        Target.Brush().SetColor(HotFrameColor);
        Target.FrameRect(Client);
    }
}

void TvskToolBarSpeedButton::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_ERASEBKGND: Message.Result = 1; break;
    case CM_MOUSEENTER:
        inherited::WndProc(Message);
        SetMouseOn(true);
        break;
    case CM_MOUSELEAVE:
        inherited::WndProc(Message);
        SetMouseOn(false);
        break;
    default: inherited::WndProc(Message); break;
    }
}
