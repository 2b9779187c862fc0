// Makes the kit object that fits an outline item's kind.  A factory carries no
// state; the objects it makes belong to the caller (normally a CKObjectList).
#pragma once

#include "HostOutline.h"
#include "KObject.h"

class CKItem;

class CKFactory : public CKObject {
    DECLARE_DYNAMIC(CKFactory)
public:
    CKFactory() : CKObject(FALSE) {}
    ~CKFactory() override = default;

    virtual CKItem* CreateItem(CKItem& item);
    virtual CKItem* CreateItem(HOUTLINE outline, HITEM item);
};

// A new factory on the heap; the caller deletes it.
CKFactory* GetItemFactory();
