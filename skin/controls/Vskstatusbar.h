// TvskStatusBar: the platform's status bar in the style's form colour, with a size grip of its own. On a
// maximized form the bar ignores the mouse altogether (no grip to size with).
//
// The platform's control keeps the bar's layout (the panels' places, the grip's hit area) but we paint all of
// it: background, panels with their bevels and texts, the simple text, owner-drawn panels (OnDrawPanel) and
// the grip, double-buffered. A status bar painted by the platform follows its visual theme, which ignores the
// colour it is given; painting it ourselves needs no theme library to switch the theme off.
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
    void PaintWindow(HDC DC) override;
    void WndProc(TMessage& Message) override;

private:
    bool FormMaximized() const;
    bool FormSizeable() const;
    // Where the platform's layout puts part Index (the simple text's part while SimplePanel).
    TRect PartRect(int Index);
    void PaintPanel(TCanvas& Canvas, int Index);
    void PaintText(TCanvas& Canvas, const std::string& Text, TRect Rect, TAlignment Alignment);
    void PaintGrip(TCanvas& Canvas);
    void WMNCHitTest(TMessage& Message);
};
