#include "platform/sound/OutputCeiling.h"

#include <algorithm>
#include <cmath>

namespace {
// A full-scale sine's samples reach 32767 steps; as float output that is just below 1.
constexpr double kFullScale = 32767.0 / 32768.0;
// A sine's RMS is its amplitude over the square root of two.
const double kSineRms = kFullScale / std::sqrt(2.0);
// A tone of the sine table measures a hair off the ideal RMS (its loop is cut at a zero
// crossing, its samples are whole steps): within this, a sound at the ceiling is at it.
constexpr double kPowerTolerance = 1e-3;
constexpr double kPeakTolerance = 1e-6;
} // namespace

void OutputCeiling::Set(float sineGain) {
    m_sineGain = std::isfinite(sineGain) ? std::clamp(sineGain, 0.0f, 1.0f) : 0.0f;
    m_bActive = true;
}

OutputCeiling::Scales OutputCeiling::For(Sound* sounds, std::size_t count) const {
    Scales scales;
    if (!m_bActive || count == 0)
        return scales;
    std::sort(sounds, sounds + count, [](const Sound& a, const Sound& b) {
        return a.exempt != b.exempt ? b.exempt : a.shape < b.shape;
    });
    double power = 0.0;
    double heldPeak = 0.0;
    double exemptPeak = 0.0;
    for (std::size_t i = 0; i < count;) {
        // Sounds of one shape may be in phase: their amplitudes add before their powers do.
        double amplitude = 0.0;
        std::size_t j = i;
        for (; j < count && sounds[j].exempt == sounds[i].exempt &&
               sounds[j].shape == sounds[i].shape;
             ++j) {
            amplitude += static_cast<double>(sounds[j].gain) * sounds[j].rms;
            (sounds[j].exempt ? exemptPeak : heldPeak) +=
                static_cast<double>(sounds[j].gain) * sounds[j].peak;
        }
        if (!sounds[i].exempt)
            power += amplitude * amplitude;
        i = j;
    }
    const double limit = m_sineGain * kSineRms;
    double held = 1.0;
    if (power > limit * limit * (1.0 + kPowerTolerance))
        held = limit / std::sqrt(power);
    // Whatever the powers, the samples' sum must stay below full scale.
    const double peak = heldPeak * held + exemptPeak;
    double all = 1.0;
    if (peak > kFullScale * (1.0 + kPeakTolerance))
        all = kFullScale / peak;
    scales.held = static_cast<float>(held * all);
    scales.exempt = static_cast<float>(all);
    return scales;
}

OutputCeiling::Measure OutputCeiling::Of(const std::int16_t* samples, std::size_t count) {
    Measure measure;
    if (count == 0)
        return measure;
    // Whole steps: the sums are exact and vectorise.
    std::int64_t squares = 0;
    int peak = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const int sample = samples[i];
        squares += sample * sample;
        peak = std::max(peak, sample < 0 ? -sample : sample);
    }
    // Every eighth sample tells sounds apart well enough: two sounds taken for one only make
    // the rule stricter.
    std::uint64_t shape = 14695981039346656037ull; // FNV-1a
    for (std::size_t i = 0; i < count; i += 8)
        shape = (shape ^ static_cast<std::uint16_t>(samples[i])) * 1099511628211ull;
    measure.rms =
        static_cast<float>(std::sqrt(static_cast<double>(squares) / static_cast<double>(count)));
    measure.peak = static_cast<float>(peak);
    measure.shape = shape ^ count;
    return measure;
}
