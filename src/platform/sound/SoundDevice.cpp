#include "platform/sound/SoundDevice.h"

#include "platform/sound/MixerGain.h"
#include "platform/sound/PrimarySoundBuffer.h"
#include "platform/sound/SoundBuffer.h"

#include <algorithm>
#include <utility>

namespace {
constexpr DWORD kMinBytes = 4;
constexpr DWORD kMaxBytes = 0x0FFFFFFF;
constexpr DWORD kDescSize = 20; // the platform's size, whatever this compiler pads to
} // namespace

HRESULT SoundDevice::Create(std::unique_ptr<IAudioOutput> output, SoundDevice** device) {
    if (device == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    *device = nullptr;
    if (!output) {
        return DSERR_NODRIVER;
    }
    auto* created = new SoundDevice(std::move(output));
    if (!created->m_output->Start(*created->m_mixer)) {
        created->Release();
        return DSERR_NODRIVER;
    }
    *device = created;
    return DS_OK;
}

SoundDevice::SoundDevice(std::unique_ptr<IAudioOutput> output)
    : m_mixer(std::make_unique<Mixer>()), m_output(std::move(output)) {
    // Held from the first frame: nothing sounds above full scale, even before a ceiling is set.
    m_mixer->SetCeiling(MixerGain::FromVolume(m_ceiling));
}

SoundDevice::~SoundDevice() {
    // The output's thread must be gone before the mixer it reads.
    m_output->Stop();
    m_output.reset();
    m_mixer.reset();
}

HRESULT SoundDevice::CreateSoundBuffer(const DSBUFFERDESC* desc, IDirectSoundBuffer** buffer,
                                       void* outer) {
    if (buffer == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    *buffer = nullptr;
    if (desc == nullptr || outer != nullptr || desc->dwSize != kDescSize) {
        return DSERR_INVALIDPARAM;
    }
    m_mixer->Collect();
    if ((desc->dwFlags & DSBCAPS_PRIMARYBUFFER) != 0) {
        if (desc->dwBufferBytes != 0 || desc->lpwfxFormat != nullptr) {
            return DSERR_INVALIDPARAM;
        }
        AddRef();
        *buffer = new PrimarySoundBuffer(*this);
        return DS_OK;
    }
    return CreateSecondary(*desc, buffer);
}

HRESULT SoundDevice::CreateSecondary(const DSBUFFERDESC& desc, IDirectSoundBuffer** buffer) {
    const WAVEFORMATEX* format = desc.lpwfxFormat;
    if (format == nullptr || desc.dwBufferBytes < kMinBytes || desc.dwBufferBytes > kMaxBytes) {
        return DSERR_INVALIDPARAM;
    }
    // The mixer plays mono 16-bit samples at its own rate, nothing else.
    if (format->wFormatTag != WAVE_FORMAT_PCM || format->nChannels != 1 ||
        format->wBitsPerSample != 16 || format->nBlockAlign != 2 ||
        format->nSamplesPerSec != static_cast<DWORD>(Mixer::kSampleRate)) {
        return DSERR_BADFORMAT;
    }
    const DWORD bytes = desc.dwBufferBytes & ~DWORD{1};
    const int voice = m_mixer->AddVoice(bytes / 2, (desc.dwFlags & DSBCAPS_NOCEILING) != 0);
    if (voice < 0) {
        return DSERR_OUTOFMEMORY;
    }
    AddRef();
    *buffer = new SoundBuffer(*this, voice, desc.dwFlags, *format, bytes);
    return DS_OK;
}

HRESULT SoundDevice::SetCeiling(LONG volume) {
    m_ceiling = std::min<LONG>(volume, DSBVOLUME_MAX);
    m_mixer->SetCeiling(MixerGain::FromVolume(m_ceiling));
    return DS_OK;
}

// There is no other program to share the device with here: nothing to keep.
HRESULT SoundDevice::SetCooperativeLevel(HWND /*window*/, DWORD /*level*/) {
    return DS_OK;
}

DWORD SoundDevice::AddRef() {
    return ++m_refs;
}

DWORD SoundDevice::Release() {
    const DWORD refs = --m_refs;
    if (refs == 0) {
        delete this;
    }
    return refs;
}
