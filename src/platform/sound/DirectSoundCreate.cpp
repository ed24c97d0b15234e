#include "platform/sound/AudioOutputFactory.h"
#include "platform/sound/DirectSound.h"
#include "platform/sound/SoundDevice.h"

HRESULT DirectSoundCreate(const GUID* /*device*/, IDirectSound** ds, void* outer) {
    if (ds == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    *ds = nullptr;
    if (outer != nullptr) {
        return DSERR_INVALIDPARAM;
    }
    SoundDevice* device = nullptr;
    const HRESULT status = SoundDevice::Create(CreateAudioOutputFromEnvironment(), &device);
    *ds = device;
    return status;
}
