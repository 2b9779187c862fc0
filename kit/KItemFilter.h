// What a search hands every item of a subtree to: a filter looks at one item
// and says whether the last item it saw matched.
#pragma once

#include "KObject.h"

class CKItem;

class CKItemFilter : public CKObject {
public:
    CKItemFilter() : CKObject(FALSE), m_bMatched(FALSE) {}

    virtual void Visit(CKItem& item) = 0;
    virtual BOOL IsMatched() { return m_bMatched; }
    virtual void Reset() { m_bMatched = FALSE; }

    BOOL m_bMatched;
};
