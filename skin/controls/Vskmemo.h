// TvskMemo: the platform's multi-line edit with the skinned border, style and scroll bars of TvskScrollHost.
// Its native scroll bars follow the skinned ones attached (ScrollBars), so that each skinned bar lies over a
// live native bar; a skinned bar scrolls it to the bar's position, and stays shown without a thumb while
// there is nothing to scroll.
#pragma once

#include "framework/win/controls/Memo.h"
#include "skin/controls/Vskscrollhost.h"

class TvskMemo : public TvskScrollHost<TMemo> {
    VSK_CLASS(TvskMemo, TvskScrollHost<TMemo>)

public:
    explicit TvskMemo(TComponent* AOwner);

protected:
    void ScrollToBar(TvskScrollBar& Bar, TvskProgressBarOrientation Axis) override;
    void BarAttached(TvskScrollBar& Bar, TvskProgressBarOrientation Axis) override;
    void BarsChanged() override;
    bool KeepsDeadBarsShown() const override { return true; }
};
