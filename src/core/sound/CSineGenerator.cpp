#include "core/sound/CSineGenerator.h"

#include <algorithm>
#include <cmath>

namespace {
// Not the exact pi: the tone's samples have always been made with this constant.
constexpr double kPi = 3.141592654;
constexpr double kScale = 32767.0;
// Fast values this close to an integer could truncate differently from the exact formula.
constexpr double kMargin = 1e-4;
constexpr int kResync = 256;

// Double to 16 bits as the tone always did it: via a 32-bit integer (out of range or NaN
// gives 0x80000000), of which the low 16 bits are kept.
std::int16_t To16(double value) {
    std::int32_t whole = INT32_MIN;
    if (value > -2147483649.0 && value < 2147483648.0) {
        whole = static_cast<std::int32_t>(value);
    }
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(whole & 0xFFFF));
}

// Fills samples[0..count) with the sines, using rotations that are re-synchronised with the
// exact formula every kResync samples and fall back to it near integer values. Four
// interleaved rotators keep the multiplications independent of each other.
void FastSines(double h, int count, std::int16_t* samples) {
    constexpr int kLanes = 4;
    const double step = kPi / h;
    const double stepCos = std::cos(step);
    const double stepSin = std::sin(step);
    const double laneCos = std::cos(kLanes * step);
    const double laneSin = std::sin(kLanes * step);
    for (int start = 0; start < count; start += kResync) {
        const double x = start / h * kPi;
        double s[kLanes];
        double c[kLanes];
        s[0] = std::sin(x);
        c[0] = std::cos(x);
        for (int j = 1; j < kLanes; ++j) {
            s[j] = s[j - 1] * stepCos + c[j - 1] * stepSin;
            c[j] = c[j - 1] * stepCos - s[j - 1] * stepSin;
        }
        const int end = std::min(count, start + kResync);
        for (int i = start; i < end; i += kLanes) {
            for (int j = 0; j < kLanes && i + j < end; ++j) {
                const double value = s[j] * kScale;
                const double rest = std::fabs(value - static_cast<double>(static_cast<int>(value)));
                samples[i + j] = rest < kMargin || rest > 1.0 - kMargin
                                     ? CSineGenerator::ExactSample(i + j, h)
                                     : static_cast<std::int16_t>(static_cast<int>(value));
            }
            for (int j = 0; j < kLanes; ++j) {
                const double next = s[j] * laneCos + c[j] * laneSin;
                c[j] = c[j] * laneCos - s[j] * laneSin;
                s[j] = next;
            }
        }
    }
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
    if (h >= 0.5) {
        FastSines(h, rate, samples);
    } else {
        for (int i = 0; i < rate; ++i) {
            samples[i] = ExactSample(i, h);
        }
    }
    for (int i = half + 1; i < rate; ++i) {
        if (i >= periods32 && samples[i - 1] < 0 && samples[i] > 0 && samples[i] < 50) {
            return static_cast<std::size_t>(i);
        }
    }
    return static_cast<std::size_t>(rate);
}
