#pragma once
// A looping secondary buffer: mono 16-bit samples, volume and pan, played by the mixer.
// Lock hands out the buffer's own memory; Unlock publishes a copy to the audio thread.
// What GetStatus, GetVolume and GetPan read back changes at once; the sound follows ramped.

#include "platform/sound/DirectSound.h"

#include <cstdint>
#include <vector>

class Mixer;
class SoundDevice;

class SoundBuffer : public IDirectSoundBuffer {
public:
    SoundBuffer(SoundDevice& device, int voice, DWORD flags, const WAVEFORMATEX& format,
                DWORD bytes);

    HRESULT GetCaps(DSBCAPS* caps) override;
    HRESULT GetFormat(WAVEFORMATEX* format, DWORD sizeAllocated, DWORD* sizeWritten) override;
    HRESULT GetStatus(DWORD* status) override;
    // Values outside the platform's range read back as they were set.
    HRESULT GetVolume(LONG* volume) override;
    HRESULT GetPan(LONG* pan) override;
    // Secondary buffers keep their format: DSERR_INVALIDCALL.
    HRESULT SetFormat(const WAVEFORMATEX* format) override;
    HRESULT SetVolume(LONG volume) override;
    HRESULT SetPan(LONG pan) override;
    HRESULT Play(DWORD reserved, DWORD priority, DWORD flags) override;
    HRESULT Stop() override;
    // DSERR_BUFFERLOST while the buffer is lost (until Restore).
    HRESULT Lock(DWORD offset, DWORD bytes, void** ptr1, DWORD* bytes1, void** ptr2, DWORD* bytes2,
                 DWORD flags) override;
    HRESULT Unlock(void* ptr1, DWORD bytes1, void* ptr2, DWORD bytes2) override;
    HRESULT Restore() override;
    DWORD Release() override;

private:
    ~SoundBuffer() override;
    void SendGains();

    SoundDevice& m_device;
    Mixer& m_mixer;
    int m_voice;
    DWORD m_flags;
    WAVEFORMATEX m_format;
    DWORD m_bytes;
    std::vector<std::int16_t> m_samples;
    LONG m_volume = 0;
    LONG m_pan = 0;
    bool m_playing = false;
    bool m_looping = false;
    bool m_lost = false;
    bool m_locked = false;
    std::uint32_t m_endsAtPlay = 0;
    DWORD m_refs = 1;
};
