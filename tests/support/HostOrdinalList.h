// The outline library's operations as the one ordinal list numbers them, for
// the tests that check both sides of the binding.  The including program
// needs host/ on its include path.
#pragma once

#include <windows.h>

#include <set>

inline std::set<WORD> ListedHostOrdinals() {
    std::set<WORD> ordinals;
#define HOST_OPERATION(ordinal, name, bytes) ordinals.insert(ordinal);
#include "HostOrdinals.h"
#undef HOST_OPERATION
    return ordinals;
}

// How many entries the list has (equal to the set's size when no ordinal repeats).
inline int HostOperationCount() {
    int count = 0;
#define HOST_OPERATION(ordinal, name, bytes) ++count;
#include "HostOrdinals.h"
#undef HOST_OPERATION
    return count;
}
