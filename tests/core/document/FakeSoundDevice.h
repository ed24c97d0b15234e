#pragma once
// A sound device that only remembers what its buffers were told, and can refuse buffers.

#include "platform/sound/DirectSound.h"

#include <cstdint>
#include <set>
#include <vector>

class FakeSoundDevice : public IDirectSound {
public:
    class Buffer : public IDirectSoundBuffer {
    public:
        Buffer(FakeSoundDevice& device, const DSBUFFERDESC& desc)
            : m_device(device), m_format(*desc.lpwfxFormat), m_data(desc.dwBufferBytes) {}
        HRESULT GetCaps(DSBCAPS* caps) override {
            caps->dwBufferBytes = static_cast<DWORD>(m_data.size());
            return DS_OK;
        }
        HRESULT GetFormat(WAVEFORMATEX* format, DWORD, DWORD*) override {
            *format = m_format;
            return DS_OK;
        }
        HRESULT GetStatus(DWORD* status) override {
            *status = m_playing ? DSBSTATUS_PLAYING | DSBSTATUS_LOOPING : 0;
            return DS_OK;
        }
        HRESULT GetVolume(LONG* volume) override {
            *volume = m_volume;
            return DS_OK;
        }
        HRESULT GetPan(LONG* pan) override {
            *pan = m_pan;
            return DS_OK;
        }
        HRESULT SetFormat(const WAVEFORMATEX*) override { return DS_OK; }
        HRESULT SetVolume(LONG volume) override {
            m_volume = volume;
            return DS_OK;
        }
        HRESULT SetPan(LONG pan) override {
            m_pan = pan;
            return DS_OK;
        }
        HRESULT Play(DWORD, DWORD, DWORD) override {
            m_playing = true;
            return DS_OK;
        }
        HRESULT Stop() override {
            m_playing = false;
            return DS_OK;
        }
        HRESULT Lock(DWORD, DWORD, void** p1, DWORD* b1, void** p2, DWORD* b2, DWORD) override {
            *p1 = m_data.data();
            *b1 = static_cast<DWORD>(m_data.size());
            *p2 = nullptr;
            *b2 = 0;
            return DS_OK;
        }
        HRESULT Unlock(void*, DWORD, void*, DWORD) override { return DS_OK; }
        HRESULT Restore() override { return DS_OK; }
        DWORD Release() override {
            m_device.m_live.erase(this);
            delete this;
            return 0;
        }
        bool Playing() const { return m_playing; }

    private:
        FakeSoundDevice& m_device;
        WAVEFORMATEX m_format;
        std::vector<std::uint8_t> m_data;
        LONG m_volume = 0;
        LONG m_pan = 0;
        bool m_playing = false;
    };

    ~FakeSoundDevice() override {
        while (!m_live.empty())
            (*m_live.begin())->Release();
    }

    HRESULT CreateSoundBuffer(const DSBUFFERDESC* desc, IDirectSoundBuffer** buffer,
                              void*) override {
        if (m_refuse)
            return DSERR_OUTOFMEMORY;
        auto* created = new Buffer(*this, *desc);
        m_live.insert(created);
        *buffer = created;
        return DS_OK;
    }
    HRESULT SetCooperativeLevel(HWND, DWORD) override { return DS_OK; }
    DWORD Release() override { return 0; }

    int LiveBuffers() const { return static_cast<int>(m_live.size()); }
    int PlayingBuffers() const {
        int n = 0;
        for (const Buffer* b : m_live)
            n += b->Playing() ? 1 : 0;
        return n;
    }

    bool m_refuse = false;
    std::set<Buffer*> m_live;
};
