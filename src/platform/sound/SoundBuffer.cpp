#include "platform/sound/SoundBuffer.h"
#include "platform/sound/SoundFormat.h"

#include "platform/sound/Mixer.h"
#include "platform/sound/MixerGain.h"
#include "platform/sound/SoundDevice.h"

#include <algorithm>
#include <cmath>
#include <utility>

SoundBuffer::SoundBuffer(SoundDevice& device, int voice, DWORD flags, const WAVEFORMATEX& format,
                         DWORD bytes)
    : m_device(device), m_mixer(device.GetMixer()), m_voice(voice), m_flags(flags),
      m_format(format), m_bytes(bytes),
      m_silentUntilVolume((flags & DSBCAPS_SILENTUNTILVOLUME) != 0) {
    SendGains();
}

SoundBuffer::~SoundBuffer() = default;

HRESULT SoundBuffer::GetCaps(DSBCAPS* caps) {
    if (caps == nullptr || caps->dwSize != sizeof(DSBCAPS)) {
        return DSERR_INVALIDPARAM;
    }
    caps->dwFlags = m_flags;
    caps->dwBufferBytes = m_bytes;
    caps->dwUnlockTransferRate = 0;
    caps->dwPlayCpuOverhead = 0;
    return DS_OK;
}

HRESULT SoundBuffer::GetFormat(WAVEFORMATEX* format, DWORD sizeAllocated, DWORD* sizeWritten) {
    return CopyFormatOut(m_format, format, sizeAllocated, sizeWritten);
}

HRESULT SoundBuffer::GetStatus(DWORD* status) {
    if (status == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    // A buffer played once stops by itself at its end.
    if (m_playing && !m_looping && m_mixer.EndCount(m_voice) != m_endsAtPlay) {
        m_playing = false;
    }
    *status =
        (m_playing ? DSBSTATUS_PLAYING : 0) | (m_playing && m_looping ? DSBSTATUS_LOOPING : 0);
    return DS_OK;
}

HRESULT SoundBuffer::GetVolume(LONG* volume) {
    if (volume == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    *volume = m_volume;
    return DS_OK;
}

HRESULT SoundBuffer::GetPan(LONG* pan) {
    if (pan == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    *pan = m_pan;
    return DS_OK;
}

HRESULT SoundBuffer::SetFormat(const WAVEFORMATEX* /*format*/) {
    return DSERR_INVALIDCALL;
}

HRESULT SoundBuffer::SetVolume(LONG volume) {
    m_volume = volume;
    m_silentUntilVolume = false;
    SendGains();
    return DS_OK;
}

HRESULT SoundBuffer::SetPan(LONG pan) {
    m_pan = pan;
    SendGains();
    return DS_OK;
}

HRESULT SoundBuffer::SetHeadroom(LONG headroom) {
    if (headroom < 0 || headroom > -DSBVOLUME_MIN)
        return DSERR_INVALIDPARAM;
    m_headroomGain = static_cast<float>(std::pow(10.0, headroom / 2000.0));
    SendGains();
    return DS_OK;
}

void SoundBuffer::SendGains() {
    // The headroom restores what the samples gave up; the mixer's ceiling then has its say.
    const float volume = m_silentUntilVolume
                             ? 0.0f
                             : std::min(MixerGain::FromVolume(m_volume) * m_headroomGain, 1.0f);
    m_mixer.SetGains(m_voice, volume * MixerGain::PanLeft(m_pan),
                     volume * MixerGain::PanRight(m_pan));
}

HRESULT SoundBuffer::Play(DWORD /*reserved*/, DWORD /*priority*/, DWORD flags) {
    m_playing = true;
    m_looping = (flags & DSBPLAY_LOOPING) != 0;
    m_endsAtPlay = m_mixer.EndCount(m_voice);
    m_mixer.Play(m_voice, m_looping);
    return DS_OK;
}

HRESULT SoundBuffer::Stop() {
    m_playing = false;
    m_looping = false;
    m_mixer.Stop(m_voice);
    return DS_OK;
}

HRESULT SoundBuffer::Lock(DWORD offset, DWORD bytes, void** ptr1, DWORD* bytes1, void** ptr2,
                          DWORD* bytes2, DWORD flags) {
    if (ptr1 == nullptr || bytes1 == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    *ptr1 = nullptr;
    *bytes1 = 0;
    if (ptr2 != nullptr) {
        *ptr2 = nullptr;
    }
    if (bytes2 != nullptr) {
        *bytes2 = 0;
    }
    m_mixer.Collect();
    if ((flags & DSBLOCK_ENTIREBUFFER) != 0) {
        offset = 0;
        bytes = m_bytes;
    }
    if (offset >= m_bytes || bytes == 0 || bytes > m_bytes) {
        return DSERR_INVALIDPARAM;
    }
    if (m_samples.empty()) {
        // The mixer holds the one copy of published samples; a lock works on a fresh one.
        const std::vector<std::int16_t>* published = m_mixer.PublishedSamples(m_voice);
        if (published != nullptr)
            m_samples = *published;
        m_samples.resize(m_bytes / 2);
    }
    auto* base = reinterpret_cast<unsigned char*>(m_samples.data());
    const DWORD first = std::min(bytes, m_bytes - offset);
    *ptr1 = base + offset;
    *bytes1 = first;
    if (first < bytes && ptr2 != nullptr && bytes2 != nullptr) {
        *ptr2 = base;
        *bytes2 = bytes - first;
    }
    m_locked = true;
    return DS_OK;
}

HRESULT SoundBuffer::Unlock(void* ptr1, DWORD /*bytes1*/, void* /*ptr2*/, DWORD /*bytes2*/) {
    auto* base = reinterpret_cast<unsigned char*>(m_samples.data());
    auto* first = static_cast<unsigned char*>(ptr1);
    if (!m_locked || first < base || first >= base + m_bytes) {
        return DSERR_INVALIDPARAM;
    }
    m_locked = false;
    m_mixer.SetSamples(m_voice, std::move(m_samples));
    m_samples = {};
    return DS_OK;
}

// Our buffers live in the program's memory: nothing takes them away.
HRESULT SoundBuffer::Restore() {
    return DS_OK;
}

DWORD SoundBuffer::Release() {
    const DWORD refs = --m_refs;
    if (refs == 0) {
        m_mixer.RemoveVoice(m_voice);
        SoundDevice& device = m_device;
        delete this;
        device.Release();
    }
    return refs;
}
