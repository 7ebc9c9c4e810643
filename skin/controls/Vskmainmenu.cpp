#include "skin/controls/Vskmainmenu.h"

#include "framework/core/Properties.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/ImageList.h"
#include "skin/frame/Vskform.h"

VSK_IMPLEMENT_CLASS(TvskMainMenu)

void TvskMainMenu::Publish(TPublisher<TvskMainMenu>& p) {
    // Published again: it reads null while the own check mark list is in use.
    p.Ref("Images", &TvskMainMenu::Images, &TvskMainMenu::SetImages);
}

TvskMainMenu::TvskMainMenu(TComponent* AOwner) : inherited(AOwner), FCheckImages(VskMakeCheckMarkList(nullptr)) {
    TMainMenu::SetImages(FCheckImages.get());
    ApplyStartUpStyle();
    LinkToForm();
}

TvskMainMenu::~TvskMainMenu() = default;

void TvskMainMenu::Destroying() {
    // The own list goes first, so the menu never draws with a list that is gone.
    TMainMenu::SetImages(nullptr);
    FCheckImages.reset();
    inherited::Destroying();
}

TImageList* TvskMainMenu::Images() const {
    TImageList* Current = TMainMenu::Images();
    return Current == FCheckImages.get() ? nullptr : Current;
}

void TvskMainMenu::SetImages(TImageList* Value) {
    TMainMenu::SetImages(Value ? Value : FCheckImages.get());
}

void TvskMainMenu::LinkToForm() {
    auto* Host = dynamic_cast<TCustomForm*>(Owner());
    if (!Host) return;
    for (int Index = 0; Index < Host->ControlCount(); ++Index) {
        auto* Skin = dynamic_cast<TvskForm*>(Host->Controls(Index));
        if (!Skin) continue;
        // The skinned window shows the menu in its own bar, never as the system's.
        if (Host->Menu() == this) Host->SetMenu(nullptr);
        if (Skin->Menu() != this) Skin->SetMenu(this);
        return;
    }
}

void TvskMainMenu::Loaded() {
    inherited::Loaded();
    MenuAdded();
    // Read from a description, the skinned form may have been made after the menu.
    if (!FForm) LinkToForm();
}

void TvskMainMenu::MenuAdded() {
    HookItems();
    if (FForm) FForm->UpdateMenu();
}

void TvskMainMenu::MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) {
    inherited::MenuChanged(Sender, Source, Rebuild);
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
    if (Rebuild)
        MenuAdded();
    else if (FForm)
        FForm->UpdateTopMenu();
}

void TvskMainMenu::FontChanged() {
    if (FForm) FForm->RepaintMenuBar();
}

void TvskMainMenu::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    // A given image list that is destroyed leaves the menu with its own check marks again.
    if (Operation == opRemove && !TMainMenu::Images() && FCheckImages && !ComponentState().Contains(csDestroying))
        TMainMenu::SetImages(FCheckImages.get());
}

void VskLinkMainMenu(TMainMenu* Menu, TvskMenuForm* Form, bool Linked) {
    auto* Skinned = dynamic_cast<TvskMainMenu*>(Menu);
    if (!Skinned) return;
    if (Linked)
        Skinned->SetForm(Form);
    else if (Skinned->Form() == Form)
        Skinned->SetForm(nullptr);
}
