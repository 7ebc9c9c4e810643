// TToolBar: a row of tool buttons (TToolButton children) over the system's ToolbarWindow32 control. It can
// show the buttons' captions, wrap them onto more rows, size itself to them (AutoSize) and draw etched
// edges on chosen sides. The program may paint the bar and each button itself through the custom-draw
// events, on the bar's Canvas; setting DefaultDraw to false there replaces the system's drawing.
//
// A button bound to a menu item with sub-items drops that sub-menu when pressed; while it is open, pointing
// at another grouped button with a menu, or the Left and Right keys, switch to that button's menu, as on a
// menu bar.
#pragma once

#include "framework/win/controls/ToolButton.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/windowing/SystemControl.h"

#include <cstdint>
#include <vector>

enum TEdgeBorder : std::uint8_t { ebLeft, ebTop, ebRight, ebBottom };
using TEdgeBorders = TSet<TEdgeBorder>;
extern const TEnumInfo TEdgeBorderInfo;

// The state of a custom-drawn item, bit for bit the system's CDIS_ flags.
enum TCustomDrawStateItem : std::uint8_t {
    cdsSelected,
    cdsGrayed,
    cdsDisabled,
    cdsChecked,
    cdsFocused,
    cdsDefault,
    cdsHot,
    cdsMarked,
    cdsIndeterminate,
    cdsShowKeyboardCues
};
using TCustomDrawState = TSet<TCustomDrawStateItem>;

using TTBCustomDrawEvent = TEvent<TToolBar* /*Sender*/, const TRect& /*Rect*/, bool& /*DefaultDraw*/>;
using TTBCustomDrawBtnEvent =
    TEvent<TToolBar* /*Sender*/, TToolButton* /*Button*/, TCustomDrawState /*State*/, bool& /*DefaultDraw*/>;

class TToolBar : public TSystemControl {
    VSK_CLASS(TToolBar, TSystemControl)

public:
    explicit TToolBar(TComponent* AOwner);
    ~TToolBar() override;

    int ButtonCount() const { return static_cast<int>(FButtons.size()); }
    TToolButton* Buttons(int Index) const;

    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool ShowCaptions() const { return FShowCaptions; }
    void SetShowCaptions(bool Value);
    bool Wrapable() const { return FWrapable; }
    void SetWrapable(bool Value);
    // The bar's height follows its rows of buttons.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TEdgeBorders EdgeBorders() const { return FEdgeBorders; }
    void SetEdgeBorders(TEdgeBorders Value);
    int ButtonHeight() const { return FButtonHeight; }
    void SetButtonHeight(int Value);
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int Value);

    // What the custom-draw events draw on.
    TCanvas& Canvas() { return FCanvas; }

    // Drops the sub-menu of Button's menu item below the button and returns when the menu closes; with
    // ByKeyboard its first item is selected at once, as a menu opened from the keyboard shows. Returns the
    // button whose menu was left with Escape (the keyboard goes back to the bar there), else null.
    TToolButton* TrackMenu(TToolButton* Button, bool ByKeyboard = false);
    // The next enabled, visible button Step places after From (before it for a negative Step; from null,
    // the first or the last), going round the ends; WithMenu: only grouped buttons with a menu. Null
    // when there is none.
    TToolButton* NextButton(TToolButton* From, int Step, bool WithMenu) const;

    TTBCustomDrawEvent OnCustomDraw;
    TTBCustomDrawBtnEvent OnCustomDrawButton;

protected:
    void CreateParams(TCreateParams& Params) override;
    void WindowCreated() override;
    void WndProc(TMessage& Message) override;
    virtual void CustomDraw(const TRect& Rect, bool& DefaultDraw);
    virtual void CustomDrawButton(TToolButton* Button, TCustomDrawState State, bool& DefaultDraw);

private:
    friend class TToolButton;

    // While a button's menu is open: pointing at another grouped menu button closes it to open that one.
    static LRESULT CALLBACK MenuMessageHook(int Code, WPARAM WParam, LPARAM LParam);
    void MenuMouseMove(const POINT& ScreenPoint);
    // A key pressed in the open menu; true when the bar took it.
    bool MenuKey(WPARAM Key);
    void SwitchMenu(TToolButton* Other, bool ByKeyboard);

    void ButtonChanged(TToolButton* Button);
    // Writes all buttons into the system control anew, then places them.
    void WriteButtons();
    void WriteButton(int Index);
    // Moves the button objects to where the system control shows them, and sizes the bar (AutoSize).
    void PlaceButtons();
    TToolButton* FindButton(int Command) const;
    TToolButton* MenuButtonAt(const TPoint& Point) const;
    int EdgeSize(TEdgeBorder Edge) const;
    void StyleChanged();
    void CNNotify(TMessage& Message);
    void CNCommand(TMessage& Message);
    void WMLButtonDown(TMessage& Message);
    void WMEraseBkgnd(TMessage& Message);
    void WMNCCalcSize(TMessage& Message);
    void WMNCPaint(TMessage& Message);
    void WMSize(TMessage& Message);
    void CMControlListChange(TMessage& Message);
    void CMFontChanged(TMessage& Message);

    std::vector<TToolButton*> FButtons;
    bool FFlat = false;
    bool FShowCaptions = false;
    bool FWrapable = true;
    bool FAutoSize = false;
    TEdgeBorders FEdgeBorders{ebTop};
    int FButtonHeight;
    int FButtonWidth;
    int FNextCommand = 1;
    bool FPlacing = false;
    TToolButton* FMenuButton = nullptr; // the button whose menu is open
    TToolButton* FNextMenuButton = nullptr;
    bool FNextByKeyboard = false;
    bool FMenuEscaped = false;
    TCanvas FCanvas;
};
