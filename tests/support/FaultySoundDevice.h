#pragma once
// A real sound device seen through a wrapper that can make its calls fail, for the paths a
// working device never takes: a refused buffer, a lost one, a primary buffer that will not take
// the output format or play, a device that cannot be made. Everything else passes through, so
// the sound still reaches the wrapped device's output. UI thread only.

#include "platform/sound/DirectSound.h"

class FaultySoundDevice : public IDirectSound {
public:
    // Wraps device; owns the reference when owning is true (then Release gives it up too).
    FaultySoundDevice(IDirectSound* device, bool owning);
    ~FaultySoundDevice() override;
    // A device made by DirectSoundCreate for the environment's output, owned; null if it fails.
    static FaultySoundDevice* Create();

    HRESULT CreateSoundBuffer(const DSBUFFERDESC* desc, IDirectSoundBuffer** buffer,
                              void* outer) override;
    HRESULT SetCooperativeLevel(HWND window, DWORD level) override;
    HRESULT SetCeiling(LONG volume) override;
    // An owning wrapper deletes itself at the last reference; a borrowed one never does.
    DWORD Release() override;

    // Faults still to come; each is used up when it strikes.
    HRESULT failPrimaryCreate = DS_OK;
    HRESULT failSetFormat = DS_OK;
    HRESULT failPrimaryPlay = DS_OK;
    int refuseSecondaries = 0;
    HRESULT refuseStatus = DSERR_OUTOFMEMORY;
    int loseLocks = 0;

private:
    IDirectSound* m_pDevice;
    bool m_bOwning;
};
