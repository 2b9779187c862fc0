// The root of the kit's classes: an object that knows whether it is valid.
#pragma once

#include "CObject.h"

class CKObject : public CObject {
    DECLARE_DYNAMIC(CKObject)
public:
    explicit CKObject(BOOL valid = FALSE) : m_bValid(valid) {}
    CKObject(const CKObject& other) : CObject(), m_bValid(other.m_bValid) {}
    CKObject& operator=(const CKObject& other) {
        m_bValid = other.m_bValid;
        return *this;
    }
    ~CKObject() override = default;

    virtual BOOL IsValid() const { return m_bValid; }
    virtual BOOL SetValid(BOOL valid) { return m_bValid = valid; }

    BOOL m_bValid;
};
