#pragma once

// One link of a CxList. Each node keeps its own position so that the cursor can check itself.
struct CxListNode {
    void* pData;       // the element; never null
    unsigned nIndex;   // position in the list, 0 for the first node
    CxListNode* pPrev; // null for the first node
    CxListNode* pNext; // null for the last node
};

// Doubly linked list of untyped element pointers, in the order they were added. A cursor (the current node and its
// position) makes walking forwards or backwards cost one step per element while every access still goes through one
// positioning routine (GetAt). The list owns its nodes, never its elements. Not thread-safe: even reads move the
// cursor.
class CxList {
public:
    CxList();
    virtual ~CxList();
    CxList(const CxList&) = delete;
    CxList& operator=(const CxList&) = delete;

    void* GetFirst();
    void* GetLast();
    void* GetNext();
    void* GetPrev();
    void* GetAt(unsigned nIndex);

    bool Add(void* pData);
    bool InsertAt(unsigned nIndex, void* pData);
    bool Remove(void* pData);
    void RemoveAll();

    unsigned GetCount() const { return m_nCount; }
    CxListNode* Find(void* pData) const;

private:
    CxListNode* m_pHead;
    CxListNode* m_pTail;
    CxListNode* m_pCurr;
    unsigned m_nCount;
    unsigned m_nFindIndex;
};
