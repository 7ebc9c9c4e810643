// TCustomPanel / TPanel: a container with optional raised or lowered bevels, a border and a caption. The
// panel paints itself opaque and double-buffered (no separate background erase); children are aligned inside
// the bevels.
#pragma once

#include "framework/win/controls/Bevels.h"
#include "framework/win/windowing/CustomControl.h"

class TCustomPanel : public TCustomControl {
    VSK_CLASS(TCustomPanel, TCustomControl)

public:
    explicit TCustomPanel(TComponent* AOwner);

    TPanelBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TPanelBevel Value);
    TPanelBevel BevelInner() const { return FBevelInner; }
    void SetBevelInner(TPanelBevel Value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    // bsSingle gives the window a one-pixel border.
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    // Kept for descriptions: a panel always paints its own background.
    bool ParentBackground() const { return false; }
    void SetParentBackground(bool) {}

protected:
    void CreateParams(TCreateParams& Params) override;
    void AdjustClientRect(TRect& Rect) override;
    void Paint() override;

private:
    void Changed();

    TPanelBevel FBevelOuter = bvRaised;
    TPanelBevel FBevelInner = bvNone;
    int FBevelWidth = 1;
    TBorderStyle FBorderStyle = bsNone;
    TAlignment FAlignment = taCenter;
};

class TPanel : public TCustomPanel {
    VSK_CLASS(TPanel, TCustomPanel)

public:
    explicit TPanel(TComponent* AOwner);
};
