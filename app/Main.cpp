#include "app/Main.h"

#include "app/Apputil.h"
#include "app/CLCmdMgr.h"
#include "app/CLPanel.h"
#include "common/misc/CxAssert.h"
#include "framework/core/Properties.h"
#include "framework/win/ComponentClasses.h"
#include "framework/win/controls/Memo.h"
#include "framework/win/forms/Application.h"
#include "framework/win/windowing/WindowClasses.h"
#include "skin/SkinClasses.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace {
constexpr const char* kTitle = "IBM AS/400 CL Command Vantrel";
constexpr const char* kInformation = "Information";
constexpr const char* kConfirmation = "Confirmation";
constexpr const char* kEmptyCommand = "Empty command is not allowed, please enter the command text.";
constexpr const char* kNotModified = "Command not modified, save process canceled.";
constexpr const char* kQuitQuestion = "Are you sure to quit Vantrel program?";
// The help page shipped beside the program.
constexpr const char* kHelpFileName = "help.html";
// Room for the message about a history file that cannot be written: a path and two sentences.
constexpr int kMessageSize = kPathSize + 160;

// The description lays the window out with the editor open; closed, the editor leaves its rows to the list above it.
constexpr int kListGrowthBrowsing = 100;

// The control of the description with that name, of the kind the window's behaviour needs.
template<class T>
T* Bound(const TComponent& Form, const char* szName) {
    T* pControl = dynamic_cast<T*>(Form.FindComponent(szName));
    CX_ASSERT(pControl != nullptr && "the form's description lacks a control the window needs");
    return pControl;
}
} // namespace

VSK_IMPLEMENT_CLASS(TfmMain)

void TfmMain::Publish(TPublisher<TfmMain>& p) {
    p.Handler("FormCreate", &TfmMain::FormCreate);
    p.Handler("FormCloseQuery", &TfmMain::FormCloseQuery);
    p.Handler("lvCommandChange", &TfmMain::lvCommandChange);
    p.Handler("lvCommandDblClick", &TfmMain::lvCommandDblClick);
    p.Handler("memCommandChange", &TfmMain::memCommandChange);
    p.Handler("btnAddClick", &TfmMain::btnAddClick);
    p.Handler("btnUpdateClick", &TfmMain::btnUpdateClick);
    p.Handler("btnSaveClick", &TfmMain::btnSaveClick);
    p.Handler("btnDelClick", &TfmMain::btnDelClick);
    p.Handler("btnClearClick", &TfmMain::btnClearClick);
    p.Handler("btnPasteClick", &TfmMain::btnPasteClick);
    p.Handler("btnCopyClick", &TfmMain::btnCopyClick);
    p.Handler("btnHelpClick", &TfmMain::btnHelpClick);
    p.Handler("btnExitClick", &TfmMain::btnExitClick);
}

TfmMain::TfmMain(TComponent* AOwner) : TForm(AOwner) {}

TfmMain::~TfmMain() = default;

void TfmMain::Loaded() {
    inherited::Loaded();
    lvCommand = Bound<TListView>(*this, "lvCommand");
    memCommand = Bound<TMemo>(*this, "memCommand");
    btnAdd = Bound<TControl>(*this, "btnAdd");
    btnUpdate = Bound<TControl>(*this, "btnUpdate");
    btnDel = Bound<TControl>(*this, "btnDel");
    btnSave = Bound<TControl>(*this, "btnSave");
    btnPaste = Bound<TControl>(*this, "btnPaste");
    btnClear = Bound<TControl>(*this, "btnClear");
    pnlPreview = Bound<TWinControl>(*this, "pnlPreview");
    memEdit = Bound<TWinControl>(*this, "memEdit");
    m_nListHeightEditing = lvCommand->Height();
}

// The form's windows go first, and the preview's window deletes the panel with them: from then on no change of the
// list or the editor may reach the handlers that feed the panel. (A form whose description could not be read has no
// controls bound.)
void TfmMain::Destroying() {
    if (lvCommand) lvCommand->OnChange = nullptr;
    if (memCommand) memCommand->OnChange = nullptr;
    inherited::Destroying();
}

// Ends with the editor closed (its case rule as last chosen): either the newest command is selected (fresh from the file, so not open in the
// editor) or the list is empty.
void TfmMain::FormCreate(TObject*) {
    g_hInst = ProgramInstance();
    m_bConfirmQuit = false;
    m_pCmdMgr = std::make_unique<CLCmdMgr>();
    m_pPanel = new CLPanel;
    const RECT rc = {0, 0, pnlPreview->Width(), pnlPreview->Height()};
    if (!m_pPanel->Create(pnlPreview->Handle(), &rc)) m_pUnhostedPanel.reset(m_pPanel);
    m_pPanel->SetEditWnd(memEdit->Handle());
    FillList(true, 0);
    m_pPanel->Refresh();
    SetUpCommands();
}

