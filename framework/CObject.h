// The root of the framework's and the kit's classes: objects that know their
// run-time class.  Serialize, AssertValid and Dump are the diagnostics and
// persistence hooks that derived classes may replace; this module neither
// archives nor dumps objects, so the root's versions do nothing.
#pragma once

#include <windows.h>

#include "CRuntimeClass.h"

class CArchive;
class CDumpContext;

class CObject {
public:
    static CRuntimeClass classCObject;

    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& archive);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& context) const;

    // TRUE when the object's class is the given one or derives from it.
    BOOL IsKindOf(const CRuntimeClass* runtimeClass) const;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};
