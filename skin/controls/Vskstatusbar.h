// TvskStatusBar: the platform's status bar in the style's form colour, with a size grip of its own drawn over
// the platform's one. On a maximized form the bar ignores the mouse altogether (no grip to size with).
//
// The bar's window goes without the platform's visual theme: a themed status bar paints the theme's
// background and ignores the colour it is given.
#pragma once

#include "framework/win/controls/StatusBar.h"
#include "skin/themes/Vskthemed.h"

inline constexpr int VskStatusGripSize = 16; // the square at the right end the grip is drawn in

class TvskStatusBar : public TvskThemed<TStatusBar> {
    VSK_CLASS(TvskStatusBar, TvskThemed<TStatusBar>)

public:
    explicit TvskStatusBar(TComponent* AOwner);

    TColor PanelColor() const { return Color(); }
    void SetPanelColor(TColor Value) { SetColor(Value); }

protected:
    void ApplyUIStyle(const TvskThemeSource& Theme) override;
    void WindowCreated() override;
    void WndProc(TMessage& Message) override;

private:
    bool FormMaximized() const;
    bool FormSizeable() const;
    void WMNCHitTest(TMessage& Message);
    void WMPaint(TMessage& Message);
    void PaintGrip(TCanvas& Canvas);
};
