#include "demo/gallery/MainMenuPage.h"

#include "demo/gallery/GalleryMenus.h"

#include "framework/win/forms/Form.h"
#include "skin/controls/Vskmainmenu.h"
#include "skin/frame/Vskform.h"
#include "skin/frame/Vskmenubar.h"

#include <windows.h>

namespace {

constexpr int PageWidth = 420;
constexpr int PageHeight = 240;
constexpr UINT MenuSettleTime = 250;

void Build(TForm& Form, TvskUIStyle Style) {
    auto* Skin = new TvskForm(&Form);
    Skin->SetUIStyle(Style);
    // Made on the form, the menu links itself to the skinned form and takes its style.
    auto* Menu = new TvskMainMenu(&Form);
    TMenuItem& File = *AddMenuItem(Form, *Menu->Items(), "&File");
    AddMenuItem(Form, File, "&New session", ShortCut('N', TShiftState{ssCtrl}));
    AddMenuItem(Form, File, "&Open history...", ShortCut('O', TShiftState{ssCtrl}));
    AddMenuItem(Form, File, "&Save history", ShortCut('S', TShiftState{ssCtrl}));
    AddMenuItem(Form, File, TMenuItem::LineCaption);
    AddMenuItem(Form, File, "Keep on &top")->SetChecked(true);
    AddMenuItem(Form, File, "&Print")->SetEnabled(false);
    AddMenuItem(Form, File, TMenuItem::LineCaption);
    AddMenuItem(Form, File, "E&xit");
    for (const char* Caption : {"&Edit", "&Commands", "&Help"})
        AddMenuItem(Form, *AddMenuItem(Form, *Menu->Items(), Caption), "Item");
    AddMenuItem(Form, *Menu->Items(), "&Window")->SetEnabled(false);
}

// The drop-down runs its own modal loop: a timer of that loop takes the picture and closes it.
TForm* GPosed = nullptr;
void (*GShoot)(TForm& Form, const char* Suffix) = nullptr;

void CALLBACK ShootMenu(HWND, UINT, UINT_PTR Id, DWORD) {
    ::KillTimer(nullptr, Id);
    GShoot(*GPosed, "open");
    ::EndMenu();
}

void Pose(TForm& Form, TvskUIStyle, void (*Shoot)(TForm& Form, const char* Suffix)) {
    Shoot(Form, nullptr);
    TvskForm* Skin = nullptr;
    for (int Index = 0; Index < Form.ControlCount() && !Skin; ++Index)
        Skin = dynamic_cast<TvskForm*>(Form.Controls(Index));
    TvskMenuBar* Bar = Skin ? Skin->MenuBar() : nullptr;
    if (!Bar || Bar->ButtonCount() == 0) return;
    GPosed = &Form;
    GShoot = Shoot;
    ::SetTimer(nullptr, 0, MenuSettleTime, ShootMenu);
    Bar->TrackMenu(Bar->Buttons(0), true);
}

} // namespace

const TGalleryPage MainMenuPage{"mainmenu", PageWidth, PageHeight, Build, Pose};
