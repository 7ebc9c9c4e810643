// TCheckListStrings: the items of a check list box: lines with an object and a check each. The list box
// keeps them (they outlive its windows) and mirrors every change into its LISTBOX control.
#pragma once

#include "framework/core/Strings.h"

#include <vector>

class TCheckListBox;

class TCheckListStrings : public TStringList {
    VSK_CLASS(TCheckListStrings, TStringList)

public:
    explicit TCheckListStrings(TCheckListBox& ListBox) : FListBox(ListBox) {}

    void Put(int Index, const std::string& S) override;
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;

    bool Checked(int Index) const;
    void SetChecked(int Index, bool Value);

private:
    TCheckListBox& FListBox;
    std::vector<bool> FChecked;
};
