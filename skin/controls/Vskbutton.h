// TvskButton: the skinned push button the program's windows use: the style's button face stretched over the
// whole button with its rounded ends kept, a caption and an optional glyph laid out around it, and a bold
// caption instead of a dotted rectangle for the focus in the MacOS and BlueGlass styles.
//
// TvskArrowButton: the same face with a small black triangle (up or down) instead of a caption.
//
// Both are see-through where the style says so (BlueGlass, MacOS): the parent's background shows round the
// face.
#pragma once

#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/ImageList.h"
#include "skin/controls/Vskcustombutton.h"

#include <cstdint>
#include <memory>

enum TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
extern const TEnumInfo TButtonLayoutInfo;

inline constexpr int VskButtonWidth = 80;
inline constexpr int VskButtonHeight = 27;
inline constexpr int VskDefaultGlyphSpacing = 4;

class TvskButton : public TvskCustomButton {
    VSK_CLASS(TvskButton, TvskCustomButton)

public:
    explicit TvskButton(TComponent* AOwner);
    ~TvskButton() override;

    // A glyph twice as wide as high holds two images: the enabled one, then the disabled one.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    // Always 0; kept so that descriptions that store "ResHandle = 0" load.
    unsigned ResHandle() const { return 0; }
    void SetResHandle(unsigned) {}

protected:
    void PaintPic(TCanvas& Canvas, TvskFaceState State) override;
    void PaintText(TCanvas& Canvas, const std::string& Text) override;
    void PaintFocus(TCanvas& Canvas) override;

private:
    void GlyphChanged(TObject* Sender);
    void PaintGlyph(TCanvas& Canvas);

    std::unique_ptr<TBitmap> FGlyph;
    std::unique_ptr<TImageList> FGlyphImages; // the glyph masked by its top-left pixel; null without a glyph
    bool FGlyphPair = false;
    TButtonLayout FLayout = blGlyphLeft;
    int FSpacing = VskDefaultGlyphSpacing;
    TPoint FTextPos{0, 0}; // where PaintPic put the caption next to the glyph
};

enum TvskArrowButtonType : std::uint8_t { vskUp, vskDown };
extern const TEnumInfo TvskArrowButtonTypeInfo;

class TvskArrowButton : public TvskCustomButton {
    VSK_CLASS(TvskArrowButton, TvskCustomButton)

public:
    explicit TvskArrowButton(TComponent* AOwner);

    TvskArrowButtonType Arrow() const { return FArrow; }
    void SetArrow(TvskArrowButtonType Value);

protected:
    void PaintPic(TCanvas& Canvas, TvskFaceState State) override;
    void PaintText(TCanvas&, const std::string&) override {}

private:
    TvskArrowButtonType FArrow = vskUp;
};
