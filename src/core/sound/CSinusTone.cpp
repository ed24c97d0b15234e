#include "core/sound/CSinusTone.h"

#include "core/sound/CNoiseBandGenerator.h"
#include "core/sound/CSineGenerator.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

CSinusTone::CSinusTone(IDirectSound* device, double frequency, int samplesPerSec, int bitsPerSample,
                       Ceiling ceiling)
    : m_pDevice(device), m_dwExtraFlags(ceiling == Ceiling::Exempt ? DSBCAPS_NOCEILING : 0),
      m_dFrequency(frequency), m_nSamplesPerSec(samplesPerSec), m_nBitsPerSample(bitsPerSample) {
    CreateBuffer(static_cast<DWORD>(2 * std::max(samplesPerSec, 0)));
    try {
        SetFrequency(frequency);
    } catch (...) {
        // No destructor runs for a constructor that throws.
        m_pBuffer->Release();
        throw;
    }
}

CSinusTone::CSinusTone(IDirectSound* device, double frequency, Sound sound)
    : m_pDevice(device), m_dwExtraFlags(0), m_dFrequency(frequency),
      m_dBandwidth(sound.bandwidth > 0.0 && std::isfinite(sound.bandwidth) ? sound.bandwidth : 0.0),
      m_nSamplesPerSec(44100), m_nBitsPerSample(16) {
    CreateBuffer(static_cast<DWORD>(2 * m_nSamplesPerSec));
    try {
        // SetFrequency takes the side from the buffer, for the band's seed.
        m_pBuffer->SetPan(sound.pan);
        SetFrequency(frequency);
    } catch (...) {
        m_pBuffer->Release();
        throw;
    }
}

CSinusTone::~CSinusTone() {
    if (m_pBuffer != nullptr) {
        m_pBuffer->Stop();
        m_pBuffer->Release();
        m_pBuffer = nullptr;
    }
}

void CSinusTone::CreateBuffer(DWORD bytes) {
    WAVEFORMATEX format;
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = static_cast<DWORD>(m_nSamplesPerSec);
    format.wBitsPerSample = static_cast<WORD>(m_nBitsPerSample);
    format.nBlockAlign = 2;
    format.nAvgBytesPerSec = static_cast<DWORD>(2 * m_nSamplesPerSec);
    format.cbSize = 0;
    DSBUFFERDESC desc;
    desc.dwSize = 20;
    // Every buffer after the first takes over a sounding tone: silent until a level is set.
    desc.dwFlags = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME | m_dwExtraFlags |
                   (m_pBuffer != nullptr ? DSBCAPS_SILENTUNTILVOLUME : 0);
    desc.dwBufferBytes = bytes;
    desc.dwReserved = 0;
    desc.lpwfxFormat = &format;
    IDirectSoundBuffer* buffer = nullptr;
    if (m_pDevice == nullptr || m_pDevice->CreateSoundBuffer(&desc, &buffer, nullptr) != DS_OK ||
        buffer == nullptr) {
        throw CSoundBufferException();
    }
    if (m_pBuffer != nullptr) {
        m_pBuffer->Stop();
        m_pBuffer->Release();
    }
    m_pBuffer = buffer;
}

