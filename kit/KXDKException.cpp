#include "KXDKException.h"

IMPLEMENT_DYNAMIC(CKXDKException, CException)

CKXDKException::CKXDKException(int error) : CException(TRUE), m_nError(error) {}

void ThrowKitError(int error) {
    CKXDKException* e = new CKXDKException(error);
    e->m_strMessage.LoadString(UINT(error));
    throw e;
}
