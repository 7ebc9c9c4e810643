// Many forms holding every skinned control, each created, laid out, painted in every state worth painting and
// destroyed: every handle the controls take comes back.
#include "tests/skin/controls/SkinControlFixture.h"
#include "tests/support/HandleSnapshot.h"
#include "tests/support/Messages.h"

#include "framework/win/graphics/Picture.h"
#include "skin/controls/Vskbutton.h"
#include "skin/controls/Vskcheckbox.h"
#include "skin/controls/Vskimagebutton.h"
#include "skin/controls/Vskimagepanel.h"
#include "skin/controls/Vskpanel.h"
#include "skin/controls/Vskstatusbar.h"
#include "skin/controls/Vsktoolbarspeedbutton.h"
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

void BuildAndPaintEveryControl(TvskUIStyle Style) {
    TForm Form(nullptr);
    Form.SetBounds(0, 0, 400, 300);
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
