// An object list that owns what it holds: the objects still in it when it is
// destroyed are deleted.  Removing an element hands it back to the caller.
#pragma once

#include "CObList.h"

class CKObjectList : public CObList {
    DECLARE_DYNAMIC(CKObjectList)
public:
    CKObjectList() : CObList(10) {}
    ~CKObjectList() override;
};
