#pragma once

#include "framework/win/controls/ListView.h"
#include "framework/win/forms/Form.h"

#include <memory>

class CLCmdMgr;
class CLPanel;
struct CLCmd;
class TMemo;

// The program's window: the command history, newest first, with an upper-case editor to add and change commands,
// the preview of the command being looked at, and the buttons for the commands. Every change is written to the
// history file at once, so closing saves nothing; it only asks for confirmation once the program has armed it.
//
// The window and its controls come from the form's stored description (resource TFMMAIN), which binds the
// handlers below by name. The behaviour asks each control only for what every control of its kind offers
// (enabled, visible, height, text, list rows and the selected row), so the controls behind the names can be
// exchanged for others of the same kinds in the description alone.
class TfmMain : public TForm {
    VSK_CLASS(TfmMain, TForm)

public:
    explicit TfmMain(TComponent* AOwner);
    ~TfmMain() override;

    // Whether closing the window asks "Are you sure to quit Vantrel program?" first.
    void SetConfirmQuit(bool bConfirmQuit) { m_bConfirmQuit = bConfirmQuit; }

    // Handlers, bound by name in the description.
    void FormCreate(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void lvCommandChange(TObject* Sender, TListItem* Item, TItemChange Change);
    void lvCommandDblClick(TObject* Sender);
    void memCommandChange(TObject* Sender);
    void btnAddClick(TObject* Sender);
    void btnUpdateClick(TObject* Sender);
    void btnSaveClick(TObject* Sender);
    void btnDelClick(TObject* Sender);
    void btnClearClick(TObject* Sender);
    void btnPasteClick(TObject* Sender);
    void btnCopyClick(TObject* Sender);
    void btnHelpClick(TObject* Sender);
    void btnExitClick(TObject* Sender);

protected:
    void Loaded() override;
    void Destroying() override;

private:
    void ShowEditor(CLCmd* pCmd, bool bForceEdit);
    void FillList(bool bReload, int nSelect);
    void AddCommand();
    void UpdateCommand();
    CLCmd* SelectedCmd() const;
    void CopyMemoText(char* szText) const;
    void SetRow(TListItem* pItem, CLCmd* pCmd);
    void SaveHistory();

    // The controls of the description, found by name once it is read.
    TListView* lvCommand = nullptr;
    TMemo* memCommand = nullptr;
    TControl* btnAdd = nullptr;
    TControl* btnUpdate = nullptr;
    TControl* btnDel = nullptr;
    TControl* btnSave = nullptr;
    TControl* btnPaste = nullptr;
    TControl* btnClear = nullptr;
    TWinControl* pnlPreview = nullptr;
    TWinControl* memEdit = nullptr;

    std::unique_ptr<CLCmdMgr> m_pCmdMgr;
    CLPanel* m_pPanel = nullptr; // deleted by its window
    // Owns the preview only while it has no window (when its window could not be made).
    std::unique_ptr<CLPanel> m_pUnhostedPanel;
    int m_nListHeightEditing = 0; // the list's height in the description
    bool m_bAddMode = false;
    bool m_bConfirmQuit = false;
};

// Registers the component classes the program's window descriptions name. Call once before the first window.
void RegisterProgramClasses();

// The program: initialises the application, creates the main window, arms the quit confirmation and runs the
// message loop until the main window closes. An exception that escapes is shown in the application's exception
// box. Returns the program's exit code, 0.
int RunProgram();
