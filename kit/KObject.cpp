#include "KObject.h"

IMPLEMENT_DYNAMIC(CKObject, CObject)
