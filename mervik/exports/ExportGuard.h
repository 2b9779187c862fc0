// Runs an export's body so that nothing thrown inside (allocation failure
// included) crosses into the caller: a throw gives the export's failure result.
#pragma once

#include <cstdint>

namespace mervik {

template <class Result, class Body> Result Guarded(Result failure, Body body) noexcept {
    try {
        return body();
    } catch (...) {
        return failure;
    }
}

// An operation's answer from whether it was done: TRUE or FALSE.
inline int Answer(bool done) { return done ? 1 : 0; }

} // namespace mervik

namespace mervik {

// The library's 32-bit view of a caller's handle slot (a DWORD), written back when it ends.
template <class Slot> class HandleSlot {
public:
    explicit HandleSlot(Slot* slot) : slot_(slot), value_(slot != nullptr ? *slot : 0) {}
    ~HandleSlot() {
        if (slot_ != nullptr)
            *slot_ = value_;
    }
    HandleSlot(const HandleSlot&) = delete;
    HandleSlot& operator=(const HandleSlot&) = delete;
    unsigned* get() { return slot_ != nullptr ? &value_ : nullptr; }

private:
    Slot* slot_;
    unsigned value_;
};

} // namespace mervik
