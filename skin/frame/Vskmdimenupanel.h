// TvskMDIMenuPanel: the band of a skinned MDI parent frame that sits under its title bar: the skinned menu
// bar, and at its right end the three control buttons of a maximized child (minimise, restore, close) cut
// from the "MDI_CONTROL_BUTTON" strip. Hidden while no menu is shown.
#pragma once

#include "framework/win/controls/Panel.h"

#include <array>

class TvskMenuBar;
class TvskToolBarSpeedButton;

// The control buttons by their tag, from the right end of the band.
enum TvskMDIControlButton { vskMDIClose = -1381, vskMDIRestore = -1382, vskMDIMinimize = -1383 };

class TvskMDIMenuPanel : public TCustomPanel {
    VSK_CLASS(TvskMDIMenuPanel, TCustomPanel)

public:
    explicit TvskMDIMenuPanel(TComponent* AOwner);

    TvskMenuBar* MenuBar() const { return FMenuBar; }
    // The panel takes the bar's height.
    void FitToBar();
    // The band's colour, which the bar and the control buttons take too.
    void SetBandColor(TColor Value);
    // Shows or hides one control button.
    void SetControlButtonVisible(TvskMDIControlButton Which, bool Visible);
    bool ControlButtonVisible(TvskMDIControlButton Which) const;
    TvskToolBarSpeedButton* ControlButton(TvskMDIControlButton Which) const;
    void HideControlButtons();

    // A control button was clicked (Sender: the button; its Tag says which).
    TNotifyEvent OnControlButtonClick;

private:
    void ControlButtonClick(TObject* Sender);

    TvskMenuBar* FMenuBar;                                 // owned as a component
    std::array<TvskToolBarSpeedButton*, 3> FControlButtons; // owned as components; close, restore, minimise
};
