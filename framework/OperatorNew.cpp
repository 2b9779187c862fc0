// Allocation failure anywhere in a module built on the framework is raised as
// the framework raises it, a CMemoryException*, so that the guards around the
// exports catch it like every other framework error.  The nothrow forms are
// left to the runtime and still answer null.
#include <cstdlib>
#include <new>

#include "CException.h"

namespace {
void* Allocate(std::size_t size) {
    void* memory = std::malloc(size != 0 ? size : 1);
    if (memory == nullptr)
        AfxThrowMemoryException();
    return memory;
}
} // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
