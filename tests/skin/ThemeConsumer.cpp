#include "ThemeConsumer.h"

#include "framework/core/Properties.h"
#include "skin/themes/Vskmgr.h"

VSK_IMPLEMENT_CLASS(TvskTestConsumer)

void TvskTestConsumer::Publish(TPublisher<TvskTestConsumer>& p) {
    p.Enum("UIStyle", &TvskTestConsumer::UIStyle, &TvskTestConsumer::SetUIStyle, TvskUIStyleInfo);
    p.Ref("FileTheme", &TvskTestConsumer::FileTheme, &TvskTestConsumer::SetFileTheme);
}

TvskTestConsumer::TvskTestConsumer(TComponent* AOwner) : TControl(AOwner) {
    SetUIStyle(GetVSKFormStyle(AOwner));
    Calls.clear();
}

void TvskTestConsumer::SetUIStyle(TvskUIStyle Value) {
    Calls.push_back("UIStyle");
    ReadTheme(Value);
}

void TvskTestConsumer::ReadTheme(TvskUIStyle Value) {
    FUIStyle = Value;
    if (UsingFileTheme(FFileTheme, FUIStyle, LookStyle)) {
        Background = FFileTheme->GetColor(VSK_THEME_FORM_BACKGROUND_COLOR);
        MinWidth = FFileTheme->GetInt(VSK_THEME_FORM_MIN_WIDTH_INT);
        ButtonTransparent = FFileTheme->GetBool(VSK_THEME_BUTTON_TRANSPARENT_BOOL);
    } else {
        Background = GetInsideThemeColor(LookStyle, VSK_THEME_FORM_BACKGROUND_COLOR);
        MinWidth = GetInsideThemeInt(LookStyle, VSK_THEME_FORM_MIN_WIDTH_INT);
        ButtonTransparent = GetInsideThemeBool(LookStyle, VSK_THEME_BUTTON_TRANSPARENT_BOOL);
    }
}

void TvskTestConsumer::SetFileTheme(TvskFileTheme* Value) {
    Calls.push_back("FileTheme");
    if (FFileTheme) FFileTheme->RemoveFreeNotification(this);
    FFileTheme = Value;
    if (FFileTheme) FFileTheme->FreeNotification(this);
    ReadTheme(FUIStyle);
}

void TvskTestConsumer::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFileTheme) {
        FFileTheme = nullptr;
        SetUIStyle(DeepBlue);
    }
}

VSK_IMPLEMENT_CLASS(TForeignConsumer)

void TForeignConsumer::Publish(TPublisher<TForeignConsumer>&) {}

const TClassInfo& TSkinnedFormStandIn::StaticClassInfo() {
    static const TClassInfo& Info = BuildClassInfo<TSkinnedFormStandIn>("TvskForm");
    return Info;
}

void TSkinnedFormStandIn::Publish(TPublisher<TSkinnedFormStandIn>& p) {
    p.Enum("UIStyle", &TSkinnedFormStandIn::UIStyle, &TSkinnedFormStandIn::SetUIStyle, TvskUIStyleInfo);
}

VSK_IMPLEMENT_CLASS(TSkinnedFormVariant)

void TSkinnedFormVariant::Publish(TPublisher<TSkinnedFormVariant>&) {}
