// Walks the subtree of a start item depth first: the start item, then each
// child followed by its own subtree, in outline order.  The walk never leaves
// the subtree.
#pragma once

#include "KItemIterator.h"

class CKTreeIterator : public CKItemIterator {
public:
    CKTreeIterator(CKItemFilter* filter, CKItem& start)
        : CKItemIterator(filter), m_start(start), m_parent(start), m_current(start) {}

    void First() override { m_current = m_start; }
    void Next() override;
    // A plain item, whatever its kind: filters see items, never subclass objects.
    CKItem CurrentItem() override { return m_current; }
    virtual void Climb();
    virtual void SetStart(CKItem& start);

    CKItem m_start;
    CKItem m_parent;
    CKItem m_current;

private:
    BOOL IsStart(const CKItem& item) const {
        return item.m_hOutline == m_start.m_hOutline && item.m_hItem == m_start.m_hItem;
    }
};
