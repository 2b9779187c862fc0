#include "KTreeIterator.h"

BOOL CKItemIterator::Run() {
    First();
    if (IsDone() || m_pFilter == nullptr)
        return 0;
    for (;;) {
        CurrentItem().Accept(*m_pFilter);
        if (m_pFilter->IsMatched()) {
            m_bDone = TRUE;
            return 1;
        }
        Next();
        if (IsDone())
            return 0;
    }
}

void CKTreeIterator::Next() {
    CKItem child;
    if (m_current.GetFirstChild(child)) {
        m_parent = m_current;
        m_current = child;
        return;
    }
    if (IsStart(m_current)) {
        m_bDone = TRUE;
        return;
    }
    CKItem sibling;
    if (m_current.GetNextSibling(sibling)) {
        m_current = sibling;
        return;
    }
    Climb();
}

void CKTreeIterator::Climb() {
    for (;;) {
        // A parent that no longer exists (the tree changed under the walk)
        // ends it as well: there is nothing left to climb to.
        if (IsStart(m_parent) || m_parent.m_hItem == 0) {
            m_bDone = TRUE;
            return;
        }
        m_current = m_parent;
        CKItem grandparent;
        m_parent.GetParent(grandparent);
        m_parent = grandparent;
        CKItem sibling;
        if (m_current.GetNextSibling(sibling)) {
            m_current = sibling;
            return;
        }
    }
}

void CKTreeIterator::SetStart(CKItem& start) {
    m_start = start;
    m_parent = start;
    m_current = start;
    m_bDone = FALSE;
}
