#pragma once
// One looping mono sound on one secondary buffer, level and side through volume and pan: a sine
// tone, or for a tinnitus a noise band around the frequency. Both kinds are one class because
// the tone-properties dialog switches a sound between them in place: its list, selection, level
// and play state stay. Only the samples differ.

#include "platform/sound/DirectSound.h"

#include <stdexcept>

// Raised when the device refuses a sound buffer.
class CSoundBufferException : public std::runtime_error {
public:
    CSoundBufferException() : std::runtime_error("sound buffer could not be created") {}
};

class CSinusTone {
public:
    // Whether the device's output ceiling holds the tone's sound (all but the calibration).
    enum class Ceiling { Applies, Exempt };

    // Throws CSoundBufferException if the buffer cannot be created.
    CSinusTone(IDirectSound* device, double frequency, int samplesPerSec = 44100,
               int bitsPerSample = 16, Ceiling ceiling = Ceiling::Applies);
    // A tinnitus sound on the side of pan: a noise band of this bandwidth in Hz around the
    // frequency, or a sine tone for bandwidth 0. The band's noise is seeded from frequency,
    // bandwidth and pan, so it is the same whenever a document opens. Throws like the above.
    struct Sound {
        double bandwidth;
        LONG pan;
    };
    CSinusTone(IDirectSound* device, double frequency, Sound sound);
    virtual ~CSinusTone();
    CSinusTone(const CSinusTone&) = delete;
    CSinusTone& operator=(const CSinusTone&) = delete;

    // True if the new samples were stored. The tone keeps its level, side and play state;
    // throws CSoundBufferException, and then the tone keeps its frequency, level and sound.
    bool SetFrequency(double frequency);
    // Frequency and bandwidth in one new buffer (bandwidth 0: a sine tone), keeping level, side
    // and play state like SetFrequency; throws like it, and then the sound keeps its frequency,
    // bandwidth, level and samples.
    bool SetSound(double frequency, double bandwidth);
    HRESULT Play(DWORD flags);
    HRESULT Stop();
    // True between Play and Stop.
    bool IsPlaying();
    HRESULT SetVolume(LONG volume);
    HRESULT SetPan(LONG pan);
    // Current level in mB, -10001 without buffer.
    LONG GetVolume();
    double GetFrequency() const { return m_dFrequency; }
    // 0 for a sine tone.
    double GetBandwidth() const { return m_dBandwidth; }
    bool IsNoiseBand() const { return m_dBandwidth > 0.0; }
    bool HasBuffer() const { return m_pBuffer != nullptr; }

private:
    // A new buffer that takes the current one's place; throws, leaving the current one as it was.
    void CreateBuffer(DWORD bytes);

    IDirectSound* m_pDevice;
    DWORD m_dwExtraFlags;
    double m_dFrequency;
    double m_dBandwidth = 0.0;
    int m_nSamplesPerSec;
    int m_nBitsPerSample;
    IDirectSoundBuffer* m_pBuffer = nullptr;
    // SetVolume was called: a new buffer takes that level over.
    bool m_bLevelSet = false;
};
