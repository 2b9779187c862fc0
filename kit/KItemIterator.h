// A walk over outline items that hands each to a filter until one matches.
#pragma once

#include "KItem.h"
#include "KItemFilter.h"

class CKItemIterator : public CKObject {
public:
    explicit CKItemIterator(CKItemFilter* filter)
        : CKObject(filter != nullptr && filter->IsValid()), m_pFilter(filter), m_bDone(FALSE) {}

    virtual void First() = 0;
    virtual void Next() = 0;
    virtual BOOL IsDone() { return m_bDone; }
    virtual CKItem CurrentItem() = 0;
    // 1 when an item matched (it is then the current item), 0 when the walk
    // ended without a match.
    virtual BOOL Run();

    CKItemFilter* m_pFilter; // not owned
    BOOL m_bDone;
};