// Closing writes nothing: every change is in the file already.
void TfmMain::FormCloseQuery(TObject*, bool& CanClose) {
    CanClose = !m_bConfirmQuit || Application->MessageBox(kQuitQuestion, kConfirmation, MB_YESNOCANCEL) == IDYES;
}

// Rows are listed newest first; the store and the file keep the oldest first.
void TfmMain::FillList(bool bReload, int nSelect) {
    if (bReload) m_pCmdMgr->Load();
    TListItems& items = *lvCommand->Items();
    items.BeginUpdate();
    items.Clear();
    for (CLCmd* pCmd = m_pCmdMgr->GetLast(); pCmd; pCmd = m_pCmdMgr->GetPrev())
        SetRow(items.Add(), pCmd);
    items.EndUpdate();
    if (items.Count() == 0)
        ShowEditor(nullptr, false);
    else
        lvCommand->SetItemIndex(nSelect);
}

// The editor is open for a new command (bForceEdit without pCmd), for an update (bForceEdit), and whenever the
// record looked at is open in the editor; the memo then shows that record's pending text.
void TfmMain::ShowEditor(CLCmd* pCmd, bool bForceEdit) {
    btnDel->SetEnabled(pCmd != nullptr);
    const bool bEdit = bForceEdit || (pCmd && pCmd->szEdit[0]);
    btnAdd->SetEnabled(true);
    btnUpdate->SetEnabled(!bEdit && pCmd != nullptr);
    for (TControl* pControl : {btnSave, btnPaste, btnClear, static_cast<TControl*>(memCommand)})
        pControl->SetVisible(bEdit);
    lvCommand->SetHeight(bEdit ? m_nListHeightEditing : m_nListHeightEditing + kListGrowthBrowsing);
    if (bEdit) memCommand->SetText(pCmd ? pCmd->szEdit : "");
}

// Works from the row selected now, not from Item: one click reports the old row losing the selection before the
// new row gaining it, and only the final state counts.
void TfmMain::lvCommandChange(TObject*, TListItem*, TItemChange Change) {
    if (Change != ctState) return;
    if (CLCmd* pCmd = SelectedCmd()) {
        m_bAddMode = false;
        ShowEditor(pCmd, false);
        m_pPanel->SetText(pCmd->szEdit[0] ? pCmd->szEdit : pCmd->szCmd);
    } else {
        m_pPanel->SetText("");
    }
    m_pPanel->Refresh();
}

void TfmMain::lvCommandDblClick(TObject* Sender) {
    btnUpdateClick(Sender);
}

// The preview follows every keystroke, paste and clear.
void TfmMain::memCommandChange(TObject*) {
    if (m_bQuotedCase && KeepQuotedCase()) return;
    m_pPanel->SetText(memCommand->Text().c_str());
    m_pPanel->Refresh();
}

void TfmMain::btnAddClick(TObject*) {
    m_bAddMode = true;
    ShowEditor(nullptr, true);
}

// Opens the selected record in the editor; a record already open keeps its pending text.
void TfmMain::btnUpdateClick(TObject*) {
    CLCmd* pCmd = SelectedCmd();
    if (!pCmd) return;
    if (!pCmd->szEdit[0]) std::strcpy(pCmd->szEdit, pCmd->szCmd);
    m_bAddMode = false;
    ShowEditor(pCmd, true);
}

void TfmMain::btnSaveClick(TObject*) {
    if (m_bAddMode)
        AddCommand();
    else
        UpdateCommand();
}

// Only the completely empty text is refused; equal texts are not merged. Selecting the new top row ends add mode
// and closes the editor.
void TfmMain::AddCommand() {
    CLCmd cmd = {};
    CopyMemoText(cmd.szEdit);
    if (!cmd.szEdit[0]) {
        Application->MessageBox(kEmptyCommand, kInformation, MB_OK | MB_ICONINFORMATION);
        return;
    }
    std::strcpy(cmd.szCmd, cmd.szEdit);
    cmd.szEdit[0] = '\0';
    m_pCmdMgr->StampNow(&cmd);
    m_pCmdMgr->AddCmd(&cmd);
    SaveHistory();
    TListItems& items = *lvCommand->Items();
    SetRow(items.Count() > 0 ? items.Insert(0) : items.Add(), m_pCmdMgr->GetLast());
    lvCommand->SetItemIndex(0);
}

