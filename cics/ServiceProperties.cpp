#include "ServiceProperties.h"

#include "KWiringObject.h"

namespace cics {

BOOL ReadFlag(CKWiringObject& component, const char* key) {
    CKString value;
    component.GetNamedProperty(key, value);
    return IsFlagOn(value);
}

BOOL IsTransactionService(CKWiringObject& component) { return ReadFlag(component, TRANSACTION); }

} // namespace cics
