// TGraphic: what every kind of picture (bitmap, icon) offers: a size, transparency, drawing into a canvas,
// and a stream form.
#pragma once

#include "framework/core/Events.h"
#include "framework/core/Persistent.h"
#include "framework/win/graphics/Geometry.h"

#include <string>

class TCanvas;
class TStream;

class TGraphic : public TPersistent {
    VSK_CLASS(TGraphic, TPersistent)

public:
    TGraphic() = default;
    TGraphic(const TGraphic&) = delete;
    TGraphic& operator=(const TGraphic&) = delete;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int Value) = 0;
    virtual void SetHeight(int Value) = 0;
    virtual bool Empty() const = 0;

    // Whether some pixels are see-through when drawn (which ones is up to the kind of graphic).
    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool Value);

    // The graphic's own file format (BMP, ICO), from the current position.
    virtual void LoadFromStream(TStream& Stream) = 0;
    virtual void SaveToStream(TStream& Stream) const = 0;
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName) const;

    // The form pictures store it in: a 32-bit length, then the SaveToStream bytes, so that a reader can
    // find the end without understanding the format.
    void ReadData(TStream& Stream);
    void WriteData(TStream& Stream) const;

    TNotifyEvent OnChange;

protected:
    friend class TCanvas;
    // Draws the whole graphic into Rect of Canvas, stretched when the sizes differ.
    virtual void Draw(TCanvas& Canvas, const TRect& Rect) const = 0;
    void Changed() { OnChange(this); }

    bool FTransparent = false;
};
