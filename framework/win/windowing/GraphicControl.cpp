#include "framework/win/windowing/GraphicControl.h"

#include "framework/core/Properties.h"
#include "framework/win/windowing/ControlCanvas.h"

VSK_IMPLEMENT_CLASS(TGraphicControl)

void TGraphicControl::Publish(TPublisher<TGraphicControl>&) {}

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(*this)) {}

TGraphicControl::~TGraphicControl() = default;

TCanvas& TGraphicControl::Canvas() {
    return *FCanvas;
}

void TGraphicControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_PAINT: WMPaint(Message); break;
    default: inherited::WndProc(Message); break;
    }
}

void TGraphicControl::WMPaint(TMessage& Message) {
    const TBorrowedDC DC = MessageDC(Message);
    if (!DC) return;
    TCanvasPaintScope Painting(*FCanvas, DC.Get());
    Paint();
}
