// Matches a pattern against an item's line as the outline shows it: the full
// kind name, a blank and the text.
#pragma once

#include "KNameFilter.h"

class CKLineFilter : public CKNameFilter {
public:
    using CKNameFilter::CKNameFilter;
    void Visit(CKItem& item) override;
};
