// The edit bracket that groups changes to outlines into one undoable step.  A
// bracket is open from OpenEdit to EndEdit; marks record items inside it.
#pragma once

#include <cstdint>
#include <vector>

namespace mervik {

class EditBracket {
public:
    bool IsOpen() const { return open_; }
    // False when a bracket is open already.
    bool Open();
    // A mark for the item within the open bracket; 0 without one.
    uint32_t Mark(uint32_t item);
    // Closes a mark of the open bracket; false for any other.
    bool Close(uint32_t mark);
    // Ends the open bracket; false when none is open.
    bool End();
    unsigned Completed() const { return completed_; }

private:
    bool open_ = false;
    uint32_t nextMark_ = 1;
    std::vector<uint32_t> marks_;
    unsigned completed_ = 0;
};

} // namespace mervik
