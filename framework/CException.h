// Framework exceptions are thrown by pointer.  Whoever catches one deletes it
// with Delete(), which frees it only when it was made on the heap to be
// thrown (the auto-delete flag).
#pragma once

#include <windows.h>

#include "CObject.h"

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL autoDelete = TRUE) : m_bAutoDelete(autoDelete) {}
    ~CException() override = default;

    void Delete();

    BOOL m_bAutoDelete;
};

class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    using CException::CException;
};

// Ends an operation the user can correct (a failed data-exchange check),
// after the user has been told; whoever catches it says nothing more.
class CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
public:
    using CException::CException;
};

[[noreturn]] void AfxThrowUserException();

// Raises allocation failure as the framework does: a CMemoryException*.
[[noreturn]] void AfxThrowMemoryException();
