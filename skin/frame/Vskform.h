// TvskForm: turns the form it is dropped on (the host form) into a skinned window. It is a panel filling
// the host's client area; it takes the system caption away from the host window, paints the remaining
// frame itself, shapes the window with rounded top corners, and carries a TvskTitleBar as its first child
// (caption, caption buttons, moving) and, when given a Menu, a skinned menu bar below it. The host's
// window procedure is routed through the form for as long as the form exists; when it goes, the host is an
// ordinary captioned window again.
#pragma once

#include "framework/win/controls/Panel.h"
#include "framework/win/graphics/Brush.h"
#include "skin/controls/Vskmainmenu.h"
#include "skin/frame/Vskformkeys.h"
#include "skin/frame/Vsklifeline.h"
#include "skin/frame/Vskmenubar.h"
#include "skin/frame/Vsktitlebar.h"
#include "skin/themes/Vskcustomform.h"

class TCustomForm;
class TCustomPanel;
class TMainMenu;

class TvskForm : public TvskCustomForm, public TvskKeyTarget, public TvskMenuForm {
    VSK_CLASS(TvskForm, TvskCustomForm)

public:
    // The error a second skinned form on one host raises.
    static constexpr const char* OnlyOneMessage = "Sorry, You can create only one TvskForm component in one form!";

    // Takes over AOwner when it is a form.
    explicit TvskForm(TComponent* AOwner);
    ~TvskForm() override;

    bool TitleBarCustom() const { return FTitleBar && FTitleBar->Custom(); }
    void SetTitleBarCustom(bool Value);
    bool UIStyleAutoUpdateSub() const { return FUIStyleAutoUpdateSub; }
    void SetUIStyleAutoUpdateSub(bool Value) { FUIStyleAutoUpdateSub = Value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    bool TitleBarVisible() const { return FTitleBar && FTitleBar->Visible(); }
    void SetTitleBarVisible(bool Value);
    // The title bar's caption; assigning sets the host window's text too.
    std::string Caption() const { return FTitleBar ? FTitleBar->Caption() : std::string(); }
    void SetCaption(const std::string& Value);
    TCustomPanel* FormPanel() const { return FFormPanel; }
    void SetPanel(TCustomPanel* Value);
    TvskTitleBarButtons* TitleBarButtons() const { return FTitleBar ? FTitleBar->Buttons() : nullptr; }
    void SetTitleBarButtons(const TvskTitleBarButtons* Value);
    TvskTitleBarSections* TitleBarSections() const { return FTitleBar ? FTitleBar->Sections() : nullptr; }
    void SetTitleBarSections(const TvskTitleBarSections* Value);
    bool TitleBarDrawAppIcon() const { return FTitleBar && FTitleBar->DrawAppIcon(); }
    void SetTitleBarDrawAppIcon(bool Value);
    // The caption font (the title bar's).
    TFont* TitleFont() const;
    void SetTitleFont(const TFont* Value);
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* Value);
    TColor MenuBarColor() const { return FMenuBarColor; }
    void SetMenuBarColor(TColor Value);
    int MenuBarHeight() const { return FMenuBarHeight; }
    void SetMenuBarHeight(int Value);
    // Reads 0 while the title bar is hidden.
    int RoundCorner() const { return TitleBarVisible() ? FTitleBar->RoundCorner() : 0; }
    void SetRoundCorner(int Value);
    std::string Version() const { return "5.4"; }
    void SetVersion(const std::string&) {}

    TvskTitleBar* TitleBar() const { return FTitleBar; }
    TvskMenuBar* MenuBar() const { return FMenuBar; }
    TCustomForm* HostForm() const { return FHostForm; }
    // The host's window, or null when it has none (or the form took nothing over).
    HWND HostWindow() const;

    // Paints the host window's frame now.
    void PaintFormBorder();
    // Gives the host window its shape anew.
    void RegionWindow();
    // Takes the caption bits away from the host window again, when it has them.
    void ReAssign();
    HWND KeyWindow() const override { return HostWindow(); }
    // A key message of the host's thread, before it is handled: true when the form handled it.
    bool OnApplicationMessage(const MSG& Msg) override;
    // Runs the Menu item whose shortcut the key message is, while the host is the active, focused form.
    bool ProcessKeyPress(const TMessage& KeyMessage);
    // Opens the title bar's system menu below the caption at the window's left edge.
    void PopupSystemMenu();
    bool GetMDIChild() const;

    // The menu bar: one button per top-level item of Menu, anew; the items' captions and states; the menu's
    // font. An MDI child shows its menu in its parent's bar, which these ask to show it anew.
    void UpdateMenu() override;
    void UpdateTopMenu() override;
    void RepaintMenuBar() override;

    TvskTitleBarButtonClickEvent OnTitleBarCustomBtnsClick;
    TvskTitleBarButtonClickEvent OnTitleBarHelpBtnClick;

    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    void ApplyUIStyle(const TvskThemeSource& Theme) override;
    void FileThemeRemoved() override;
    void Paint() override;
    void Resize() override;
    void WndProc(TMessage& Message) override;
    void Destroying() override;

private:
    void TakeOver(TCustomForm& Host);
    void Release();
    void NewParentWndProc(TMessage& Message);
    void HostActivated(const TMessage& Message);
    void HostNCPaint(TMessage& Message);
    void PaintMessage(TMessage& Message);
    void HostResized();
    // The MDI side of an MDI child host: its parent's bar and control buttons follow it.
    void MDIChildActivated(const TMessage& Message);
    void MDIChildResized();
    void ShiftUnalignedChildren(int DeltaY);
    void RefreshParentMenu();
    void ApplyMenuBarColor(const TvskThemeSource& Theme);
    void LoadTexture();
    void TitleBarCustomClick(TObject* Sender, int ButtonIndex);
    void TitleBarHelpClick(TObject* Sender, int ButtonIndex);

    // The menu bar.
    void CreateMenuBar();
    void DestroyMenuBar();

    TvskTitleBar* FTitleBar = nullptr; // owned as a component
    TvskMenuBar* FMenuBar = nullptr;   // owned as a component
    TCustomForm* FHostForm = nullptr;
    TCustomPanel* FFormPanel = nullptr;
    TMainMenu* FMenu = nullptr;
    TWndMethod FOldWndProc;
    bool FUIStyleAutoUpdateSub = false;
    bool FDestroying = false;
    int FScreenPaints = 0; // the panel's own paints on the screen under way
    TBrush FTexture;       // the style's background texture; no bitmap for a plain colour
    bool FTookOver = false;
    TRect FCreateBounds;
    bool FStartMaximized = false;
    // A maximized MDI child has hidden its title bar and moved its free-standing children up.
    bool FChildScrolled = false;
    TColor FBorderColor = clBlack;
    int FBorderWidth = 1;
    TColor FMenuBarColor = clWhite;
    int FMenuBarHeight;
    UINT FSystemMenuMessage;
    TvskLifeline FLifeline;
};
