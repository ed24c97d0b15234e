// What the user hears: a whole calibration and the first steps of a hearing test rendered
// through the WAV output, tick by tick, checked for level, ear and timing.

#include "core/app/CAUVOApp.h"
#include "core/app/IMessageBoxService.h"
#include "core/document/CAUVODoc.h"
#include "core/hearingtest/CEichRun.h"
#include "core/hearingtest/CHoertestRun.h"
#include "core/hearingtest/IToneDialogHost.h"
#include "platform/sound/SoundTestSupport.h"
#include "platform/sound/WavFileOutput.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace {

constexpr std::size_t kTick = 11025; // 250 ms

class ToneRunSoundTest : public testing::Test, public IToneDialogHost, public IMessageBoxService {
protected:
    ToneRunSoundTest() {
        m_device = soundtest::CreateWavDevice(m_path.string(), m_wav);
        app.m_pDirectSound = m_device;
        app.SetMessageBoxService(this);
    }
    ~ToneRunSoundTest() override {
        app.SetMessageBoxService(nullptr);
        app.m_pDirectSound = nullptr;
    }

    void SetTimer(int, int ms) override { EXPECT_EQ(ms, 250); }
    void KillTimer(int) override {}
    void Refresh() override {}
    bool Confirm(const std::string&, bool, bool) override { return true; }
    void Show(const std::string&, const std::string&, Icon) override {}
    void ShowSystemModal(const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return true; }
    bool Confirm(const std::string&, const std::string&, Icon, bool) override { return true; }
    void ToneRefused() override { ADD_FAILURE() << "refused tone"; }

    // Renders one tick, then lets the timer fire.
    template <typename Run> void Tick(Run& run) {
        m_wav->RenderFrames(kTick);
        run.OnTimer(1);
    }

    // Ends the recording and reads it back.
    void Finish() {
        m_device->Release();
        m_device = nullptr;
        m_data = soundtest::ReadWav(m_path.string());
        EXPECT_TRUE(m_data.ok);
    }

    // One channel of the recording, per tick.
    std::vector<std::vector<float>> Ticks(int channel) const {
        const std::vector<float> all = soundtest::Channel(m_data.samples, channel);
        std::vector<std::vector<float>> ticks;
        for (std::size_t at = 0; at + kTick <= all.size(); at += kTick)
            ticks.emplace_back(all.begin() + static_cast<long>(at),
                               all.begin() + static_cast<long>(at + kTick));
        return ticks;
    }

    // Peak after the 20 ms ramp.
    static double Steady(const std::vector<float>& tick) {
        return soundtest::Peak(std::vector<float>(tick.begin() + 882, tick.end()));
    }
    static double Gain(int level) { return std::pow(10.0, level / 2000.0); }

    TempFolder m_folder;
    const std::filesystem::path m_path = m_folder.File("run.wav");
    WavFileOutput* m_wav = nullptr;
    SoundDevice* m_device = nullptr;
    soundtest::WavData m_data;
    CAUVOApp app;
};

TEST_F(ToneRunSoundTest, CalibrationPulsesOnBothEarsRisingHalfADecibelPerAudiblePhase) {
    auto run = std::make_unique<CEichRun>(app, m_device, *this);
    run->OnStart();
    // The user recognises 1 kHz at -9500 and 3 kHz at -9700.
    int ticks = 0;
    while (run->Level() < -9500) {
        Tick(*run);
        ++ticks;
    }
    m_wav->RenderFrames(kTick / 2);
    run->OnErkannt();
    m_wav->RenderFrames(kTick / 2);
    while (run->Level() < -9700)
        Tick(*run);
    run->OnErkannt();
    EXPECT_EQ(run->Level(), -9700) << "the quieter of the two";
    m_wav->RenderFrames(kTick);
    run.reset();

    Finish();
    // No pan: both ears hear the same, all the time.
    EXPECT_EQ(soundtest::Channel(m_data.samples, 0), soundtest::Channel(m_data.samples, 1));
    const auto left = Ticks(0);
    ASSERT_EQ(ticks, 20);
    // Tick 0 plays -10000 (silence), tick 1 is the silent half, tick 2 plays -9950, ...
    const double full = 32767.0 / 32768.0;
    for (int t = 0; t < ticks; ++t) {
        if (t % 2 == 1 || t == 0) {
            EXPECT_EQ(Steady(left[static_cast<std::size_t>(t)]), 0.0) << t;
        } else {
            EXPECT_NEAR(Steady(left[static_cast<std::size_t>(t)]), full * Gain(-10000 + 25 * t),
                        1e-7)
                << t;
        }
    }
    EXPECT_NEAR(soundtest::Frequency(left[2]), 1000.0, 1.0);
}

TEST_F(ToneRunSoundTest, HearingTestToneIsOnTheTestedEarAtItsLevel) {
    CAUVODoc doc;
    doc.OnNewDocument();
    app.m_lNormalNull = -3000; // start level -4000
    auto run = std::make_unique<CHoertestRun>(app, doc, m_device, *this);
    run->Init();
    run->OnStart({});
    for (int i = 0; i < 4; ++i)
        Tick(*run);
    // On to the right ear.
    for (int i = 0; i < 8; ++i)
        run->OnErkannt();
    EXPECT_EQ(run->Side(), 1);
    for (int i = 0; i < 3; ++i)
        Tick(*run);
    run.reset();

    Finish();
    const auto left = Ticks(0);
    const auto right = Ticks(1);
    ASSERT_EQ(left.size(), 7u);
    for (std::size_t t = 0; t < 4; ++t) {
        EXPECT_EQ(soundtest::Peak(right[t]), 0.0) << t;
        const double expected = Gain(-4000 + 50 * static_cast<int>(t));
        EXPECT_NEAR(Steady(left[t]) / expected, 1.0, 0.002) << t;
    }
    EXPECT_NEAR(soundtest::Frequency(left[1]), 250.0, 0.5);
    for (std::size_t t = 4; t < 7; ++t) {
        // The left tone ramps out within 20 ms, then only the right ear hears.
        EXPECT_EQ(Steady(left[t]), 0.0) << t;
        EXPECT_NEAR(Steady(right[t]) / Gain(-4000 + 50 * static_cast<int>(t - 4)), 1.0, 0.002) << t;
    }
    EXPECT_NEAR(soundtest::Frequency(right[5]), 250.0, 0.5);
}

} // namespace
