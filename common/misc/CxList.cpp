#include "common/misc/CxList.h"

#include "common/misc/CxAssert.h"

#include <new>

CxList::CxList() : m_pHead(nullptr), m_pTail(nullptr), m_pCurr(nullptr), m_nCount(0), m_nFindIndex(0) {}

CxList::~CxList() {
    RemoveAll();
}

void* CxList::GetFirst() {
    m_nFindIndex = 0;
    m_pCurr = m_pHead;
    return m_pCurr ? m_pCurr->pData : nullptr;
}

void* CxList::GetLast() {
    m_nFindIndex = m_nCount ? m_nCount - 1 : 0;
    m_pCurr = m_pTail;
    return m_pCurr ? m_pCurr->pData : nullptr;
}

// For an empty list m_nCount - 1 wraps to the largest value; GetAt then refuses the position.
void* CxList::GetNext() {
    return m_nFindIndex < m_nCount - 1 ? GetAt(m_nFindIndex + 1) : nullptr;
}

void* CxList::GetPrev() {
    return m_nFindIndex > 0 ? GetAt(m_nFindIndex - 1) : nullptr;
}

// The one positioning routine: walks from the cursor towards the target, so its cost is the distance between them.
// Runs off the list (null) only when the cursor stands on no node, which Remove leaves after taking the last node.
void* CxList::GetAt(unsigned nIndex) {
    if (nIndex >= m_nCount) return nullptr;
    if (m_pCurr) {
        // clang-format off
        CX_ASSERT(m_pCurr->nIndex==m_nFindIndex);
        // clang-format on
    }
    const bool bForward = nIndex > m_nFindIndex;
    for (CxListNode* pNode = m_pCurr; pNode; pNode = bForward ? pNode->pNext : pNode->pPrev) {
        if (pNode->nIndex == nIndex) {
            m_pCurr = pNode;
            m_nFindIndex = nIndex;
            return pNode->pData;
        }
    }
    return nullptr;
}

// Appends at the end and leaves the cursor on the new element, so GetPrev right after Add reaches the one before it.
bool CxList::Add(void* pData) {
    if (!pData) return false;
    CxListNode* pContainer = new (std::nothrow) CxListNode{pData, m_nCount, m_pTail, nullptr};
    CX_ASSERT(pContainer);
    if (m_pTail) {
        m_pTail->pNext = pContainer;
    } else {
        m_pHead = pContainer;
    }
    m_pTail = pContainer;
    m_pCurr = pContainer;
    m_nFindIndex = pContainer->nIndex;
    ++m_nCount;
    return true;
}

// Puts an element back where one was taken out (undoing a delete): it gets position nIndex and the nodes from there
// on move one place up. A position at or beyond the end appends. The cursor stands on the new element, as after Add.
bool CxList::InsertAt(unsigned nIndex, void* pData) {
    if (!pData) return false;
    if (nIndex >= m_nCount) return Add(pData);
    CxListNode* pAfter = m_pHead;
    while (pAfter->nIndex != nIndex)
        pAfter = pAfter->pNext;
    CxListNode* pContainer = new (std::nothrow) CxListNode{pData, nIndex, pAfter->pPrev, pAfter};
    CX_ASSERT(pContainer);
    if (pAfter->pPrev) {
        pAfter->pPrev->pNext = pContainer;
    } else {
        m_pHead = pContainer;
    }
    pAfter->pPrev = pContainer;
    for (CxListNode* pNode = pAfter; pNode; pNode = pNode->pNext)
        ++pNode->nIndex;
    m_pCurr = pContainer;
    m_nFindIndex = nIndex;
    ++m_nCount;
    return true;
}

// Leaves the cursor on the node that followed the removed one, at the removed node's position; after removing the
// last node the cursor stands on no node and the next walk has to start with GetFirst or GetLast.
bool CxList::Remove(void* pData) {
    CxListNode* pNode = Find(pData);
    if (!pNode) return false;
    if (pNode->pPrev) pNode->pPrev->pNext = pNode->pNext;
    if (pNode->pNext) pNode->pNext->pPrev = pNode->pPrev;
    for (CxListNode* pAfter = pNode->pNext; pAfter; pAfter = pAfter->pNext)
        --pAfter->nIndex;
    m_pCurr = pNode->pNext;
    m_nFindIndex = pNode->nIndex;
    if (pNode == m_pHead) m_pHead = pNode->pNext;
    if (pNode == m_pTail) m_pTail = pNode->pPrev;
    --m_nCount;
    delete pNode;
    return true;
}

void CxList::RemoveAll() {
    CxListNode* pNode = m_pHead;
    while (pNode) {
        CxListNode* pNext = pNode->pNext;
        delete pNode;
        pNode = pNext;
    }
    m_pHead = m_pTail = m_pCurr = nullptr;
    m_nCount = m_nFindIndex = 0;
}

CxListNode* CxList::Find(void* pData) const {
    for (CxListNode* pNode = m_pHead; pNode; pNode = pNode->pNext) {
        if (pNode->pData == pData) return pNode;
    }
    return nullptr;
}
