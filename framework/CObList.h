// A list of CObject pointers.  The pointers are the caller's: the list never
// deletes the objects (a derived list may own them).
#pragma once

#include "AfxPlexList.h"
#include "CObject.h"

class CObList : public CObject {
    DECLARE_DYNAMIC(CObList)
public:
    explicit CObList(int blockSize = 10) : m_list(blockSize) {}
    ~CObList() override = default;

    int GetCount() const { return m_list.GetCount(); }
    BOOL IsEmpty() const { return m_list.GetCount() == 0; }
    int GetBlockSize() const { return m_list.GetBlockSize(); }

    // Head and tail of a non-empty list (null for an empty one).
    CObject* GetHead() const { return IsEmpty() ? nullptr : List().Head(); }
    CObject* GetTail() const { return IsEmpty() ? nullptr : List().Tail(); }
    POSITION GetHeadPosition() const { return m_list.GetHeadPosition(); }
    POSITION GetTailPosition() const { return m_list.GetTailPosition(); }
    // The element at pos; pos moves on (null after the last).  pos must be valid.
    CObject*& GetNext(POSITION& pos) { return m_list.Next(pos); }
    CObject* GetNext(POSITION& pos) const { return List().Next(pos); }
    CObject*& GetPrev(POSITION& pos) { return m_list.Prev(pos); }
    CObject* GetPrev(POSITION& pos) const { return List().Prev(pos); }
    CObject*& GetAt(POSITION pos) { return m_list.At(pos); }
    CObject* GetAt(POSITION pos) const { return List().At(pos); }
    void SetAt(POSITION pos, CObject* object) { m_list.At(pos) = object; }

    POSITION AddHead(CObject* object) { return m_list.AddHead(object); }
    POSITION AddTail(CObject* object) { return m_list.AddTail(object); }
    POSITION InsertBefore(POSITION pos, CObject* object) {
        return m_list.InsertBefore(pos, object);
    }
    POSITION InsertAfter(POSITION pos, CObject* object) { return m_list.InsertAfter(pos, object); }

    // The removed element goes back to the caller; null from an empty list.
    CObject* RemoveHead() { return m_list.RemoveHead(); }
    CObject* RemoveTail() { return m_list.RemoveTail(); }
    void RemoveAt(POSITION pos) { m_list.RemoveAt(pos); }
    void RemoveAll() { m_list.RemoveAll(); }

    // The first position holding the pointer after the given one (null: from the head).
    POSITION Find(CObject* object, POSITION after = nullptr) const {
        return m_list.FindIf([object](CObject* element) { return element == object; }, after);
    }
    POSITION FindIndex(int index) const { return m_list.FindIndex(index); }

private:
    AfxPlexList<CObject*>& List() const { return const_cast<AfxPlexList<CObject*>&>(m_list); }
    AfxPlexList<CObject*> m_list;
};
