#include "skin/controls/Vskmemo.h"

#include <algorithm>

VSK_IMPLEMENT_CLASS(TvskMemo)

void TvskMemo::Publish(TPublisher<TvskMemo>&) {}

namespace {
// The horizontal bar's arrows step by this many of its pages.
constexpr int HorizontalPagesPerStep = 3;
// A scroll message carries the thumb position in 16 bits.
constexpr int LargestThumbPosition = 0xFFFF;
} // namespace

TvskMemo::TvskMemo(TComponent* AOwner) : inherited(AOwner) {
    ApplyStartUpStyle();
}

void TvskMemo::BarAttached(TvskScrollBar& Bar, TvskProgressBarOrientation Axis) {
    if (Axis == vskHorizontal) Bar.SetSmallChange(HorizontalPagesPerStep * Bar.PageSize());
}

void TvskMemo::BarsChanged() {
    static constexpr TScrollStyle Styles[2][2] = {{ssNone, ssHorizontal}, {ssVertical, ssBoth}};
    SetScrollBars(Styles[VScrollBar() != nullptr][HScrollBar() != nullptr]);
}

// The edit control scrolls to an absolute line (or column) given as a thumb position.
void TvskMemo::ScrollToBar(TvskScrollBar& Bar, TvskProgressBarOrientation Axis) {
    const int Position = std::clamp(Bar.Position(), 0, LargestThumbPosition);
    ::SendMessageA(Handle(), Axis == vskVertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, Position), 0);
}
