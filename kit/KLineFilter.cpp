#include "KLineFilter.h"

#include "KItem.h"

void CKLineFilter::Visit(CKItem& item) {
    CString line;
    line.Format("%s %s", static_cast<const char*>(item.GetKindName(FALSE)),
                static_cast<const char*>(item.GetText()));
    m_bMatched = Matches(line);
}