bool CSinusTone::SetFrequency(double frequency) {
    // Without a buffer (an earlier creation failed) start over from the tone's own format.
    int rate = m_nSamplesPerSec;
    DWORD status = 0;
    LONG pan = 0;
    LONG volume = 0;
    if (m_pBuffer != nullptr) {
        WAVEFORMATEX format;
        if (m_pBuffer->GetFormat(&format, 18, nullptr) == DS_OK) {
            rate = static_cast<int>(format.nSamplesPerSec);
        }
        m_pBuffer->GetStatus(&status);
        m_pBuffer->GetPan(&pan);
        m_pBuffer->GetVolume(&volume);
    }
    std::vector<std::int16_t> samples;
    std::size_t count = 0;
    LONG headroom = 0;
    if (m_dBandwidth > 0.0) {
        headroom = CNoiseBandGenerator::Generate(
            frequency, m_dBandwidth, rate, CNoiseBandGenerator::Seed(frequency, m_dBandwidth, pan),
            samples);
        count = samples.size();
    } else {
        samples.resize(static_cast<std::size_t>(std::max(rate, 0)));
        count = CSineGenerator::Generate(frequency, rate, samples.data());
    }

    CreateBuffer(static_cast<DWORD>(2 * count));
    m_dFrequency = frequency;
    // Before the level is set, while the new buffer is still silent.
    if (headroom != 0)
        m_pBuffer->SetHeadroom(headroom);

    DSBCAPS caps;
    const DWORD bytes =
        m_pBuffer->GetCaps(&caps) == DS_OK ? caps.dwBufferBytes : static_cast<DWORD>(2 * count);
    void* first = nullptr;
    void* second = nullptr;
    DWORD firstBytes = 0;
    DWORD secondBytes = 0;
    HRESULT locked = m_pBuffer->Lock(0, bytes, &first, &firstBytes, &second, &secondBytes, 0);
    if (locked == DSERR_BUFFERLOST) {
        m_pBuffer->Restore();
        locked = m_pBuffer->Lock(0, bytes, &first, &firstBytes, &second, &secondBytes, 0);
    }
    bool stored = false;
    if (locked == DS_OK) {
        const std::size_t total = 2 * count;
        const std::size_t head = std::min<std::size_t>(firstBytes, total);
        std::memcpy(first, samples.data(), head);
        if (second != nullptr && secondBytes > 0 && head < total) {
            std::memcpy(second, reinterpret_cast<const char*>(samples.data()) + head,
                        std::min<std::size_t>(secondBytes, total - head));
        }
        stored = m_pBuffer->Unlock(first, firstBytes, second, secondBytes) == DS_OK;
    }
    m_pBuffer->SetPan(pan);
    // The tone keeps its level, set before the new buffer can sound. A tone whose level was
    // never set stays silent until it is, as a new buffer does.
    if (m_bLevelSet)
        m_pBuffer->SetVolume(volume);
    if ((status & DSBSTATUS_PLAYING) != 0 && (status & DSBSTATUS_LOOPING) != 0) {
        m_pBuffer->Play(0, 0, DSBPLAY_LOOPING);
    }
    return stored;
}

bool CSinusTone::SetSound(double frequency, double bandwidth) {
    const double before = m_dBandwidth;
    m_dBandwidth = bandwidth > 0.0 && std::isfinite(bandwidth) ? bandwidth : 0.0;
    try {
        return SetFrequency(frequency);
    } catch (...) {
        m_dBandwidth = before;
        throw;
    }
}

HRESULT CSinusTone::Play(DWORD flags) {
    return m_pBuffer != nullptr ? m_pBuffer->Play(0, 0, flags) : -1;
}

HRESULT CSinusTone::Stop() {
    return m_pBuffer != nullptr ? m_pBuffer->Stop() : -1;
}

bool CSinusTone::IsPlaying() {
    DWORD status = 0;
    return m_pBuffer != nullptr && m_pBuffer->GetStatus(&status) == DS_OK &&
           (status & DSBSTATUS_PLAYING) != 0;
}

HRESULT CSinusTone::SetVolume(LONG volume) {
    if (m_pBuffer == nullptr)
        return -1;
    m_bLevelSet = true;
    return m_pBuffer->SetVolume(volume);
}

HRESULT CSinusTone::SetPan(LONG pan) {
    return m_pBuffer != nullptr ? m_pBuffer->SetPan(pan) : -1;
}

LONG CSinusTone::GetVolume() {
    if (m_pBuffer == nullptr) {
        return -10001;
    }
    LONG volume = -10001;
    m_pBuffer->GetVolume(&volume);
    return volume;
}
