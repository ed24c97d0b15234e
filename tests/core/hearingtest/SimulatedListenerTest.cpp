// The simulated listener behind the accuracy benchmark: its hearing, and that a listener
// without noise or delay is measured by the real runs within one step of the truth.

#include "support/SimulatedListener.h"
#include "support/ListenerSession.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Thresholds off the 0.5 dB grid, the right ear worse, 3 kHz the best of the calibration.
SimulatedListener::Thresholds Audiogram() {
    SimulatedListener::Thresholds t;
    const int frequencies[] = {250, 500, 1000, 2000, 3000, 4000, 6000, 8000, 10000};
    for (int i = 0; i < 9; ++i)
        t[frequencies[i]] = {-60.3 + 2.1 * i, -41.7 + 1.3 * i};
    t[3000] = {-64.2, -50.9};
    return t;
}

TEST(SimulatedListenerTest, HearsWithTheBetterEarAtTheNearestFrequency) {
    SimulatedListener listener(Audiogram(), {}, 1);
    SimulatedListener::Sound sound{true, 1010.0, {-56.1, -200.0}};
    EXPECT_NEAR(listener.HearingProbability(sound), 0.5, 1e-9) << "left threshold of 1 kHz";
    sound.level = {-200.0, -37.1};
    EXPECT_NEAR(listener.HearingProbability(sound), 1.0 / (1.0 + std::exp(-2.0)), 1e-9);
    sound.level = {-55.1, -37.1};
    EXPECT_NEAR(listener.HearingProbability(sound), 1.0 / (1.0 + std::exp(-2.0)), 1e-9);
    sound.audible = false;
    EXPECT_EQ(listener.HearingProbability(sound), 0.0);

    // Presses with nothing heard land a reaction time after a moment within the tick.
    SimulatedListener::Traits traits;
    traits.falsePressPerTick = 1.0;
    SimulatedListener pressing(Audiogram(), traits, 2);
    for (int tick = 0; tick < 50; ++tick) {
        const std::optional<double> at = pressing.Listen(250.0 * tick, 250.0, sound);
        ASSERT_TRUE(at);
        EXPECT_GE(*at, 250.0 * tick + 300.0);
        EXPECT_LE(*at, 250.0 * tick + 850.0);
    }
}

TEST(SimulatedListenerTest, ListenerWithoutNoiseIsMeasuredWithinOneStep) {
    SimulatedListener::Traits exact;
    exact.slopePerDb = 1000.0;
    exact.reactionMinMs = 0.0;
    exact.reactionMaxMs = 0.0;
    const SimulatedListener::Thresholds thresholds = Audiogram();
    SimulatedListener listener(thresholds, exact, 3);
    ListenerSession session(listener);

    const std::optional<std::int32_t> normalNull = session.Calibrate();
    ASSERT_TRUE(normalNull);
    EXPECT_GE(*normalNull / 100.0, -64.2);
    EXPECT_LT(*normalNull / 100.0, -64.2 + 0.5);

    for (bool pulsed : {false, true}) {
        const std::vector<ListenerSession::Result> results =
            session.HearingTest(*normalNull, pulsed);
        ASSERT_EQ(results.size(), 16u);
        for (const ListenerSession::Result& r : results) {
            const double truth =
                -64.2 - thresholds.at(r.frequency)[static_cast<std::size_t>(r.side)];
            EXPECT_NEAR(r.value / 100.0, truth, 0.5) << r.frequency << " Hz, side " << r.side;
        }
    }
}

TEST(SimulatedListenerTest, AReactionOfThreeHundredMillisecondsLetsOneOrTwoTicksPass) {
    SimulatedListener::Traits slow;
    slow.slopePerDb = 1000.0;
    slow.reactionMinMs = 300.0;
    slow.reactionMaxMs = 300.0;
    const SimulatedListener::Thresholds thresholds = Audiogram();
    SimulatedListener listener(thresholds, slow, 4);
    ListenerSession session(listener);
    const std::int32_t normalNull = -6000;
    // The continuous tone rises on each tick past the decision; the pulsed one only on the
    // next sounding tick, half a second on.
    for (bool pulsed : {false, true}) {
        const double lateBy = pulsed ? 0.5 : 1.0;
        for (const ListenerSession::Result& r : session.HearingTest(normalNull, pulsed)) {
            const double threshold = thresholds.at(r.frequency)[static_cast<std::size_t>(r.side)];
            const double level = normalNull / 100.0 - r.value / 100.0;
            EXPECT_GE(level - threshold, lateBy - 0.5) << r.frequency << " Hz, pulsed " << pulsed;
            EXPECT_LT(level - threshold, lateBy + 0.5) << r.frequency << " Hz, pulsed " << pulsed;
        }
    }
}

} // namespace
