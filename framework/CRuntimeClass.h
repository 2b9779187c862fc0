// Run-time class records: every framework and kit class that answers
// GetRuntimeClass has one, naming the class, its object size, its schema
// number (0xFFFF: not serialisable), its base class's record and, for
// classes that can be made from their record, a construct-in-place entry.
// Each record is linked into the module's list of run-time classes when the
// module loads (static initialisation), so the list names every class of the
// module that has a record.
#pragma once

#include <windows.h>

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    // Constructs an object of the class in memory of m_nObjectSize bytes;
    // null for classes that cannot be made from their record.
    void (*m_pfnConstruct)(void* memory);
    CRuntimeClass* m_pBaseClass;
    // The next record in the module's list.
    CRuntimeClass* m_pNextClass;

    // TRUE when this class is the given one or derives from it.
    BOOL IsDerivedFrom(const CRuntimeClass* base) const;
    // A new object of the class, or null when the class has no construct
    // entry.  Allocation failure raises CMemoryException*.
    CObject* CreateObject() const;
};

// The first record of the module's list; the others follow m_pNextClass.
CRuntimeClass* AfxGetFirstRuntimeClass();
// The record with the given class name, or null.
CRuntimeClass* AfxFindRuntimeClass(const char* className);

// Links a record into the module's list; a static object of this type, made
// by IMPLEMENT_RUNTIMECLASS, does it at load.
struct AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* record);
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                                                \
public:                                                                                            \
    static CRuntimeClass class##class_name;                                                        \
    CRuntimeClass* GetRuntimeClass() const override;

// A class whose record can make objects (default constructor required).
#define DECLARE_DYNCREATE(class_name)                                                              \
    DECLARE_DYNAMIC(class_name)                                                                    \
    static void Construct(void* memory);

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, construct)                     \
    CRuntimeClass class_name::class##class_name = {                                                \
        #class_name, static_cast<int>(sizeof(class_name)), schema,                                 \
        construct,   RUNTIME_CLASS(base_class_name),       nullptr};                               \
    static const AFX_CLASSINIT _init_##class_name(&class_name::class##class_name);                 \
    CRuntimeClass* class_name::GetRuntimeClass() const {                                           \
        return RUNTIME_CLASS(class_name);                                                          \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                             \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                           \
    void class_name::Construct(void* memory) {                                                     \
        new (memory) class_name;                                                                   \
    }                                                                                              \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::Construct)
