// TCustomControl: a windowed control that paints itself: Paint draws on Canvas, which the framework
// attaches to the DC of each WM_PAINT (BeginPaint/EndPaint, or the DC a WM_PAINT brings along).
#pragma once

#include "framework/win/windowing/WinControl.h"

#include <memory>

class TCanvas;
class TControlCanvas;

class TCustomControl : public TWinControl {
    VSK_CLASS(TCustomControl, TWinControl)

public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;

    TCanvas& Canvas();

protected:
    virtual void Paint() {}
    void PaintWindow(HDC DC) override;
    void PaintBufferReleasing() override;

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};
