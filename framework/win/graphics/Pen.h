// TPen: colour, width, line style and raster mode of lines and outlines, with the HPEN made from them.
#pragma once

#include "framework/core/Colors.h"
#include "framework/win/graphics/GraphicsObject.h"
#include "framework/win/graphics/HandleOwners.h"

#include <cstdint>

struct TEnumInfo;

// In the order of the PS_* styles they stand for.
enum TPenStyle : std::uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
extern const TEnumInfo TPenStyleInfo;

// How the pen combines with what is already drawn (SetROP2), in the order of the R2_* codes minus one.
enum TPenMode : std::uint8_t {
    pmBlack,
    pmNotMerge,
    pmMaskNotPen,
    pmNotCopy,
    pmMaskPenNot,
    pmNot,
    pmXor,
    pmNotMask,
    pmMask,
    pmNotXor,
    pmNop,
    pmMergeNotPen,
    pmCopy,
    pmMergePenNot,
    pmMerge,
    pmWhite
};
extern const TEnumInfo TPenModeInfo;

class TPen : public TGraphicsObject {
    VSK_CLASS(TPen, TGraphicsObject)

public:
    TPen() = default; // black, one pixel, solid, copy

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle Value);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode Value);
    // The R2_* code of Mode, for SetROP2.
    int Rop2() const;

    // Owned by this object; see TFont::Handle for the rules.
    HPEN Handle() const;

    void Assign(const TPersistent& Source) override;

private:
    void HandleChanged();

    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
    mutable TPenHandle FHandle;
    mutable bool FHandleStale = true;
};
