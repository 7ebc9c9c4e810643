#include "skin/controls/Vskbufferedcanvas.h"

TCanvas& TvskBufferedCanvas::Begin(TCanvas& Target, int Width, int Height) {
    if (!FBuffer || FBuffer->Width() != Width || FBuffer->Height() != Height) {
        Release();
        FBuffer = std::make_unique<TOffscreenBuffer>(Target.Handle(), Width, Height);
        FCanvas.SetHandle(FBuffer->DC());
    }
    FCanvas.Brush().SetStyle(bsSolid); // the last paint may have left a hollow brush for its text
    return FCanvas;
}

void TvskBufferedCanvas::CopyTo(TCanvas& Target) const {
    if (FBuffer) FBuffer->CopyTo(Target.Handle());
}

void TvskBufferedCanvas::Release() {
    FCanvas.SetHandle(nullptr);
    FBuffer.reset();
}

void TvskBufferedCanvas::UseFont(TCanvas& Canvas, const TFont& Font) {
    TFont& Own = Canvas.Font();
    Own.SetName(Font.Name());
    Own.SetHeight(Font.Height());
    Own.SetStyle(Font.Style());
    Own.SetColor(Font.Color());
    Own.SetCharset(Font.Charset());
    Own.SetPitch(Font.Pitch());
}
