#include "framework/win/windowing/ControlCanvas.h"

#include "framework/win/windowing/WinControl.h"

#include <algorithm>
#include <vector>

namespace {
// The canvases that hold a window DC right now.
std::vector<TControlCanvas*>& HoldingCanvases() {
    static std::vector<TControlCanvas*> Canvases;
    return Canvases;
}
} // namespace

TControlCanvas::TControlCanvas(TControl& Control) : FControl(Control) {}

TControlCanvas::~TControlCanvas() {
    FreeHandle();
}

// Every paint starts with a solid brush, so that a paint that ended with see-through text does not leave the
// next one's fills hollow.
void TControlCanvas::BeginPaint(HDC DC) {
    FreeHandle();
    SetHandle(DC);
    FPaintDC = DC;
    Brush().SetStyle(bsSolid);
}

void TControlCanvas::EndPaint(bool StayParked) {
    FPaintDC = nullptr;
    if (StayParked)
        Park();
    else
        SetHandle(nullptr);
}

void TControlCanvas::ResumePaint(HDC Outer) {
    SetHandle(Outer);
    FPaintDC = Outer;
}

void TControlCanvas::FreeHandle() {
    if (!FWindowDC) return;
    SetHandle(nullptr);
    FWindowDC.reset();
    std::erase(HoldingCanvases(), this);
}

void TControlCanvas::CreateHandle() {
    auto* Window = dynamic_cast<TWinControl*>(&FControl);
    TPoint Origin;
    if (!Window) {
        Window = FControl.Parent();
        Origin = {FControl.Left(), FControl.Top()};
    }
    if (!Window) return;
    const HWND Handle = Window->Handle();
    if (!Handle) return;
    FWindowDC = std::make_unique<TWindowDC>(Handle);
    const HDC DC = FWindowDC->Handle();
    if (Window != &FControl) {
        ::SetViewportOrgEx(DC, Origin.x, Origin.y, nullptr);
        ::IntersectClipRect(DC, 0, 0, FControl.Width(), FControl.Height());
    }
    HoldingCanvases().push_back(this);
    SetHandle(DC);
}

void TControlCanvas::FreeDeviceContexts(HWND Window) {
    const std::vector<TControlCanvas*> Canvases = HoldingCanvases();
    for (TControlCanvas* Canvas : Canvases)
        if (!Window || Canvas->FWindowDC->Window() == Window) Canvas->FreeHandle();
}
