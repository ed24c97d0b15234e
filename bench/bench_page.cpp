// Layout and drawing of the full page without rendering: a lower bound for the real devices.
#include "PageBenchDocument.h"

#include <benchmark/benchmark.h>

namespace {

// Renders nothing: measures only layout, scales and the drawing calls.
class NullDC : public CRecordingDC {
public:
    using CRecordingDC::CRecordingDC;

protected:
    void DoLine(CPoint, CPoint) override {}
    void DoEllipse(const CRect&) override {}
    void DoRectangle(const CRect&) override {}
    void DoTextOut(CPoint, const std::string&) override {}
    int DoDrawText(const std::string&, const CRect&, unsigned) override { return 0; }
};

void BM_PageModelScreen1920(benchmark::State& state) {
    PageBenchDocument page(1920, 1080);
    NullDC dc(page.ScreenCaps());
    for (auto _ : state)
        page.View().OnDraw(dc);
}
BENCHMARK(BM_PageModelScreen1920)->Unit(benchmark::kMicrosecond);

void BM_PageModelA4At600Dpi(benchmark::State& state) {
    PageBenchDocument page;
    NullDC dc(PageBenchDocument::PrinterCaps(600), true);
    for (auto _ : state)
        page.View().OnDraw(dc);
}
BENCHMARK(BM_PageModelA4At600Dpi)->Unit(benchmark::kMicrosecond);

void BM_PageRecordedScreen1920(benchmark::State& state) {
    PageBenchDocument page(1920, 1080);
    CRecordingDC dc(page.ScreenCaps());
    for (auto _ : state) {
        dc.ClearCalls();
        page.View().OnDraw(dc);
        benchmark::DoNotOptimize(dc.Calls().data());
    }
    state.counters["calls"] = static_cast<double>(dc.Calls().size());
}
BENCHMARK(BM_PageRecordedScreen1920)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
