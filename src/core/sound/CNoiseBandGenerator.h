#pragma once
// The samples of a noise band: equal power on every frequency bin between its edges, with
// random phases, through one inverse FFT (FFTW) of a buffer of about three seconds. The
// result is exactly periodic over the buffer, so the loop has no click, and the phases come
// from a seed, so the same band sounds the same every time.

#include <cstddef>
#include <cstdint>
#include <vector>

class CNoiseBandGenerator {
public:
    // 2^17 samples: about three seconds at 44100 Hz, too long for the repetition to be heard
    // as a beat, and the fastest length for the FFT.
    static constexpr std::size_t kSamples = std::size_t{1} << 17;
    // The band's edges are clipped to what a person hears.
    static constexpr double kLowestHz = 20.0;
    static constexpr double kHighestHz = 20000.0;

    // Whether some of the band f - b/2 .. f + b/2 lies between kLowestHz and kHighestHz: a
    // band wholly outside is silence.
    static bool IsHeard(double centre, double bandwidth);

    // Fills samples (kSamples values) with the band f - b/2 .. f + b/2 and returns the
    // headroom in mB: how far the samples' RMS lies below a full-scale sine's, so that their
    // peaks fit into 16 bits. No band left after clipping (or f, b not positive or not
    // finite): silence and headroom 0.
    static std::int32_t Generate(double centre, double bandwidth, int samplesPerSec,
                                 std::uint64_t seed, std::vector<std::int16_t>& samples);

    // The seed of a band's noise, from what a document stores of it.
    static std::uint64_t Seed(double centre, double bandwidth, std::int32_t pan);
};
