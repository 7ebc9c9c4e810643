#include "skin/themes/Frmthememgr.h"

#include "framework/core/Properties.h"
#include "framework/win/controls/Button.h"
#include "framework/win/controls/CheckListBox.h"
#include "framework/win/graphics/Font.h"

namespace {

constexpr const char* DialogCaption = "Theme Manager - VanSkin";
constexpr int DialogClientWidth = 233;
constexpr int DialogClientHeight = 301;
constexpr const char* DialogFontName = "MS Sans Serif";
constexpr int DialogFontSize = 8;

const TRect ListBounds = Bounds(16, 16, 201, 185);
const TRect SelectAllBounds = Bounds(120, 208, 97, 25);
const TRect UnselectAllBounds = Bounds(16, 208, 97, 25);
const TRect OkBounds = Bounds(72, 264, 89, 25);

} // namespace

VSK_IMPLEMENT_CLASS(TfrmMgr)

void TfrmMgr::Publish(TPublisher<TfrmMgr>& p) {
    p.Handler("btn_selClick", &TfrmMgr::btn_selClick);
    p.Handler("btn_unselClick", &TfrmMgr::btn_unselClick);
}

// The layout is fixed and small, so it is built here rather than read from a stored description.
TfrmMgr::TfrmMgr(TComponent* AOwner) : TForm(AOwner) {
    SetName("frmMgr");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption(DialogCaption);
    SetClientWidth(DialogClientWidth);
    SetClientHeight(DialogClientHeight);
    Font()->SetName(DialogFontName);
    Font()->SetSize(DialogFontSize);

    List = new TCheckListBox(this);
    List->SetName("List");
    List->SetParent(this);
    List->SetBoundsRect(ListBounds);
    btn_sel = AddButton("btn_sel", "&Select all", SelectAllBounds);
    btn_sel->OnClick.Bind(this, &TfrmMgr::btn_selClick);
    btn_unsel = AddButton("btn_unsel", "&Unselect all", UnselectAllBounds);
    btn_unsel->OnClick.Bind(this, &TfrmMgr::btn_unselClick);
    btn_ok = AddButton("btn_ok", "&OK", OkBounds);
    btn_ok->SetDefault(true);
    btn_ok->SetModalResult(mrOk);
}

TButton* TfrmMgr::AddButton(const char* Name, const char* Caption, const TRect& Bounds) {
    auto* Button = new TButton(this);
    Button->SetName(Name);
    Button->SetParent(this);
    Button->SetCaption(Caption);
    Button->SetBoundsRect(Bounds);
    return Button;
}

void TfrmMgr::AddCandidate(const std::string& Name, TComponent* Component, bool Ticked) {
    const int Index = List->Items()->AddObject(Name, Component);
    List->SetChecked(Index, Ticked);
}

std::vector<std::string> TfrmMgr::TickedNames() const {
    std::vector<std::string> Names;
    for (int I = 0; I < List->Items()->Count(); ++I)
        if (List->Checked(I)) Names.push_back(List->Items()->Get(I));
    return Names;
}

void TfrmMgr::btn_selClick(TObject*) {
    TickAll(true);
}

void TfrmMgr::btn_unselClick(TObject*) {
    TickAll(false);
}

void TfrmMgr::TickAll(bool Ticked) {
    for (int I = 0; I < List->Items()->Count(); ++I)
        List->SetChecked(I, Ticked);
}
