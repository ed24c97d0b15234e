// Each tone dialog driven the user's way: real buttons, its own 250 ms timer, and the WAV
// output recording in real time what the ears would hear.

#include "core/app/CAUVOApp.h"
#include "core/document/CAUVODoc.h"
#include "core/hearingtest/CEinzelmessungRun.h"
#include "core/hearingtest/CHoertestRun.h"
#include "gui/hearing/CEichDialog.h"
#include "gui/hearing/CEinzelmessungDialog.h"
#include "gui/hearing/CHoertestDialog.h"
#include "platform/sound/SoundTestSupport.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

constexpr std::size_t kBlock = 882; // 20 ms
constexpr double kSilent = -1000.0;

// dB of the loudest sample of each 20 ms block; exact silence is kSilent.
std::vector<double> BlockLevels(const std::vector<float>& channel) {
    std::vector<double> levels;
    for (std::size_t at = 0; at + kBlock <= channel.size(); at += kBlock) {
        const double peak =
            soundtest::Peak(std::vector<float>(channel.begin() + static_cast<long>(at),
                                               channel.begin() + static_cast<long>(at + kBlock)));
        levels.push_back(peak == 0.0 ? kSilent : 20.0 * std::log10(peak));
    }
    return levels;
}

// What one ear heard, as the run of steady states: each stretch of blocks whose levels agree
// becomes one entry, ramps fall between. A level is given as its number of 0.5 dB steps above
// `from` (mB); kSilent stays as it is. nullopt: a steady level off that grid.
std::vector<std::optional<int>> Steps(const std::vector<float>& channel, int from) {
    const std::vector<double> levels = BlockLevels(channel);
    std::vector<std::optional<int>> steps;
    for (std::size_t i = 1; i < levels.size(); ++i) {
        if (std::fabs(levels[i] - levels[i - 1]) > 0.01)
            continue;
        std::optional<int> step;
        if (levels[i] == kSilent) {
            step = static_cast<int>(kSilent);
        } else {
            const double above = levels[i] - from / 100.0;
            const long n = std::lround(above / 0.5);
            if (std::fabs(above - n * 0.5) < 0.05)
                step = static_cast<int>(n);
        }
        if (steps.empty() || steps.back() != step)
            steps.push_back(step);
    }
    return steps;
}

class ToneDialogSoundTest : public testing::Test {
protected:
    ToneDialogSoundTest() {
        auto output = std::make_unique<WavFileOutput>(m_path, WavFileOutput::Mode::RealTime);
        SoundDevice::Create(std::move(output), &m_device);
        app.SetMessageBoxService(&boxes);
        app.m_lNormalNull = -4000;
        app.SetSectionName("AUVO");
        app.SetProfileName(m_folder.File("AUVO.ini"));
        app.SetSoundDevice(m_device);
        doc.OnNewDocument();
    }
    ~ToneDialogSoundTest() override {
        app.SetMessageBoxService(nullptr);
        app.m_pDirectSound = nullptr;
        if (m_device != nullptr)
            m_device->Release();
    }

    static QPushButton* Button(QWidget& dlg, const char* id) {
        return dlg.findChild<QPushButton*>(QLatin1String(id));
    }
    // Ends the recording; the left and the right channel.
    std::pair<std::vector<float>, std::vector<float>> Heard() {
        m_device->Release();
        m_device = nullptr;
        const soundtest::WavData wav = soundtest::ReadWav(m_path);
        EXPECT_TRUE(wav.ok);
        return {soundtest::Channel(wav.samples, 0), soundtest::Channel(wav.samples, 1)};
    }
    // The audible levels of a rising tone, checked as the ear would hear them. A busy machine
    // may cost the recording one 250 ms phase, and only one: every steady level lies on the
    // 0.5 dB grid, the audible ones climb one step at a time (two at most once), and, pulsed,
    // silence lies between them.
    static std::vector<int> Rising(const std::vector<std::optional<int>>& steps, bool pulsed) {
        std::vector<int> audible;
        int adjacent = 0;
        bool lastAudible = false;
        for (const std::optional<int>& step : steps) {
            EXPECT_TRUE(step.has_value()) << "a level off the 0.5 dB grid";
            if (!step || *step == static_cast<int>(kSilent)) {
                lastAudible = false;
                continue;
            }
            adjacent += lastAudible ? 1 : 0;
            lastAudible = true;
            audible.push_back(*step);
        }
        int skips = 0;
        for (std::size_t i = 1; i < audible.size(); ++i) {
            const int d = audible[i] - audible[i - 1];
            EXPECT_TRUE(d == 1 || d == 2) << "step " << i << ": " << d;
            skips += d == 2 ? 1 : 0;
        }
        EXPECT_LE(skips, 1);
        if (pulsed) {
            EXPECT_LE(adjacent, 1) << "no silence between pulses";
        }
        return audible;
    }

