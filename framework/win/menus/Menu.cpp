#include "framework/win/menus/Menu.h"

#include "framework/core/Properties.h"
#include "framework/win/graphics/ImageList.h"

VSK_IMPLEMENT_CLASS(TMenu)

const TEnumInfo TMenuAutoFlagInfo{"TMenuAutoFlag", {"maAutomatic", "maManual"}};

void TMenu::Publish(TPublisher<TMenu>& p) {
    p.Enum("AutoHotkeys", &TMenu::AutoHotkeys, &TMenu::SetAutoHotkeys, TMenuAutoFlagInfo).Default(maAutomatic);
    p.Ref("Images", &TMenu::Images, &TMenu::SetImages);
    p.Bool("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw).Default(false);
    p.Event("OnChange", &TMenu::OnChange);
}

namespace {
TMenuItem* FindShortCut(const TMenuItem& Parent, TShortCut ShortCut) {
    for (int I = 0; I < Parent.Count(); ++I) {
        TMenuItem* Item = Parent.Items(I);
        if (Item->ShortCut() == ShortCut) return Item;
        if (TMenuItem* Found = FindShortCut(*Item, ShortCut)) return Found;
    }
    return nullptr;
}
} // namespace

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(nullptr)) {
    FItems->FMenu = this;
}

TMenu::~TMenu() = default;

void TMenu::Destroying() {
    inherited::Destroying();
    FItems.reset();
}

HMENU TMenu::Handle() {
    if (!FItems->HandleIfBuilt() || !::IsMenu(FItems->HandleIfBuilt())) FItems->BuildHandle(IsMenuBar());
    return FItems->HandleIfBuilt();
}

void TMenu::SetImages(TImageList* Value) {
    if (FImages == Value) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (FImages) FImages->FreeNotification(this);
    MenuChanged(this, nullptr, true);
}

void TMenu::SetOwnerDraw(bool Value) {
    if (FOwnerDraw == Value) return;
    FOwnerDraw = Value;
    MenuChanged(this, nullptr, true);
}

void TMenu::SetAutoHotkeys(TMenuAutoFlag Value) {
    if (FAutoHotkeys == Value) return;
    FAutoHotkeys = Value;
    MenuChanged(this, nullptr, true);
}

void TMenu::MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) {
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
    if (HandleAllocated()) FItems->BuildHandle(IsMenuBar());
    OnChange(Sender, Source, Rebuild);
}

bool TMenu::IsShortCut(const TMessage& KeyMessage) {
    const TShortCut Key = ShortCutFromMessage(KeyMessage);
    if (Key == scNone) return false;
    TMenuItem* Item = FindShortCut(*FItems, Key);
    if (!Item || !Item->Enabled()) return false;
    Item->Click();
    return true;
}

void TMenu::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) const {
    FItems->GetChildren(Proc, Root);
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove || AComponent != FImages) return;
    FImages = nullptr;
    MenuChanged(this, nullptr, true);
}

void TMenu::Loaded() {
    inherited::Loaded();
    MenuChanged(this, nullptr, true);
}
