#include "CException.h"

#include <new>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CUserException, CException)

void CException::Delete() {
    if (m_bAutoDelete)
        delete this;
}

void AfxThrowMemoryException() {
    // Allocated with nothrow: when even this fails, a shared static object
    // (never deleted) is thrown, so the failure is still reported.
    static CMemoryException lastResort(FALSE);
    CException* e = new (std::nothrow) CMemoryException(TRUE);
    throw e != nullptr ? e : &lastResort;
}

void AfxThrowUserException() {
    throw static_cast<CException*>(new CUserException(TRUE));
}
