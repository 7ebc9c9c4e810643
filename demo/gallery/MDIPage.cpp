#include "demo/gallery/MDIPage.h"

#include "demo/gallery/GalleryMenus.h"
#include "demo/gallery/WindowShot.h"

#include "framework/win/forms/Form.h"
#include "skin/controls/Vskmainmenu.h"
#include "skin/frame/Vskform.h"
#include "skin/frame/Vskmdiform.h"
#include "skin/themes/Vskthemetables.h"

#include <string>

namespace {

constexpr int PageWidth = 560;
constexpr int PageHeight = 400;
constexpr int ChildCount = 3;

void Build(TForm& Form, TvskUIStyle Style) {
    // The page's form is the application's main form, as the children's frame must be.
    Form.SetFormStyle(fsMDIForm);
    auto* Skin = new TvskMDIForm(&Form);
    Skin->SetUIStyle(Style);
    auto* Menu = new TvskMainMenu(&Form);
    for (const char* Caption : {"&File", "&Edit", "&Window", "&Help"})
        AddMenuItem(Form, *AddMenuItem(Form, *Menu->Items(), Caption), "Item");
    Skin->SetMenu(Menu);
    for (int Index = 1; Index <= ChildCount; ++Index) {
        auto* Child = new TForm(&Form);
        Child->SetCaption("Session " + std::to_string(Index));
        Child->SetColor(GetInsideThemeColor(Style, VSK_THEME_FORM_BACKGROUND_COLOR));
        (new TvskForm(Child))->SetUIStyle(Style);
        Child->SetFormStyle(fsMDIChild);
    }
    Form.Cascade();
}

void Pose(TForm& Form, TvskUIStyle, void (*Shoot)(TForm& Form, const char* Suffix)) {
    Form.Cascade();
    SettleWindow(Form.Handle());
    Shoot(Form, "cascaded");
    if (auto* Active = dynamic_cast<TForm*>(Form.ActiveMDIChild())) Active->SetWindowState(wsMaximized);
    SettleWindow(Form.Handle());
    Shoot(Form, "maximized");
}

} // namespace

const TGalleryPage MDIPage{"mdi", PageWidth, PageHeight, Build, Pose};
