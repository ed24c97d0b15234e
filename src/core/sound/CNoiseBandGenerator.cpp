#include "core/sound/CNoiseBandGenerator.h"

#include <fftw3.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <mutex>
#include <new>

namespace {

constexpr double kTwoPi = 6.283185307179586;
// RMS of a full-scale sine: the level a tone of the same volume has.
const double kSineRms = 32767.0 / std::sqrt(2.0);

// SplitMix64: small, fast and the same on every platform and compiler, unlike the standard
// library's distributions.
std::uint64_t Next(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// One plan and its two arrays for the program's whole run: making a plan computes all its
// twiddle factors, which would cost more than the transform itself on every drag step.
class InverseFft {
public:
    InverseFft()
        : m_spectrum(static_cast<fftw_complex*>(
              fftw_malloc(sizeof(fftw_complex) * (CNoiseBandGenerator::kSamples / 2 + 1)))),
          m_wave(
              static_cast<double*>(fftw_malloc(sizeof(double) * CNoiseBandGenerator::kSamples))) {
        if (m_spectrum != nullptr && m_wave != nullptr)
            m_plan = fftw_plan_dft_c2r_1d(static_cast<int>(CNoiseBandGenerator::kSamples),
                                          m_spectrum, m_wave, FFTW_ESTIMATE | FFTW_DESTROY_INPUT);
    }
    ~InverseFft() {
        if (m_plan != nullptr)
            fftw_destroy_plan(m_plan);
        fftw_free(m_wave);
        fftw_free(m_spectrum);
    }
    InverseFft(const InverseFft&) = delete;
    InverseFft& operator=(const InverseFft&) = delete;

    bool Ready() const { return m_plan != nullptr; }
    fftw_complex* Spectrum() { return m_spectrum; }
    const double* Wave() const { return m_wave; }
    void Run() { fftw_execute(m_plan); }

private:
    fftw_complex* m_spectrum;
    double* m_wave;
    fftw_plan m_plan = nullptr;
};

} // namespace

std::uint64_t CNoiseBandGenerator::Seed(double centre, double bandwidth, std::int32_t pan) {
    std::uint64_t state = std::bit_cast<std::uint64_t>(centre);
    std::uint64_t seed = Next(state);
    state ^= std::bit_cast<std::uint64_t>(bandwidth);
    seed ^= Next(state);
    state ^= static_cast<std::uint32_t>(pan);
    return seed ^ Next(state);
}

bool CNoiseBandGenerator::IsHeard(double centre, double bandwidth) {
    // Written so that NaN is not heard.
    return centre - bandwidth / 2.0 <= kHighestHz && centre + bandwidth / 2.0 >= kLowestHz;
}

std::int32_t CNoiseBandGenerator::Generate(double centre, double bandwidth, int samplesPerSec,
                                           std::uint64_t seed, std::vector<std::int16_t>& samples) {
    constexpr std::size_t n = kSamples;
    samples.assign(n, 0);
    if (!(centre > 0.0 && bandwidth > 0.0 && samplesPerSec > 0) || !std::isfinite(centre) ||
        !std::isfinite(bandwidth))
        return 0;
    const double rate = samplesPerSec;
    const double binHz = rate / static_cast<double>(n);
    const double low = std::max(centre - bandwidth / 2.0, kLowestHz);
    const double high = std::min({centre + bandwidth / 2.0, kHighestHz, rate / 2.0 - binHz});
    if (low > high)
        return 0;
    auto first = static_cast<std::size_t>(std::ceil(low / binHz));
    auto last = static_cast<std::size_t>(std::floor(high / binHz));
    if (first > last) {
        // Narrower than one bin: the bin nearest the centre carries it all.
        first = last = static_cast<std::size_t>(std::lround(std::clamp(centre, low, high) / binHz));
    }
    first = std::max<std::size_t>(first, 1);
    last = std::min(last, n / 2 - 1);
    if (first > last)
        return 0;

    // The planner is not thread-safe, and the arrays are shared.
    static std::mutex lock;
    const std::lock_guard<std::mutex> guard(lock);
    static InverseFft fft;
    if (!fft.Ready())
        throw std::bad_alloc();
    fftw_complex* spectrum = fft.Spectrum();
    // Only the band's bins are set: nothing outside it, at any level.
    std::fill_n(&spectrum[0][0], 2 * (n / 2 + 1), 0.0);
    std::uint64_t state = seed;
    for (std::size_t k = first; k <= last; ++k) {
        const double phase = static_cast<double>(Next(state) >> 11) * 0x1.0p-53 * kTwoPi;
        spectrum[k][0] = std::cos(phase);
        spectrum[k][1] = std::sin(phase);
    }
    fft.Run();
    const double* wave = fft.Wave();

    double power = 0.0;
    double peak = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        power += wave[i] * wave[i];
        peak = std::max(peak, std::fabs(wave[i]));
    }
    const double rms = std::sqrt(power / static_cast<double>(n));
    if (!(rms > 0.0))
        return 0;
    // The peaks get a little room below full scale for the rounding.
    const double needed = 2000.0 * std::log10(peak / rms * kSineRms / 32700.0);
    const auto headroom = static_cast<std::int32_t>(std::ceil(std::max(needed, 0.0)));
    const double scale = kSineRms * std::pow(10.0, -headroom / 2000.0) / rms;
    for (std::size_t i = 0; i < n; ++i)
        samples[i] =
            static_cast<std::int16_t>(std::clamp(std::lround(wave[i] * scale), -32767l, 32767l));
    return headroom;
}
