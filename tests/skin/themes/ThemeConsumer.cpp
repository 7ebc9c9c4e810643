#include "tests/skin/themes/ThemeConsumer.h"

#include "framework/core/Properties.h"
#include "skin/themes/Vskmgr.h"

VSK_IMPLEMENT_CLASS(TvskTestConsumer)

void TvskTestConsumer::Publish(TPublisher<TvskTestConsumer>&) {}

TvskTestConsumer::TvskTestConsumer(TComponent* AOwner) : inherited(AOwner) {
    ApplyStartUpStyle();
    Calls.clear();
}

void TvskTestConsumer::ApplyUIStyle(const TvskThemeSource& Theme) {
    if (!FReadingFileTheme) Calls.push_back("UIStyle");
    LookStyle = Theme.Style();
    Background = Theme.Color(VSK_THEME_FORM_BACKGROUND_COLOR);
    MinWidth = Theme.Int(VSK_THEME_FORM_MIN_WIDTH_INT);
    ButtonTransparent = Theme.Bool(VSK_THEME_BUTTON_TRANSPARENT_BOOL);
}

void TvskTestConsumer::FileThemeChanged() {
    Calls.push_back("FileTheme");
    FReadingFileTheme = true;
    inherited::FileThemeChanged();
    FReadingFileTheme = false;
}

VSK_IMPLEMENT_CLASS(TForeignConsumer)

void TForeignConsumer::Publish(TPublisher<TForeignConsumer>&) {}

VSK_IMPLEMENT_CLASS(TSkinnedFormStandIn)

void TSkinnedFormStandIn::Publish(TPublisher<TSkinnedFormStandIn>&) {}

VSK_IMPLEMENT_CLASS(TSkinnedFormVariant)

void TSkinnedFormVariant::Publish(TPublisher<TSkinnedFormVariant>&) {}
