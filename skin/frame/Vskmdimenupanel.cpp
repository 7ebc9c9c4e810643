#include "skin/frame/Vskmdimenupanel.h"

#include "framework/core/Properties.h"
#include "framework/win/graphics/Bitmap.h"
#include "skin/controls/Vsktoolbarspeedbutton.h"
#include "skin/frame/Vskmenubar.h"
#include "skin/themes/Vskpublic.h"

VSK_IMPLEMENT_CLASS(TvskMDIMenuPanel)

void TvskMDIMenuPanel::Publish(TPublisher<TvskMDIMenuPanel>&) {}

namespace {

constexpr const char* ControlButtonStrip = "MDI_CONTROL_BUTTON"; // minimise, restore, close: 16 x 16 each
constexpr int StripFrames = 3;
// The buttons stand from the band's right end leftwards, 18 pixels apart, one row below its top.
constexpr int RightGap = 20;
constexpr int ButtonPitch = 18;
constexpr int ButtonTop = 1;

int ButtonSlot(TvskMDIControlButton Which) {
    return vskMDIClose - Which; // close 0 (rightmost), restore 1, minimise 2
}

} // namespace

TvskMDIMenuPanel::TvskMDIMenuPanel(TComponent* AOwner) : inherited(AOwner) {
    SetBevelOuter(bvNone);
    SetBevelInner(bvNone);
    SetAlign(alTop);
    SetVisible(false);
    FMenuBar = new TvskMenuBar(this);
    FMenuBar->SetParent(this);
    TBitmap Strip;
    Strip.LoadFromResourceName(::GetModuleHandleA(nullptr), ControlButtonStrip);
    for (int Slot = 0; Slot < StripFrames; ++Slot) {
        auto* Button = new TvskToolBarSpeedButton(this);
        TBitmap Glyph;
        // Frame 3 is the close button's, frame 1 the minimise button's.
        SpitBitmap(Strip, Glyph, StripFrames, StripFrames - Slot);
        Button->SetGlyph(&Glyph);
        Button->SetParent(this);
        Button->SetLeft(Width() - RightGap - ButtonPitch * Slot);
        Button->SetTop(ButtonTop);
        Button->SetAnchors(TAnchors{akTop, akRight});
        Button->SetTag(vskMDIClose - Slot);
        Button->OnClick.Bind(this, &TvskMDIMenuPanel::ControlButtonClick);
        Button->SetVisible(false);
        Button->BringToFront();
        FControlButtons[static_cast<std::size_t>(Slot)] = Button;
    }
}

void TvskMDIMenuPanel::FitToBar() {
    Constraints()->SetMinHeight(FMenuBar->Height());
    SetHeight(FMenuBar->Height());
}

void TvskMDIMenuPanel::SetBandColor(TColor Value) {
    SetColor(Value);
    FMenuBar->SetColor(Value);
    for (TvskToolBarSpeedButton* Button : FControlButtons)
        Button->SetColor(Value);
}

TvskToolBarSpeedButton* TvskMDIMenuPanel::ControlButton(TvskMDIControlButton Which) const {
    return FControlButtons[static_cast<std::size_t>(ButtonSlot(Which))];
}

void TvskMDIMenuPanel::SetControlButtonVisible(TvskMDIControlButton Which, bool Visible) {
    ControlButton(Which)->SetVisible(Visible);
}

bool TvskMDIMenuPanel::ControlButtonVisible(TvskMDIControlButton Which) const {
    return ControlButton(Which)->Visible();
}

void TvskMDIMenuPanel::HideControlButtons() {
    for (TvskToolBarSpeedButton* Button : FControlButtons)
        Button->SetVisible(false);
}

void TvskMDIMenuPanel::ControlButtonClick(TObject* Sender) {
    OnControlButtonClick(Sender);
}
