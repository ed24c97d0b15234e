// "auvo --export-wav" of 60 s with 20 tones, measured against sox synthesising the same 60 s
// of 20 sines into a float WAV file: the counter sox_ratio is our time over sox's.
#include "core/app/CAUVOApp.h"
#include "core/document/CAUVODoc.h"
#include "core/export/CCommandLineRun.h"
#include "core/export/CWavExport.h"

#include "BenchFolder.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

std::string g_folder;

std::string PathOf(const char* name) {
    return g_folder + "/" + name;
}

double Frequency(int i) {
    return 250.0 + 431.0 * i;
}

// 20 tones, ten on each ear.
std::string PrepareDocument() {
    const std::string path = PathOf("zwanzig-toene.auvo");
    CAUVOApp app;
    if (DirectSoundCreate(nullptr, &app.m_pDirectSound, nullptr) != DS_OK)
        std::abort();
    {
        CAUVODoc doc;
        doc.OnNewDocument();
        for (int i = 0; i < 20; ++i)
            doc.CreateTTValue(i % 2, Frequency(i), 1000 + 100 * i);
        if (!doc.OnSaveDocument(path))
            std::abort();
    }
    app.m_pDirectSound->Release();
    app.m_pDirectSound = nullptr;
    return path;
}

// sox writes the same 60 s of the 20 sines as two float channels.
bool RunSox(const std::string& out) {
    std::ostringstream command;
    command << "sox -n -r 44100 -c 2 -e floating-point -b 32 '" << out << "' synth 60";
    for (int i = 0; i < 20; ++i)
        command << " sine " << Frequency(i);
    command << " 2>/dev/null";
    return std::system(command.str().c_str()) == 0;
}

// CPU seconds (user and system) of this process or of its finished children: what each side
// costs, whatever else runs on a shared machine.
double CpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void BM_ExportWav60s20TonesAgainstSox(benchmark::State& state) {
    const std::string document = PrepareDocument();
    const std::string out = PathOf("export.wav");
    const std::string soxOut = PathOf("sox.wav");
    double ours = 0.0;
    double sox = 0.0;
    for (auto _ : state) {
        std::ostringstream err;
        double start = CpuSeconds(RUSAGE_SELF);
        if (CWavExport::Run({"--export-wav", out, "--seconds", "60", document}, g_folder + "/auvo",
                            err) != CCommandLineRun::kOk)
            state.SkipWithError("export failed");
        ours += CpuSeconds(RUSAGE_SELF) - start;
        state.PauseTiming();
        start = CpuSeconds(RUSAGE_CHILDREN);
        if (!RunSox(soxOut))
            state.SkipWithError("sox failed");
        sox += CpuSeconds(RUSAGE_CHILDREN) - start;
        state.ResumeTiming();
    }
    state.counters["ours_cpu_s"] = ours / static_cast<double>(state.iterations());
    state.counters["sox_cpu_s"] = sox / static_cast<double>(state.iterations());
    state.counters["sox_ratio"] = sox > 0.0 ? ours / sox : 0.0;
}
BENCHMARK(BM_ExportWav60s20TonesAgainstSox)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    g_folder = MakeBenchFolder();
    if (g_folder.empty())
        return 1;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::error_code ec;
    std::filesystem::remove_all(g_folder, ec);
    return 0;
}
