// TIcon: an icon (HICON) read from an ICO file, a stream or the program's icon resources. The ICO data is
// kept, so the icon can be written back unchanged; of its images the one of the wanted size is used.
// Icons are always drawn transparently (through their own mask).
#pragma once

#include "framework/win/graphics/Graphic.h"
#include "framework/win/graphics/HandleOwners.h"

#include <cstdint>
#include <vector>

class TIcon : public TGraphic {
    VSK_CLASS(TIcon, TGraphic)

public:
    TIcon();

    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    // The size comes with the image: EInvalidGraphicOperation.
    void SetWidth(int Value) override;
    void SetHeight(int Value) override;
    bool Empty() const override { return !FHandle; }

    // Owned by the icon.
    HICON Handle() const { return FHandle.Get(); }

    // Which of the file's images to use: its width in pixels (0: the system's icon size). Applies to the
    // next load.
    int RequestedSize() const { return FRequestedSize; }
    void SetRequestedSize(int Value) { FRequestedSize = Value; }

    // An ICO file, from the current position to the end of the stream (nothing: an empty icon).
    void LoadFromStream(TStream& Stream) override;
    void SaveToStream(TStream& Stream) const override;
    // The RT_GROUP_ICON resource Name of Instance at Size pixels (0: the system's icon size); EResNotFound
    // when it is missing.
    void LoadFromResourceName(HINSTANCE Instance, const char* Name, int Size = 0);

    void Assign(const TPersistent& Source) override;

protected:
    void Draw(TCanvas& Canvas, const TRect& Rect) const override;

private:
    void LoadFromData(std::vector<std::uint8_t> Data);
    void Clear();

    std::vector<std::uint8_t> FData; // the ICO file
    TIconHandle FHandle;
    int FWidth = 0;
    int FHeight = 0;
    int FRequestedSize = 0;
};
