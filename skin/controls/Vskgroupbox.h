// TvskCustomGroupBox / TvskGroupBox: a captioned frame round child controls, in the style's control border and
// font colours. The frame is one line half a text height below the top, with a gap where the caption sits;
// aligned children are laid out inside it, below the caption. Enabling or disabling the box does the same to
// every child, and a disabled box writes its caption in grey.
//
// The caption is the box's own text, apart from the window text (which a new box sets to one blank), so that
// an empty caption is a closed frame.
#pragma once

#include "skin/controls/Vskimagepanel.h"
#include "skin/themes/Vskthemed.h"

#include <string>

inline constexpr int VskGroupBoxWidth = 185;
inline constexpr int VskGroupBoxHeight = 105;

class TvskCustomGroupBox : public TvskThemed<TvskCustomPanel> {
    VSK_CLASS(TvskCustomGroupBox, TvskThemed<TvskCustomPanel>)

public:
    explicit TvskCustomGroupBox(TComponent* AOwner);
    ~TvskCustomGroupBox() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    // The colour of Font, which the style sets.
    TColor FontColor() const;
    void SetFontColor(TColor Value);

    void SetEnabled(bool Value) override;

protected:
    // The style reaches the direct children first, then the frame and font colours are read.
    void ApplyUIStyle(const TvskThemeSource& Theme) override;
    void AdjustClientRect(TRect& Rect) override;
    void Paint() override;
    void WndProc(TMessage& Message) override;

    // |Font height|: the frame line, the caption band and the children's area are measured in it.
    int FontHeight() const;

private:
    void CMFontChanged(TMessage& Message);

    std::string FCaption;
    TColor FBorderColor = clBlack;
};

class TvskGroupBox : public TvskCustomGroupBox {
    VSK_CLASS(TvskGroupBox, TvskCustomGroupBox)

public:
    explicit TvskGroupBox(TComponent* AOwner) : inherited(AOwner) {}
};
