#include "KObjectList.h"

IMPLEMENT_DYNAMIC(CKObjectList, CObList)

CKObjectList::~CKObjectList() {
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) {
        CObject* object = GetNext(pos);
        delete object; // null is skipped by delete itself
    }
}
