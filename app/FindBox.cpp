#include "app/FindBox.h"

#include "framework/core/Properties.h"
#include "framework/win/controls/Label.h"
#include "framework/win/controls/Memo.h"
#include "skin/controls/Vskbutton.h"
#include "skin/frame/Vskform.h"
#include "skin/frame/Vsktitlebarbuttons.h"

#include <cstdio>

namespace {
constexpr const char* kCaption = "Find";
constexpr const char* kPrompt = "Find what:";
constexpr const char* kNotFound = "Cannot find \"%s\".";
constexpr int kClientWidth = 360;
constexpr int kClientHeight = 128;
// Below the 30-pixel title bar of the skinned frame.
constexpr int kMargin = 12;
constexpr int kTitleBarHeight = 30;
constexpr int kRowTop = kTitleBarHeight + 14;
constexpr int kPromptWidth = 64;
// The prompt's and the edit's text line up with the buttons' captions.
constexpr int kPromptDrop = 4;
constexpr int kEditDrop = 3;
constexpr int kStatusGap = 12;
constexpr int kEditHeight = 21;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 27;
constexpr int kButtonGap = 8;
constexpr int kStatusTop = kRowTop + kButtonHeight + kStatusGap;
constexpr int kLineHeight = 16;
// Room for the message with the text that was not found.
constexpr int kStatusSize = 1200;
} // namespace

VSK_IMPLEMENT_CLASS(TfmFind)

void TfmFind::Publish(TPublisher<TfmFind>&) {}

// Built in code: the box has no stored description of its own.
TfmFind::TfmFind(TComponent* AOwner) : TForm(AOwner) {
    SetBorderStyle(bsDialog);
    SetCaption(kCaption);
    SetPosition(poMainFormCenter);
    sfFind = new TvskForm(this);
    sfFind->SetCaption(kCaption);
    // A dialog box: it closes, it neither shrinks nor grows.
    TvskTitleBarButtons& buttons = *sfFind->TitleBarButtons();
    for (int i = buttons.Count() - 1; i >= 0; --i)
        if (buttons.Items(i)->ButtonType() == vskMin || buttons.Items(i)->ButtonType() == vskMax) buttons.Delete(i);
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);

    auto* lblPrompt = new TLabel(this);
    lblPrompt->SetParent(sfFind);
    lblPrompt->SetBounds(kMargin, kRowTop + kPromptDrop, kPromptWidth, kLineHeight);
    lblPrompt->SetCaption(kPrompt);

    const int nButtonsLeft = kClientWidth - kMargin - 2 * kButtonWidth - kButtonGap;
    edFind = new TMemo(this);
    edFind->SetName("edFind");
    edFind->SetParent(sfFind);
    edFind->SetWantReturns(false);
    edFind->SetWordWrap(false);
    edFind->SetBounds(kMargin + kPromptWidth, kRowTop + kEditDrop, nButtonsLeft - kMargin - kPromptWidth - kButtonGap,
                      kEditHeight);

    btnNext = new TvskButton(this);
    btnNext->SetParent(sfFind);
    btnNext->SetBounds(nButtonsLeft, kRowTop, kButtonWidth, kButtonHeight);
    btnNext->SetCaption("&Next");
    btnNext->SetDefault(true);
    btnNext->OnClick.Bind(this, &TfmFind::btnNextClick);

    btnClose = new TvskButton(this);
    btnClose->SetParent(sfFind);
    btnClose->SetBounds(nButtonsLeft + kButtonWidth + kButtonGap, kRowTop, kButtonWidth, kButtonHeight);
    btnClose->SetCaption("Close");
    btnClose->SetCancel(true);
    btnClose->OnClick.Bind(this, &TfmFind::btnCloseClick);

    lblStatus = new TLabel(this);
    lblStatus->SetName("lblStatus");
    lblStatus->SetParent(sfFind);
    lblStatus->SetBounds(kMargin, kStatusTop, kClientWidth - 2 * kMargin, kLineHeight);
}

std::string TfmFind::FindText() const {
    return edFind->Text();
}

void TfmFind::SetFindText(const std::string& sText) {
    edFind->SetText(sText);
}

void TfmFind::Open() {
    Show();
    FocusControl(edFind);
    edFind->SelectAll();
}

void TfmFind::ShowResult(bool bFound) {
    char szStatus[kStatusSize] = "";
    if (!bFound) std::snprintf(szStatus, sizeof(szStatus), kNotFound, FindText().c_str());
    lblStatus->SetCaption(szStatus);
}

std::string TfmFind::Status() const {
    return lblStatus->Caption();
}

void TfmFind::btnNextClick(TObject*) {
    OnNext(this);
}

// Hidden, not destroyed: the next Ctrl+F brings it back with the text it had.
void TfmFind::btnCloseClick(TObject*) {
    Hide();
}
