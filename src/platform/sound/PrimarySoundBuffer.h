#pragma once
// The primary buffer: stands for the output itself. Its format can only be set to the
// mixer's output format (PCM, 2 channels, 44100 Hz, 16 bits); it has no samples of its own.

#include "platform/sound/DirectSound.h"

class SoundDevice;

class PrimarySoundBuffer : public IDirectSoundBuffer {
public:
    explicit PrimarySoundBuffer(SoundDevice& device);

    // The format the output accepts.
    static WAVEFORMATEX OutputFormat();

    HRESULT GetCaps(DSBCAPS* caps) override;
    HRESULT GetFormat(WAVEFORMATEX* format, DWORD sizeAllocated, DWORD* sizeWritten) override;
    HRESULT GetStatus(DWORD* status) override;
    // The primary buffer has no volume or pan control: DSERR_INVALIDCALL.
    HRESULT GetVolume(LONG* volume) override;
    HRESULT GetPan(LONG* pan) override;
    // DSERR_BADFORMAT for anything but OutputFormat().
    HRESULT SetFormat(const WAVEFORMATEX* format) override;
    HRESULT SetVolume(LONG volume) override;
    HRESULT SetPan(LONG pan) override;
    HRESULT Play(DWORD reserved, DWORD priority, DWORD flags) override;
    HRESULT Stop() override;
    // The output's memory is not reachable: DSERR_PRIOLEVELNEEDED.
    HRESULT Lock(DWORD offset, DWORD bytes, void** ptr1, DWORD* bytes1, void** ptr2, DWORD* bytes2,
                 DWORD flags) override;
    HRESULT Unlock(void* ptr1, DWORD bytes1, void* ptr2, DWORD bytes2) override;
    HRESULT Restore() override;
    // Only secondary buffers hold samples.
    HRESULT SetHeadroom(LONG) override { return DSERR_INVALIDCALL; }
    DWORD Release() override;

private:
    ~PrimarySoundBuffer() override = default;

    SoundDevice& m_device;
    WAVEFORMATEX m_format;
    bool m_playing = false;
    DWORD m_refs = 1;
};
