#include "support/FakeSoundDevice.h"

#include <algorithm>

FakeSoundBuffer::FakeSoundBuffer(FakeSoundDevice& device, const DSBUFFERDESC& desc)
    : m_flags(desc.dwFlags), m_device(device),
      m_format(desc.lpwfxFormat ? *desc.lpwfxFormat : WAVEFORMATEX{}), m_data(desc.dwBufferBytes) {
    m_device.m_live.push_back(this);
}

FakeSoundBuffer::~FakeSoundBuffer() {
    auto& live = m_device.m_live;
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
}

DWORD FakeSoundBuffer::Release() {
    delete this;
    return 0;
}

HRESULT FakeSoundBuffer::GetCaps(DSBCAPS* caps) {
    caps->dwBufferBytes = static_cast<DWORD>(m_data.size());
    return DS_OK;
}

HRESULT FakeSoundBuffer::GetFormat(WAVEFORMATEX* format, DWORD, DWORD* sizeWritten) {
    if (format)
        *format = m_format;
    if (sizeWritten)
        *sizeWritten = sizeof(WAVEFORMATEX);
    return DS_OK;
}

HRESULT FakeSoundBuffer::GetStatus(DWORD* status) {
    *status = m_playing ? (DSBSTATUS_PLAYING | DSBSTATUS_LOOPING) : 0;
    return DS_OK;
}

HRESULT FakeSoundBuffer::GetVolume(LONG* volume) {
    *volume = m_volume;
    return DS_OK;
}

HRESULT FakeSoundBuffer::GetPan(LONG* pan) {
    *pan = m_pan;
    return DS_OK;
}

HRESULT FakeSoundBuffer::SetVolume(LONG volume) {
    m_volume = volume;
    return DS_OK;
}

HRESULT FakeSoundBuffer::SetPan(LONG pan) {
    m_pan = pan;
    ++m_panCalls;
    return DS_OK;
}

HRESULT FakeSoundBuffer::Play(DWORD, DWORD, DWORD) {
    m_playing = true;
    ++m_playCalls;
    return DS_OK;
}

HRESULT FakeSoundBuffer::Stop() {
    m_playing = false;
    ++m_stopCalls;
    return DS_OK;
}

HRESULT FakeSoundBuffer::Lock(DWORD offset, DWORD bytes, void** ptr1, DWORD* bytes1, void** ptr2,
                              DWORD* bytes2, DWORD flags) {
    const DWORD size = static_cast<DWORD>(m_data.size());
    if ((flags & DSBLOCK_ENTIREBUFFER) != 0) {
        offset = 0;
        bytes = size;
    }
    if (offset > size || bytes > size - offset)
        return DSERR_INVALIDPARAM;
    *ptr1 = m_data.data() + offset;
    *bytes1 = bytes;
    if (ptr2)
        *ptr2 = nullptr;
    if (bytes2)
        *bytes2 = 0;
    return DS_OK;
}

FakeSoundDevice::~FakeSoundDevice() {
    while (!m_live.empty())
        m_live.back()->Release();
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
    *buffer = new FakeSoundBuffer(*this, *desc);
    return DS_OK;
}

int FakeSoundDevice::PlayingBuffers() const {
    return static_cast<int>(std::count_if(m_live.begin(), m_live.end(),
                                          [](const FakeSoundBuffer* b) { return b->m_playing; }));
}
