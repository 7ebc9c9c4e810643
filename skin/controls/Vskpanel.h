// TvskPanel: a panel with a themed caption bar across its top, a one-pixel border round a white body, and a
// collapse button in the caption bar that rolls the panel up to its bar and down again in steps of 15 pixels.
//
// Height, as published, is the expanded height: while the panel is collapsed it is kept for the way back.
//
// The animation lets the message loop run between its steps, so anything may happen meanwhile: the panel or
// its form may be destroyed (the animation stops without touching the panel again), the panel may be hidden
// (it jumps to the end), re-styled (the collapsed height is read anew every step), or clicked again (ignored:
// animations never nest).
#pragma once

#include "framework/core/Events.h"
#include "framework/win/controls/Panel.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Canvas.h"
#include "skin/themes/Vskthemed.h"

#include <memory>

inline constexpr int VskPanelSize = 100;         // width and expanded height of a new panel
inline constexpr int VskPanelAnimationStep = 15; // pixels per step of the collapse animation
inline constexpr int VskPanelNoBarHeight = 20;   // collapsed height when the style has no caption bar
inline constexpr int VskPanelChildMargin = 3;    // children keep this far from the border and the bar

class TvskPanel : public TvskThemed<TCustomPanel> {
    VSK_CLASS(TvskPanel, TvskThemed<TCustomPanel>)

public:
    explicit TvskPanel(TComponent* AOwner);
    ~TvskPanel() override;

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor CaptionFontColor() const { return FCaptionFontColor; }
    void SetCaptionFontColor(TColor Value);
    bool ShowButton() const { return FShowButton; }
    void SetShowButton(bool Value);
    // The expanded height; it resizes the panel only while expanded.
    int ExpandedHeight() const { return FExpandedHeight; }
    void SetHeight2(int Value);

    // Collapses to the caption bar (raises EInvalidOperation for a panel aligned client, left or right) and
    // expands again; both animate and return when done. Calls during an animation are ignored.
    void Push();
    void Pop();
    bool GetPushed() const { return FPushed; }
    bool Animating() const { return FAnimating; }
    // The pointer is over the collapse button.
    bool ButtonHot() const { return FButtonHot; }
    // The collapse button's rectangle; empty while the panel shows none.
    TRect ButtonRect() const;

    TNotifyEvent OnPush;
    TNotifyEvent OnPop;

protected:
    void ApplyUIStyle(const TvskThemeSource& Theme) override;
    void FileThemeChanged() override;
    void FileThemeRemoved() override;
    void AdjustClientRect(TRect& Rect) override;
    void Paint() override;
    void Resize() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void WndProc(TMessage& Message) override;
    void Destroying() override;

private:
    int BarHeight() const { return FBar.Height(); }
    int CollapsedHeight() const;
    bool ShowsButton() const;
    // Steps the height towards the collapsed or the expanded height; false when the panel was destroyed meanwhile.
    bool Animate(bool Collapse);
    void SetHot(bool Value);
    void PaintButton(TCanvas& Canvas);

    TBitmap FBar;         // the caption bar, one column stretched across
    TBitmap FButtonStrip; // "PANEL_BUTTON": expanded normal and hot, collapsed normal and hot
    TColor FBorderColor = clBlack;
    TColor FCaptionFontColor = clWhite;
    bool FShowButton = true;
    int FExpandedHeight = VskPanelSize;
    bool FPushed = false;
    bool FButtonHot = false;
    bool FAnimating = false;
    // Cleared when the panel starts being destroyed; an animation holds a copy to learn that it must stop.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};