    TempFolder m_folder;
    std::string m_path = m_folder.File("heard.wav");
    SoundDevice* m_device = nullptr;
    CAUVOApp app;
    CAUVODoc doc;
    RecordingMessageBoxes boxes;
};

TEST_F(ToneDialogSoundTest, CalibrationPulsesOnBothEarsAboveAnyCeiling) {
    app.m_lMaxPegel = 0;
    app.SetNormalNull(-9900); // a ceiling the calibration's own tone must not heed
    {
        CEichDialog dlg(nullptr, app);
        dlg.show();
        QTest::mouseClick(Button(dlg, "1004"), Qt::LeftButton);
        QTest::qWait(2700);
    }
    const auto [left, right] = Heard();
    // Silent at -100 dB first, then 250 ms heard and 250 ms silent, 0.5 dB up each time.
    const std::vector<int> heard = Rising(Steps(left, -10000), true);
    ASSERT_GE(heard.size(), 4u);
    EXPECT_EQ(heard.front(), 1);
    EXPECT_TRUE(left == right) << "both ears alike";
}

TEST_F(ToneDialogSoundTest, HearingTestRisesOnTheLeftEarOnlyUpToTheCeiling) {
    app.m_lMaxPegel = 0; // ceiling -40 dB, 20 steps above the start at -50 dB
    {
        CHoertestDialog dlg(nullptr, app, doc, m_device);
        dlg.show();
        QTest::mouseClick(Button(dlg, "1004"), Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return dlg.Run().Current() == 1; }, 9000));
        QTest::qWait(400);
        EXPECT_EQ(dlg.Run().Data().GetValue(0, 0), 0) << "recorded at the ceiling";
    }
    const auto [left, right] = Heard();
    // 250 Hz from -50 dB up to the ceiling in 0.5 dB steps, then 500 Hz from -50 dB again.
    std::vector<std::optional<int>> steps = Steps(left, -5000);
    std::size_t next = 1;
    while (next < steps.size() && !(steps[next] < steps[next - 1] && steps[next] >= 0))
        ++next;
    ASSERT_LT(next, steps.size()) << "no second tone";
    const std::vector<int> first =
        Rising(std::vector<std::optional<int>>(steps.begin(), steps.begin() + next), false);
    ASSERT_GE(first.size(), 20u);
    EXPECT_EQ(first.front(), 0);
    EXPECT_EQ(first.back(), 20);
    EXPECT_EQ(steps[next], 0);
    EXPECT_LE(soundtest::Peak(left), std::pow(10.0, -4000 / 2000.0));
    EXPECT_EQ(soundtest::Peak(right), 0.0);
}

TEST_F(ToneDialogSoundTest, SingleMeasurementPulsesOnTheRightEarUntilRecognised) {
    {
        CEinzelmessungDialog dlg(nullptr, app.m_lNormalNull, app.OutputCeiling(), 1000, -5000, 1,
                                 true, m_device);
        dlg.show();
        QTest::mouseClick(Button(dlg, "1004"), Qt::LeftButton);
        QTest::qWait(2600);
        QTest::mouseClick(Button(dlg, "1007"), Qt::LeftButton);
        const std::int32_t level = dlg.Level();
        EXPECT_EQ(dlg.findChild<QLabel*>(QStringLiteral("1027"))->text(),
                  QStringLiteral("1000 Hz, Rechts bei %1 dB")
                      .arg((app.m_lNormalNull - level) * 0.01, 0, 'f', 1));
        QTest::qWait(300);
    }
    const auto [left, right] = Heard();
    // 250 ms at the start level, 250 ms silence, 0.5 dB louder, ...; silence after the press.
    const std::vector<std::optional<int>> steps = Steps(right, -5000);
    const std::vector<int> heard = Rising(steps, true);
    ASSERT_GE(heard.size(), 4u);
    EXPECT_EQ(heard.front(), 0);
    EXPECT_EQ(steps.back(), static_cast<int>(kSilent));
    EXPECT_EQ(soundtest::Peak(left), 0.0);
}

} // namespace
