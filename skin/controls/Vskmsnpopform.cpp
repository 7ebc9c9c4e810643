#include "skin/controls/Vskmsnpopform.h"

#include "framework/core/Properties.h"
#include "framework/win/controls/Label.h"
#include "framework/win/forms/Application.h"
#include "framework/win/forms/Timer.h"
#include "framework/win/graphics/Font.h"
#include "skin/controls/Frmmsnpopform.h"

#include <utility>

VSK_IMPLEMENT_CLASS(TvskMSNPopForm)

namespace {
constexpr int DefaultAnimateTime = 400;
constexpr int DefaultStayTime = 2000;
constexpr TColor DefaultTextColor = clNavy;
} // namespace

void TvskMSNPopForm::Publish(TPublisher<TvskMSNPopForm>& p) {
    p.Int("AnimateTime", &TvskMSNPopForm::AnimateTime, &TvskMSNPopForm::SetAnimateTime).Default(DefaultAnimateTime);
    p.Int("StayTime", &TvskMSNPopForm::StayTime, &TvskMSNPopForm::SetStayTime).Default(DefaultStayTime);
    p.Int("PositionX", &TvskMSNPopForm::PositionX, &TvskMSNPopForm::SetPositionX).Default(0);
    p.Int("PositionY", &TvskMSNPopForm::PositionY, &TvskMSNPopForm::SetPositionY).Default(0);
    p.Bool("AutoPosition", &TvskMSNPopForm::AutoPosition, &TvskMSNPopForm::SetAutoPosition).Default(true);
    p.Bool("ClickHide", &TvskMSNPopForm::ClickHide, &TvskMSNPopForm::SetClickHide).Default(false);
    p.Str("Title", &TvskMSNPopForm::Title, &TvskMSNPopForm::SetTitle);
    p.Str("MessageText", &TvskMSNPopForm::MessageText, &TvskMSNPopForm::SetMessageText);
    p.Object("TitleFont", &TvskMSNPopForm::TitleFont, &TvskMSNPopForm::SetTitleFont);
    p.Object("MessageFont", &TvskMSNPopForm::MessageFont, &TvskMSNPopForm::SetMessageFont);
    p.Event("OnTitleClick", &TvskMSNPopForm::OnTitleClick);
    p.Event("OnClick", &TvskMSNPopForm::OnClick);
    p.Event("OnClose", &TvskMSNPopForm::OnClose);
}

TvskMSNPopForm::TvskMSNPopForm(TComponent* AOwner)
    : TComponent(AOwner), FAnimateTime(DefaultAnimateTime), FStayTime(DefaultStayTime),
      FTitleFont(std::make_unique<TFont>()), FMessageFont(std::make_unique<TFont>()) {
    FTitleFont->SetColor(DefaultTextColor);
    FMessageFont->SetColor(DefaultTextColor);
    FForm = new TfrmMSNPopForm(this);
    FForm->OnWindowClick.Bind(this, &TvskMSNPopForm::FormWindowClick);
    FForm->OnTitleClick.Bind(this, &TvskMSNPopForm::FormTitleClick);
    FForm->OnHidden.Bind(this, &TvskMSNPopForm::FormHidden);
    FForm->SetAnimateTime(FAnimateTime);
}

// A form still running its own code further up the stack (the component is destroyed by one of its event
// handlers) cannot be freed now: the application frees it once that code has returned. Either way the window
// is gone at once and nothing is raised on this component any more.
TvskMSNPopForm::~TvskMSNPopForm() {
    TfrmMSNPopForm* Form = std::exchange(FForm, nullptr);
    if (!Form) return;
    Form->Detach();
    if (!Form->Busy()) return; // freed with the other owned components
    Form->SetName("");         // no clash with another notification's window among the application's
    Application->InsertComponent(Form);
    Form->Release();
}

void TvskMSNPopForm::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FForm) FForm = nullptr;
}

void TvskMSNPopForm::SetTitleFont(const TFont* Value) {
    if (Value) FTitleFont->Assign(*Value);
}

void TvskMSNPopForm::SetMessageFont(const TFont* Value) {
    if (Value) FMessageFont->Assign(*Value);
}

void TvskMSNPopForm::Popup() {
    if (!FForm) return;
    FForm->SetAnimateTime(FAnimateTime);
    FForm->SetStayTime(FStayTime);
    FForm->SetClickHide(FClickHide);
    FForm->TitleLabel().SetCaption(FTitle);
    FForm->TitleLabel().SetFont(FTitleFont.get());
    FForm->MessageLabel().SetCaption(FMessageText);
    FForm->MessageLabel().SetFont(FMessageFont.get());
    if (FAutoPosition)
        FForm->PlaceAboveTaskBar();
    else
        FForm->SetBounds(FPositionX, FPositionY, FForm->Width(), FForm->Height());
    FForm->SlideIn();
    FForm->StayTimer().SetEnabled(true);
}

void TvskMSNPopForm::Close() {
    if (FForm) FForm->CloseWindow();
}

void TvskMSNPopForm::FormWindowClick(TObject*) {
    OnClick(this);
}

void TvskMSNPopForm::FormTitleClick(TObject*) {
    OnTitleClick(this);
}

void TvskMSNPopForm::FormHidden(TObject*) {
    OnClose(this);
}
