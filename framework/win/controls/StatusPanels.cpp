#include "framework/win/controls/StatusPanels.h"

#include "framework/core/Properties.h"
#include "framework/win/controls/StatusBar.h"

VSK_IMPLEMENT_CLASS(TStatusPanel)

const TEnumInfo TStatusPanelStyleInfo{"TStatusPanelStyle", {"psText", "psOwnerDraw"}};
const TEnumInfo TStatusPanelBevelInfo{"TStatusPanelBevel", {"pbNone", "pbLowered", "pbRaised"}};

void TStatusPanel::Publish(TPublisher<TStatusPanel>& p) {
    p.Enum("Alignment", &TStatusPanel::Alignment, &TStatusPanel::SetAlignment, TAlignmentInfo).Default(taLeftJustify);
    p.Enum("Bevel", &TStatusPanel::Bevel, &TStatusPanel::SetBevel, TStatusPanelBevelInfo).Default(pbLowered);
    p.Enum("Style", &TStatusPanel::Style, &TStatusPanel::SetStyle, TStatusPanelStyleInfo).Default(psText);
    p.Str("Text", &TStatusPanel::Text, &TStatusPanel::SetText);
    p.Int("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth).Default(DefaultWidth);
}

TStatusPanel::TStatusPanel(TCollection* ACollection) : TCollectionItem(ACollection) {}

void TStatusPanel::SetText(const std::string& Value) {
    if (FText == Value) return;
    FText = Value;
    Changed(false);
}

// A new width moves every panel to its right.
void TStatusPanel::SetWidth(int Value) {
    if (FWidth == Value) return;
    FWidth = Value;
    Changed(true);
}

void TStatusPanel::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    Changed(false);
}

void TStatusPanel::SetBevel(TStatusPanelBevel Value) {
    if (FBevel == Value) return;
    FBevel = Value;
    Changed(false);
}

std::string TStatusPanel::DisplayName() const {
    return FText.empty() ? inherited::DisplayName() : FText;
}

TStatusPanels::TStatusPanels(TStatusBar& StatusBar) : TOwnedItems<TStatusPanel>(&StatusBar), FStatusBar(StatusBar) {}

void TStatusPanels::Update(TCollectionItem* Item) {
    TOwnedItems<TStatusPanel>::Update(Item);
    FStatusBar.PanelsChanged(static_cast<TStatusPanel*>(Item));
}
