#pragma once

#include "framework/win/controls/ListView.h"
#include "framework/win/forms/Form.h"

#include <functional>
#include <memory>
#include <string>

class CLCmdMgr;
class CLPanel;
struct CLCmd;
class TCommandMenu;
class TfmFind;
class TLookChoice;
class TMenuItem;
class TvskForm;
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

    // The everyday commands beyond the buttons (MainCommands.cpp): the list's context menu and the keys of the
    // window (Ctrl+F find, F3 and Shift+F3 find next and previous, Ctrl+Z undo delete).
    TCommandMenu* CommandMenu() const { return m_pCommandMenu; }
    TfmFind* FindBox() const { return m_pFindBox; }
    void ShowFind();
    // Selects the next (or previous) row holding the find box's text, as a click would; false when none does,
    // which the find box then says.
    bool FindNext(bool bForward);
    // Puts the most recently deleted command back at its place and selects it; false when none is left.
    bool UndoDelete();
    bool ExportTo(const std::string& sPath);
    bool ImportFrom(const std::string& sPath);
    // Whether the editor keeps the case of text between apostrophes (remembered in vantrel.ini).
    bool QuotedCase() const { return m_bQuotedCase; }
    void SetQuotedCase(bool bQuotedCase);
    // Asks for the file to export to (bSave) or import from; the system's file dialog unless replaced.
    std::function<bool(bool bSave, std::string& sPath)> ChooseFile;

    void FormKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    void CommandMenuPopup(TObject* Sender);
    void CopyCommandClick(TObject* Sender);
    void UndoDeleteClick(TObject* Sender);
    void FindClick(TObject* Sender);
    void ExportClick(TObject* Sender);
    void ImportClick(TObject* Sender);
    void FindBoxNext(TObject* Sender);
    void QuotedCaseClick(TObject* Sender);
    // The look chosen for the window (the control box's "Look"); null while the window has no skinned frame.
    TLookChoice* Look() const { return m_pLook; }
    TMenuItem* QuotedCaseItem() const { return m_pQuotedCaseItem; }

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
    void SetUpCommands();
    void AddControlBoxItems(TvskForm& sfMain);
    void ApplyEditorCase();
    bool KeepQuotedCase();
    void SelectRow(int nRow);

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
    bool m_bQuotedCase = false;
    TCommandMenu* m_pCommandMenu = nullptr; // owned as a component
    TfmFind* m_pFindBox = nullptr;          // owned as a component, made by the first find
    TLookChoice* m_pLook = nullptr;         // owned as a component
    TMenuItem* m_pQuotedCaseItem = nullptr; // owned as a component
    std::string m_sFileChosen;              // the last file exported to or imported from
};

// Registers the component classes the program's window descriptions name. Call once before the first window.
void RegisterProgramClasses();

// The program: initialises the application, creates the main window, arms the quit confirmation and runs the
// message loop until the main window closes. An exception that escapes is shown in the application's exception
// box. Returns the program's exit code, 0.
int RunProgram();
