#include "skin/frame/Vsktitlebarmenu.h"

#include "framework/core/Properties.h"
#include "framework/win/forms/Form.h"
#include "skin/frame/Vsktitlebar.h"
#include "skin/frame/Vskwindowstate.h"

#include <algorithm>
#include <array>

VSK_IMPLEMENT_CLASS(TvskTitleBarPopupMenu)

void TvskTitleBarPopupMenu::Publish(TPublisher<TvskTitleBarPopupMenu>&) {}

namespace {

constexpr int MaxCaptionLength = 256;

std::wstring LoadCaption(UINT Id) {
    std::array<wchar_t, MaxCaptionLength> Buffer{};
    const int Length = ::LoadStringW(::GetModuleHandleA(nullptr), Id, Buffer.data(), MaxCaptionLength);
    return std::wstring(Buffer.data(), Length > 0 ? Length : 0);
}

// What the ANSI code page makes of Text: letters it cannot hold become question marks, the accelerator stays.
std::string AnsiRendering(const std::wstring& Text) {
    if (Text.empty()) return {};
    const int WideLength = static_cast<int>(Text.size());
    const int Length = ::WideCharToMultiByte(CP_ACP, 0, Text.data(), WideLength, nullptr, 0, nullptr, nullptr);
    std::string Result(static_cast<std::size_t>(std::max(Length, 0)), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, Text.data(), WideLength, Result.data(), Length, nullptr, nullptr);
    return Result;
}

} // namespace

TvskTitleBarPopupMenu::TvskTitleBarPopupMenu(TvskTitleBar* ATitleBar) : inherited(ATitleBar), FTitleBar(ATitleBar) {
    SetAutoHotkeys(maManual);
    FMinimize = AddItem(VskMinimizeCaptionId, &TvskTitleBarPopupMenu::MinimizeClick);
    FMaximize = AddItem(VskMaximizeCaptionId, &TvskTitleBarPopupMenu::MaximizeClick);
    auto* Line = new TMenuItem(this);
    Line->SetCaption(TMenuItem::LineCaption);
    Items()->Add(Line);
    FClose = AddItem(VskCloseCaptionId, &TvskTitleBarPopupMenu::CloseClick);
}

TMenuItem* TvskTitleBarPopupMenu::AddItem(UINT CaptionId, void (TvskTitleBarPopupMenu::*Click)(TObject*)) {
    auto* Item = new TMenuItem(this);
    std::wstring Caption = LoadCaption(CaptionId);
    Item->SetCaption(AnsiRendering(Caption));
    FWideCaptions[Item] = std::move(Caption);
    Item->OnClick.Bind(this, Click);
    Items()->Add(Item);
    return Item;
}

std::wstring TvskTitleBarPopupMenu::WideCaption(const TMenuItem& Item) const {
    const auto Found = FWideCaptions.find(&Item);
    return Found == FWideCaptions.end() ? std::wstring() : Found->second;
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
