// TToolButton: one button of a tool bar. The tool bar's system control draws and presses it; the button
// object keeps its settings and its place (its bounds follow where the tool bar puts it).
//
// A button bound to a menu item (MenuItem) shows the item's caption and enabled state as they are when it
// is bound; clicking it drops the item's sub-menu below it, or runs the item when it has no sub-items.
#pragma once

#include "framework/win/windowing/GraphicControl.h"

#include <cstdint>

class TMenuItem;
class TToolBar;

struct TEnumInfo;

enum TToolButtonStyle : std::uint8_t { tbsButton, tbsSeparator };
extern const TEnumInfo TToolButtonStyleInfo;

class TToolButton : public TGraphicControl {
    VSK_CLASS(TToolButton, TGraphicControl)

public:
    explicit TToolButton(TComponent* AOwner);
    ~TToolButton() override;

    // The tool bar the button is on, or null.
    TToolBar* ToolBar() const;
    // The button's position on its tool bar, -1 when on none.
    int Index() const;

    // As wide as its caption (otherwise the tool bar's ButtonWidth).
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    // One of a group of neighbouring buttons: while the menu of one is open, pointing at another opens its.
    bool Grouped() const { return FGrouped; }
    void SetGrouped(bool Value);
    TToolButtonStyle Style() const { return FStyle; }
    void SetStyle(TToolButtonStyle Value);
    TMenuItem* MenuItem() const { return FMenuItem; }
    void SetMenuItem(TMenuItem* Value);

    // A height given to a button is the tool bar's button height (and a width, without AutoSize, its
    // button width): all buttons of a bar are alike.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Click() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    void WndProc(TMessage& Message) override;

private:
    friend class TToolBar;

    // The tool bar moves the button to where its system control shows it.
    void Place(const TRect& Bounds);
    void Changed();

    bool FAutoSize = false;
    bool FGrouped = false;
    TToolButtonStyle FStyle = tbsButton;
    TMenuItem* FMenuItem = nullptr;
    int FCommand = 0; // the button's id in its tool bar's system control
    bool FPlacing = false;
};
