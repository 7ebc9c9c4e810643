// TCustomLabel / TLabel: text on the parent's background. A label sizes itself to its text (AutoSize),
// aligns and wraps it, can let the parent show through (Transparent), and passes its accelerator to
// FocusControl.
#pragma once

#include "framework/win/windowing/GraphicControl.h"

#include <cstdint>

class TWinControl;

enum TTextLayout : std::uint8_t { tlTop, tlCenter, tlBottom };
extern const TEnumInfo TTextLayoutInfo;

class TCustomLabel : public TGraphicControl {
    VSK_CLASS(TCustomLabel, TGraphicControl)

public:
    explicit TCustomLabel(TComponent* AOwner);

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    bool Transparent() const { return !ControlStyle().Contains(csOpaque); }
    void SetTransparent(bool Value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);

    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;

protected:
    void Paint() override;
    void WndProc(TMessage& Message) override;
    // Sizes the label to its text (when AutoSize), keeping the side its alignment holds to.
    void AdjustBounds();

private:
    UINT DrawFlags() const;
    void DrawCaption(TCanvas& Canvas, TRect& Rect, UINT Flags);
    void CMDialogChar(TMessage& Message);
    void TextOrFontChanged();

    bool FAutoSize = true;
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
    VSK_CLASS(TLabel, TCustomLabel)

public:
    explicit TLabel(TComponent* AOwner);
};
