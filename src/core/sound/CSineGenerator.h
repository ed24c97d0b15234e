#pragma once
// The tone object's samples: a 16-bit sine of full scale, cut after at least half a second
// at a rising zero crossing (or a whole second), so that the loop joins without a click.

#include <cstddef>
#include <cstdint>

class CSineGenerator {
public:
    // Writes the samples of the tone into samples (room for samplesPerSec values) and
    // returns how many belong to the tone. Frequency <= 0 (or not finite): a second of zeros.
    static std::size_t Generate(double frequency, int samplesPerSec, std::int16_t* samples);

    // The one sample at index i for h samples per half period, computed directly.
    static std::int16_t ExactSample(int i, double h);
};
