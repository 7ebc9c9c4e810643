// TMemoStrings: a memo's Lines. While the memo has a window the lines are the EDIT control's own (with word
// wrap, the lines as the control shows them); before, they are cut from the memo's text. A line break at the
// very end of the text does not begin another line, as the EDIT control counts them.
#pragma once

#include "framework/core/Strings.h"

class TMemo;

class TMemoStrings : public TStrings {
    VSK_CLASS(TMemoStrings, TStrings)

public:
    explicit TMemoStrings(TMemo& Memo) : FMemo(Memo) {}

    int Count() const override;
    std::string Get(int Index) const override;
    void Put(int Index, const std::string& S) override;
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;

protected:
    void SetUpdateState(bool Updating) override;

private:
    TMemo& FMemo;
};
