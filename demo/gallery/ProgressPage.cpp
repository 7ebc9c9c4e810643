#include "demo/gallery/ProgressPage.h"

#include "demo/gallery/WindowShot.h"
#include "framework/win/controls/Button.h"
#include "framework/win/forms/Form.h"
#include "framework/win/graphics/Font.h"
#include "skin/controls/Frmmsnpopform.h"
#include "skin/controls/Vskmsnpopform.h"
#include "skin/controls/Vskprogressbar.h"
#include "skin/themes/Vskthemes.h"

namespace {

constexpr int PageWidth = 540;
constexpr int PageHeight = 210;
constexpr int Margin = 16;
constexpr int HorizontalLength = 200;
constexpr int RowPitch = 24;
constexpr int ColumnPitch = 24;
constexpr int VerticalLeft = Margin + HorizontalLength + 2 * Margin;
// Positions out of 100: unstarted (its caption hidden), under way, done, and beyond the end.
constexpr int HorizontalPositions[] = {0, 25, 50, 75, 100, 150};
constexpr int VerticalPositions[] = {0, 30, 60, 100};
// The notification appears in the empty right part of the page, where it can be seen in the page's picture.
constexpr TPoint NoticePlace{VerticalLeft + 4 * ColumnPitch + Margin, Margin};
constexpr const char* NoticeName = "popNotice";
constexpr const char* ButtonName = "btnNotice";
constexpr TvskUIStyle NoticeStyle = BlueGlass;

void AddBar(TForm& Form, TvskUIStyle Style, int Position, TvskProgressBarOrientation Orientation, int Left, int Top) {
    auto* Bar = new TvskProgressBar(&Form);
    Bar->SetParent(&Form);
    Bar->SetUIStyle(Style);
    Bar->SetOrientation(Orientation);
    Bar->SetPosition(Position);
    Bar->SetSmartShowCaption(true);
    Bar->SetLeft(Left);
    Bar->SetTop(Top);
    if (Orientation == vskHorizontal) Bar->SetWidth(HorizontalLength);
}

void AddNotification(TForm& Form) {
    auto* Notice = new TvskMSNPopForm(&Form);
    Notice->SetName(NoticeName);
    Notice->SetTitle("Vantrel");
    Notice->TitleFont()->SetStyle(TFontStyles{fsBold});
    Notice->SetMessageText("12 commands copied to the history of SYSTEM1");
    Notice->SetAutoPosition(false);
    auto* Button = new TButton(&Form);
    Button->SetName(ButtonName);
    Button->SetParent(&Form);
    Button->SetCaption("Show notification");
    Button->SetBounds(Margin, PageHeight - Margin - 25, 140, 25);
    Button->OnClick = [&Form, Notice](TObject*) {
        const TPoint At = Form.ClientToScreen(NoticePlace);
        Notice->SetPositionX(At.x);
        Notice->SetPositionY(At.y);
        Notice->Popup();
    };
}

void Build(TForm& Form, TvskUIStyle Style) {
    Form.SetColor(GetInsideThemeColor(Style, VSK_THEME_FORM_BACKGROUND_COLOR));
    int Top = Margin;
    for (int Position : HorizontalPositions) {
        AddBar(Form, Style, Position, vskHorizontal, Margin, Top);
        Top += RowPitch;
    }
    int Left = VerticalLeft;
    for (int Position : VerticalPositions) {
        AddBar(Form, Style, Position, vskVertical, Left, Margin);
        Left += ColumnPitch;
    }
    AddNotification(Form);
}

// Every style's bars; once, the notification popped by its button over the page.
void Pose(TForm& Form, TvskUIStyle Style, void (*Shoot)(TForm& Form, const char* Suffix)) {
    Shoot(Form, nullptr);
    if (Style != NoticeStyle) return;
    auto* Button = dynamic_cast<TButton*>(Form.FindComponent(ButtonName));
    auto* Notice = dynamic_cast<TvskMSNPopForm*>(Form.FindComponent(NoticeName));
    if (!Button || !Notice) return;
    ::SendMessageA(Button->Handle(), BM_CLICK, 0, 0);
    SettleWindow(Notice->Form()->Handle());
    Shoot(Form, "notification");
}

} // namespace

const TGalleryPage ProgressPage{"progress", PageWidth, PageHeight, Build, Pose};
