// Layout and drawing of the full page without rendering: a lower bound for the real devices.
#include "PageBenchDocument.h"

#include "OffscreenBenchMain.h"
#include "gui/view/CPageOutput.h"
#include "gui/view/CQtDC.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

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

// Real rendering with QPainter into an image the size of a full-HD window, as on screen.
void RepaintScreen1920(benchmark::State& state, PageBenchDocument& page) {
    QImage image(1920, 1080, QImage::Format_RGB32);
    CQtDC::Caps caps;
    caps.horzRes = 1920;
    caps.vertRes = 1080;
    caps.logPixelsX = caps.logPixelsY = 96;
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        CQtDC dc(&painter, caps, false);
        page.View().OnDraw(dc);
    }
}

void BM_PageQPainterScreen1920(benchmark::State& state) {
    PageBenchDocument page(1920, 1080);
    RepaintScreen1920(state, page);
}
BENCHMARK(BM_PageQPainterScreen1920)->Unit(benchmark::kMillisecond);

// The same window with a new, empty document: what any document is measured against.
void BM_PageQPainterScreen1920Empty(benchmark::State& state) {
    PageBenchDocument page(1920, 1080);
    page.Doc().OnNewDocument();
    RepaintScreen1920(state, page);
}
BENCHMARK(BM_PageQPainterScreen1920Empty)->Unit(benchmark::kMillisecond);

// The largest document that opens (1 MB), its comment one long text: only what can show of
// the comment is laid out. Without line feeds, and as a million short lines.
void BM_PageQPainterScreen1920HugeComment(benchmark::State& state) {
    PageBenchDocument page(1920, 1080);
    const std::string piece = state.range(0) != 0 ? "x\n" : "Ohrger\xC3\xA4usch links ";
    std::string comment;
    while (comment.size() + piece.size() <= 1000000)
        comment += piece;
    page.Doc().m_strKommentar = comment;
    RepaintScreen1920(state, page);
}
BENCHMARK(BM_PageQPainterScreen1920HugeComment)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// An A4 page at 600 dpi as a printer draws it (the image stands in for the printer's page).
void BM_PageQPainterA4At600Dpi(benchmark::State& state) {
    PageBenchDocument page;
    QImage image(CPageOutput::A4Pixels(600), QImage::Format_RGB32);
    image.setDotsPerMeterX(23622);
    image.setDotsPerMeterY(23622);
    const CQtDC::Caps caps = CQtDC::PageCaps(image);
    image.fill(Qt::white); // a printer's page starts blank
    for (auto _ : state) {
        QPainter painter(&image);
        CQtDC dc(&painter, caps, true);
        page.View().OnDraw(dc);
    }
}
BENCHMARK(BM_PageQPainterA4At600Dpi)->Unit(benchmark::kMillisecond);

// The same page through the export path (0.1 mm grid scaled to 600 dpi), white sheet included.
void BM_PageExportA4At600Dpi(benchmark::State& state) {
    PageBenchDocument page;
    QImage image(CPageOutput::A4Pixels(600), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        CPageOutput::DrawOnA4(page.View(), painter, image.size());
    }
}
BENCHMARK(BM_PageExportA4At600Dpi)->Unit(benchmark::kMillisecond);

} // namespace

// Fonts need a GUI application; no display is needed.
int main(int argc, char** argv) {
    return RunBenchmarksOffscreen(argc, argv);
}
