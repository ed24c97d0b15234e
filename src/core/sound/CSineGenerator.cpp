#include "core/sound/CSineGenerator.h"

#include <algorithm>
#include <cmath>

namespace {
// Not the exact pi: the tone's samples have always been made with this constant.
constexpr double kPi = 3.141592654;
constexpr double kScale = 32767.0;
// Fast values this close to an integer could truncate differently from the exact formula.
constexpr double kMargin = 1e-4;
constexpr int kResync = 512;

// Double to 16 bits as the tone always did it: via a 32-bit integer (out of range or NaN
// gives 0x80000000), of which the low 16 bits are kept.
std::int16_t To16(double value) {
    std::int32_t whole = INT32_MIN;
    if (value > -2147483649.0 && value < 2147483648.0) {
        whole = static_cast<std::int32_t>(value);
    }
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(whole & 0xFFFF));
}

// sin and cos of i steps for the samples of one block, made by rotation: each sample of a
// block is then sin(start + i steps) by the angle sum, independent of the samples before it.
struct BlockSteps {
    explicit BlockSteps(double halfPeriod) : h(halfPeriod) {
        const double stepCos = std::cos(kPi / h);
        const double stepSin = std::sin(kPi / h);
        sines[0] = 0.0;
        cosines[0] = 1.0;
        for (int i = 1; i < kResync; ++i) {
            sines[i] = sines[i - 1] * stepCos + cosines[i - 1] * stepSin;
            cosines[i] = cosines[i - 1] * stepCos - sines[i - 1] * stepSin;
        }
    }
    double h;
    alignas(32) double sines[kResync];
    alignas(32) double cosines[kResync];
};

// Fills samples[start..end) (start a multiple of kResync, end at most kResync further) from
// the exact sine and cosine at start, falling back to the formula near integer values.
[[gnu::always_inline]] inline void FastBlockBody(const BlockSteps& steps, int start, int end,
                                                 std::int16_t* samples) {
    const double x = start / steps.h * kPi;
    const double s = std::sin(x) * kScale;
    const double c = std::cos(x) * kScale;
    alignas(32) double values[kResync];
    const int count = end - start;
    int nearInteger = 0;
    for (int i = 0; i < count; ++i) {
        const double value = s * steps.cosines[i] + c * steps.sines[i];
        values[i] = value;
        const int whole = static_cast<int>(value);
        const double rest = std::fabs(value - static_cast<double>(whole));
        nearInteger |= static_cast<int>(rest < kMargin) | static_cast<int>(rest > 1.0 - kMargin);
        samples[start + i] = static_cast<std::int16_t>(whole);
    }
    if (nearInteger != 0) {
        for (int i = 0; i < count; ++i) {
            const double value = values[i];
            const double rest = std::fabs(value - static_cast<double>(static_cast<int>(value)));
            if (rest < kMargin || rest > 1.0 - kMargin)
                samples[start + i] = CSineGenerator::ExactSample(start + i, steps.h);
        }
    }
}

void FastBlockPlain(const BlockSteps& steps, int start, int end, std::int16_t* samples) {
    FastBlockBody(steps, start, end, samples);
}

// The same built for AVX2 (no FMA: the values must round as above), chosen at run time.
__attribute__((target("avx2"))) void FastBlockAvx2(const BlockSteps& steps, int start, int end,
                                                   std::int16_t* samples) {
    FastBlockBody(steps, start, end, samples);
}

} // namespace

std::int16_t CSineGenerator::ExactSample(int i, double h) {
    return To16(std::sin(i / h * kPi) * kScale);
}

std::size_t CSineGenerator::Generate(double frequency, int samplesPerSec, std::int16_t* samples) {
    if (samplesPerSec <= 0) {
        return 0;
    }
    const int rate = samplesPerSec;
    if (!(frequency > 0.0) || !std::isfinite(frequency)) {
        std::fill_n(samples, rate, std::int16_t{0});
        return static_cast<std::size_t>(rate);
    }
    const double h = rate / frequency * 0.5;
    // Only the low 16 bits of 32 periods count, read as signed: below about 43 Hz this
    // wraps (even negative), and the length rule then holds from half a second on.
    const int periods32 = To16(64.0 * h);
    const int half = rate / 2;

    // The rotation is exact enough while the phase stays moderate (up to the sample rate).
    // Samples are made a block at a time, up to the block where the tone is cut.
    const BlockSteps steps(h);
    static const auto fastBlock = __builtin_cpu_supports("avx2") ? FastBlockAvx2 : FastBlockPlain;
    const int from = half + 1;
    for (int start = 0; start < rate; start += kResync) {
        const int end = std::min(rate, start + kResync);
        if (h >= 0.5) {
            fastBlock(steps, start, end, samples);
        } else {
            for (int i = start; i < end; ++i) {
                samples[i] = ExactSample(i, h);
            }
        }
        // The rare small positive sample first: the scan then hardly ever branches wrongly.
        for (int i = std::max({from, start, periods32}); i < end; ++i) {
            if (static_cast<unsigned>(samples[i] - 1) < 49u && samples[i - 1] < 0) {
                return static_cast<std::size_t>(i);
            }
        }
    }
    return static_cast<std::size_t>(rate);
}
