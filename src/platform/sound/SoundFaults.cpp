#include "platform/sound/SoundFaults.h"

namespace {
HRESULT g_deviceCreate = DS_OK;
HRESULT g_primaryCreate = DS_OK;
HRESULT g_setFormat = DS_OK;
HRESULT g_primaryPlay = DS_OK;
HRESULT g_secondaryStatus = DS_OK;
int g_secondaryCount = 0;
int g_lostLocks = 0;

HRESULT Take(HRESULT& status) {
    const HRESULT taken = status;
    status = DS_OK;
    return taken;
}
} // namespace

void SoundFaults::FailNextDeviceCreate(HRESULT status) {
    g_deviceCreate = status;
}
void SoundFaults::FailNextPrimaryCreate(HRESULT status) {
    g_primaryCreate = status;
}
void SoundFaults::FailNextSetFormat(HRESULT status) {
    g_setFormat = status;
}
void SoundFaults::FailNextPrimaryPlay(HRESULT status) {
    g_primaryPlay = status;
}

void SoundFaults::FailSecondaryCreates(int count, HRESULT status) {
    g_secondaryCount = count;
    g_secondaryStatus = status;
}

void SoundFaults::LoseNextLocks(int count) {
    g_lostLocks = count;
}

void SoundFaults::Reset() {
    g_deviceCreate = g_primaryCreate = g_setFormat = g_primaryPlay = DS_OK;
    g_secondaryCount = 0;
    g_lostLocks = 0;
}

HRESULT SoundFaults::TakeDeviceCreate() {
    return Take(g_deviceCreate);
}
HRESULT SoundFaults::TakePrimaryCreate() {
    return Take(g_primaryCreate);
}
HRESULT SoundFaults::TakeSetFormat() {
    return Take(g_setFormat);
}
HRESULT SoundFaults::TakePrimaryPlay() {
    return Take(g_primaryPlay);
}

HRESULT SoundFaults::TakeSecondaryCreate() {
    if (g_secondaryCount <= 0) {
        return DS_OK;
    }
    --g_secondaryCount;
    return g_secondaryStatus;
}

bool SoundFaults::TakeLostLock() {
    if (g_lostLocks <= 0) {
        return false;
    }
    --g_lostLocks;
    return true;
}
