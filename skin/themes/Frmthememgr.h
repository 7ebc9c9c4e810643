// The theme manager's edit dialog: a check list of the form's skinned components, ticked for those the
// manager looks after, with buttons to tick or untick them all. ThemeManagerEdit (Vskdesignedit.h) fills
// it and takes the ticked names back.
#pragma once

#include "framework/win/forms/Form.h"

#include <string>
#include <vector>

class TButton;
class TCheckListBox;
class TComponent;

class TfrmMgr : public TForm {
    VSK_CLASS(TfrmMgr, TForm)

public:
    explicit TfrmMgr(TComponent* AOwner);

    // One line per candidate, with the component attached, ticked as asked.
    void AddCandidate(const std::string& Name, TComponent* Component, bool Ticked);
    // The names of the ticked lines, in list order.
    std::vector<std::string> TickedNames() const;

    // The controls, named as in the dialog's design.
    TCheckListBox* List;
    TButton* btn_sel;
    TButton* btn_unsel;
    TButton* btn_ok;

    void btn_selClick(TObject* Sender);
    void btn_unselClick(TObject* Sender);

private:
    TButton* AddButton(const char* Name, const char* Caption, const TRect& Bounds);
    void TickAll(bool Ticked);
};
