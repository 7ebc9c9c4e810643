#include "demo/gallery/FramePage.h"

#include "demo/gallery/GalleryMenus.h"

#include "framework/win/forms/Application.h"
#include "framework/win/forms/Form.h"
#include "framework/win/menus/MainMenu.h"
#include "skin/controls/Vskpopupmenu.h"
#include "skin/frame/Vskform.h"

#include <windows.h>

namespace {

constexpr int PageWidth = 420;
constexpr int PageHeight = 240;
constexpr TPoint MenuPlace{60, 90}; // where the right click happens, in the form's client area
constexpr UINT MenuSettleTime = 200;

void BuildMainMenu(TForm& Form, TvskForm& Skin) {
    auto* Menu = new TMainMenu(&Form);
    for (const char* Caption : {"&File", "&Edit", "&View", "&Help"})
        AddMenuItem(Form, *AddMenuItem(Form, *Menu->Items(), Caption), "Item");
    Skin.SetMenu(Menu);
}

void BuildPopupMenu(TForm& Form, TvskForm& Skin, TvskUIStyle Style) {
    auto* Menu = new TvskPopupMenu(&Form);
    Menu->SetUIStyle(Style);
    AddMenuItem(Form, *Menu->Items(), "&Open", ShortCut('O', TShiftState{ssCtrl}));
    AddMenuItem(Form, *Menu->Items(), "&Save", ShortCut('S', TShiftState{ssCtrl}));
    AddMenuItem(Form, *Menu->Items(), TMenuItem::LineCaption);
    AddMenuItem(Form, *Menu->Items(), "Word &wrap")->SetChecked(true);
    AddMenuItem(Form, *Menu->Items(), "&Print")->SetEnabled(false);
    AddMenuItem(Form, *Menu->Items(), TMenuItem::LineCaption);
    AddMenuItem(Form, *Menu->Items(), "E&xit");
    Skin.SetPopupMenu(Menu);
}

void Build(TForm& Form, TvskUIStyle Style) {
    auto* Skin = new TvskForm(&Form);
    Skin->SetUIStyle(Style);
    BuildMainMenu(Form, *Skin);
    BuildPopupMenu(Form, *Skin, Style);
}

// The menu runs its own modal loop: timers of that loop select an item, take the picture and close it.
TForm* GPosed = nullptr;
void (*GShoot)(TForm& Form, const char* Suffix) = nullptr;

void CALLBACK ShootMenu(HWND, UINT, UINT_PTR Id, DWORD) {
    ::KillTimer(nullptr, Id);
    GShoot(*GPosed, "menu");
    ::EndMenu();
}

void CALLBACK SelectItem(HWND, UINT, UINT_PTR Id, DWORD) {
    ::KillTimer(nullptr, Id);
    for (int Press = 0; Press < 2; ++Press) {
        ::keybd_event(VK_DOWN, 0, 0, 0);
        ::keybd_event(VK_DOWN, 0, KEYEVENTF_KEYUP, 0);
    }
    ::SetTimer(nullptr, 0, MenuSettleTime, ShootMenu);
}

void Pose(TForm& Form, TvskUIStyle, void (*Shoot)(TForm& Form, const char* Suffix)) {
    Shoot(Form, nullptr);
    GPosed = &Form;
    GShoot = Shoot;
    TvskForm* Skin = nullptr;
    for (int Index = 0; Index < Form.ControlCount() && !Skin; ++Index)
        Skin = dynamic_cast<TvskForm*>(Form.Controls(Index));
    auto* Menu = Skin ? dynamic_cast<TvskPopupMenu*>(Skin->PopupMenu()) : nullptr;
    if (!Menu) return;
    const TPoint At = Form.ClientToScreen(MenuPlace);
    ::SetTimer(nullptr, 0, MenuSettleTime, SelectItem);
    Menu->Popup(At.x, At.y);
}

} // namespace

const TGalleryPage FramePage{"frame", PageWidth, PageHeight, Build, Pose};
