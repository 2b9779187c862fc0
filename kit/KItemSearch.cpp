// The item base's searches: a filter walked over the item's subtree.
#include "KItem.h"
#include "KLineFilter.h"
#include "KReplaceFilter.h"
#include "KTreeIterator.h"

BOOL CKItem::Accept(CKItemFilter& filter) {
    filter.Visit(*this);
    return 1;
}

BOOL CKItem::FindItem(CKItem& out, CKItemFilter& filter) {
    CKTreeIterator walk(&filter, *this);
    if (!walk.Run())
        return 0;
    out = walk.CurrentItem(); // the out object's kind check may refuse it (kit error 1000)
    return 1;
}

BOOL CKItem::FindItem(const char* pattern, CKItem& out, BOOL matchCase, BOOL partial,
                      BOOL fullLine) {
    if (fullLine) {
        CKLineFilter filter(pattern, matchCase, partial);
        return FindItem(out, filter);
    }
    CKNameFilter filter(pattern, matchCase, partial);
    return FindItem(out, filter);
}

BOOL CKItem::MoveTo(const char* pattern, BOOL matchCase, BOOL partial, BOOL fullLine) {
    return FindItem(pattern, *this, matchCase, partial, fullLine);
}

int CKItem::ReplaceText(const char* pattern, const char* replacement, BOOL matchCase,
                        BOOL partial) {
    CKReplaceFilter filter(pattern, replacement, matchCase, partial);
    CKTreeIterator walk(&filter, *this);
    walk.Run();
    return filter.m_nCount;
}
