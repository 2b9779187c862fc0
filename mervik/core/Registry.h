// A table of objects addressed by 32-bit handles.  A handle is the slot's
// position plus one and is handed out once per process: a removed object's
// slot stays empty, so a stale handle can never name a newer object.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

namespace mervik {

template <class T> class Registry {
public:
    // The new object's handle; throws std::length_error when the handle space is spent.
    uint32_t Add(std::unique_ptr<T> object) {
        if (slots_.size() >= UINT32_MAX - 1)
            throw std::length_error("handle space exhausted");
        slots_.push_back(std::move(object));
        ++live_;
        return static_cast<uint32_t>(slots_.size());
    }

    // Reserves the handle the next Add will return, for objects that record their own.
    uint32_t NextHandle() const { return static_cast<uint32_t>(slots_.size() + 1); }

    T* Find(uint32_t handle) const {
        if (handle == 0 || handle > slots_.size())
            return nullptr;
        return slots_[handle - 1].get();
    }

    std::unique_ptr<T> Remove(uint32_t handle) {
        if (Find(handle) == nullptr)
            return nullptr;
        --live_;
        return std::move(slots_[handle - 1]);
    }

    std::size_t LiveCount() const { return live_; }

private:
    std::vector<std::unique_ptr<T>> slots_;
    std::size_t live_ = 0;
};

} // namespace mervik
