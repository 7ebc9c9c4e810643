// TfmMain's everyday commands beyond the buttons: find, the list's context menu, undo of deletes, export and
// import, and the editor's rule for quoted text. Main.cpp holds the window's buttons and start-up.
#include "app/Main.h"

#include "app/CLCmdExport.h"
#include "app/CLCmdMgr.h"
#include "app/CLFind.h"
#include "app/CLQuotedCase.h"
#include "app/CLSettings.h"
#include "app/CommandMenu.h"
#include "app/FileChoice.h"
#include "app/FindBox.h"
#include "app/LookChoice.h"
#include "framework/win/controls/Memo.h"
#include "framework/win/forms/Application.h"
#include "framework/win/menus/MenuItem.h"
#include "skin/frame/Vskform.h"
#include "skin/frame/Vsktitlebarmenu.h"

#include <cstdio>

namespace {
constexpr const char* kInformation = "Information";
constexpr const char* kEditorSection = "Editor";
constexpr const char* kQuotedCaseKey = "QuotedCase";
constexpr const char* kQuotedCaseCaption = "Keep &Quoted Text's Case";
// Room for the summary line of an import.
constexpr int kSummarySize = 160;

// What each item of the context menu runs.
struct TMenuBinding {
    TCommandMenuItem nItem;
    void (TfmMain::*Click)(TObject*);
};
constexpr TMenuBinding kMenuBindings[] = {
    {cmiCopy, &TfmMain::CopyCommandClick},   {cmiEdit, &TfmMain::btnUpdateClick},
    {cmiDelete, &TfmMain::btnDelClick},      {cmiUndo, &TfmMain::UndoDeleteClick},
    {cmiFind, &TfmMain::FindClick},          {cmiExport, &TfmMain::ExportClick},
    {cmiImport, &TfmMain::ImportClick},
};
} // namespace

// The menu's shortcuts work while the list has the focus; FormKeyDown gives the find and undo keys to the rest
// of the window.
void TfmMain::SetUpCommands() {
    m_pCommandMenu = new TCommandMenu(this);
    for (const TMenuBinding& binding : kMenuBindings)
        m_pCommandMenu->Item(binding.nItem)->OnClick.Bind(this, binding.Click);
    m_pCommandMenu->OnPopup.Bind(this, &TfmMain::CommandMenuPopup);
    lvCommand->SetPopupMenu(m_pCommandMenu);
    SetKeyPreview(true);
    OnKeyDown.Bind(this, &TfmMain::FormKeyDown);
    ChooseFile = [this](bool bSave, std::string& sPath) { return ChooseTextFile(Handle(), bSave, sPath); };
    m_bQuotedCase = ReadSettingFlag(kEditorSection, kQuotedCaseKey, false);
    ApplyEditorCase();
    if (auto* sfMain = dynamic_cast<TvskForm*>(FindComponent("sfMain"))) AddControlBoxItems(*sfMain);
}

// At the top of the control-box menu: the look, and the editor's rule for quoted text.
void TfmMain::AddControlBoxItems(TvskForm& sfMain) {
    TMenuItem& menu = *sfMain.TitleBar()->SystemMenu()->Items();
    m_pLook = new TLookChoice(this);
    m_pLook->AddMenu(menu, 0);
    m_pQuotedCaseItem = new TMenuItem(this);
    m_pQuotedCaseItem->SetCaption(kQuotedCaseCaption);
    m_pQuotedCaseItem->SetChecked(m_bQuotedCase);
    m_pQuotedCaseItem->OnClick.Bind(this, &TfmMain::QuotedCaseClick);
    menu.Insert(1, m_pQuotedCaseItem);
    auto* pLine = new TMenuItem(this);
    pLine->SetCaption(TMenuItem::LineCaption);
    menu.Insert(2, pLine);
    m_pLook->Restore();
}

void TfmMain::QuotedCaseClick(TObject*) {
    SetQuotedCase(!m_bQuotedCase);
}

// Ctrl+Z stays the editor's own undo while the editor has the focus.
void TfmMain::FormKeyDown(TObject*, WORD& Key, TShiftState Shift) {
    const TShortCut nKey = ShortCut(Key, Shift);
    if (nKey == (scCtrl | 'F'))
        ShowFind();
    else if (nKey == VK_F3 || nKey == (scShift | VK_F3))
        FindNext(nKey == VK_F3);
    else if (nKey == (scCtrl | 'Z') && ActiveControl() != memCommand)
        UndoDelete();
    else
        return;
    Key = 0;
}

void TfmMain::CommandMenuPopup(TObject*) {
    const bool bSelected = SelectedCmd() != nullptr;
    for (TCommandMenuItem nItem : {cmiCopy, cmiEdit, cmiDelete})
        m_pCommandMenu->Item(nItem)->SetEnabled(bSelected);
    m_pCommandMenu->Item(cmiUndo)->SetEnabled(m_pCmdMgr->CanUndoDelete());
}

// The command's own text, as stored; the Copy button copies the preview's wrapped layout instead.
void TfmMain::CopyCommandClick(TObject*) {
    const CLCmd* pCmd = SelectedCmd();
    auto* pStaging = dynamic_cast<TMemo*>(memEdit);
    if (!pCmd || !pStaging) return;
    pStaging->SetText(pCmd->szCmd);
    pStaging->SelectAll();
    pStaging->CopyToClipboard();
}

