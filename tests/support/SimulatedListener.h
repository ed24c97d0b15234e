#pragma once
// A person taking the hearing test, as far as the test can tell: a known threshold per
// frequency and ear, a logistic psychometric function around it, a reaction time and now and
// then a press with nothing heard. Deterministic for a given seed, so figures repeat.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <random>

class SimulatedListener {
public:
    struct Traits {
        double slopePerDb = 1.0;      // logistic slope at the threshold
        double reactionMinMs = 300.0; // decision to press
        double reactionMaxMs = 600.0;
        double falsePressPerTick = 0.0; // chance of a press on any tick, heard or not
    };
    // What reaches the ears during one tick, in dB re full scale; nothing when silent.
    struct Sound {
        bool audible = false;
        double frequency = 0.0;
        std::array<double, 2> level{}; // left, right
    };
    // Thresholds in dB re full scale by frequency (Hz), left and right.
    using Thresholds = std::map<int, std::array<double, 2>>;

    SimulatedListener(Thresholds thresholds, Traits traits, std::uint32_t seed);

    // The threshold at the table frequency nearest to frequency.
    double Threshold(double frequency, int side) const;
    // Chance that a tick of this sound is heard: the better ear decides.
    double HearingProbability(const Sound& sound) const;
    // One tick of tickMs from startMs: when the listener decides to press during it, the
    // moment the press lands (the decision falls anywhere in the tick, then the reaction).
    std::optional<double> Listen(double startMs, double tickMs, const Sound& sound);

private:
    double Uniform();

    Thresholds m_thresholds;
    Traits m_traits;
    std::mt19937 m_random;
};
