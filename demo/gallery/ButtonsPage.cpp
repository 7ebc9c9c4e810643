#include "demo/gallery/ButtonsPage.h"

#include "demo/gallery/StateColumns.h"

#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Picture.h"
#include "skin/controls/Vskbutton.h"
#include "skin/controls/Vskcheckbox.h"
#include "skin/controls/Vskimagebutton.h"
#include "skin/controls/Vsktoolbarspeedbutton.h"
#include "skin/themes/Vskthemes.h"

#include <array>
#include <functional>

namespace {

constexpr int Margin = 12;
constexpr int LabelHeight = 18;
constexpr int ColumnWidth = 112;
constexpr int RowHeight = 38;
constexpr int RowCount = 7;

// One control of a row, already parented and placed; Style is the page's.
using TMaker = std::function<TWinControl*(TForm& Form, TvskUIStyle Style)>;

template<class T>
T* Styled(TForm& Form, TvskUIStyle Style) {
    auto* Control = new T(&Form);
    Control->SetParent(&Form);
    Control->SetUIStyle(Style);
    return Control;
}

void FramePicture(TPicture& Picture, TvskUIStyle Style, int Index, int Count, int Frame) {
    GetInsideThemeBitmap(Style, Index, &Picture.Bitmap(), Count, Frame);
}

const std::array<TMaker, RowCount> Rows{
    [](TForm& Form, TvskUIStyle Style) -> TWinControl* {
        auto* Button = Styled<TvskButton>(Form, Style);
        Button->SetCaption("&Save");
        return Button;
    },
    [](TForm& Form, TvskUIStyle Style) -> TWinControl* {
        auto* Button = Styled<TvskButton>(Form, Style);
        Button->SetCaption("Wide button");
        Button->SetWidth(ColumnWidth - 8);
        return Button;
    },
    [](TForm& Form, TvskUIStyle Style) -> TWinControl* {
        auto* Arrow = Styled<TvskArrowButton>(Form, Style);
        Arrow->SetBounds(0, 0, 40, 20);
        Arrow->SetArrow(vskDown);
        return Arrow;
    },
    // The scroll bar's arrow faces as an image button's own pictures.
    [](TForm& Form, TvskUIStyle Style) -> TWinControl* {
        auto* Image = Styled<TvskImageButton>(Form, Style);
        constexpr int ArrowFrames = 6; // up, then down, each normal, pointer over, pressed
        TPicture Normal, Hot, Pressed;
        FramePicture(Normal, Style, VSK_THEME_SCROLL_BAR_BUTTON_IMAGE, ArrowFrames, 1);
        FramePicture(Hot, Style, VSK_THEME_SCROLL_BAR_BUTTON_IMAGE, ArrowFrames, 2);
        FramePicture(Pressed, Style, VSK_THEME_SCROLL_BAR_BUTTON_IMAGE, ArrowFrames, 3);
        Image->SetAutoSize(true);
        Image->SetTransparent(true);
        Image->SetPicNormal(&Normal);
        Image->SetPicMouseOn(&Hot);
        Image->SetPicMouseDown(&Pressed);
        Image->SetDrawFocused(true);
        return Image;
    },
    [](TForm& Form, TvskUIStyle Style) -> TWinControl* {
        auto* Control = Styled<TvskControlButton>(Form, Style);
        Control->SetPicTransparent(true);
        return Control;
    },
    [](TForm& Form, TvskUIStyle Style) -> TWinControl* {
        auto* Check = Styled<TvskCheckBox>(Form, Style);
        Check->SetCaption("Check box");
        Check->SetChecked(true);
        return Check;
    },
    [](TForm& Form, TvskUIStyle Style) -> TWinControl* {
        auto* Radio = Styled<TvskRadioButton>(Form, Style);
        Radio->SetCaption("Radio");
        return Radio;
    },
};

TWinControl* GCells[RowCount][StateColumnCount];

void Build(TForm& Form, TvskUIStyle Style) {
    Form.SetColor(GetInsideThemeColor(Style, VSK_THEME_FORM_BACKGROUND_COLOR));
    AddStateColumnLabels(Form, Margin, Margin, ColumnWidth, LabelHeight);
    for (int Row = 0; Row < RowCount; ++Row)
        for (int Column = 0; Column < StateColumnCount; ++Column) {
            TWinControl* Cell = Rows[Row](Form, Style);
            // Radio buttons of one column form a group of their own, so that every column shows one checked.
            if (auto* Radio = dynamic_cast<TvskRadioButton*>(Cell)) {
                Radio->SetGroupIndex(Column);
                Radio->SetChecked(true);
            }
            Cell->SetLeft(Margin + Column * ColumnWidth);
            Cell->SetTop(Margin + LabelHeight + Row * RowHeight);
            GCells[Row][Column] = Cell;
        }
}

// Each column is driven into its state by the messages a user's mouse and keyboard would send. The pressed
// column lets go of the mouse capture, so that every row can be held at once.
void Pose(TForm& Form, TvskUIStyle, void (*Shoot)(TForm& Form, const char* Suffix)) {
    for (int Row = 0; Row < RowCount; ++Row) {
        TWinControl* Hot = GCells[Row][colHot];
        Hot->Perform(CM_MOUSEENTER, 0, ParamOfPointer<TControl>(Hot));
        TWinControl* Pressed = GCells[Row][colPressed];
        Pressed->SetControlStyle(Pressed->ControlStyle().Exclude(csCaptureMouse));
        Pressed->Perform(CM_MOUSEENTER, 0, ParamOfPointer<TControl>(Pressed));
        Pressed->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({2, 2}));
        GCells[Row][colDisabled]->SetEnabled(false);
    }
    // A focus marking shows on the control that has the focus: each row's focused cell gets it in turn, and
    // keeps its look (buttons remember their focus until they are told they lost it).
    for (int Row = 0; Row < RowCount; ++Row)
        GCells[Row][colFocused]->Perform(WM_SETFOCUS);
    GCells[RowCount - 1][colFocused]->SetFocus();
    Form.Repaint();
    Shoot(Form, nullptr);
}

} // namespace

const TGalleryPage ButtonsPage{"buttons", 2 * Margin + StateColumnCount * ColumnWidth,
                               2 * Margin + LabelHeight + RowCount * RowHeight, Build, Pose};
