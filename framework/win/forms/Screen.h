// TScreen (the global Screen): what the program needs to know about the display and its own forms: the
// work area (of the primary monitor, or of the monitor nearest a window), the desktop, the system's menu
// font, the forms and which of them is active, the focused control, and the cursor shown for the whole
// application (crDefault: each control's own).
#pragma once

#include "framework/core/Component.h"
#include "framework/win/graphics/Geometry.h"
#include "framework/win/windowing/ControlTypes.h"

#include <memory>
#include <vector>

class TCustomForm;
class TFont;
class TWinControl;

class TScreen : public TComponent {
    VSK_CLASS(TScreen, TComponent)

public:
    explicit TScreen(TComponent* AOwner);
    ~TScreen() override;

    // The primary monitor's work area (without the taskbar), and the work area of the monitor nearest Window.
    TRect WorkAreaRect() const;
    TRect MonitorWorkAreaRect(HWND Window) const;
    // The whole virtual desktop, all monitors.
    TRect DesktopRect() const;
    int Width() const;
    int Height() const;

    // The font of menus, as the system sets it.
    TFont* MenuFont();

    int FormCount() const { return static_cast<int>(FForms.size()); }
    TCustomForm* Forms(int Index) const;
    TCustomForm* ActiveForm() const { return FActiveForm; }
    TWinControl* ActiveControl() const { return FActiveControl; }

    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    // The system cursor for a cursor value (shared: never destroyed); null for crNone.
    HCURSOR Cursors(TCursor Cursor) const;

private:
    friend class TCustomForm;

    void AddForm(TCustomForm* Form);
    void RemoveForm(TCustomForm* Form);
    void SetActiveForm(TCustomForm* Form);
    void SetActiveControl(TWinControl* Control);
    void DefocusControl(TWinControl* Control);

    std::vector<TCustomForm*> FForms;
    TCustomForm* FActiveForm = nullptr;
    TWinControl* FActiveControl = nullptr;
    TCursor FCursor = crDefault;
    std::unique_ptr<TFont> FMenuFont;
};

extern TScreen* Screen;
