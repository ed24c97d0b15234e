#include "platform/sound/AudioOutputFactory.h"
#include "platform/sound/DirectSound.h"
#include "platform/sound/SoundDevice.h"
#include "platform/sound/SoundFaults.h"

HRESULT DirectSoundCreate(const GUID* /*device*/, IDirectSound** ds, void* outer) {
    if (ds == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    *ds = nullptr;
    if (outer != nullptr) {
        return DSERR_INVALIDPARAM;
    }
    if (const HRESULT fault = SoundFaults::TakeDeviceCreate(); fault != DS_OK) {
        return fault;
    }
    SoundDevice* device = nullptr;
    const HRESULT status = SoundDevice::Create(CreateAudioOutputFromEnvironment(), &device);
    *ds = device;
    return status;
}
