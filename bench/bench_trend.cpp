// The trend of 100 measurements: reading the files, ordering and comparing them, and drawing
// the page (the whole should stay below 100 ms).
#include "BenchFolder.h"
#include "OffscreenBenchMain.h"

#include "core/app/CAUVOApp.h"
#include "core/document/CAUVODoc.h"
#include "core/trend/CTrendLoader.h"
#include "core/trend/CTrendPage.h"
#include "gui/view/CPageOutput.h"

#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string g_folder;

// 100 measurements of 32 frequencies, two tinnitus tones each, dated in random order, the
// hearing getting worse at 4 kHz over the years.
const std::vector<std::string>& Files() {
    static std::vector<std::string> files;
    if (!files.empty())
        return files;
    for (int i = 0; i < 100; ++i) {
        CAUVODoc doc;
        doc.OnNewDocument();
        CHoertestDaten data;
        data.InitNormal(32);
        for (int k = 0; k < 32; ++k)
            data.SetValue(k, 1, data.GetValue(k, 1) - (k == 8 ? 30 * i : (i * 37) % 500));
        doc.SetHearingTestData(data);
        const int n = (i * 53) % 100;
        char date[16];
        std::snprintf(date, sizeof date, "%02d.%02d.%04d", 1 + n % 28, 1 + n % 12, 2000 + n / 12);
        doc.m_strDatum = date;
        doc.CreateTTValue(0, 4000.0 + i, 1500);
        doc.CreateTTValue(1, 6000.0 + i, 1200);
        files.push_back(g_folder + "/messung-" + std::to_string(i) + ".auvo");
        if (!doc.OnSaveDocument(files.back()))
            std::abort();
    }
    return files;
}

void BM_TrendOpen100AndDrawA4(benchmark::State& state) {
    const std::vector<std::string>& files = Files();
    QImage image(CPageOutput::A4Pixels(150), QImage::Format_RGB32);
    for (auto _ : state) {
        CTrendLoader::Result loaded = CTrendLoader::Load(files);
        if (loaded.measurements.size() != files.size())
            state.SkipWithError("a file could not be read");
        CTrendPage page{CTrend(std::move(loaded.measurements))};
        QPainter painter(&image);
        CPageOutput::DrawOnA4(page, painter, image.size());
    }
}
BENCHMARK(BM_TrendOpen100AndDrawA4)->Unit(benchmark::kMillisecond);

// Drawing alone, at a printer's 600 dpi.
void BM_TrendDraw100At600Dpi(benchmark::State& state) {
    CTrendPage page{CTrend(CTrendLoader::Load(Files()).measurements)};
    QImage image(CPageOutput::A4Pixels(600), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        CPageOutput::DrawOnA4(page, painter, image.size());
    }
}
BENCHMARK(BM_TrendDraw100At600Dpi)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    g_folder = MakeBenchFolder();
    if (g_folder.empty())
        return 1;
    int result = 1;
    {
        // The files' tones need a device to exist on.
        CAUVOApp app;
        if (DirectSoundCreate(nullptr, &app.m_pDirectSound, nullptr) == DS_OK) {
            result = RunBenchmarksOffscreen(argc, argv);
            app.m_pDirectSound->Release();
            app.m_pDirectSound = nullptr;
        }
    }
    std::error_code ec;
    std::filesystem::remove_all(g_folder, ec);
    return result;
}
