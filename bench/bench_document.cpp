// Opening and saving a measurement with 100 tinnitus tones (the open should stay below 50 ms).
#include "core/app/CAUVOApp.h"
#include "core/document/CAUVODoc.h"

#include "BenchFolder.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string g_folder;

std::string PathOf(const char* name) {
    return g_folder + "/" + name;
}

// 32 frequencies and 50 tones on each ear, saved once.
std::string PrepareDocument() {
    const std::string path = PathOf("hundert-toene.auvo");
    CAUVODoc doc;
    doc.OnNewDocument();
    CHoertestDaten data;
    data.InitNormal(32);
    doc.SetHearingTestData(data);
    doc.SetComment("Messung mit 100 Tinnitus-Tönen");
    for (int i = 0; i < 100; ++i)
        doc.CreateTTValue(i % 2, 200.0 + 97.0 * i, 1000 + 10 * i);
    if (!doc.OnSaveDocument(path))
        std::abort();
    return path;
}

void BM_OpenDocument100Tones(benchmark::State& state) {
    const std::string path = PrepareDocument();
    CAUVODoc doc;
    doc.OnNewDocument();
    for (auto _ : state) {
        if (!doc.OnOpenDocument(path))
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(doc.m_TinnitusDaten.GetCount(1));
    }
}
BENCHMARK(BM_OpenDocument100Tones)->Unit(benchmark::kMillisecond);

void BM_SaveDocument100Tones(benchmark::State& state) {
    CAUVODoc doc;
    if (!doc.OnOpenDocument(PrepareDocument()))
        std::abort();
    const std::string target = PathOf("gespeichert.auvo");
    for (auto _ : state) {
        if (!doc.OnSaveDocument(target))
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveDocument100Tones)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    g_folder = MakeBenchFolder();
    if (g_folder.empty())
        return 1;
    CAUVOApp app;
    if (DirectSoundCreate(nullptr, &app.m_pDirectSound, nullptr) != DS_OK)
        return 1;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    app.m_pDirectSound->Release();
    app.m_pDirectSound = nullptr;
    std::error_code ec;
    std::filesystem::remove_all(g_folder, ec);
    return 0;
}
