#pragma once

#include "framework/core/Events.h"
#include "framework/win/forms/Form.h"

#include <string>

class TLabel;
class TMemo;
class TvskButton;
class TvskForm;

// The small skinned find box of the main window: what to find, Next (Enter) and Close (Esc), and a line that
// says when nothing matched. It only asks; the window that owns it searches (OnNext) and tells it the outcome
// (ShowResult), so the box stays open while the user goes on working in the list.
class TfmFind : public TForm {
    VSK_CLASS(TfmFind, TForm)

public:
    explicit TfmFind(TComponent* AOwner);

    std::string FindText() const;
    void SetFindText(const std::string& sText);
    // Shows the box with the text to find selected for typing over.
    void Open();
    // Nothing found: the box says so; found: the line is cleared.
    void ShowResult(bool bFound);
    std::string Status() const;

    TNotifyEvent OnNext;

private:
    void btnNextClick(TObject* Sender);
    void btnCloseClick(TObject* Sender);

    TvskForm* sfFind = nullptr;
    TMemo* edFind = nullptr;
    TvskButton* btnNext = nullptr;
    TvskButton* btnClose = nullptr;
    TLabel* lblStatus = nullptr;
};
