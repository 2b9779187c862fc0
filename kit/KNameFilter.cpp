#include "KNameFilter.h"

#include "KItem.h"

CKNameFilter::CKNameFilter(const char* pattern, BOOL matchCase, BOOL partial)
    : m_bMatchCase(matchCase), m_bPartial(partial), m_strPattern(pattern) {
    if (!matchCase && partial)
        m_strPattern.MakeUpper();
}

BOOL CKNameFilter::Matches(const CString& text) const {
    if (m_bMatchCase)
        return m_bPartial ? text.Find(m_strPattern) >= 0 : text == m_strPattern;
    if (!m_bPartial)
        return text.CompareNoCase(m_strPattern) == 0;
    CString upper = text;
    upper.MakeUpper();
    return upper.Find(m_strPattern) >= 0;
}

void CKNameFilter::Visit(CKItem& item) {
    if (m_strPattern.IsEmpty())
        return;
    m_bMatched = Matches(item.GetText());
}
