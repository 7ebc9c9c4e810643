// TPicture: a holder for one graphic of any kind (or none), as controls publish it ("Picture", "Glyph").
// It owns its graphic, copies whatever it is given, and passes the graphic's changes on as its own OnChange.
// In window descriptions it is stored as binary "Data": the graphic's class name, then the graphic's data.
#pragma once

#include "framework/core/Events.h"
#include "framework/core/Persistent.h"

#include <memory>

class TBitmap;
class TGraphic;
class TIcon;
class TStream;

class TPicture : public TPersistent {
    VSK_CLASS(TPicture, TPersistent)

public:
    TPicture();
    ~TPicture() override;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    // The graphic held, or null.
    TGraphic* Graphic() const { return FGraphic.get(); }
    // Holds a copy of Value (a new graphic of the same class); null empties the picture.
    void SetGraphic(const TGraphic* Value);
    // The graphic as a bitmap (icon): when the picture holds something else or nothing, it is replaced by
    // a new empty bitmap (icon) first, so the result can always be drawn on or loaded into.
    TBitmap& Bitmap();
    TIcon& Icon();

    int Width() const;
    int Height() const;

    // Copies another picture or takes a copy of a graphic.
    void Assign(const TPersistent& Source) override;

    // The "Data" property.
    void ReadData(TStream& Stream);
    void WriteData(TStream& Stream) const;
    bool HasData() const;

    TNotifyEvent OnChange;

private:
    void Replace(std::unique_ptr<TGraphic> Graphic);
    void Changed() { OnChange(this); }

    std::unique_ptr<TGraphic> FGraphic;
};
