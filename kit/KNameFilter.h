// Matches a pattern against an item's text: exactly or as a part, with or
// without regard to letter case.  An empty pattern matches nothing.
#pragma once

#include "KItemFilter.h"
#include "KString.h"

class CKNameFilter : public CKItemFilter {
public:
    // Without match case, a partial pattern is kept upper-cased: the texts it
    // is searched in are upper-cased the same way.
    CKNameFilter(const char* pattern, BOOL matchCase, BOOL partial);

    void Visit(CKItem& item) override;
    virtual void SetPattern(CString& pattern) { m_strPattern = pattern; }

    BOOL m_bMatchCase;
    BOOL m_bPartial;
    CKString m_strPattern;

protected:
    // The comparison every name filter applies to the text it looks at.
    BOOL Matches(const CString& text) const;
};
