// TStatusBar: the strip at the bottom of a form over the system's msctls_statusbar32 control, divided into
// Panels, or showing one text across its width (SimplePanel, SimpleText). Panels of style psOwnerDraw are
// painted by OnDrawPanel on the status bar's Canvas. The size grip shows only on a form that can be sized.
#pragma once

#include "framework/win/controls/StatusPanels.h"
#include "framework/win/graphics/Canvas.h"
#include "framework/win/windowing/SystemControl.h"

#include <memory>
#include <string>

using TDrawPanelEvent = TEvent<TStatusBar* /*StatusBar*/, TStatusPanel* /*Panel*/, const TRect& /*Rect*/>;

class TStatusBar : public TSystemControl {
    VSK_CLASS(TStatusBar, TSystemControl)

public:
    explicit TStatusBar(TComponent* AOwner);
    ~TStatusBar() override;

    TStatusPanels* Panels() const { return FPanels.get(); }
    void SetPanels(const TStatusPanels* Value);
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool Value);
    const std::string& SimpleText() const { return FSimpleText; }
    void SetSimpleText(const std::string& Value);
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool Value);
    // The system's status bar font; choosing another font switches it off.
    bool UseSystemFont() const { return FUseSystemFont; }
    void SetUseSystemFont(bool Value);

    // The canvas OnDrawPanel draws on.
    TCanvas& Canvas() { return FCanvas; }

    TDrawPanelEvent OnDrawPanel;

protected:
    void CreateParams(TCreateParams& Params) override;
    void WindowCreated() override;
    void WndProc(TMessage& Message) override;
    virtual void DrawPanel(TStatusPanel* Panel, const TRect& Rect);

private:
    friend class TStatusPanels;

    void PanelsChanged(TStatusPanel* Panel);
    void WriteParts();
    void WritePanelText(int Index);
    void WriteSimpleText();
    void WriteColor();
    void ApplySystemFont();
    bool ShowsSizeGrip() const;
    void CNDrawItem(TMessage& Message);
    void CMFontChanged(TMessage& Message);

    std::unique_ptr<TStatusPanels> FPanels;
    bool FSimplePanel = false;
    std::string FSimpleText;
    bool FSizeGrip = true;
    bool FUseSystemFont = true;
    bool FApplyingSystemFont = false;
    TCanvas FCanvas;
};
