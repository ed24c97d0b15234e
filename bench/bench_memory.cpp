// Memory of the process while 1000 tones play (the counter rss_MB: resident set in MB), in a
// process of its own so that nothing else measured here counts.
#include "core/sound/CSinusTone.h"
#include "platform/sound/SilentAudioOutput.h"
#include "platform/sound/SoundDevice.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

double ResidentMB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0.0;
}

void BM_Rss1000TonesPlaying(benchmark::State& state) {
    double resident = 0.0;
    for (auto _ : state) {
        SoundDevice* device = nullptr;
        SoundDevice::Create(std::make_unique<SilentAudioOutput>(), &device);
        std::vector<float> out(2 * 1024);
        {
            std::vector<std::unique_ptr<CSinusTone>> playing;
            for (int i = 0; i < 1000; ++i) {
                playing.push_back(std::make_unique<CSinusTone>(device, 100.0 + 13.7 * i));
                playing.back()->SetVolume(-4000 - i);
                playing.back()->Play(DSBPLAY_LOOPING);
            }
            device->GetMixer().Render(out.data(), 1024);
            resident = ResidentMB();
        }
        device->GetMixer().Render(out.data(), 1024);
        device->Release();
    }
    state.counters["rss_MB"] = resident;
}
BENCHMARK(BM_Rss1000TonesPlaying)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
