#include "demo/gallery/PanelsPage.h"

#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Picture.h"
#include "skin/controls/Vskbutton.h"
#include "skin/controls/Vskimagepanel.h"
#include "skin/controls/Vskpanel.h"
#include "skin/controls/Vskstatusbar.h"
#include "skin/themes/Vskthemes.h"

namespace {

constexpr int Margin = 12;
constexpr int PanelWidth = 170;
constexpr int PanelHeight = 96;
constexpr int ImageTop = Margin + PanelHeight + Margin;
constexpr int ImageHeight = 60;
constexpr int StatusHeight = 19;
constexpr int PageWidth = 4 * Margin + 3 * PanelWidth;
constexpr int PageHeight = ImageTop + ImageHeight + Margin + StatusHeight;

TvskPanel* GExpanded;
TvskPanel* GCollapsed;

TvskPanel* MakePanel(TForm& Form, TvskUIStyle Style, int Column, const char* Caption) {
    auto* Panel = new TvskPanel(&Form);
    Panel->SetParent(&Form);
    Panel->SetUIStyle(Style);
    Panel->SetBounds(Margin + Column * (PanelWidth + Margin), Margin, PanelWidth, PanelHeight);
    Panel->SetHeight2(PanelHeight);
    Panel->SetCaption(Caption);
    auto* Button = new TvskButton(&Form);
    Button->SetParent(Panel);
    Button->SetUIStyle(Style);
    Button->SetCaption("Inside");
    Button->SetAlign(alBottom);
    return Panel;
}

void MakeImagePanel(TForm& Form, TvskUIStyle Style, int Column, TvskDrawStyle Draw, const char* Caption) {
    auto* Panel = new TvskImagePanel(&Form);
    Panel->SetParent(&Form);
    Panel->SetBounds(Margin + Column * (PanelWidth + Margin), ImageTop, PanelWidth, ImageHeight);
    TPicture Picture;
    GetInsideThemeBitmap(Style, VSK_THEME_BUTTON_IMAGE, &Picture.Bitmap(), 3, 1);
    Panel->SetTransparent(true); // the face's fuchsia corners let the form show through
    Panel->SetPicture(&Picture);
    Panel->SetDrawStyle(Draw);
    Panel->SetCaption(Caption);
}

void Build(TForm& Form, TvskUIStyle Style) {
    Form.SetColor(GetInsideThemeColor(Style, VSK_THEME_FORM_BACKGROUND_COLOR));
    GExpanded = MakePanel(Form, Style, 0, "Expanded");
    GCollapsed = MakePanel(Form, Style, 1, "Collapsed");
    MakePanel(Form, Style, 2, "Disabled")->SetEnabled(false);
    MakeImagePanel(Form, Style, 0, vskNormal, "plain");
    MakeImagePanel(Form, Style, 1, vskStretch, "stretched");
    MakeImagePanel(Form, Style, 2, vskTile, "tiled");
    auto* Status = new TvskStatusBar(&Form);
    Status->SetParent(&Form);
    Status->SetUIStyle(Style);
    Status->SetSimplePanel(true);
    Status->SetSimpleText("Status bar");
}

// The collapse button lights up under the pointer; the second panel is rolled up by its own animation.
void Pose(TForm& Form, TvskUIStyle, void (*Shoot)(TForm& Form, const char* Suffix)) {
    GCollapsed->Push();
    const TRect Button = GExpanded->ButtonRect();
    const TPoint Over{Button.left + 3, Button.top + 3};
    const TPoint Screen = GExpanded->ClientToScreen(Over);
    ::SetCursorPos(Screen.x, Screen.y); // the real pointer too, or the system reports it left at once
    GExpanded->Perform(WM_MOUSEMOVE, 0, PointToLParam(Over));
    Form.Repaint();
    Shoot(Form, nullptr);
}

} // namespace

const TGalleryPage PanelsPage{"panels", PageWidth, PageHeight, Build, Pose};
