// The item buttons of the skinned button groups: one check box (TvskCheckGroupButton) or radio button
// (TvskRadioGroupButton) per line of a group's Items, made, placed and freed by the group alone. They are no
// tab stops of their own (Tab reaches the group, which hands the focus to a button), so they say themselves
// when their focus mark shows.
#pragma once

#include "skin/controls/Vskcheckbox.h"

class TvskCheckGroup;
class TvskRadioGroup;

class TvskCheckGroupButton : public TvskCheckBox {
    VSK_CLASS(TvskCheckGroupButton, TvskCheckBox)

public:
    // Owned by its group, which outlives it.
    explicit TvskCheckGroupButton(TvskCheckGroup* Group);

    TvskCheckGroup* Group() const { return FGroup; }

protected:
    // While it has the focus, tab stop or not.
    bool ShowsFocus() const override;

private:
    TvskCheckGroup* FGroup;
};

class TvskRadioGroupButton : public TvskRadioButton {
    VSK_CLASS(TvskRadioGroupButton, TvskRadioButton)

public:
    explicit TvskRadioGroupButton(TvskRadioGroup* Group);

    TvskRadioGroup* Group() const { return FGroup; }
    // Checks the button only while the group lets its choice be changed (CanModify).
    void Click() override;

protected:
    // The chosen button marks where the focus is, while it or its group has the focus.
    bool ShowsFocus() const override;
    void WndProc(TMessage& Message) override;

private:
    void WMSetFocus(TMessage& Message);

    TvskRadioGroup* FGroup;
};
