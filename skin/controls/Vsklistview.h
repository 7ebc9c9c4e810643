// TvskListView: the platform's list view with the skinned border, style and scroll bars of TvskScrollHost.
// A skinned bar moves it by the bar's step: whole rows in report view (one SB_LINEUP or SB_LINEDOWN per
// row), pixels otherwise and across. A skinned bar whose native bar is gone hides with it.
#pragma once

#include "framework/win/controls/ListView.h"
#include "skin/controls/Vskscrollhost.h"

// The arrows of a list view's skinned bars step by this many positions.
inline constexpr int VskListViewSmallChange = 5;

class TvskListView : public TvskScrollHost<TListView> {
    VSK_CLASS(TvskListView, TvskScrollHost<TListView>)

public:
    explicit TvskListView(TComponent* AOwner);

protected:
    void ScrollToBar(TvskScrollBar& Bar, TvskProgressBarOrientation Axis) override;
    void BarAttached(TvskScrollBar& Bar, TvskProgressBarOrientation Axis) override;
};
