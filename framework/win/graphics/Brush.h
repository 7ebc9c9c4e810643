// TBrush: how areas are filled (a solid colour, nothing, a hatch or a bitmap pattern), with the HBRUSH made
// from it. A clear brush also makes text and hatches draw without a background (the canvas's job).
#pragma once

#include "framework/core/Colors.h"
#include "framework/win/graphics/GraphicsObject.h"
#include "framework/win/graphics/HandleOwners.h"

#include <cstdint>
#include <memory>

struct TEnumInfo;
class TBitmap;

// The hatches follow the HS_* order, from bsHorizontal on.
enum TBrushStyle : std::uint8_t {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};
extern const TEnumInfo TBrushStyleInfo;

class TBrush : public TGraphicsObject {
    VSK_CLASS(TBrush, TGraphicsObject)

public:
    TBrush(); // solid white
    ~TBrush() override;

    TColor Color() const { return FColor; }
    // Setting a colour also turns a clear brush solid, so "Brush.Color := x" always fills with x.
    void SetColor(TColor Value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle Value);
    // A pattern brush repeats this bitmap (its own copy; null when there is none). While a bitmap is set it
    // takes precedence over Style and Color.
    const TBitmap* Bitmap() const { return FBitmap.get(); }
    void SetBitmap(const TBitmap* Value);

    // Owned by this object (a stock object for a clear brush); see TFont::Handle for the rules.
    HBRUSH Handle() const;

    void Assign(const TPersistent& Source) override;

private:
    void HandleChanged();

    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    std::unique_ptr<TBitmap> FBitmap;
    mutable TBrushHandle FHandle;
    mutable bool FHandleStale = true;
};
