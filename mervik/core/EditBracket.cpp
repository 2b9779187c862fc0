#include "EditBracket.h"

#include <algorithm>

namespace mervik {

bool EditBracket::Open() {
    if (open_)
        return false;
    open_ = true;
    marks_.clear();
    return true;
}

uint32_t EditBracket::Mark(uint32_t item) {
    if (!open_ || item == 0 || nextMark_ == UINT32_MAX)
        return 0;
    marks_.push_back(nextMark_);
    return nextMark_++;
}

bool EditBracket::Close(uint32_t mark) {
    auto found = std::find(marks_.begin(), marks_.end(), mark);
    if (!open_ || found == marks_.end())
        return false;
    marks_.erase(found);
    return true;
}

bool EditBracket::End() {
    if (!open_)
        return false;
    open_ = false;
    marks_.clear();
    ++completed_;
    return true;
}

} // namespace mervik