void TfmMain::UndoDeleteClick(TObject*) {
    UndoDelete();
}

void TfmMain::FindClick(TObject*) {
    ShowFind();
}

void TfmMain::ShowFind() {
    if (!m_pFindBox) {
        m_pFindBox = new TfmFind(this);
        m_pFindBox->OnNext.Bind(this, &TfmMain::FindBoxNext);
        if (m_pLook) m_pLook->ApplyTo(*m_pFindBox);
    }
    m_pFindBox->Open();
}

void TfmMain::FindBoxNext(TObject*) {
    FindNext(true);
}

// F3 before anything was looked for opens the box to ask what.
bool TfmMain::FindNext(bool bForward) {
    if (!m_pFindBox || m_pFindBox->FindText().empty()) {
        ShowFind();
        return false;
    }
    TListItems& items = *lvCommand->Items();
    const int nRow = FindRow(items.Count(), lvCommand->ItemIndex(), bForward, m_pFindBox->FindText(),
                             [&items](int i) { return items[i]->Caption(); });
    m_pFindBox->ShowResult(nRow >= 0);
    if (nRow >= 0) SelectRow(nRow);
    return nRow >= 0;
}

// As a click selects it: the row alone is selected and focused (which runs lvCommandChange), and it is scrolled
// into view.
void TfmMain::SelectRow(int nRow) {
    lvCommand->SetItemIndex(nRow);
    (*lvCommand->Items())[nRow]->MakeVisible();
}

// The record comes back with its text and stamp, closed for the editor, and the file has it at once.
bool TfmMain::UndoDelete() {
    unsigned nIndex = 0;
    CLCmd* pCmd = m_pCmdMgr->UndoDelete(&nIndex);
    if (!pCmd) return false;
    pCmd->szEdit[0] = '\0';
    SaveHistory();
    const int nRow = static_cast<int>(m_pCmdMgr->GetCount() - 1 - nIndex); // rows are newest first
    SetRow(lvCommand->Items()->Insert(nRow), pCmd);
    SelectRow(nRow);
    return true;
}

void TfmMain::ExportClick(TObject*) {
    if (ChooseFile(true, m_sFileChosen)) ExportTo(m_sFileChosen);
}

void TfmMain::ImportClick(TObject*) {
    if (ChooseFile(false, m_sFileChosen)) ImportFrom(m_sFileChosen);
}

bool TfmMain::ExportTo(const std::string& sPath) {
    std::string sError;
    if (ExportHistory(*m_pCmdMgr, sPath.c_str(), sError)) return true;
    Application->MessageBox(sError.c_str(), kInformation, MB_OK | MB_ICONWARNING);
    return false;
}

// The list is filled anew with the newest command selected; the user learns what was added and what was left out.
bool TfmMain::ImportFrom(const std::string& sPath) {
    CLImportReport report;
    const bool bOk = ImportHistory(*m_pCmdMgr, sPath.c_str(), report);
    if (bOk) FillList(false, 0);
    char szSummary[kSummarySize] = "";
    if (bOk)
        std::snprintf(szSummary, sizeof(szSummary), "%d commands imported, %d already in the history.\n",
                      report.nAdded, report.nDuplicates);
    const std::string sMessage = szSummary + report.sNotes;
    Application->MessageBox(sMessage.c_str(), kInformation,
                            MB_OK | (bOk && report.nSkipped == 0 ? MB_ICONINFORMATION : MB_ICONWARNING));
    return bOk;
}

void TfmMain::SetQuotedCase(bool bQuotedCase) {
    m_bQuotedCase = bQuotedCase;
    if (m_pQuotedCaseItem) m_pQuotedCaseItem->SetChecked(bQuotedCase);
    WriteSettingFlag(kEditorSection, kQuotedCaseKey, bQuotedCase);
    ApplyEditorCase();
}

// Off, the edit control raises every letter itself (typing, paste, text set); on, it raises none and
// KeepQuotedCase raises those outside apostrophes after every change.
void TfmMain::ApplyEditorCase() {
    const HWND hMemo = memCommand->Handle();
    const LONG_PTR nStyle = GetWindowLongPtrA(hMemo, GWL_STYLE);
    SetWindowLongPtrA(hMemo, GWL_STYLE, m_bQuotedCase ? nStyle & ~ES_UPPERCASE : nStyle | ES_UPPERCASE);
    if (m_bQuotedCase) KeepQuotedCase();
}

// True when the text had to change: setting it reports the change again, and that second report (with nothing
// left to raise) is the one that reaches the preview. The caret and selection stay where they were, which the
// unchanged length allows.
bool TfmMain::KeepQuotedCase() {
    const std::string sText = memCommand->Text();
    const std::string sCased = UpperOutsideQuotes(sText);
    if (sCased == sText) return false;
    const int nStart = memCommand->SelStart();
    const int nLength = memCommand->SelLength();
    memCommand->SetText(sCased);
    memCommand->SetSelStart(nStart);
    memCommand->SetSelLength(nLength);
    return true;
}
