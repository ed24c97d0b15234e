// The tone's samples against the formula they must match bit for bit.

#include "core/sound/CSineGenerator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// The tone's samples computed the slow, obvious way.
std::vector<std::int16_t> Naive(double f, int rate) {
    std::vector<std::int16_t> samples;
    if (f <= 0) {
        return std::vector<std::int16_t>(rate, 0);
    }
    const double h = rate / f * 0.5;
    const short periods32 = static_cast<short>(static_cast<int>(64 * h));
    for (int i = 0; i < rate; ++i) {
        const auto sample = static_cast<std::int16_t>(std::sin(i / h * 3.141592654) * 32767);
        if (i > rate / 2 && i >= periods32 && samples[i - 1] < 0 && sample > 0 && sample < 50) {
            break;
        }
        samples.push_back(sample);
    }
    return samples;
}

std::vector<std::int16_t> Fast(double f, int rate = 44100) {
    std::vector<std::int16_t> samples(rate);
    samples.resize(CSineGenerator::Generate(f, rate, samples.data()));
    return samples;
}

TEST(CSineGeneratorTest, KnownTonesHaveTheirLengthsAndSamples) {
    EXPECT_EQ(Fast(1000).size(), 44100u);

    std::vector<std::int16_t> all(44100);
    ASSERT_EQ(CSineGenerator::Generate(1234.5, 44100, all.data()), 26435u);
    EXPECT_EQ(all[26434], -5699);
    EXPECT_EQ(all[26435], 35); // the sample that would follow

    // 30.5 Hz: 32 periods are 46268 samples, which wrap to -19268 in 16 bits, so the tone is
    // cut at the first rising crossing after half a second instead of running a second.
    EXPECT_EQ(Fast(30.5).size(), 30364u);
    EXPECT_EQ(static_cast<short>(46268), -19268);
    EXPECT_EQ(static_cast<short>(47040), -18496); // 30 Hz
    EXPECT_EQ(Fast(30).size(), 44100u);           // whole periods, no crossing to cut at
}

TEST(CSineGeneratorTest, NoToneGivesASecondOfSilence) {
    for (const double f : {0.0, -440.0, std::nan(""), HUGE_VAL}) {
        const std::vector<std::int16_t> samples = Fast(f);
        ASSERT_EQ(samples.size(), 44100u) << f;
        EXPECT_EQ(std::count(samples.begin(), samples.end(), 0), 44100) << f;
    }
}

TEST(CSineGeneratorTest, FastSamplesAreBitIdenticalToTheFormula) {
    std::vector<double> frequencies = {1000.0, 1234.5,  30.0,    43.0,    125.0, 440.0,
                                       8000.0, 11025.0, 22050.0, 20000.0, 0.5};
    for (double f = 20.0; f <= 20000.0; f *= 1.0173) {
        frequencies.push_back(f);
        frequencies.push_back(std::round(f));
    }
    for (const double f : frequencies) {
        ASSERT_EQ(Fast(f), Naive(f, 44100)) << f;
    }
}

TEST(CSineGeneratorTest, OtherSampleRatesAreBitIdenticalToo) {
    for (const int rate : {8000, 22050, 48000, 96000}) {
        for (const double f : {31.0, 440.0, 1234.5, 3999.0, rate / 2.0 - 1.0}) {
            ASSERT_EQ(Fast(f, rate), Naive(f, rate)) << f << " Hz at " << rate;
        }
    }
}

} // namespace
