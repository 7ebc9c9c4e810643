#include "framework/win/graphics/Brush.h"

#include "framework/core/Properties.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/ColorConversion.h"
#include "framework/win/graphics/GraphicsExceptions.h"

const TEnumInfo TBrushStyleInfo{
    "TBrushStyle",
    {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"}};

VSK_IMPLEMENT_CLASS(TBrush)

void TBrush::Publish(TPublisher<TBrush>& p) {
    p.Color("Color", &TBrush::Color, &TBrush::SetColor).Default(clWhite);
    p.Enum("Style", &TBrush::Style, &TBrush::SetStyle, TBrushStyleInfo).Default(bsSolid);
}

TBrush::TBrush() = default;
TBrush::~TBrush() = default;

void TBrush::HandleChanged() {
    FHandleStale = true;
    Changed();
}

void TBrush::SetColor(TColor Value) {
    if (Value == FColor && FStyle != bsClear) return;
    FColor = Value;
    if (FStyle == bsClear) FStyle = bsSolid;
    HandleChanged();
}

void TBrush::SetStyle(TBrushStyle Value) {
    if (Value == FStyle) return;
    FStyle = Value;
    HandleChanged();
}

void TBrush::SetBitmap(const TBitmap* Value) {
    if (Value && !Value->Empty()) {
        if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
        FBitmap->Assign(*Value);
    } else {
        FBitmap.reset();
    }
    HandleChanged();
}

HBRUSH TBrush::Handle() const {
    if (!FBitmap && FStyle == bsClear) return StockBrush(NULL_BRUSH).Get();
    if (FHandleStale || !FHandle) {
        if (FBitmap)
            FHandle.Reset(::CreatePatternBrush(FBitmap->Handle())); // GDI copies the pattern
        else if (FStyle == bsSolid)
            FHandle.Reset(::CreateSolidBrush(ColorToRGB(FColor)));
        else
            FHandle.Reset(::CreateHatchBrush(HS_HORIZONTAL + (FStyle - bsHorizontal), ColorToRGB(FColor)));
        if (!FHandle) throw EOutOfResources();
        FHandleStale = false;
    }
    return FHandle.Get();
}

void TBrush::Assign(const TPersistent& Source) {
    const auto* Other = dynamic_cast<const TBrush*>(&Source);
    if (!Other) {
        inherited::Assign(Source);
        return;
    }
    FColor = Other->FColor;
    FStyle = Other->FStyle;
    SetBitmap(Other->FBitmap.get()); // announces the change
}
