#include "skin/controls/Vsklistview.h"

#include <cstdlib>

VSK_IMPLEMENT_CLASS(TvskListView)

void TvskListView::Publish(TPublisher<TvskListView>&) {}

TvskListView::TvskListView(TComponent* AOwner) : inherited(AOwner) {
    ApplyStartUpStyle();
}

void TvskListView::BarAttached(TvskScrollBar& Bar, TvskProgressBarOrientation) {
    Bar.SetSmallChange(VskListViewSmallChange);
}

// A report view scrolls by rows and its native vertical range counts rows: the bar's step is that many lines.
void TvskListView::ScrollToBar(TvskScrollBar& Bar, TvskProgressBarOrientation Axis) {
    const int Step = Bar.LastChange();
    if (Axis == vskHorizontal) {
        Scroll(Step, 0);
        return;
    }
    if (ViewStyle() != vsReport) {
        Scroll(0, Step);
        return;
    }
    const WPARAM Line = Step > 0 ? SB_LINEDOWN : SB_LINEUP;
    for (int Row = 0; Row < std::abs(Step); ++Row)
        ::SendMessageA(Handle(), WM_VSCROLL, Line, 0);
}
