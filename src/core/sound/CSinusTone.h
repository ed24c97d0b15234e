#pragma once
// One looping mono sine tone on one secondary buffer; level and side through volume and pan.

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
    virtual ~CSinusTone();
    CSinusTone(const CSinusTone&) = delete;
    CSinusTone& operator=(const CSinusTone&) = delete;

    // True if the new samples were stored; throws CSoundBufferException, and then the tone
    // keeps its frequency, level and sound.
    bool SetFrequency(double frequency);
    HRESULT Play(DWORD flags);
    HRESULT Stop();
    HRESULT SetVolume(LONG volume);
    HRESULT SetPan(LONG pan);
    // Current level in mB, -10001 without buffer.
    LONG GetVolume();
    double GetFrequency() const { return m_dFrequency; }
    bool HasBuffer() const { return m_pBuffer != nullptr; }

private:
    // A new buffer that takes the current one's place; throws, leaving the current one as it was.
    void CreateBuffer(DWORD bytes);

    IDirectSound* m_pDevice;
    DWORD m_dwExtraFlags;
    double m_dFrequency;
    int m_nSamplesPerSec;
    int m_nBitsPerSample;
    IDirectSoundBuffer* m_pBuffer = nullptr;
};
