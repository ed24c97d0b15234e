#pragma once
// A sound device without mixer or output: its buffers only remember what they were told and
// count the calls, and the device can refuse buffers. Single-threaded.

#include "platform/sound/DirectSound.h"

#include <cstdint>
#include <vector>

class FakeSoundDevice;

class FakeSoundBuffer : public IDirectSoundBuffer {
public:
    FakeSoundBuffer(FakeSoundDevice& device, const DSBUFFERDESC& desc);

    HRESULT GetCaps(DSBCAPS* caps) override;
    HRESULT GetFormat(WAVEFORMATEX* format, DWORD sizeAllocated, DWORD* sizeWritten) override;
    HRESULT GetStatus(DWORD* status) override;
    HRESULT GetVolume(LONG* volume) override;
    HRESULT GetPan(LONG* pan) override;
    HRESULT SetFormat(const WAVEFORMATEX*) override { return DSERR_INVALIDCALL; }
    HRESULT SetVolume(LONG volume) override;
    HRESULT SetPan(LONG pan) override;
    HRESULT Play(DWORD reserved, DWORD priority, DWORD flags) override;
    HRESULT Stop() override;
    HRESULT Lock(DWORD offset, DWORD bytes, void** ptr1, DWORD* bytes1, void** ptr2, DWORD* bytes2,
                 DWORD flags) override;
    HRESULT Unlock(void*, DWORD, void*, DWORD) override { return DS_OK; }
    HRESULT Restore() override { return DS_OK; }
    HRESULT SetHeadroom(LONG headroom) override {
        m_headroom = headroom;
        return DS_OK;
    }
    DWORD Release() override;

    const std::vector<std::uint8_t>& Data() const { return m_data; }

    const DWORD m_flags;
    LONG m_volume = 0;
    LONG m_pan = 0;
    LONG m_headroom = 0;
    bool m_playing = false;
    int m_panCalls = 0;
    int m_playCalls = 0;
    int m_stopCalls = 0;

private:
    ~FakeSoundBuffer() override;

    FakeSoundDevice& m_device;
    WAVEFORMATEX m_format;
    std::vector<std::uint8_t> m_data;
};

class FakeSoundDevice : public IDirectSound {
public:
    FakeSoundDevice() = default;
    FakeSoundDevice(const FakeSoundDevice&) = delete;
    FakeSoundDevice& operator=(const FakeSoundDevice&) = delete;
    // Frees the buffers nobody released, so a test that checks for leaks must look before.
    ~FakeSoundDevice() override;

    HRESULT CreateSoundBuffer(const DSBUFFERDESC* desc, IDirectSoundBuffer** buffer,
                              void* outer) override;
    HRESULT SetCooperativeLevel(HWND, DWORD) override { return DS_OK; }
    HRESULT SetCeiling(LONG volume) override {
        m_ceiling = volume;
        return DS_OK;
    }
    DWORD Release() override { return 0; }

    // The buffer handed out last among those still alive.
    FakeSoundBuffer* Newest() const { return m_live.empty() ? nullptr : m_live.back(); }
    int LiveBuffers() const { return static_cast<int>(m_live.size()); }
    int PlayingBuffers() const;

    std::vector<FakeSoundBuffer*> m_live;
    int m_created = 0;
    LONG m_ceiling = 0;
    // Buffer creations still allowed; negative means no limit, 0 refuses every buffer.
    int m_allow = -1;
};
