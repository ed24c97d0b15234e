#pragma once
// The headphone check before a first test: a 1 kHz tone 30 dB above the calibration (never above
// the ceiling) on the left ear only while the user is asked whether they hear it only there,
// then the same on the right. Each tone sounds exactly while its question is open; a "Nein"
// says what to look at. UI thread only.

#include "platform/sound/DirectSound.h"

#include <cstdint>

class CAUVOApp;

class CKopfhoererCheck {
public:
    static constexpr double kFrequency = 1000.0;
    static constexpr std::int32_t kAboveCalibration = 3000;

    CKopfhoererCheck(CAUVOApp& app, IDirectSound* device) : m_app(app), m_pDevice(device) {}

    // True when both ears answered "Ja". Throws CSoundBufferException when a tone cannot be made;
    // nothing sounds afterwards either way.
    bool Run();
    // The tone's level for a calibration and a ceiling.
    static std::int32_t Level(std::int32_t normalNull, std::int32_t ceiling);

private:
    bool Ask(int side);

    CAUVOApp& m_app;
    IDirectSound* m_pDevice;
};
