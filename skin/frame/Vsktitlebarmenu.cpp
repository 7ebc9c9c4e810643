#include "skin/frame/Vsktitlebarmenu.h"

#include "framework/core/Properties.h"
#include "framework/win/forms/Form.h"
#include "skin/frame/Vsktitlebar.h"
#include "skin/frame/Vskwindowstate.h"

#include <array>

VSK_IMPLEMENT_CLASS(TvskTitleBarPopupMenu)

void TvskTitleBarPopupMenu::Publish(TPublisher<TvskTitleBarPopupMenu>&) {}

namespace {

constexpr int MaxCaptionLength = 256;

std::string LoadCaption(UINT Id) {
    std::array<char, MaxCaptionLength> Buffer{};
    const int Length = ::LoadStringA(::GetModuleHandleA(nullptr), Id, Buffer.data(), MaxCaptionLength);
    return std::string(Buffer.data(), Length > 0 ? Length : 0);
}

} // namespace

TvskTitleBarPopupMenu::TvskTitleBarPopupMenu(TvskTitleBar* ATitleBar) : inherited(ATitleBar), FTitleBar(ATitleBar) {
    SetAutoHotkeys(maManual);
    FMinimize = AddItem(LoadCaption(VskMinimizeCaptionId), &TvskTitleBarPopupMenu::MinimizeClick);
    FMaximize = AddItem(LoadCaption(VskMaximizeCaptionId), &TvskTitleBarPopupMenu::MaximizeClick);
    AddItem(TMenuItem::LineCaption, nullptr);
    FClose = AddItem(LoadCaption(VskCloseCaptionId), &TvskTitleBarPopupMenu::CloseClick);
}

TMenuItem* TvskTitleBarPopupMenu::AddItem(const std::string& Caption, void (TvskTitleBarPopupMenu::*Click)(TObject*)) {
    auto* Item = new TMenuItem(this);
    Item->SetCaption(Caption);
    if (Click) Item->OnClick.Bind(this, Click);
    Items()->Add(Item);
    return Item;
}

void TvskTitleBarPopupMenu::Popup(int X, int Y) {
    const TvskTitleBarButtons& Buttons = *FTitleBar->Buttons();
    FMinimize->SetEnabled(Buttons.AnyVisible(vskMin));
    FMaximize->SetEnabled(Buttons.AnyVisible(vskMax));
    FClose->SetEnabled(Buttons.AnyVisible(vskClose));
    inherited::Popup(X, Y);
}

void TvskTitleBarPopupMenu::MinimizeClick(TObject*) {
    if (TCustomForm* Form = FTitleBar->GetParentForm()) VskMinimizeForm(*Form);
}

void TvskTitleBarPopupMenu::MaximizeClick(TObject*) {
    const TvskTitleBarButtons& Buttons = *FTitleBar->Buttons();
    for (int Index = 0; Index < Buttons.Count(); ++Index)
        if (Buttons.Items(Index)->Visible() && Buttons.Items(Index)->ButtonType() == vskMax)
            Buttons.Items(Index)->DoClick();
}

void TvskTitleBarPopupMenu::CloseClick(TObject*) {
    if (TCustomForm* Form = FTitleBar->GetParentForm()) Form->Close();
}
