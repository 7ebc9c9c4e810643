#include "demo/gallery/ScrollPage.h"

#include "demo/gallery/StateColumns.h"

#include "framework/win/forms/Form.h"
#include "skin/controls/Vskimagebutton.h"
#include "skin/controls/Vsklistview.h"
#include "skin/controls/Vskmemo.h"
#include "skin/controls/Vskscrollbar.h"
#include "skin/controls/Vsktrackbar.h"
#include "skin/themes/Vskthemes.h"

#include <array>
#include <string>

namespace {

constexpr int Margin = 12;
constexpr int LabelHeight = 18;
constexpr int ColumnWidth = 104;
constexpr int BarLength = 92;
constexpr int HorizontalTop = Margin + LabelHeight;
constexpr int VerticalTop = HorizontalTop + 32;
constexpr int VerticalLength = 110;
constexpr int HostTop = VerticalTop + VerticalLength + Margin;
constexpr int HostHeight = 150;
constexpr int ListWidth = 300;
constexpr int MemoLeft = Margin + ListWidth + Margin;
constexpr int PageWidth = 2 * Margin + StateColumnCount * ColumnWidth;
constexpr int MemoWidth = PageWidth - MemoLeft - Margin;
// Below them, the same pair disabled.
constexpr int DisabledHostTop = HostTop + HostHeight + Margin;
constexpr int DisabledHostHeight = 100;
constexpr int PageHeight = DisabledHostTop + DisabledHostHeight + Margin;
// The bars stand part of the way along, so that the thumb shows away from the arrows, with a thumb long
// enough to show its caps and the body stretched between them.
constexpr int ShownPosition = 35;
constexpr int ShownPage = 30;
constexpr int ListRows = 30;
constexpr int MemoLines = 24;

std::array<TvskScrollBar*, StateColumnCount> GHorizontal;
std::array<TvskScrollBar*, StateColumnCount> GVertical;

TvskScrollBar* MakeBar(TForm& Form, TvskUIStyle Style, TvskProgressBarOrientation Axis, int Left, int Top) {
    auto* Bar = new TvskScrollBar(&Form);
    Bar->SetParent(&Form);
    Bar->SetUIStyle(Style);
    Bar->SetOrientation(Axis);
    if (Axis == vskVertical)
        Bar->SetBounds(Left, Top, Bar->Width(), VerticalLength);
    else
        Bar->SetBounds(Left, Top, BarLength, Bar->Height());
    Bar->SetPosition(ShownPosition);
    return Bar;
}

TvskListView* MakeList(TForm& Form, TvskUIStyle Style, int Top, int Height) {
    auto* List = new TvskListView(&Form);
    List->SetParent(&Form);
    List->SetUIStyle(Style);
    List->SetBounds(Margin, Top, ListWidth, Height);
    List->SetViewStyle(vsReport);
    List->SetRowSelect(true);
    List->Columns()->Add()->SetCaption("CL Command");
    List->Columns()->Items(0)->SetWidth(260);
    List->Columns()->Add()->SetCaption("Last Access Time");
    List->Columns()->Items(1)->SetWidth(150);
    for (int Row = 0; Row < ListRows; ++Row) {
        TListItem* Item = List->Items()->Add();
        Item->SetCaption("WRKACTJOB SBS(QBATCH" + std::to_string(Row) + ")");
        std::string Accessed = "2024-05-0";
        Accessed += std::to_string(1 + Row % 9);
        Accessed += " 10:1";
        Accessed += std::to_string(Row % 10);
        Item->SubItems()->Add(Accessed);
    }
    List->SetVScrollBar(MakeBar(Form, Style, vskVertical, 0, 0));
    List->SetHScrollBar(MakeBar(Form, Style, vskHorizontal, 0, 0));
    List->SetItemIndex(2);
    return List;
}

TvskMemo* MakeMemo(TForm& Form, TvskUIStyle Style, int Top, int Height) {
    auto* Memo = new TvskMemo(&Form);
    Memo->SetParent(&Form);
    Memo->SetUIStyle(Style);
    Memo->SetBounds(MemoLeft, Top, MemoWidth, Height);
    Memo->SetWordWrap(false);
    std::string Text;
    for (int Line = 0; Line < MemoLines; ++Line)
        Text += "CHGJOB JOB(" + std::to_string(100000 + Line) + "/QUSER/QPADEV0001) LOG(4 00 *SECLVL)\r\n";
    Memo->SetText(Text);
    Memo->SetVScrollBar(MakeBar(Form, Style, vskVertical, 0, 0));
    Memo->SetHScrollBar(MakeBar(Form, Style, vskHorizontal, 0, 0));
    return Memo;
}

void Build(TForm& Form, TvskUIStyle Style) {
    Form.SetColor(GetInsideThemeColor(Style, VSK_THEME_FORM_BACKGROUND_COLOR));
    AddStateColumnLabels(Form, Margin, Margin, ColumnWidth, LabelHeight);
    for (int Column = 0; Column < StateColumnCount; ++Column) {
        const int Left = Margin + Column * ColumnWidth;
        GHorizontal[Column] = MakeBar(Form, Style, vskHorizontal, Left, HorizontalTop);
        GVertical[Column] = MakeBar(Form, Style, vskVertical, Left, VerticalTop);
        // Under the middle of the horizontal bar of its column.
        GVertical[Column]->SetLeft(Left + (BarLength - GVertical[Column]->Width()) / 2);
        for (TvskScrollBar* Bar : {GHorizontal[Column], GVertical[Column]})
            Bar->SetPageSize(ShownPage);
    }
    MakeList(Form, Style, HostTop, HostHeight);
    MakeMemo(Form, Style, HostTop, HostHeight);
    MakeList(Form, Style, DisabledHostTop, DisabledHostHeight)->SetEnabled(false);
    MakeMemo(Form, Style, DisabledHostTop, DisabledHostHeight)->SetEnabled(false);
}

// The arrow under the pointer and the held one, as the mouse would make them; the held arrow neither takes
// the capture nor repeats, so that every bar can be held at once and stays where it is.
void PoseBar(TvskScrollBar& Bar, TStateColumn Column) {
    TvskImageButton& Arrow = Bar.IncButton();
    switch (Column) {
    case colHot: Arrow.Perform(CM_MOUSEENTER, 0, ParamOfPointer<TControl>(&Arrow)); break;
    case colPressed:
        Arrow.SetMouseContinuouslyDownInterval(0);
        Arrow.SetControlStyle(Arrow.ControlStyle().Exclude(csCaptureMouse));
        Arrow.Perform(CM_MOUSEENTER, 0, ParamOfPointer<TControl>(&Arrow));
        Arrow.Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({2, 2}));
        break;
    case colFocused: Bar.TrackBar().SetFocus(); break;
    case colDisabled: Bar.SetEnabled(false); break;
    case colNormal:
    case StateColumnCount: break;
    }
}

void Pose(TForm& Form, TvskUIStyle, void (*Shoot)(TForm& Form, const char* Suffix)) {
    for (int Column = 0; Column < StateColumnCount; ++Column) {
        PoseBar(*GHorizontal[Column], static_cast<TStateColumn>(Column));
        PoseBar(*GVertical[Column], static_cast<TStateColumn>(Column));
    }
    Form.Repaint();
    Shoot(Form, nullptr);
}

} // namespace

const TGalleryPage ScrollPage{"scroll", PageWidth, PageHeight, Build, Pose};
