// TImageList: a list of equally sized images, each with a mask, drawn at a point either as they are or greyed
// (the disabled look of a glyph).
//
// The images are kept side by side in one bitmap, their masks as one see-through flag per pixel; drawing goes
// through monochrome mask blits, so masked pixels leave the destination exactly as it was. The colours of
// masked pixels are kept too: GetBitmap returns an image as it was added.
#pragma once

#include "framework/core/Colors.h"
#include "framework/core/Component.h"
#include "framework/core/Events.h"
#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/MaskedBlit.h"

#include <cstdint>
#include <vector>

class TCanvas;

class TImageList : public TComponent {
    VSK_CLASS(TImageList, TComponent)

public:
    static constexpr int DefaultSize = 16;

    explicit TImageList(TComponent* AOwner);
    TImageList(TComponent* AOwner, int Width, int Height);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Changing the image size empties the list.
    void SetWidth(int Value);
    void SetHeight(int Value);
    int Count() const { return FCount; }

    // Adds Image, cut into as many images as it is wide (Width() pixels each; a remainder on the right is
    // dropped), masked by Mask: white mask pixels are see-through. Without a mask the images are opaque.
    // Returns the index of the first image added, -1 when Image is narrower than one image.
    int Add(const TBitmap& Image, const TBitmap* Mask);
    // The same, with every pixel of MaskColor see-through.
    int AddMasked(const TBitmap& Image, TColor MaskColor);
    void Clear();

    // Draws image Index with its top-left corner at (X, Y). Disabled, each visible pixel is drawn in the grey
    // of its brightness. An index outside the list draws nothing.
    void Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled = true) const;
    // Dest becomes a 24-bit copy of image Index (also its masked pixels, in their own colours).
    void GetBitmap(int Index, TBitmap& Dest) const;

    TNotifyEvent OnChange;

private:
    void SetSize(int Width, int Height);
    // Copies the images of Image into the list; SeeThrough says for each pixel of Image whether it is masked.
    int AddImages(const TBitmap& Image, const TMaskPredicate& SeeThrough);
    bool IsSeeThrough(int Index, int X, int Y) const;

    int FWidth;
    int FHeight;
    int FCount = 0;
    TBitmap FImages;                  // the images side by side
    std::vector<std::uint8_t> FMasks; // per image, row by row: 1 where the pixel is see-through
};
