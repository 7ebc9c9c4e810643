// TvskMDIForm: skins an MDI parent form the way TvskForm skins an ordinary one, as a non-visual component:
// the form keeps its MDI client window, and a title bar and a menu band (TvskMDIMenuPanel) sit on the form
// above it. It takes the caption away from the form window and paints the frame, shapes the window, shows
// in its menu bar the active child's menu (or its own), the three control buttons of a maximized child at
// the bar's right end, and cascades and tiles the children by its own rules. The form's window procedure
// and the MDI client's are routed through it while it exists; when it goes, both are handed back.
//
// MDI children carry a TvskForm each: it hides its title bar while maximized and tells the MDI client
// (WM_MDIMAXIMIZE, WM_MDIRESTORE, WM_MDIREFRESHMENU), which this component listens to.
#pragma once

#include "framework/win/forms/Form.h"
#include "skin/controls/Vskmainmenu.h"
#include "skin/frame/Vskformkeys.h"
#include "skin/frame/Vsklifeline.h"
#include "skin/frame/Vskmdimenupanel.h"
#include "skin/frame/Vsktitlebar.h"
#include "skin/themes/Vskthemed.h"

#include <memory>

class TMainMenu;
class TvskForm;
class TvskMenuBar;
class TWindowSubclass;

class TvskMDIForm : public TvskThemed<TComponent>, public TvskKeyTarget, public TvskMenuForm {
    VSK_CLASS(TvskMDIForm, TvskThemed<TComponent>)

public:
    static constexpr const char* NotOnFormMessage = "Sorry, TvskMDIForm must be placed on a form";

    // Takes over AOwner, which must be a form.
    explicit TvskMDIForm(TComponent* AOwner);
    ~TvskMDIForm() override;

    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* Value);
    TColor MenuBarColor() const { return FMenuBarColor; }
    void SetMenuBarColor(TColor Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    // The form's caption; assigning sets the title bar's too.
    std::string Caption() const { return FForm->Caption(); }
    void SetCaption(const std::string& Value);
    bool TitleBarDrawAppIcon() const { return FTitleBar && FTitleBar->DrawAppIcon(); }
    void SetTitleBarDrawAppIcon(bool Value);
    bool TitleBarCustom() const { return FTitleBar && FTitleBar->Custom(); }
    void SetTitleBarCustom(bool Value);
    bool TitleBarVisible() const { return FTitleBar && FTitleBar->Visible(); }
    void SetTitleBarVisible(bool Value);
    TvskTitleBarButtons* TitleBarButtons() const { return FTitleBar ? FTitleBar->Buttons() : nullptr; }
    void SetTitleBarButtons(const TvskTitleBarButtons* Value);
    TvskTitleBarSections* TitleBarSections() const { return FTitleBar ? FTitleBar->Sections() : nullptr; }
    void SetTitleBarSections(const TvskTitleBarSections* Value);
    // Stored for descriptions; the children's captions are the form's business.
    bool TitleBarDrawChildCaptions() const { return FDrawChildCaptions; }
    void SetTitleBarDrawChildCaptions(bool Value) { FDrawChildCaptions = Value; }
    // While true the menu bar shows the active child's menu.
    bool TitleBarDrawChildMenus() const { return FDrawChildMenus; }
    void SetTitleBarDrawChildMenus(bool Value);
    int RoundCorner() const { return FRoundCorner; }
    void SetRoundCorner(int Value);

    TCustomForm* Form() const { return FForm; }
    TvskTitleBar* TitleBar() const { return FTitleBar; }
    TvskMDIMenuPanel* MenuPanel() const { return FMenuPanel; }
    TvskMenuBar* MenuBar() const;
    // The menu the bar shows now, or null.
    TMainMenu* ShownMenu() const { return FShownMenu; }
    int BorderWidth() const { return FBorderWidth; }

    // The skinned form of the active MDI child, or null.
    TvskForm* GetActiveChildVSKForm() const;
    // The menu to show: the active child's (its own, else its skinned form's) while TitleBarDrawChildMenus,
    // else, and when the child has none, Menu.
    TMainMenu* GetMainMenu() const;
    void ShowMenuBar();
    void HideMenuBar();
    // The control buttons of the maximized active child: those of its title bar's minimise, maximise and close.
    void ShowControlButtons();
    void HideControlButtons();
    // Arranges the children that are not minimized: side by side (Vertical) or one above the other.
    void Tile(bool Vertical = true);
    void Cascade();
    void PaintBorder();
    void RegionWindow();
    // Runs the shown menu's item whose shortcut the key message is.
    bool ProcessKeyPress(const TMessage& KeyMessage);

    HWND KeyWindow() const override;
    bool OnApplicationMessage(const MSG& Msg) override;
    void UpdateMenu() override;
    void UpdateTopMenu() override;
    void RepaintMenuBar() override;

    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    void ApplyUIStyle(const TvskThemeSource& Theme) override;
    void Destroying() override;

private:
    void TakeOver();
    void Release();
    void SubclassClient();
    void FormWndProc(TMessage& Message);
    void ClientWndProc(TMessage& Message);
    void FormNCPaint(TMessage& Message);
    void FormActivated(const TMessage& Message);
    void FormRecreated();
    void FormResized();
    void ChildStateChanged();
    void ChildMenuRefreshed();
    bool SwitchChildKey(const MSG& Msg);
    void ControlButtonClick(TObject* Sender);
    void ShowMenu(TMainMenu* Menu);
    TCustomForm* ActiveChild() const;
    // The client area the children share, in the client window's coordinates.
    TRect ChildArea() const;

    TCustomForm* FForm;
    TvskTitleBar* FTitleBar = nullptr;         // owned as a component, on the form
    TvskMDIMenuPanel* FMenuPanel = nullptr;    // owned as a component, on the form
    TMainMenu* FMenu = nullptr;
    TMainMenu* FShownMenu = nullptr;
    std::unique_ptr<TWindowSubclass> FClientSubclass;
    TWndMethod FOldWndProc;
    bool FTookOver = false;
    bool FDestroying = false;
    bool FDrawChildCaptions = true;
    bool FDrawChildMenus = true;
    TColor FMenuBarColor = clWhite;
    TColor FBorderColor = clBlack;
    int FBorderWidth = 1;
    int FRoundCorner = 0;
    TvskLifeline FLifeline;
};
