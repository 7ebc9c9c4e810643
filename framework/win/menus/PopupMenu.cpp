#include "framework/win/menus/PopupMenu.h"

#include "framework/core/Properties.h"
#include "framework/win/menus/MenuCommands.h"
#include "framework/win/windowing/Control.h"
#include "framework/win/windowing/UtilityWindow.h"

VSK_IMPLEMENT_CLASS(TPopupMenu)

const TEnumInfo TPopupAlignmentInfo{"TPopupAlignment", {"paLeft", "paRight", "paCenter"}};

void TPopupMenu::Publish(TPublisher<TPopupMenu>& p) {
    p.Enum("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment, TPopupAlignmentInfo).Default(paLeft);
    p.Bool("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
    p.Event("OnPopup", &TPopupMenu::OnPopup);
}

namespace {
constexpr UINT AlignmentFlags[] = {TPM_LEFTALIGN, TPM_RIGHTALIGN, TPM_CENTERALIGN};
} // namespace

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner), FWindow(MenuWindow()) {}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::SetPopupComponent(TComponent* Value) {
    if (FPopupComponent == Value) return;
    if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
    FPopupComponent = Value;
    if (FPopupComponent) FPopupComponent->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::DoPopup() {
    OnPopup(this);
}

void TPopupMenu::Popup(int X, int Y) {
    DoPopup();
    ::TrackPopupMenu(Handle(), AlignmentFlags[FAlignment] | TPM_RIGHTBUTTON, X, Y, 0, FWindow->Handle(), nullptr);
}

void TPopupMenu::PopupFor(TControl& Control, int ScreenX, int ScreenY) {
    if (!FAutoPopup) return;
    SetPopupComponent(&Control);
    Popup(ScreenX, ScreenY);
}
