#include "FakeSoundDevice.h"

#include <algorithm>

FakeBuffer::FakeBuffer(FakeSoundDevice& device, const DSBUFFERDESC& desc)
    : m_device(device), m_format(*desc.lpwfxFormat), m_data(desc.dwBufferBytes) {
    m_device.m_live.push_back(this);
}

FakeBuffer::~FakeBuffer() {
    auto& live = m_device.m_live;
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
}

DWORD FakeBuffer::Release() {
    delete this;
    return 0;
}

HRESULT FakeBuffer::GetCaps(DSBCAPS* caps) {
    caps->dwBufferBytes = static_cast<DWORD>(m_data.size());
    return DS_OK;
}

HRESULT FakeBuffer::GetFormat(WAVEFORMATEX* format, DWORD, DWORD* sizeWritten) {
    if (format)
        *format = m_format;
    if (sizeWritten)
        *sizeWritten = sizeof(WAVEFORMATEX);
    return DS_OK;
}

HRESULT FakeBuffer::GetStatus(DWORD* status) {
    *status = m_playing ? (DSBSTATUS_PLAYING | DSBSTATUS_LOOPING) : 0;
    return DS_OK;
}

HRESULT FakeBuffer::GetVolume(LONG* volume) {
    *volume = m_volume;
    return DS_OK;
}

HRESULT FakeBuffer::GetPan(LONG* pan) {
    *pan = m_pan;
    return DS_OK;
}

HRESULT FakeBuffer::SetVolume(LONG volume) {
    m_volume = volume;
    return DS_OK;
}

HRESULT FakeBuffer::SetPan(LONG pan) {
    m_pan = pan;
    ++m_panCalls;
    return DS_OK;
}

HRESULT FakeBuffer::Play(DWORD, DWORD, DWORD) {
    m_playing = true;
    ++m_playCalls;
    return DS_OK;
}

HRESULT FakeBuffer::Stop() {
    m_playing = false;
    ++m_stopCalls;
    return DS_OK;
}

HRESULT FakeBuffer::Lock(DWORD offset, DWORD bytes, void** ptr1, DWORD* bytes1, void** ptr2,
                         DWORD* bytes2, DWORD) {
    *ptr1 = m_data.data() + offset;
    *bytes1 = bytes;
    if (ptr2)
        *ptr2 = nullptr;
    if (bytes2)
        *bytes2 = 0;
    return DS_OK;
}

HRESULT FakeSoundDevice::CreateSoundBuffer(const DSBUFFERDESC* desc, IDirectSoundBuffer** buffer,
                                           void*) {
    if (m_allow == 0) {
        *buffer = nullptr;
        return DSERR_OUTOFMEMORY;
    }
    if (m_allow > 0)
        --m_allow;
    ++m_created;
    *buffer = new FakeBuffer(*this, *desc);
    return DS_OK;
}
