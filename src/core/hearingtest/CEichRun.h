#pragma once
// Calibration behind its dialog: a pulsed 1 kHz then 3 kHz tone rising from silence on both
// ears; the quieter recognition level becomes the proposal, and OK stores what the field
// holds as the calibration level. UI thread only; driven by button presses and OnTimer(1).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/hearingtest/CRisingTone.h"
#include "platform/sound/DirectSound.h"

class CAUVOApp;
class IToneDialogHost;

class CEichRun {
public:
    CEichRun(CAUVOApp& app, IDirectSound* device, IToneDialogHost& host);
    ~CEichRun();
    CEichRun(const CEichRun&) = delete;
    CEichRun& operator=(const CEichRun&) = delete;

    void OnStart();
    void OnErkannt();
    void OnTimer(int id);
    // Stores the field's value (text as typed); false, after message 1004, if it is refused.
    bool OnOK(const std::string& fieldText);

    // The field's text for the current level ("-45.50").
    std::string FieldText() const;
    // Between "&Start!" and the result: start, OK, cancel and the field are disabled.
    bool IsLocked() const { return m_bLocked; }
    // "ERKANNT!" is enabled when the dialog opens and during a run, not after a result.
    bool IsErkanntEnabled() const { return m_bErkanntEnabled; }
    // Counts the results, so the window knows when to show a new one.
    int ResultCount() const { return m_nResults; }
    // The level now playing; after a run the result; the calibration level at first.
    std::int32_t Level() const { return m_tone.Level(); }
    double Frequency() const { return m_dFrequency; }

    // The field's text in mB: comma as decimal point, truncated toward zero; nothing for a
    // value outside -100..-1 dB (or no number, which counts as 0).
    static std::optional<std::int32_t> ParseField(const std::string& text);

private:
    void StartRamp(double frequency);
    // Back to idle without a result: the level as before the start, "ERKANNT!" disabled.
    void Abandon();

    CAUVOApp& m_app;
    IToneDialogHost& m_host;
    CRisingTone m_tone;
    std::int32_t m_lFirstLevel = -10000;
    std::int32_t m_lLevelBefore = -10000;
    double m_dFrequency = 1000.0;
    int m_nResults = 0;
    bool m_bRamping = false;
    bool m_bLocked = false;
    bool m_bErkanntEnabled = true;
};
