// How accurate is the test method? 1000 simulated listeners take the real calibration and the
// real hearing test (continuous and pulsed tone); measured minus true, in dB, for each. A test
// value is true when it is the true calibration threshold minus the true threshold, so a
// negative error shows the ear worse than it is. The figures are printed once (fixed seed, so
// they repeat); the benchmark times one listener.

#include "support/ListenerSession.h"
#include "support/SimulatedListener.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr std::uint32_t kSeed = 15;
constexpr int kListeners = 1000;
constexpr int kFrequencies[] = {250, 500, 1000, 2000, 3000, 4000, 6000, 8000, 10000};

// A careful listener, and one who now and then presses with nothing heard (about once in
// four minutes of listening).
SimulatedListener::Traits Traits(double falsePressPerTick) {
    SimulatedListener::Traits traits;
    traits.slopePerDb = 1.0;
    traits.reactionMinMs = 300.0;
    traits.reactionMaxMs = 600.0;
    traits.falsePressPerTick = falsePressPerTick;
    return traits;
}
constexpr double kFalsePress[] = {0.0, 0.001};

// Listener number index, the same on every run: a base level (where the system volume puts the
// best threshold) and 0 to 30 dB above it per frequency and ear.
SimulatedListener::Thresholds ThresholdsOf(int index) {
    std::mt19937 random(kSeed * 100003u + static_cast<std::uint32_t>(index));
    const auto uniform = [&](double low, double high) {
        return low + (high - low) * static_cast<double>(random()) / 4294967296.0;
    };
    const double base = uniform(-70.0, -50.0);
    SimulatedListener::Thresholds thresholds;
    for (int frequency : kFrequencies)
        thresholds[frequency] = {base + uniform(0.0, 30.0), base + uniform(0.0, 30.0)};
    return thresholds;
}

// What a flawless calibration finds: the quieter of 1 and 3 kHz, heard with the better ear.
double TrueCalibration(const SimulatedListener::Thresholds& t) {
    return std::min({t.at(1000)[0], t.at(1000)[1], t.at(3000)[0], t.at(3000)[1]});
}

struct Errors {
    std::vector<double> values;
    void Add(double value) { values.push_back(value); }
    double Mean() const {
        double sum = 0.0;
        for (double v : values)
            sum += v;
        return values.empty() ? 0.0 : sum / static_cast<double>(values.size());
    }
    double Spread() const {
        const double mean = Mean();
        double sum = 0.0;
        for (double v : values)
            sum += (v - mean) * (v - mean);
        return values.size() < 2 ? 0.0 : std::sqrt(sum / static_cast<double>(values.size() - 1));
    }
    double ShareBeyond(double limit) const {
        const auto n = std::count_if(values.begin(), values.end(),
                                     [&](double v) { return std::abs(v) > limit; });
        return values.empty() ? 0.0 : 100.0 * static_cast<double>(n) / values.size();
    }
};

struct Figures {
    Errors calibration;
    Errors test[2];     // continuous, pulsed; against the true calibration
    Errors toneOnly[2]; // the same, against the calibration the test was given
    int uncalibrated = 0;
    double simulatedMs = 0.0;
};

// One listener through a calibration and both tests, the tests at the level the calibration
// stored.
void Examine(int index, const SimulatedListener::Traits& traits, Figures& figures) {
    const SimulatedListener::Thresholds thresholds = ThresholdsOf(index);
    SimulatedListener listener(thresholds, traits, kSeed + static_cast<std::uint32_t>(index));
    ListenerSession session(listener);
    const std::optional<std::int32_t> normalNull = session.Calibrate();
    if (!normalNull) {
        ++figures.uncalibrated;
        return;
    }
    const double trueNull = TrueCalibration(thresholds);
    const double measuredNull = *normalNull / 100.0;
    figures.calibration.Add(measuredNull - trueNull);
    for (int pulsed = 0; pulsed < 2; ++pulsed) {
        for (const ListenerSession::Result& r : session.HearingTest(*normalNull, pulsed == 1)) {
            const double threshold = thresholds.at(r.frequency)[static_cast<std::size_t>(r.side)];
            const double recorded = r.value / 100.0;
            figures.test[pulsed].Add(recorded - (trueNull - threshold));
            figures.toneOnly[pulsed].Add(recorded - (measuredNull - threshold));
        }
    }
    figures.simulatedMs += session.ElapsedMs();
}

void PrintRow(const char* name, const Errors& careful, const Errors& pressing) {
    std::printf("  %-34s", name);
    for (const Errors* e : {&careful, &pressing})
        std::printf(" %6.2f %6.2f %6.1f %%", e->Mean(), e->Spread(), e->ShareBeyond(5.0));
    std::printf("\n");
}

void PrintAccuracy() {
    Figures f[2];
    for (int k = 0; k < 2; ++k) {
        for (int i = 0; i < kListeners; ++i)
            Examine(i, Traits(kFalsePress[k]), f[k]);
    }
    const SimulatedListener::Traits traits = Traits(0.0);
    std::printf("Accuracy of the test method: %d simulated listeners (seed %u), logistic slope "
                "%.1f/dB, reaction %.0f-%.0f ms\n",
                kListeners, kSeed, traits.slopePerDb, traits.reactionMinMs, traits.reactionMaxMs);
    std::printf("  %-34s %-22s false press %.1f %% per tick\n", "", "no false press",
                100.0 * kFalsePress[1]);
    std::printf("  %-34s %6s %6s %8s %6s %6s %8s\n", "measured minus true (dB)", "bias", "SD",
                ">5 dB", "bias", "SD", ">5 dB");
    PrintRow("calibration", f[0].calibration, f[1].calibration);
    PrintRow("hearing test, continuous tone", f[0].test[0], f[1].test[0]);
    PrintRow("hearing test, pulsed tone", f[0].test[1], f[1].test[1]);
    PrintRow("  continuous, tone level alone", f[0].toneOnly[0], f[1].toneOnly[0]);
    PrintRow("  pulsed, tone level alone", f[0].toneOnly[1], f[1].toneOnly[1]);
    std::printf("  listening simulated: %.0f h and %.0f h; calibrations without a result: %d and "
                "%d\n",
                f[0].simulatedMs / 3.6e6, f[1].simulatedMs / 3.6e6, f[0].uncalibrated,
                f[1].uncalibrated);
    std::fflush(stdout);
}

void BM_OneListener(benchmark::State& state) {
    Figures figures;
    int index = 0;
    for (auto _ : state)
        Examine(index++ % kListeners, Traits(kFalsePress[1]), figures);
    // Simulated seconds per second: how much faster than real time.
    state.counters["sim_seconds"] =
        benchmark::Counter(figures.simulatedMs / 1000.0, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_OneListener)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    PrintAccuracy();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
