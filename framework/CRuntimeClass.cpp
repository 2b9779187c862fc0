#include "CRuntimeClass.h"

#include <cstring>
#include <new>

#include "CObject.h"

namespace {
// Zero-initialised before any static constructor runs, so records link in
// whatever the order of the files.
CRuntimeClass* g_firstClass = nullptr;
} // namespace

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* record) {
    for (CRuntimeClass* known = g_firstClass; known != nullptr; known = known->m_pNextClass)
        if (known == record)
            return;
    record->m_pNextClass = g_firstClass;
    g_firstClass = record;
}

CRuntimeClass* AfxGetFirstRuntimeClass() {
    return g_firstClass;
}

CRuntimeClass* AfxFindRuntimeClass(const char* className) {
    if (className == nullptr)
        return nullptr;
    for (CRuntimeClass* record = g_firstClass; record != nullptr; record = record->m_pNextClass)
        if (std::strcmp(record->m_lpszClassName, className) == 0)
            return record;
    return nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
    if (base == nullptr)
        return FALSE;
    for (const CRuntimeClass* record = this; record != nullptr; record = record->m_pBaseClass)
        if (record == base)
            return TRUE;
    return FALSE;
}

CObject* CRuntimeClass::CreateObject() const {
    if (m_pfnConstruct == nullptr)
        return nullptr;
    void* memory = ::operator new(static_cast<std::size_t>(m_nObjectSize));
    try {
        m_pfnConstruct(memory);
    } catch (...) {
        ::operator delete(memory);
        throw;
    }
    // The framework's classes derive from CObject singly, so the object starts
    // where its CObject part does.
    return static_cast<CObject*>(memory);
}
