// TvskToolBarSpeedButton: the flat 18 x 18 glyph button of skinned tool bars: its colour as background, the
// glyph (masked by its top-left pixel, greyed while disabled) at (1, 1), a black frame while the pointer is
// over it.
#pragma once

#include "framework/win/controls/Panel.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/graphics/ImageList.h"
#include "skin/themes/Vskthemed.h"

#include <memory>

inline constexpr int VskSpeedButtonSize = 18;

class TvskToolBarSpeedButton : public TvskThemed<TCustomPanel> {
    VSK_CLASS(TvskToolBarSpeedButton, TvskThemed<TCustomPanel>)

public:
    explicit TvskToolBarSpeedButton(TComponent* AOwner);
    ~TvskToolBarSpeedButton() override;

    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* Value);
    bool MouseOn() const { return FMouseOn; }

protected:
    void ApplyUIStyle(const TvskThemeSource&) override { Invalidate(); }
    void Paint() override;
    void WndProc(TMessage& Message) override;

private:
    void GlyphChanged(TObject* Sender);
    void SetMouseOn(bool Value);

    std::unique_ptr<TBitmap> FGlyph;
    std::unique_ptr<TImageList> FGlyphImages; // null without a glyph
    bool FMouseOn = false;
};
