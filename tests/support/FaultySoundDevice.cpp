#include "support/FaultySoundDevice.h"

#include <utility>

namespace {

HRESULT Take(HRESULT& fault) {
    return std::exchange(fault, DS_OK);
}

// Passes every call to the wrapped buffer, but for the faults its device still holds.
class FaultyBuffer : public IDirectSoundBuffer {
public:
    FaultyBuffer(IDirectSoundBuffer* buffer, FaultySoundDevice& device)
        : m_pBuffer(buffer), m_device(device) {}

    HRESULT GetCaps(DSBCAPS* caps) override { return m_pBuffer->GetCaps(caps); }
    HRESULT GetFormat(WAVEFORMATEX* format, DWORD size, DWORD* written) override {
        return m_pBuffer->GetFormat(format, size, written);
    }
    HRESULT GetStatus(DWORD* status) override { return m_pBuffer->GetStatus(status); }
    HRESULT GetVolume(LONG* volume) override { return m_pBuffer->GetVolume(volume); }
    HRESULT GetPan(LONG* pan) override { return m_pBuffer->GetPan(pan); }
    HRESULT SetFormat(const WAVEFORMATEX* format) override {
        if (const HRESULT fault = Take(m_device.failSetFormat); fault != DS_OK)
            return fault;
        return m_pBuffer->SetFormat(format);
    }
    HRESULT SetVolume(LONG volume) override { return m_pBuffer->SetVolume(volume); }
    HRESULT SetPan(LONG pan) override { return m_pBuffer->SetPan(pan); }
    HRESULT Play(DWORD reserved, DWORD priority, DWORD flags) override {
        if (m_bPrimary)
            if (const HRESULT fault = Take(m_device.failPrimaryPlay); fault != DS_OK)
                return fault;
        return m_pBuffer->Play(reserved, priority, flags);
    }
    HRESULT Stop() override { return m_pBuffer->Stop(); }
    HRESULT Lock(DWORD offset, DWORD bytes, void** p1, DWORD* b1, void** p2, DWORD* b2,
                 DWORD flags) override {
        if (!m_bPrimary && m_device.loseLocks > 0) {
            --m_device.loseLocks;
            m_bLost = true;
        }
        if (m_bLost)
            return DSERR_BUFFERLOST;
        return m_pBuffer->Lock(offset, bytes, p1, b1, p2, b2, flags);
    }
    HRESULT Unlock(void* p1, DWORD b1, void* p2, DWORD b2) override {
        return m_pBuffer->Unlock(p1, b1, p2, b2);
    }
    HRESULT Restore() override {
        m_bLost = false;
        return m_pBuffer->Restore();
    }
    HRESULT SetHeadroom(LONG headroom) override { return m_pBuffer->SetHeadroom(headroom); }
    DWORD Release() override {
        const DWORD refs = m_pBuffer->Release();
        if (refs == 0)
            delete this;
        return refs;
    }

    bool m_bPrimary = false;

private:
    ~FaultyBuffer() override = default;

    IDirectSoundBuffer* m_pBuffer;
    FaultySoundDevice& m_device;
    bool m_bLost = false;
};

} // namespace

FaultySoundDevice::FaultySoundDevice(IDirectSound* device, bool owning)
    : m_pDevice(device), m_bOwning(owning) {}

FaultySoundDevice::~FaultySoundDevice() = default;

FaultySoundDevice* FaultySoundDevice::Create() {
    IDirectSound* device = nullptr;
    if (DirectSoundCreate(nullptr, &device, nullptr) != DS_OK || device == nullptr)
        return nullptr;
    return new FaultySoundDevice(device, true);
}

HRESULT FaultySoundDevice::CreateSoundBuffer(const DSBUFFERDESC* desc, IDirectSoundBuffer** buffer,
                                             void* outer) {
    const bool primary = desc != nullptr && (desc->dwFlags & DSBCAPS_PRIMARYBUFFER) != 0;
    if (primary) {
        if (const HRESULT fault = Take(failPrimaryCreate); fault != DS_OK)
            return fault;
    } else if (refuseSecondaries > 0) {
        --refuseSecondaries;
        return refuseStatus;
    }
    const HRESULT status = m_pDevice->CreateSoundBuffer(desc, buffer, outer);
    if (status != DS_OK || buffer == nullptr || *buffer == nullptr)
        return status;
    auto* wrapped = new FaultyBuffer(*buffer, *this);
    wrapped->m_bPrimary = primary;
    *buffer = wrapped;
    return DS_OK;
}

HRESULT FaultySoundDevice::SetCooperativeLevel(HWND window, DWORD level) {
    return m_pDevice->SetCooperativeLevel(window, level);
}

HRESULT FaultySoundDevice::SetCeiling(LONG volume) {
    return m_pDevice->SetCeiling(volume);
}

DWORD FaultySoundDevice::Release() {
    if (!m_bOwning)
        return 1;
    const DWORD refs = m_pDevice->Release();
    if (refs == 0)
        delete this;
    return refs;
}
