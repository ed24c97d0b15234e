#pragma once
// The sound device: creates the primary and the secondary buffers and owns the mixer and
// the output that plays it. Buffers keep the device alive until they are released. The
// device's ceiling is the one place every sound passes on its way to the ears.

#include "platform/sound/DirectSound.h"
#include "platform/sound/IAudioOutput.h"
#include "platform/sound/Mixer.h"

#include <memory>
#include <vector>

class SoundBuffer;

class SoundDevice : public IDirectSound {
public:
    // Creates a device playing on output; DSERR_NODRIVER when the output cannot start.
    static HRESULT Create(std::unique_ptr<IAudioOutput> output, SoundDevice** device);

    // Primary buffer (flags 1, length 0, no format) or a secondary one: PCM mono 16-bit at
    // 44100 Hz (else DSERR_BADFORMAT), 4 bytes or more (else DSERR_INVALIDPARAM).
    HRESULT CreateSoundBuffer(const DSBUFFERDESC* desc, IDirectSoundBuffer** buffer,
                              void* outer) override;
    // Accepted and remembered; the mixer needs no priority.
    HRESULT SetCooperativeLevel(HWND window, DWORD level) override;
    // Every ear's sum follows a new ceiling at once (ramped like a volume change).
    HRESULT SetCeiling(LONG volume) override;
    LONG Ceiling() const { return m_ceiling; }
    DWORD AddRef();
    // The last reference stops the output and frees the mixer.
    DWORD Release() override;

    // The mixer the buffers play on (for tests that render on demand).
    Mixer& GetMixer() { return *m_mixer; }

private:
    explicit SoundDevice(std::unique_ptr<IAudioOutput> output);
    ~SoundDevice() override;
    HRESULT CreateSecondary(const DSBUFFERDESC& desc, IDirectSoundBuffer** buffer);

    std::unique_ptr<Mixer> m_mixer;
    std::unique_ptr<IAudioOutput> m_output;
    DWORD m_refs = 1;
    LONG m_ceiling = 0;
};
