// Built, never run: a program that binds every outline operation through the
// import library.  It links only if each declaration's stdcall argument size
// matches the ordinal list, and its import table (read by host_import_test)
// shows how the binding is made.
#include "HostOutline.h"

namespace {
#ifdef __i386__ // only 32-bit stdcall names carry the argument size
template <class R, class... A>
constexpr int ArgumentBytes(R(WINAPI*)(A...)) {
    return (0 + ... + static_cast<int>((sizeof(A) + 3) & ~size_t(3)));
}

#define HOST_OPERATION(ordinal, name, bytes)                                                       \
    static_assert(ArgumentBytes(&name) == bytes, #name ": argument size differs from its ordinal entry");
#include "HostOrdinals.h"
#undef HOST_OPERATION
#endif

#define HOST_OPERATION(ordinal, name, bytes) reinterpret_cast<const void*>(&name),
const void* const kOperations[] = {
#include "HostOrdinals.h"
};
#undef HOST_OPERATION
} // namespace

// Indexed by a value known only at run time, so that no entry can be dropped.
int main(int argc, char**) {
    const int count = sizeof kOperations / sizeof kOperations[0];
    return kOperations[argc % count] != nullptr ? 0 : 1;
}
