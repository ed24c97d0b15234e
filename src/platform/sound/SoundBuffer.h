#pragma once
// A looping secondary buffer: mono 16-bit samples, volume and pan, played by the mixer.
// Lock hands out the buffer's own memory; Unlock hands it to the audio thread, which keeps
// the one copy (a later Lock starts from a copy of that).
// What GetStatus, GetVolume and GetPan read back changes at once; the sound follows ramped.
// A buffer created with DSBCAPS_SILENTUNTILVOLUME reads back volume 0 like any new buffer, but
// stays silent until its volume is set: the output never hears a full level the caller did not
// set between a tone's new samples and its level. The device's ceiling (held in the mixer) may
// make it sound quieter than its volume, never louder.

#include "platform/sound/DirectSound.h"

#include <cstdint>
#include <vector>

class Mixer;
class SoundDevice;

class SoundBuffer : public IDirectSoundBuffer {
public:
    SoundBuffer(SoundDevice& device, int voice, DWORD flags, const WAVEFORMATEX& format,
                DWORD bytes);

    // Flags and byte length; caps->dwSize must be 20.
    HRESULT GetCaps(DSBCAPS* caps) override;
    HRESULT GetFormat(WAVEFORMATEX* format, DWORD sizeAllocated, DWORD* sizeWritten) override;
    // Bits 1 playing, 4 looping; never 2 (lost): the memory is the program's own.
    HRESULT GetStatus(DWORD* status) override;
    // Values outside the platform's range read back as they were set.
    HRESULT GetVolume(LONG* volume) override;
    HRESULT GetPan(LONG* pan) override;
    // Secondary buffers keep their format: DSERR_INVALIDCALL.
    HRESULT SetFormat(const WAVEFORMATEX* format) override;
    // mB; the output follows with a 20 ms ramp.
    HRESULT SetVolume(LONG volume) override;
    // -10000 left only .. 10000 right only; ramped like the volume.
    HRESULT SetPan(LONG pan) override;
    // From the current position; flags 1 = looping. Ramps in.
    HRESULT Play(DWORD reserved, DWORD priority, DWORD flags) override;
    // Ramps out; the position stays where the ramp ended.
    HRESULT Stop() override;
    HRESULT Lock(DWORD offset, DWORD bytes, void** ptr1, DWORD* bytes1, void** ptr2, DWORD* bytes2,
                 DWORD flags) override;
    // Publishes the buffer's samples to the audio thread.
    HRESULT Unlock(void* ptr1, DWORD bytes1, void* ptr2, DWORD bytes2) override;
    // Nothing to restore; always DS_OK.
    HRESULT Restore() override;
    // mB the samples lie below their level; sounds that much above the volume, capped at full
    // scale, and then held by the ceiling like any other sound.
    HRESULT SetHeadroom(LONG headroom) override;
    // The last reference ramps the voice out and frees it.
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
    float m_headroomGain = 1.0f;
    bool m_playing = false;
    bool m_looping = false;
    bool m_locked = false;
    bool m_silentUntilVolume = false;
    std::uint32_t m_endsAtPlay = 0;
    DWORD m_refs = 1;
};
