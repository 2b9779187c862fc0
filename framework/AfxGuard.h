// The guard around every entry that the host calls: nothing thrown inside may
// cross into the host.  A framework exception is deleted and any other
// exception (allocation failure of the standard library included) is
// swallowed; the entry then answers its ordinary failure result.
#pragma once

#include "CException.h"

template <class Result, class Body> Result AfxGuard(Result failure, Body&& body) {
    try {
        return body();
    } catch (CException* e) {
        if (e != nullptr)
            e->Delete();
    } catch (...) {
    }
    return failure;
}
