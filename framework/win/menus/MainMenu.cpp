#include "framework/win/menus/MainMenu.h"

#include "framework/core/Properties.h"
#include "framework/win/forms/Form.h"
#include "framework/win/menus/MenuCommands.h"

VSK_IMPLEMENT_CLASS(TMainMenu)

void TMainMenu::Publish(TPublisher<TMainMenu>&) {}

TMainMenu::TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}

HWND TMainMenu::FormWindow() const {
    auto* Form = dynamic_cast<TCustomForm*>(Owner());
    if (!Form || Form->Menu() != this || !Form->HandleAllocated()) return nullptr;
    const HWND Window = Form->Handle();
    return HandleAllocated() && ::GetMenu(Window) == const_cast<TMainMenu*>(this)->Handle() ? Window : nullptr;
}

bool TMainMenu::FormMessage(TMessage& Message) {
    return DispatchMenuMessage(Message);
}

void TMainMenu::MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) {
    inherited::MenuChanged(Sender, Source, Rebuild);
    // A menu being destroyed has let go of the window already, and its items are going.
    if (ComponentState().Contains(csDestroying)) return;
    if (const HWND Window = FormWindow()) ::DrawMenuBar(Window);
}

// The form's window lets go of the menu bar before the menu destroys it.
void TMainMenu::Destroying() {
    if (const HWND Window = FormWindow()) ::SetMenu(Window, nullptr);
    inherited::Destroying();
}
