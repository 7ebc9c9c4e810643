#include "demo/gallery/GroupsPage.h"

#include "framework/core/Strings.h"
#include "framework/win/forms/Form.h"
#include "skin/controls/Vskbutton.h"
#include "skin/controls/Vskcheckbox.h"
#include "skin/controls/Vskcheckgroup.h"
#include "skin/controls/Vskgroupbox.h"
#include "skin/themes/Vskthemes.h"

#include <string>

namespace {

constexpr int Margin = 12;
constexpr int BoxHeight = 105;
constexpr int GroupBoxWidth = 160;
constexpr int CheckGroupWidth = 230;
constexpr int RadioGroupWidth = 130;
constexpr int SecondRowTop = Margin + BoxHeight + Margin;
constexpr int SecondColumnLeft = 2 * Margin + GroupBoxWidth;
constexpr int ThirdColumnLeft = SecondColumnLeft + CheckGroupWidth + Margin;
constexpr int PageWidth = 4 * Margin + GroupBoxWidth + CheckGroupWidth + RadioGroupWidth;
constexpr int PageHeight = SecondRowTop + BoxHeight + Margin;

template<class T>
T* Place(TForm& Form, TWinControl* Parent, TvskUIStyle Style, const TRect& Area) {
    auto* Control = new T(&Form);
    Control->SetParent(Parent);
    Control->SetUIStyle(Style);
    Control->SetBoundsRect(Area);
    return Control;
}

// A group box with a skinned check box and button inside, as a form would hold them.
TvskGroupBox* AddGroupBox(TForm& Form, TvskUIStyle Style, const TRect& Area, const char* Caption) {
    auto* Box = Place<TvskGroupBox>(Form, &Form, Style, Area);
    Box->SetCaption(Caption);
    auto* Check = Place<TvskCheckBox>(Form, Box, Style, Bounds(12, 26, 0, 0));
    Check->SetCaption("Keep alive");
    Check->SetChecked(true);
    auto* Button = Place<TvskButton>(Form, Box, Style, Bounds(12, 56, 90, 26));
    Button->SetCaption("Connect");
    return Box;
}

// Five lines in Columns columns: the first and third checked, the last disabled.
TvskCheckGroup* AddCheckGroup(TForm& Form, TvskUIStyle Style, const TRect& Area, const char* Caption, int Columns,
                              const char* Lines) {
    auto* Group = Place<TvskCheckGroup>(Form, &Form, Style, Area);
    Group->SetCaption(Caption);
    Group->SetColumns(Columns);
    Group->Items()->SetText(Lines);
    Group->SetChecked(0, true);
    Group->SetChecked(2, true);
    Group->SetItemEnabled(4, false);
    return Group;
}

void Build(TForm& Form, TvskUIStyle Style) {
    Form.SetColor(GetInsideThemeColor(Style, VSK_THEME_FORM_BACKGROUND_COLOR));
    AddGroupBox(Form, Style, Bounds(Margin, Margin, GroupBoxWidth, BoxHeight), "Connection");
    AddCheckGroup(Form, Style, Bounds(SecondColumnLeft, Margin, CheckGroupWidth, BoxHeight), "Editor", 2,
                  "Upper case\nWrap at 80\nKeep history\nConfirm quit\nSounds");
    auto* Radio =
        Place<TvskRadioGroup>(Form, &Form, Style, Bounds(ThirdColumnLeft, Margin, RadioGroupWidth, BoxHeight));
    Radio->SetCaption("Library list");
    Radio->Items()->SetText("*LIBL\n*CURLIB\n*ALL");
    Radio->SetItemIndex(1);

    AddGroupBox(Form, Style, Bounds(Margin, SecondRowTop, GroupBoxWidth, BoxHeight), "Disabled")->SetEnabled(false);
    AddCheckGroup(Form, Style, Bounds(SecondColumnLeft, SecondRowTop, CheckGroupWidth, BoxHeight), "Libraries", 3,
                  "QGPL\nQSYS\nQTEMP\nQUSRSYS\nQHLPSYS");
    // No caption: a closed frame.
    Place<TvskGroupBox>(Form, &Form, Style, Bounds(ThirdColumnLeft, SecondRowTop, RadioGroupWidth, BoxHeight));
}

} // namespace

const TGalleryPage GroupsPage{"groups", PageWidth, PageHeight, Build, nullptr};
