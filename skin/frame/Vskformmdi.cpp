// TvskForm on an MDI child host: the child has no menu bar of its own and no title bar while maximized; the
// skinned MDI parent frame shows the active child's menu and, for a maximized child, its control buttons.
// The child tells the parent's MDI client when either must change.
#include "framework/win/forms/Form.h"
#include "skin/frame/Vskform.h"

void TvskForm::MDIChildActivated(const TMessage& Message) {
    HostActivated(Message);
    if (reinterpret_cast<HWND>(Message.LParam) == HostWindow()) RefreshParentMenu();
}

// The parent's bar shows the active child's menu: it takes it anew.
void TvskForm::RefreshParentMenu() {
    const HWND Window = HostWindow();
    if (FDestroying || !Window) return;
    const HWND Client = ::GetParent(Window);
    if (reinterpret_cast<HWND>(::SendMessageA(Client, WM_MDIGETACTIVE, 0, 0)) == Window)
        ::SendMessageA(Client, WM_MDIREFRESHMENU, reinterpret_cast<WPARAM>(Window), 0);
}

// Maximized, the child fills the parent's client area without its title bar; the parent shows the control
// buttons instead. Restored (or minimized), the title bar is back and the parent hides them.
void TvskForm::MDIChildResized() {
    const HWND Window = HostWindow();
    if (!FTitleBar || !Window) return;
    const HWND Client = ::GetParent(Window);
    if (FHostForm->WindowState() == wsMaximized) {
        FTitleBar->SetVisible(false);
        if (!FChildScrolled) ShiftUnalignedChildren(-FTitleBar->Height());
        FChildScrolled = true;
        ::SendMessageA(Client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(Window), 0);
        return;
    }
    FTitleBar->SetVisible(true);
    FTitleBar->SetTop(0);
    if (!FChildScrolled) return;
    ShiftUnalignedChildren(FTitleBar->Height());
    FChildScrolled = false;
    FTitleBar->ProcessMaxBtn();
    // Without a window to restore: a child minimized straight from maximized stays minimized.
    ::SendMessageA(Client, WM_MDIRESTORE, 0, 0);
}

// Aligned children follow the title bar by themselves; the others move by the room it takes or gives.
void TvskForm::ShiftUnalignedChildren(int DeltaY) {
    for (int Index = 0; Index < ControlCount(); ++Index) {
        TControl* Child = Controls(Index);
        if (Child->Align() == alNone) Child->SetTop(Child->Top() + DeltaY);
    }
}
