#include "framework/win/controls/CheckListStrings.h"

#include "framework/core/Properties.h"
#include "framework/win/controls/CheckListBox.h"

VSK_IMPLEMENT_CLASS(TCheckListStrings)

void TCheckListStrings::Publish(TPublisher<TCheckListStrings>&) {}

void TCheckListStrings::Put(int Index, const std::string& S) {
    inherited::Put(Index, S);
    FListBox.ItemTextChanged(Index);
}

void TCheckListStrings::Insert(int Index, const std::string& S) {
    inherited::Insert(Index, S);
    FChecked.insert(FChecked.begin() + Index, false);
    FListBox.ItemInserted(Index);
}

void TCheckListStrings::Delete(int Index) {
    inherited::Delete(Index);
    FChecked.erase(FChecked.begin() + Index);
    FListBox.ItemDeleted(Index);
}

void TCheckListStrings::Clear() {
    inherited::Clear();
    FChecked.clear();
    FListBox.ItemsCleared();
}

bool TCheckListStrings::Checked(int Index) const {
    if (Index < 0 || Index >= Count()) IndexError(Index);
    return FChecked[static_cast<std::size_t>(Index)];
}

void TCheckListStrings::SetChecked(int Index, bool Value) {
    if (Index < 0 || Index >= Count()) IndexError(Index);
    FChecked[static_cast<std::size_t>(Index)] = Value;
}
