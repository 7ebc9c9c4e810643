#include "framework/win/graphics/Pen.h"

#include "framework/core/Properties.h"
#include "framework/win/graphics/ColorConversion.h"
#include "framework/win/graphics/GraphicsExceptions.h"

const TEnumInfo TPenStyleInfo{"TPenStyle",
                              {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"}};
const TEnumInfo TPenModeInfo{"TPenMode",
                             {"pmBlack", "pmNotMerge", "pmMaskNotPen", "pmNotCopy", "pmMaskPenNot", "pmNot", "pmXor",
                              "pmNotMask", "pmMask", "pmNotXor", "pmNop", "pmMergeNotPen", "pmCopy", "pmMergePenNot",
                              "pmMerge", "pmWhite"}};

VSK_IMPLEMENT_CLASS(TPen)

void TPen::Publish(TPublisher<TPen>& p) {
    p.Color("Color", &TPen::Color, &TPen::SetColor).Default(clBlack);
    p.Enum("Mode", &TPen::Mode, &TPen::SetMode, TPenModeInfo).Default(pmCopy);
    p.Enum("Style", &TPen::Style, &TPen::SetStyle, TPenStyleInfo).Default(psSolid);
    p.Int("Width", &TPen::Width, &TPen::SetWidth).Default(1);
}

void TPen::HandleChanged() {
    FHandleStale = true;
    Changed();
}

void TPen::SetColor(TColor Value) {
    if (Value == FColor) return;
    FColor = Value;
    HandleChanged();
}

void TPen::SetWidth(int Value) {
    if (Value == FWidth || Value < 0) return;
    FWidth = Value;
    HandleChanged();
}

void TPen::SetStyle(TPenStyle Value) {
    if (Value == FStyle) return;
    FStyle = Value;
    HandleChanged();
}

void TPen::SetMode(TPenMode Value) {
    if (Value == FMode) return;
    FMode = Value;
    Changed(); // the mode is a DC setting, not part of the HPEN
}

int TPen::Rop2() const {
    return R2_BLACK + FMode;
}

HPEN TPen::Handle() const {
    if (FHandleStale || !FHandle) {
        // TPenStyle follows the PS_* order, so the ordinal is the style code.
        FHandle.Reset(::CreatePen(FStyle, FWidth, ColorToRGB(FColor)));
        if (!FHandle) throw EOutOfResources();
        FHandleStale = false;
    }
    return FHandle.Get();
}

void TPen::Assign(const TPersistent& Source) {
    const auto* Other = dynamic_cast<const TPen*>(&Source);
    if (!Other) {
        inherited::Assign(Source);
        return;
    }
    FColor = Other->FColor;
    FWidth = Other->FWidth;
    FStyle = Other->FStyle;
    FMode = Other->FMode;
    HandleChanged();
}
