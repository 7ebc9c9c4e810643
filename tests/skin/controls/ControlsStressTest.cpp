// Many forms holding every skinned control, each created, laid out, scrolled, painted in every state worth
// painting and destroyed: every handle the controls take comes back.
#include "tests/skin/controls/SkinControlFixture.h"
#include "tests/support/HandleSnapshot.h"
#include "tests/support/Messages.h"

#include "framework/win/graphics/Picture.h"
#include "skin/controls/Vskbutton.h"
#include "skin/controls/Vskcheckbox.h"
#include "skin/controls/Vskimagebutton.h"
#include "skin/controls/Vskimagepanel.h"
#include "skin/controls/Vsklistview.h"
#include "skin/controls/Vskmemo.h"
#include "skin/controls/Vskpanel.h"
#include "skin/controls/Vskscrollbar.h"
#include "skin/controls/Vskstatusbar.h"
#include "skin/controls/Vsktoolbarspeedbutton.h"
#include "skin/controls/Vsktrackbar.h"
#include "skin/themes/Vskpublic.h"

namespace {

constexpr int Cycles = 500;

template<class T>
T* Put(TForm& Form, TWinControl& Parent, int Left, int Top) {
    auto* Control = new T(&Form);
    Control->SetParent(&Parent);
    PlaceControl(*Control, TPoint{Left, Top});
    return Control;
}

TvskScrollBar* PutBar(TForm& Form, TvskUIStyle Style, TvskProgressBarOrientation Axis, int Left, int Top) {
    auto* Bar = Put<TvskScrollBar>(Form, Form, Left, Top);
    Bar->SetUIStyle(Style);
    Bar->SetOrientation(Axis);
    return Bar;
}

// A list view and a memo with both skinned bars, scrolled from either side, and a bar left paging: what the
// scroll family holds (bitmaps of the thumb, the paging timer, the bars' references to their hosts) must
// all go with the form.
void BuildAndScrollHosts(TForm& Form, TvskUIStyle Style) {
    auto* Bar = PutBar(Form, Style, vskHorizontal, 250, 160);
    Bar->SetWidth(120);
    Bar->TrackBar().Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({Bar->TrackBar().Width() - 2, 2}));
    PutBar(Form, Style, vskVertical, 380, 0)->SetHeight(120);

    auto* List = Put<TvskListView>(Form, Form, 0, 200);
    List->SetUIStyle(Style);
    List->SetBounds(0, 200, 150, 60);
    List->SetViewStyle(vsReport);
    List->Columns()->Add()->SetWidth(300);
    for (int Row = 0; Row < 8; ++Row)
        List->Items()->Add()->SetCaption("DSPJOB");
    List->SetVScrollBar(Put<TvskScrollBar>(Form, Form, 0, 0));
    List->SetHScrollBar(Put<TvskScrollBar>(Form, Form, 0, 0));
    List->VScrollBar()->SetPosition(5);
    List->Perform(WM_VSCROLL, SB_LINEDOWN, 0);

    auto* Memo = Put<TvskMemo>(Form, Form, 160, 200);
    Memo->SetUIStyle(Style);
    Memo->SetBounds(160, 200, 150, 60);
    Memo->SetText("CRTLIB LIB(QGPL)\r\nCRTLIB\r\nCRTLIB\r\nCRTLIB\r\nCRTLIB\r\nCRTLIB\r\nCRTLIB\r\nCRTLIB");
    Memo->SetVScrollBar(Put<TvskScrollBar>(Form, Form, 0, 0));
    Memo->SetHScrollBar(Put<TvskScrollBar>(Form, Form, 0, 0));
    Memo->VScrollBar()->SetPosition(2);
}

void BuildAndPaintEveryControl(TvskUIStyle Style) {
    TForm Form(nullptr);
    Form.SetBounds(0, 0, 400, 300);
    BuildAndScrollHosts(Form, Style);
    auto* Panel = Put<TvskPanel>(Form, Form, 0, 0);
    Panel->SetUIStyle(Style);
    Panel->SetAlign(alTop);
    auto* Button = Put<TvskButton>(Form, *Panel, 4, 24);
    Button->SetUIStyle(Style);
    Button->SetCaption("Save");
    TBitmap Glyph(16, 16);
    Button->SetGlyph(&Glyph);
    Put<TvskArrowButton>(Form, Form, 100, 110)->SetUIStyle(Style);
    auto* Image = Put<TvskImageButton>(Form, Form, 140, 110);
    TPicture Picture;
    Picture.Bitmap().SetSize(10, 10);
    Image->SetPicNormal(&Picture);
    Put<TvskControlButton>(Form, Form, 180, 110);
    Put<TvskToolBarSpeedButton>(Form, Form, 220, 110)->SetGlyph(&Glyph);
    Put<TvskCheckBox>(Form, Form, 4, 140)->SetChecked(true);
    Put<TvskRadioButton>(Form, Form, 4, 160)->SetUIStyle(Style);
    auto* ImagePanel = Put<TvskImagePanel>(Form, Form, 200, 140);
    ImagePanel->SetPicture(&Picture);
    ImagePanel->SetDrawStyle(vskTile);
    ImagePanel->SetTransparent(true);
    Put<TvskStatusBar>(Form, Form, 0, 0)->SetUIStyle(Style);

    Form.HandleNeeded();
    TBitmap Canvas(400, 300);
    Form.PaintTo(Canvas.Canvas().Handle(), 0, 0);
    Button->Perform(WM_MOUSEMOVE, 0, PointToLParam({5, 5}));
    Button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({5, 5}));
    Form.PaintTo(Canvas.Canvas().Handle(), 0, 0);
    Button->Perform(WM_LBUTTONUP, 0, PointToLParam({5, 5}));
    Button->SetEnabled(false);
    Form.PaintTo(Canvas.Canvas().Handle(), 0, 0);
    Panel->Push();
}

} // namespace

TEST(SkinnedControlsStress, FiveHundredFormsOfEverySkinnedControlGiveBackEveryHandle) {
    static constexpr TvskUIStyle Styles[] = {MacOS, WinXP, DeepBlue, Protein, BlueGlass};
    BuildAndPaintEveryControl(BlueGlass); // first-use caches of the framework settle here
    PumpMessages();
    const THandleSnapshot Before = HandleSnapshot();
    for (int Cycle = 0; Cycle < Cycles; ++Cycle)
        BuildAndPaintEveryControl(Styles[Cycle % std::size(Styles)]);
    PumpMessages();
    EXPECT_EQ(Before, HandleSnapshot());
}
