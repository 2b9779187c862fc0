// Temporary objects: wrappers the framework makes on the fly (for example a
// window object for a handle it does not own) live until the next release.
// A call that must keep them alive locks the maps; unlocking the last lock
// releases them, and so does idle processing while nothing holds a lock.
#pragma once

#include <windows.h>

// A framework class that keeps temporary objects registers how to release them.
typedef void (*AfxTempReleaser)();
void AfxRegisterTempMap(AfxTempReleaser release);

void AfxLockTempMaps();
// TRUE when this was the last lock; the temporary objects are then released
// if deleteTemps is nonzero.
BOOL AfxUnlockTempMaps(BOOL deleteTemps = TRUE);
// Releases every registered map's objects, unless a lock is held.
void AfxReleaseTempObjects();
int AfxGetTempMapLockCount();

// Holds the lock for one scope, released whatever way the scope is left.
class CTempMapLock {
public:
    CTempMapLock() { AfxLockTempMaps(); }
    ~CTempMapLock() { AfxUnlockTempMaps(); }
    CTempMapLock(const CTempMapLock&) = delete;
    CTempMapLock& operator=(const CTempMapLock&) = delete;
};
