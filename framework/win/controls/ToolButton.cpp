#include "framework/win/controls/ToolButton.h"

#include "framework/core/Properties.h"
#include "framework/win/controls/ToolBar.h"
#include "framework/win/menus/MenuItem.h"

VSK_IMPLEMENT_CLASS(TToolButton)

const TEnumInfo TToolButtonStyleInfo{"TToolButtonStyle", {"tbsButton", "tbsSeparator"}};

void TToolButton::Publish(TPublisher<TToolButton>& p) {
    p.Bool("AutoSize", &TToolButton::AutoSize, &TToolButton::SetAutoSize).Default(false);
    p.Str("Caption", &TToolButton::Caption, &TToolButton::SetCaption);
    p.Bool("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped).Default(false);
    p.Ref("MenuItem", &TToolButton::MenuItem, &TToolButton::SetMenuItem);
    p.Enum("Style", &TToolButton::Style, &TToolButton::SetStyle, TToolButtonStyleInfo).Default(tbsButton);
}

namespace {
constexpr int DefaultButtonWidth = 23;
constexpr int DefaultButtonHeight = 22;
} // namespace

TToolButton::TToolButton(TComponent* AOwner) : TGraphicControl(AOwner) {
    // The system control presses and clicks the button; the framework only reports the mouse.
    SetControlStyle({csSetCaption, csDoubleClicks});
    SetBounds(Left(), Top(), DefaultButtonWidth, DefaultButtonHeight);
}

TToolButton::~TToolButton() = default;

TToolBar* TToolButton::ToolBar() const {
    return dynamic_cast<TToolBar*>(Parent());
}

int TToolButton::Index() const {
    const TToolBar* Bar = ToolBar();
    if (!Bar) return -1;
    for (int I = 0; I < Bar->ButtonCount(); ++I)
        if (Bar->Buttons(I) == this) return I;
    return -1;
}

void TToolButton::Changed() {
    if (TToolBar* Bar = ToolBar()) Bar->ButtonChanged(this);
}

void TToolButton::SetAutoSize(bool Value) {
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    Changed();
}

void TToolButton::SetGrouped(bool Value) {
    if (FGrouped == Value) return;
    FGrouped = Value;
    Changed();
}

void TToolButton::SetStyle(TToolButtonStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    Changed();
}

void TToolButton::SetMenuItem(TMenuItem* Value) {
    if (FMenuItem == Value) return;
    if (FMenuItem) FMenuItem->RemoveFreeNotification(this);
    FMenuItem = Value;
    if (!FMenuItem) return;
    FMenuItem->FreeNotification(this);
    SetCaption(FMenuItem->Caption());
    SetEnabled(FMenuItem->Enabled());
}

void TToolButton::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FMenuItem) FMenuItem = nullptr;
}

void TToolButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TToolBar* Bar = ToolBar();
    if (!Bar || FPlacing || IsLoading()) {
        inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
        return;
    }
    if (AHeight != Height()) Bar->SetButtonHeight(AHeight);
    if (!FAutoSize && AWidth != Width()) Bar->SetButtonWidth(AWidth);
}

void TToolButton::Place(const TRect& Bounds) {
    FPlacing = true;
    try {
        SetBoundsRect(Bounds);
    } catch (...) {
        FPlacing = false;
        throw;
    }
    FPlacing = false;
}

void TToolButton::Click() {
    inherited::Click();
    if (FMenuItem && FMenuItem->Count() == 0) FMenuItem->Click();
}

void TToolButton::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
    case CM_VISIBLECHANGED:
        inherited::WndProc(Message);
        Changed();
        break;
    default: inherited::WndProc(Message); break;
    }
}
