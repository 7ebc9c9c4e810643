#include "app/CLCmdMgr.h"

#include "common/misc/CxAssert.h"
#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"

#include <algorithm>
#include <new>

namespace {
// The file starts with the record count.
constexpr long long kCountBytes = sizeof(int32_t);
// The smallest stored record: ten integers (text length, stamp, four reserved text lengths, four reserved integers).
constexpr long long kMinRecordBytes = 10 * sizeof(int32_t);
} // namespace

CLCmdMgr::CLCmdMgr() : CLCmdMgr(std::make_unique<CxFile>()) {}

CLCmdMgr::CLCmdMgr(std::unique_ptr<CxFile> pFile)
    : m_pList(std::make_unique<CxList>()), m_pFile(std::move(pFile)), m_bFileUnreadable(false) {}

CLCmdMgr::~CLCmdMgr() {
    Clear();
}

// A file that ends early keeps the records read completely so far; a count larger than the file could hold is cut
// to what its size allows, so a short hostile file cannot make the store allocate thousands of records.
bool CLCmdMgr::LoadFrom(const char* szPath) {
    Clear();
    if (!m_pFile->Open(szPath, "rb")) return false;
    int nCount = 0;
    long long nSize = 0;
    if (m_pFile->ReadInt(&nCount) && m_pFile->GetSize(&nSize)) {
        nCount = static_cast<int>(std::min<long long>(nCount, (nSize - kCountBytes) / kMinRecordBytes));
    }
    for (int i = 0; i < nCount; ++i) {
        CLCmd cmd = {};
        if (!ReadCmd(&cmd) || !AddCmd(&cmd)) break;
    }
    m_pFile->Close();
    return true;
}

// True only when every byte reached the file and the file was forced onto the disk.
bool CLCmdMgr::SaveTo(const char* szPath) {
    if (!m_pFile->Open(szPath, "wb")) return false;
    bool bOk = m_pFile->WriteInt(static_cast<int>(m_pList->GetCount()));
    for (auto* pCmd = static_cast<CLCmd*>(m_pList->GetFirst()); bOk && pCmd;
         pCmd = static_cast<CLCmd*>(m_pList->GetNext())) {
        bOk = WriteCmd(pCmd);
    }
    bOk = bOk && m_pFile->Commit();
    return m_pFile->Close() && bOk;
}

void CLCmdMgr::Clear() {
    for (auto* pCmd = static_cast<CLCmd*>(m_pList->GetFirst()); pCmd; pCmd = static_cast<CLCmd*>(m_pList->GetNext())) {
        delete pCmd;
    }
    m_pList->RemoveAll();
}

// The store keeps its own copy, appended as the newest record; a null pCmd adds an all-zero record.
CLCmd* CLCmdMgr::AddCmd(const CLCmd* pCmd) {
    CLCmd* pNew = pCmd ? new (std::nothrow) CLCmd(*pCmd) : new (std::nothrow) CLCmd();
    if (pNew) m_pList->Add(pNew);
    return pNew;
}

// Found by identity, not by content; the caller owns the record afterwards.
CLCmd* CLCmdMgr::RemoveCmd(CLCmd* pCmd) {
    return m_pList->Remove(pCmd) ? pCmd : nullptr;
}

CLCmd* CLCmdMgr::DeleteCmd(CLCmd* pCmd) {
    const CxListNode* pNode = m_pList->Find(pCmd);
    if (!pNode) return nullptr;
    const unsigned nIndex = pNode->nIndex;
    m_pList->Remove(pCmd);
    m_vecDeleted.push_back({nIndex, std::unique_ptr<CLCmd>(pCmd)});
    return pCmd;
}

// The records after it moved down by one when it went; inserting at its old position moves them back.
CLCmd* CLCmdMgr::UndoDelete(unsigned* pnIndex) {
    if (m_vecDeleted.empty()) return nullptr;
    Deleted& last = m_vecDeleted.back();
    const unsigned nIndex = std::min(last.nIndex, m_pList->GetCount());
    if (!m_pList->InsertAt(nIndex, last.pCmd.get())) return nullptr;
    CLCmd* pCmd = last.pCmd.release();
    m_vecDeleted.pop_back();
    if (pnIndex) *pnIndex = nIndex;
    return pCmd;
}

unsigned CLCmdMgr::GetCount() const {
    return m_pList->GetCount();
}

CLCmd* CLCmdMgr::GetLast() {
    return static_cast<CLCmd*>(m_pList->GetLast());
}

CLCmd* CLCmdMgr::GetPrev() {
    return static_cast<CLCmd*>(m_pList->GetPrev());
}

// Texts longer than their fields are cut to them (see CxFile::ReadString); szEdit is never stored.
bool CLCmdMgr::ReadCmd(CLCmd* pCmd) {
    CX_ASSERT(pCmd);
    bool bOk = m_pFile->ReadString(pCmd->szCmd, nullptr, sizeof(pCmd->szCmd)) && m_pFile->ReadInt(&pCmd->tAccess);
    for (char* szReserved : pCmd->szReserved)
        bOk = bOk && m_pFile->ReadString(szReserved, nullptr, kReservedTextSize);
    for (int32_t& nReserved : pCmd->nReserved)
        bOk = bOk && m_pFile->ReadInt(&nReserved);
    return bOk;
}

bool CLCmdMgr::WriteCmd(const CLCmd* pCmd) {
    CX_ASSERT(pCmd);
    bool bOk = m_pFile->WriteString(pCmd->szCmd) && m_pFile->WriteInt(pCmd->tAccess);
    for (const char* szReserved : pCmd->szReserved)
        bOk = bOk && m_pFile->WriteString(szReserved);
    for (const int32_t nReserved : pCmd->nReserved)
        bOk = bOk && m_pFile->WriteInt(nReserved);
    return bOk;
}
