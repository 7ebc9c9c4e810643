#include "skin/controls/Vskgroupbuttons.h"

#include "skin/controls/Vskcheckgroup.h"

VSK_IMPLEMENT_CLASS(TvskCheckGroupButton)
VSK_IMPLEMENT_CLASS(TvskRadioGroupButton)

void TvskCheckGroupButton::Publish(TPublisher<TvskCheckGroupButton>&) {}
void TvskRadioGroupButton::Publish(TPublisher<TvskRadioGroupButton>&) {}

TvskCheckGroupButton::TvskCheckGroupButton(TvskCheckGroup* Group) : inherited(Group), FGroup(Group) {}

bool TvskCheckGroupButton::ShowsFocus() const {
    return Focused();
}

TvskRadioGroupButton::TvskRadioGroupButton(TvskRadioGroup* Group) : inherited(Group), FGroup(Group) {}

void TvskRadioGroupButton::Click() {
    if (FGroup->CanModify()) inherited::Click();
}

bool TvskRadioGroupButton::ShowsFocus() const {
    return Checked() && (Focused() || FGroup->Focused());
}

// The arrow keys move the focus from button to button, and the choice goes with it: a focus that showed on no
// button (only the chosen one shows it) would leave the keyboard no way to choose.
void TvskRadioGroupButton::WMSetFocus(TMessage& Message) {
    const TWinControl* From = TWinControl::FindControl(reinterpret_cast<HWND>(Message.WParam));
    inherited::WndProc(Message);
    const auto* Sibling = dynamic_cast<const TvskRadioGroupButton*>(From);
    if (Sibling && Sibling != this && Sibling->Group() == FGroup) Click();
}

void TvskRadioGroupButton::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_SETFOCUS: WMSetFocus(Message); break;
    default: inherited::WndProc(Message); break;
    }
}
