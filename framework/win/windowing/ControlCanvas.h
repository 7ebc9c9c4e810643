// TControlCanvas: the canvas of a control. While the control paints, it draws on the paint DC it is given;
// at other times (measuring text, drawing at once) it takes a DC of the control's window when first used: for
// a graphic control the parent's, moved to the control's corner and clipped to it. Such a DC is a shared
// USER resource, so it is given back when the control's window goes, before each paint, and whenever the
// application has no more messages (FreeDeviceContexts).
#pragma once

#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/DeviceContexts.h"

#include <memory>

class TControl;

class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(TControl& Control);
    ~TControlCanvas() override;

    // Draws on DC (owned by the caller) until EndPaint. EndPaint(true) parks the canvas on the DC (Park): for
    // the control's kept paint buffer, which the control unparks from before it goes.
    void BeginPaint(HDC DC);
    void EndPaint(bool StayParked = false);
    // The DC of the paint under way, null outside paints. A paint nested in another (the control asked to
    // paint while it paints) hands the canvas back to the outer one's DC when it ends.
    HDC PaintDC() const { return FPaintDC; }
    void ResumePaint(HDC Outer);
    // Gives back the window DC taken for drawing outside painting, if any.
    void FreeHandle();

    // Gives back every window DC taken on Window (null: on any window).
    static void FreeDeviceContexts(HWND Window = nullptr);

protected:
    void CreateHandle() override;

private:
    TControl& FControl;
    std::unique_ptr<TWindowDC> FWindowDC;
    HDC FPaintDC = nullptr;
};

// A control's canvas drawing on a paint DC for the length of a scope (BeginPaint ... EndPaint), parked on it
// afterwards when StayParked.
class TCanvasPaintScope {
public:
    TCanvasPaintScope(TControlCanvas& Canvas, HDC DC, bool StayParked = false)
        : FCanvas(Canvas), FOuter(Canvas.PaintDC()), FStayParked(StayParked) {
        FCanvas.BeginPaint(DC);
    }
    ~TCanvasPaintScope() {
        if (FOuter)
            FCanvas.ResumePaint(FOuter);
        else
            FCanvas.EndPaint(FStayParked);
    }
    TCanvasPaintScope(const TCanvasPaintScope&) = delete;
    TCanvasPaintScope& operator=(const TCanvasPaintScope&) = delete;

private:
    TControlCanvas& FCanvas;
    HDC FOuter;
    bool FStayParked;
};
