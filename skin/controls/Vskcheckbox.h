// TvskCheckBox: a check box whose mark is a frame of the style's four-frame check strip (checked or not,
// enabled or not), with its caption beside it. It sizes itself to mark and caption while AutoSize is on.
//
// TvskRadioButton: the same with the radio strip; checking one unchecks the other radio buttons of its
// parent that share its GroupIndex, and it checks itself when it receives the focus.
#pragma once

#include "framework/win/graphics/Bitmap.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/windowing/CustomControl.h"
#include "skin/themes/Vskthemed.h"

#include <array>

inline constexpr int VskCheckBoxWidth = 93;
inline constexpr int VskCheckBoxHeight = 17;

class TvskCheckBox : public TvskThemed<TCustomControl> {
    VSK_CLASS(TvskCheckBox, TvskThemed<TCustomControl>)

public:
    explicit TvskCheckBox(TComponent* AOwner);
    ~TvskCheckBox() override;

    bool Checked() const { return FChecked; }
    // A change repaints and fires OnClick (not while the component is being loaded).
    virtual void SetChecked(bool Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    // See-through box: what lies behind it shows round the mark and the caption (the items of a see-through
    // button group).
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);

    void Click() override;

protected:
    // Whether the focus rectangle is drawn now: while focused, on a box the Tab key stops at.
    virtual bool ShowsFocus() const;
    // The strip of the mark and whether its mask colour is see-through.
    virtual int MarkThemeIndex() const;
    virtual bool MarkTransparent() const { return false; }
    // Space or Enter let go while focused (the radio button leaves that to the focus).
    virtual bool ClicksOnKeyUp() const { return true; }

    void ApplyUIStyle(const TvskThemeSource& Theme) override;
    void Paint() override;
    void WndProc(TMessage& Message) override;

private:
    const TBitmap& Mark() const;
    void ApplyAutoSize();
    void WMKeyDown(TMessage& Message);
    void WMKeyUp(TMessage& Message);
    void CMDialogChar(TMessage& Message);

    bool FChecked = false;
    bool FAutoSize = true;
    bool FTransparent = false;
    WPARAM FKeyPressed = 0; // Space or Enter pressed on this control and not let go yet
    // The marks by [checked][enabled], cut at the last style application.
    std::array<std::array<TBitmap, 2>, 2> FMarks;
};

class TvskRadioButton : public TvskCheckBox {
    VSK_CLASS(TvskRadioButton, TvskCheckBox)

public:
    explicit TvskRadioButton(TComponent* AOwner);

    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value) { FGroupIndex = Value; }
    void SetChecked(bool Value) override;
    void Click() override;

protected:
    int MarkThemeIndex() const override;
    bool MarkTransparent() const override { return true; }
    bool ClicksOnKeyUp() const override { return false; }
    void WndProc(TMessage& Message) override;

private:
    void UncheckGroup();
    void WMSetFocus(TMessage& Message);

    int FGroupIndex = 0;
};