// The row keeps its place and the record stays open in the editor. An empty memo closes the record for the editor
// (its pending text is gone) without saving anything.
void TfmMain::UpdateCommand() {
    TListItem* pItem = lvCommand->Selected();
    if (!pItem) return;
    auto* pCmd = static_cast<CLCmd*>(pItem->Data());
    CopyMemoText(pCmd->szEdit);
    if (!pCmd->szEdit[0]) return;
    if (std::strcmp(pCmd->szEdit, pCmd->szCmd) == 0) {
        Application->MessageBox(kNotModified, kInformation, MB_OK | MB_ICONINFORMATION);
        return;
    }
    std::strcpy(pCmd->szCmd, pCmd->szEdit);
    m_pCmdMgr->StampNow(pCmd);
    SaveHistory();
    SetRow(pItem, pCmd);
}

// No confirmation: Ctrl+Z brings the command back. The next older command is selected, or the new oldest when the oldest went; after the last row
// nothing is selected and the buttons keep their state.
void TfmMain::btnDelClick(TObject*) {
    CLCmd* pCmd = SelectedCmd();
    if (!pCmd) return;
    const int nIndex = lvCommand->ItemIndex();
    m_pCmdMgr->DeleteCmd(pCmd); // kept aside for UndoDelete
    SaveHistory();
    TListItems& items = *lvCommand->Items();
    items.Delete(nIndex);
    if (nIndex < items.Count())
        lvCommand->SetItemIndex(nIndex);
    else if (items.Count() > 0)
        lvCommand->SetItemIndex(nIndex - 1);
}

void TfmMain::btnClearClick(TObject*) {
    memCommand->SetText("");
}

void TfmMain::btnPasteClick(TObject*) {
    memCommand->PasteFromClipboard();
}

void TfmMain::btnCopyClick(TObject*) {
    m_pPanel->CopyText();
}

void TfmMain::btnHelpClick(TObject*) {
    char szHelp[kPathSize] = "";
    if (GetAppDir(g_hInst, szHelp) && std::strlen(szHelp) + std::strlen(kHelpFileName) < sizeof(szHelp)) {
        std::strcat(szHelp, kHelpFileName);
        ShellOpen(szHelp);
    }
}

void TfmMain::btnExitClick(TObject*) {
    Close();
}

CLCmd* TfmMain::SelectedCmd() const {
    const TListItem* pItem = lvCommand->Selected();
    return pItem ? static_cast<CLCmd*>(pItem->Data()) : nullptr;
}

// The memo holds at most 1023 characters, so its whole text fits a record's text.
void TfmMain::CopyMemoText(char* szText) const {
    const std::string sText = memCommand->Text();
    const size_t nLen = std::min(sText.size(), static_cast<size_t>(kCmdSize - 1));
    std::memcpy(szText, sText.data(), nLen);
    szText[nLen] = '\0';
}

// A row shows its record's text and stamp and carries the record itself.
void TfmMain::SetRow(TListItem* pItem, CLCmd* pCmd) {
    char szStamp[kStampSize];
    m_pCmdMgr->FormatStamp(pCmd, szStamp, sizeof(szStamp));
    pItem->SetData(pCmd);
    pItem->SetCaption(pCmd->szCmd);
    TStrings& subItems = *pItem->SubItems();
    if (subItems.Count() == 0)
        subItems.Add(szStamp);
    else
        subItems.Put(0, szStamp);
}

// The store keeps the change either way; when the file could not be written the user learns that it lasts only
// until the program closes.
void TfmMain::SaveHistory() {
    if (m_pCmdMgr->Save()) return;
    char szPath[kPathSize] = "";
    m_pCmdMgr->GetFilePath(szPath);
    char szMessage[kMessageSize];
    std::snprintf(szMessage, sizeof(szMessage),
                  "The command history could not be written to %s.\r\n"
                  "The change is kept only until the program closes.",
                  szPath);
    Application->MessageBox(szMessage, kInformation, MB_OK | MB_ICONWARNING);
}

void RegisterProgramClasses() {
    RegisterWinComponentClasses();
    RegisterSkinClasses();
}

int RunProgram() {
    try {
        RegisterProgramClasses();
        Application->Initialize();
        Application->SetTitle(kTitle);
        TfmMain* fmMain = Application->CreateForm<TfmMain>();
        fmMain->SetConfirmQuit(true);
        Application->Run();
    } catch (const Exception& e) {
        Application->ShowException(e);
    } catch (...) {
        // Only the framework's exceptions carry a message meant for the user.
        Application->ShowException(Exception(""));
    }
    return 0;
}
