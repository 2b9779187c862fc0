// Replaces the pattern in the text of every item it visits (the first
// occurrence, or the whole text when it equals the pattern) and counts the
// replacements.  It never reports a match, so a walk with it sees the whole
// subtree.
#pragma once

#include "KNameFilter.h"

class CKReplaceFilter : public CKNameFilter {
public:
    CKReplaceFilter(const char* pattern, const char* replacement, BOOL matchCase, BOOL partial)
        : CKNameFilter(pattern, matchCase, partial), m_strReplacement(replacement), m_nCount(0) {}

    void Visit(CKItem& item) override;

    CKString m_strReplacement;
    int m_nCount;
};
