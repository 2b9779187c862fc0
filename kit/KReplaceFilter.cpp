#include "KReplaceFilter.h"

#include "KItem.h"

void CKReplaceFilter::Visit(CKItem& item) {
    CString text = item.GetText();
    if (!m_bPartial) {
        BOOL equal = m_bMatchCase ? text == m_strPattern : text.CompareNoCase(m_strPattern) == 0;
        if (equal) {
            ++m_nCount;
            item.WriteText(m_strReplacement);
        }
        return;
    }
    // Without match case the search runs on an upper-cased copy; upper-casing
    // keeps every byte where it was, so the position found is the position in
    // the item's own text, and the rest of the line is kept as it was.
    CString searched = text;
    if (!m_bMatchCase)
        searched.MakeUpper();
    int pos = searched.Find(m_strPattern);
    if (pos < 0)
        return;
    ++m_nCount;
    CString replaced = text.Left(pos) + m_strReplacement +
                       text.Mid(pos + m_strPattern.GetLength());
    item.WriteText(replaced);
}
