#include "support/SimulatedListener.h"

#include <cmath>
#include <iterator>
#include <stdexcept>
#include <utility>

SimulatedListener::SimulatedListener(Thresholds thresholds, Traits traits, std::uint32_t seed)
    : m_thresholds(std::move(thresholds)), m_traits(traits), m_random(seed) {
    if (m_thresholds.empty())
        throw std::invalid_argument("a listener needs thresholds");
}

double SimulatedListener::Threshold(double frequency, int side) const {
    auto above = m_thresholds.lower_bound(static_cast<int>(std::lround(frequency)));
    if (above == m_thresholds.end()) {
        above = std::prev(above);
    } else if (above != m_thresholds.begin()) {
        const auto below = std::prev(above);
        if (frequency - below->first < above->first - frequency)
            above = below;
    }
    return above->second[side == 1 ? 1 : 0];
}

double SimulatedListener::HearingProbability(const Sound& sound) const {
    if (!sound.audible)
        return 0.0;
    const double above = std::max(sound.level[0] - Threshold(sound.frequency, 0),
                                  sound.level[1] - Threshold(sound.frequency, 1));
    return 1.0 / (1.0 + std::exp(-m_traits.slopePerDb * above));
}

std::optional<double> SimulatedListener::Listen(double startMs, double tickMs, const Sound& sound) {
    // The same four draws on every tick, so that what was heard does not shift the stream.
    const double heard = Uniform();
    const double falsePress = Uniform();
    const double moment = Uniform();
    const double reaction = Uniform();
    if (heard >= HearingProbability(sound) && falsePress >= m_traits.falsePressPerTick)
        return std::nullopt;
    return startMs + moment * tickMs + m_traits.reactionMinMs +
           reaction * (m_traits.reactionMaxMs - m_traits.reactionMinMs);
}

double SimulatedListener::Uniform() {
    // Spelt out rather than std::uniform_real_distribution, whose results vary by library.
    return static_cast<double>(m_random()) / 4294967296.0;
}
