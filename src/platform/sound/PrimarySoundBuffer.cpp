#include "platform/sound/PrimarySoundBuffer.h"
#include "platform/sound/SoundFormat.h"

#include "platform/sound/SoundDevice.h"

namespace {
constexpr DWORD kOutputBytes = 17640; // 100 ms of the output format
} // namespace

PrimarySoundBuffer::PrimarySoundBuffer(SoundDevice& device)
    : m_device(device), m_format(OutputFormat()) {}

WAVEFORMATEX PrimarySoundBuffer::OutputFormat() {
    return PcmFormat(2);
}

HRESULT PrimarySoundBuffer::GetCaps(DSBCAPS* caps) {
    if (caps == nullptr || caps->dwSize != sizeof(DSBCAPS)) {
        return DSERR_INVALIDPARAM;
    }
    caps->dwFlags = DSBCAPS_PRIMARYBUFFER;
    caps->dwBufferBytes = kOutputBytes;
    caps->dwUnlockTransferRate = 0;
    caps->dwPlayCpuOverhead = 0;
    return DS_OK;
}

HRESULT PrimarySoundBuffer::GetFormat(WAVEFORMATEX* format, DWORD sizeAllocated,
                                      DWORD* sizeWritten) {
    return CopyFormatOut(m_format, format, sizeAllocated, sizeWritten);
}

HRESULT PrimarySoundBuffer::GetStatus(DWORD* status) {
    if (status == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    *status = m_playing ? (DSBSTATUS_PLAYING | DSBSTATUS_LOOPING) : 0;
    return DS_OK;
}

HRESULT PrimarySoundBuffer::GetVolume(LONG* /*volume*/) {
    return DSERR_INVALIDCALL;
}
HRESULT PrimarySoundBuffer::GetPan(LONG* /*pan*/) {
    return DSERR_INVALIDCALL;
}
HRESULT PrimarySoundBuffer::SetVolume(LONG /*volume*/) {
    return DSERR_INVALIDCALL;
}
HRESULT PrimarySoundBuffer::SetPan(LONG /*pan*/) {
    return DSERR_INVALIDCALL;
}

HRESULT PrimarySoundBuffer::SetFormat(const WAVEFORMATEX* format) {
    if (format == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    const WAVEFORMATEX out = OutputFormat();
    if (format->wFormatTag != out.wFormatTag || format->nChannels != out.nChannels ||
        format->nSamplesPerSec != out.nSamplesPerSec ||
        format->wBitsPerSample != out.wBitsPerSample || format->nBlockAlign != out.nBlockAlign ||
        format->nAvgBytesPerSec != out.nAvgBytesPerSec) {
        return DSERR_BADFORMAT;
    }
    m_format = out;
    return DS_OK;
}

HRESULT PrimarySoundBuffer::Play(DWORD /*reserved*/, DWORD /*priority*/, DWORD /*flags*/) {
    m_playing = true;
    return DS_OK;
}

HRESULT PrimarySoundBuffer::Stop() {
    m_playing = false;
    return DS_OK;
}

HRESULT PrimarySoundBuffer::Lock(DWORD /*offset*/, DWORD /*bytes*/, void** ptr1, DWORD* bytes1,
                                 void** ptr2, DWORD* bytes2, DWORD /*flags*/) {
    if (ptr1 != nullptr) {
        *ptr1 = nullptr;
    }
    if (bytes1 != nullptr) {
        *bytes1 = 0;
    }
    if (ptr2 != nullptr) {
        *ptr2 = nullptr;
    }
    if (bytes2 != nullptr) {
        *bytes2 = 0;
    }
    return DSERR_PRIOLEVELNEEDED;
}

HRESULT PrimarySoundBuffer::Unlock(void* /*ptr1*/, DWORD /*bytes1*/, void* /*ptr2*/,
                                   DWORD /*bytes2*/) {
    return DSERR_INVALIDCALL;
}

HRESULT PrimarySoundBuffer::Restore() {
    return DS_OK;
}

DWORD PrimarySoundBuffer::Release() {
    const DWORD refs = --m_refs;
    if (refs == 0) {
        SoundDevice& device = m_device;
        delete this;
        device.Release();
    }
    return refs;
}
