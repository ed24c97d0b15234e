// A tone object played through the real output (SDL into a PulseAudio null sink) comes back
// from the sink's monitor at its frequency, on its side only, at its level within 0.1 dB.

#include "platform/sound/SoundTestSupport.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>

namespace {

struct Expected {
    const char* name;
    double frequency;
    int channel; // the one that sounds
};

const Expected kTones[] = {{"left", 1000.0, 0}, {"right", 1500.0, 1}};
const char* kToneArgs = "left:1000:-2000:-10000 right:1500:-2000:10000";

// Empty when the recording holds the tone as expected, else what is wrong.
std::string Check(const std::string& path, const Expected& tone) {
    const soundtest::WavData wav = soundtest::ReadWav(path);
    std::ostringstream problem;
    if (wav.samples.empty() || wav.channels != 2 || wav.rate != 44100) {
        problem << path << ": no 2-channel 44100 Hz float recording";
        return problem.str();
    }
    const std::vector<float> sounding = soundtest::Channel(wav.samples, tone.channel);
    const std::vector<float> other = soundtest::Channel(wav.samples, 1 - tone.channel);
    std::size_t first = sounding.size();
    std::size_t last = 0;
    for (std::size_t i = 0; i < sounding.size(); ++i) {
        if (std::fabs(sounding[i]) > 0.01f) {
            first = std::min(first, i);
            last = i;
        }
    }
    // The tone plays 2 s; judge the steady middle, away from the ramps.
    const std::size_t margin = 11025;
    if (first >= last || last - first < 3 * 22050 || last - first > 2 * 44100 + 4410) {
        problem << tone.name << ": tone lasts " << (last > first ? last - first : 0)
                << " frames instead of about 88200";
        return problem.str();
    }
    // Per 100 ms window: a dropout of a loaded machine spoils a window, not the whole check.
    std::vector<double> levels;
    std::vector<double> frequencies;
    int good = 0;
    for (std::size_t at = first + margin; at + 4410 <= last - margin; at += 4410) {
        const std::vector<float> window(sounding.begin() + static_cast<long>(at),
                                        sounding.begin() + static_cast<long>(at + 4410));
        double sum = 0.0;
        for (const float s : window) {
            sum += static_cast<double>(s) * s;
        }
        levels.push_back(20.0 * std::log10(std::sqrt(2.0 * sum / window.size())));
        frequencies.push_back(soundtest::Frequency(window));
        good += std::fabs(levels.back() + 20.0) <= 0.1 &&
                std::fabs(frequencies.back() - tone.frequency) <= 0.5;
    }
    std::sort(levels.begin(), levels.end());
    std::sort(frequencies.begin(), frequencies.end());
    const double level = levels[levels.size() / 2];
    const double frequency = frequencies[frequencies.size() / 2];
    const double leak = soundtest::Peak(other);
    if (std::fabs(level + 20.0) > 0.1 || std::fabs(frequency - tone.frequency) > 0.5 ||
        leak > 1e-4 || 2 * good < static_cast<int>(levels.size())) {
        problem << tone.name << ": median level " << level << " dB, median frequency " << frequency
                << " Hz, " << good << " of " << levels.size() << " windows right, other side peak "
                << leak;
    }
    return problem.str();
}

TEST(PulseToneTest, ToneComesBackFromTheSinkAtItsFrequencyLevelAndSide) {
    std::string problems;
    // PulseAudio on a loaded machine can miss the start of a recording: one retry.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const TempFolder folder;
        const std::filesystem::path dir = folder.Path();
        const std::string command = std::string("'") + AUVO_PULSE_SCRIPT + "' '" +
                                    AUVO_PULSE_PLAYER + "' '" + dir.string() + "' " + kToneArgs;
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << command;
        ASSERT_NE(WEXITSTATUS(status), 2)
            << "PulseAudio could not be started (packages pulseaudio and pulseaudio-utils)";
        problems.clear();
        if (WEXITSTATUS(status) != 0) {
            problems = "the player failed to play through SDL";
        }
        for (const Expected& tone : kTones) {
            const std::string problem =
                Check((dir / (std::string(tone.name) + ".wav")).string(), tone);
            if (!problem.empty()) {
                problems += problem + "\n";
            }
        }
        if (problems.empty()) {
            break;
        }
    }
    EXPECT_EQ(problems, "");
}

} // namespace
