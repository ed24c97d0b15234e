#pragma once
// One frequency on one ear measured again, behind its dialog: the tone rises from the start
// level like in the hearing test, but the level is raised before it is tested. UI thread
// only; driven by button presses and OnTimer(1).

#include <cstdint>
#include <memory>
#include <string>

#include "core/hearingtest/CRisingTone.h"
#include "platform/sound/DirectSound.h"

class IToneDialogHost;

class CEinzelmessungRun {
public:
    // ceiling: the loudest level the tone may reach; not heard there, it is recorded there.
    CEinzelmessungRun(std::int32_t normalNull, std::int32_t ceiling, int frequency,
                      std::int32_t startLevel, int side, bool pulsed, IDirectSound* device,
                      IToneDialogHost& host);
    ~CEinzelmessungRun();
    CEinzelmessungRun(const CEinzelmessungRun&) = delete;
    CEinzelmessungRun& operator=(const CEinzelmessungRun&) = delete;

    // A tone the device refuses leaves the dialog as it was (the host was told).
    void OnStart(bool pulsed);
    void OnErkannt();
    void OnTimer(int id);

    bool IsPlaying() const { return m_bPlaying; }
    // A level was recognised: only then is there a value to take over.
    bool IsMeasured() const { return m_bMeasured; }
    // "1000 Hz, Links", after a measurement "1000 Hz, Links bei 10.0 dB".
    const std::string& Text() const { return m_strText; }
    // The level now playing; the start level before a start.
    std::int32_t Level() const { return m_tone.Level(); }

private:
    std::int32_t m_lNormalNull;
    std::int32_t m_lCeiling;
    int m_nFrequency;
    std::int32_t m_lStartLevel;
    int m_nSide;
    bool m_bPulsed;
    IToneDialogHost& m_host;
    CRisingTone m_tone;
    bool m_bPlaying = false;
    bool m_bMeasured = false;
    std::string m_strText;
};
