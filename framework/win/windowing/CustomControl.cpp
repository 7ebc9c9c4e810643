#include "framework/win/windowing/CustomControl.h"

#include "framework/core/Properties.h"
#include "framework/win/windowing/ControlCanvas.h"

VSK_IMPLEMENT_CLASS(TCustomControl)

void TCustomControl::Publish(TPublisher<TCustomControl>&) {}

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(*this)) {}

TCustomControl::~TCustomControl() = default;

TCanvas& TCustomControl::Canvas() {
    return *FCanvas;
}

// Between paints into the kept buffer the canvas stays parked there, its font selected.
void TCustomControl::PaintWindow(HDC DC) {
    TCanvasPaintScope Painting(*FCanvas, DC, DC == PaintBufferDC());
    Paint();
}

void TCustomControl::PaintBufferReleasing() {
    FCanvas->Unpark();
}
