// TGraphicControl: a control without a window of its own (labels, images). Its parent paints it after
// painting itself, in z-order, by sending it WM_PAINT with a DC moved to the control's corner and clipped to
// it; Paint draws on Canvas. The parent also routes to it the mouse messages over its area.
#pragma once

#include "framework/win/windowing/Control.h"

#include <memory>

class TCanvas;
class TControlCanvas;

class TGraphicControl : public TControl {
    VSK_CLASS(TGraphicControl, TControl)

public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;

    TCanvas& Canvas();

protected:
    virtual void Paint() {}
    void WndProc(TMessage& Message) override;

private:
    void WMPaint(TMessage& Message);

    std::unique_ptr<TControlCanvas> FCanvas;
};
