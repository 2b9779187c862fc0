// A list of strings, each held by value.
#pragma once

#include "AfxPlexList.h"
#include "CObject.h"
#include "CString.h"

class CStringList : public CObject {
    DECLARE_DYNAMIC(CStringList)
public:
    explicit CStringList(int blockSize = 10) : m_list(blockSize) {}
    ~CStringList() override = default;

    int GetCount() const { return m_list.GetCount(); }
    BOOL IsEmpty() const { return m_list.GetCount() == 0; }
    int GetBlockSize() const { return m_list.GetBlockSize(); }

    // Head and tail of a non-empty list (an empty string for an empty one).
    CString GetHead() const { return IsEmpty() ? CString() : List().Head(); }
    CString GetTail() const { return IsEmpty() ? CString() : List().Tail(); }
    POSITION GetHeadPosition() const { return m_list.GetHeadPosition(); }
    POSITION GetTailPosition() const { return m_list.GetTailPosition(); }
    // The element at pos; pos moves on (null after the last).  pos must be valid.
    CString& GetNext(POSITION& pos) { return m_list.Next(pos); }
    const CString& GetNext(POSITION& pos) const { return List().Next(pos); }
    CString& GetPrev(POSITION& pos) { return m_list.Prev(pos); }
    const CString& GetPrev(POSITION& pos) const { return List().Prev(pos); }
    CString& GetAt(POSITION pos) { return m_list.At(pos); }
    const CString& GetAt(POSITION pos) const { return List().At(pos); }
    void SetAt(POSITION pos, const char* text) { m_list.At(pos) = text; }

    POSITION AddHead(const char* text) { return m_list.AddHead(CString(text)); }
    POSITION AddTail(const char* text) { return m_list.AddTail(CString(text)); }
    POSITION InsertBefore(POSITION pos, const char* text) {
        return m_list.InsertBefore(pos, CString(text));
    }
    POSITION InsertAfter(POSITION pos, const char* text) {
        return m_list.InsertAfter(pos, CString(text));
    }

    CString RemoveHead() { return m_list.RemoveHead(); }
    CString RemoveTail() { return m_list.RemoveTail(); }
    void RemoveAt(POSITION pos) { m_list.RemoveAt(pos); }
    void RemoveAll() { m_list.RemoveAll(); }

    // The first position holding an equal text (byte-wise) after the given one.
    POSITION Find(const char* text, POSITION after = nullptr) const {
        CString wanted(text);
        return m_list.FindIf([&wanted](const CString& element) { return element == wanted; },
                             after);
    }
    POSITION FindIndex(int index) const { return m_list.FindIndex(index); }

private:
    AfxPlexList<CString>& List() const { return const_cast<AfxPlexList<CString>&>(m_list); }
    AfxPlexList<CString> m_list;
};
