// Speed of the sound layer: a new frequency for a tone (samples and buffer replacement) and
// the mixer's cost per tone and output frame.

#include "core/sound/CSinusTone.h"
#include "platform/sound/NullAudioOutput.h"
#include "platform/sound/SilentAudioOutput.h"
#include "platform/sound/SoundDevice.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <vector>

namespace {

void BM_SetFrequency(benchmark::State& state, double frequency) {
    SoundDevice* device = nullptr;
    SoundDevice::Create(std::make_unique<NullAudioOutput>(), &device);
    {
        CSinusTone tone(device, frequency);
        tone.SetVolume(-3000);
        tone.Play(DSBPLAY_LOOPING);
        for (auto _ : state) {
            benchmark::DoNotOptimize(tone.SetFrequency(frequency));
        }
    }
    device->Release();
}
BENCHMARK_CAPTURE(BM_SetFrequency, 1000Hz, 1000.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SetFrequency, 1234_5Hz, 1234.5)->Unit(benchmark::kMillisecond);

double ThreadCpuNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

void BM_MixerTones(benchmark::State& state) {
    const auto tones = static_cast<int>(state.range(0));
    constexpr std::size_t kFrames = 1024;
    SoundDevice* device = nullptr;
    SoundDevice::Create(std::make_unique<SilentAudioOutput>(), &device);
    Mixer& mixer = device->GetMixer();
    std::vector<float> out(2 * 2 * Mixer::kRampFrames);
    {
        std::vector<std::unique_ptr<CSinusTone>> playing;
        for (int i = 0; i < tones; ++i) {
            playing.push_back(std::make_unique<CSinusTone>(device, 100.0 + 13.7 * i));
            playing.back()->SetVolume(-4000 - i);
            playing.back()->SetPan(i % 2 == 0 ? -10000 : 3000);
            playing.back()->Play(DSBPLAY_LOOPING);
        }
        mixer.Render(out.data(), 2 * Mixer::kRampFrames); // past the ramps
        const double start = ThreadCpuNanoseconds();
        for (auto _ : state) {
            mixer.Render(out.data(), kFrames);
            benchmark::DoNotOptimize(out.data());
        }
        // CPU time, so that other work on a shared machine does not count.
        state.counters["ns_per_tone_frame"] =
            (ThreadCpuNanoseconds() - start) /
            (static_cast<double>(state.iterations()) * tones * kFrames);
    }
    device->Release();
}
BENCHMARK(BM_MixerTones)->Arg(1)->Arg(10)->Arg(100)->Arg(1000);

} // namespace

BENCHMARK_MAIN();
