#pragma once
// Puts a simulated listener in front of the real calibration and hearing test, faster than
// real time: a clock jumps from one timer tick or button press to the next, and the listener
// hears whatever the silent sound device was last told to play.

#include "core/app/CAUVOApp.h"
#include "core/app/IMessageBoxService.h"
#include "core/hearingtest/IToneDialogHost.h"
#include "support/FakeSoundDevice.h"
#include "support/SimulatedListener.h"

#include <cstdint>
#include <optional>
#include <vector>

class ListenerSession : public IToneDialogHost, public IMessageBoxService {
public:
    struct Result {
        int frequency;
        int side;
        std::int32_t value; // as recorded: calibration level minus the level reached (mB)
    };

    explicit ListenerSession(SimulatedListener& listener);
    ~ListenerSession() override;
    ListenerSession(const ListenerSession&) = delete;
    ListenerSession& operator=(const ListenerSession&) = delete;

    // Calibrates from "&Start!" to the result; the level OK would store (mB), nothing when
    // the calibration gave no result.
    std::optional<std::int32_t> Calibrate();
    // A whole standard hearing test at this calibration level, left ear first.
    std::vector<Result> HearingTest(std::int32_t normalNull, bool pulsed);
    // Simulated time so far.
    double ElapsedMs() const { return m_now; }

    void SetTimer(int id, int milliseconds) override;
    void KillTimer(int id) override;
    void Refresh() override {}
    bool Confirm(const std::string&, bool, bool) override { return true; }
    // The fake device never refuses a buffer.
    void ToneRefused() override {}
    void Show(const std::string&, const std::string&, Icon) override {}
    void ShowSystemModal(const std::string&) override {}
    bool Confirm(const std::string&, const std::string&, Icon, bool) override { return true; }
    bool AskYesNo(const std::string&, const std::string&) override { return true; }

private:
    // Plays until done() or until the run stops its timer with no press on the way.
    template <typename Run, typename Done> void Play(Run& run, Done done);
    SimulatedListener::Sound Heard();

    SimulatedListener& m_listener;
    FakeSoundDevice m_device;
    CAUVOApp m_app;
    double m_now = 0.0;
    double m_periodMs = 0.0;
    std::optional<double> m_timerDue;
    std::optional<double> m_pressDue;
    // The pitch of the newest buffer, found once per buffer.
    int m_pitchOfBuffer = -1;
    double m_pitch = 0.0;
};
