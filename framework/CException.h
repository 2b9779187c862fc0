// Framework exceptions are thrown by pointer.  Whoever catches one deletes it
// with Delete(), which frees it only when it was made on the heap to be
// thrown (the auto-delete flag).
#pragma once

#include <windows.h>

class CException {
public:
    explicit CException(BOOL autoDelete = TRUE) : m_bAutoDelete(autoDelete) {}
    virtual ~CException() = default;

    void Delete();

    BOOL m_bAutoDelete;
};

class CMemoryException : public CException {
public:
    using CException::CException;
};

// Raises allocation failure as the framework does: a CMemoryException*.
[[noreturn]] void AfxThrowMemoryException();
