#pragma once
// Fault injection for tests of start-up and of the tone object: makes the next platform
// call of a kind fail with a chosen status. UI thread only; Reset() clears everything.

#include "platform/sound/DirectSound.h"

class SoundFaults {
public:
    // The next DirectSoundCreate fails with status.
    static void FailNextDeviceCreate(HRESULT status = DSERR_NODRIVER);
    // The next creation of a primary buffer fails with status.
    static void FailNextPrimaryCreate(HRESULT status = DSERR_OUTOFMEMORY);
    // The next SetFormat on a primary buffer fails with status.
    static void FailNextSetFormat(HRESULT status = DSERR_BADFORMAT);
    // The next Play of a primary buffer fails with status.
    static void FailNextPrimaryPlay(HRESULT status = DSERR_GENERIC);
    // The next count creations of secondary buffers fail with status.
    static void FailSecondaryCreates(int count = 1, HRESULT status = DSERR_OUTOFMEMORY);
    // The next count Locks of secondary buffers find their buffer lost.
    static void LoseNextLocks(int count = 1);
    static void Reset();

    // Used by the platform: the status to fail with now (consumed), or DS_OK.
    static HRESULT TakeDeviceCreate();
    static HRESULT TakePrimaryCreate();
    static HRESULT TakeSetFormat();
    static HRESULT TakePrimaryPlay();
    static HRESULT TakeSecondaryCreate();
    static bool TakeLostLock();
};
