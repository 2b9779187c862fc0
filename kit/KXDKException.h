// The kit's one exception: an error code and a message, thrown by pointer and
// deleted by whoever catches it (as a CKXDKException*, CException* or CObject*).
#pragma once

#include "CException.h"
#include "KString.h"

// A kit item object was given an outline item whose kind its class refuses.
const int KIT_ERROR_KIND_REFUSED = 1000;

class CKXDKException : public CException {
    DECLARE_DYNAMIC(CKXDKException)
public:
    explicit CKXDKException(int error);
    ~CKXDKException() override = default;

    int m_nError;
    CKString m_strMessage;
};

// Raises the kit error with its message from the module's string table
// (empty when the table has none).
[[noreturn]] void ThrowKitError(int error);
