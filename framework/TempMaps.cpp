#include "TempMaps.h"

#include <vector>

namespace {
struct TempMapState {
    int locks = 0;
    std::vector<AfxTempReleaser> releasers;
};

TempMapState& State() {
    static TempMapState state;
    return state;
}
} // namespace

void AfxRegisterTempMap(AfxTempReleaser release) {
    if (release != nullptr)
        State().releasers.push_back(release);
}

void AfxLockTempMaps() {
    ++State().locks;
}

BOOL AfxUnlockTempMaps(BOOL deleteTemps) {
    TempMapState& state = State();
    if (state.locks == 0 || --state.locks != 0)
        return FALSE;
    if (deleteTemps)
        AfxReleaseTempObjects();
    return TRUE;
}

void AfxReleaseTempObjects() {
    TempMapState& state = State();
    if (state.locks != 0)
        return;
    for (AfxTempReleaser release : state.releasers)
        release();
}

int AfxGetTempMapLockCount() {
    return State().locks;
}
