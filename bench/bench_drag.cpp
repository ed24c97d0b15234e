// One step of dragging a tinnitus tone in the window: the mouse move reaches the selection
// tool, which gives the tone its new frequency (a new second of samples and a new buffer)
// and level, and the window repaints that ear's diagram. The same for a noise band, whose
// step makes three seconds of noise through an inverse FFT.
#include "PageBenchDocument.h"

#include "OffscreenBenchMain.h"
#include "core/tinnitus/CTool.h"
#include "gui/view/CAUVOViewWidget.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void Send(QWidget& widget, QEvent::Type type, QPoint p, Qt::MouseButton button,
          Qt::MouseButtons buttons) {
    QMouseEvent event(type, p, widget.mapToGlobal(p), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

void DragStep(benchmark::State& state, bool band) {
    PageBenchDocument page(1920, 1080);
    CAUVOViewWidget widget(CBaseApp::Instance());
    widget.resize(1920, 1080);
    widget.AttachDocument(&page.Doc());
    widget.View().m_bShowHTD = true;
    widget.View().m_bShowTTD = true;
    widget.show();
    // The first paint records where the diagrams are.
    QCoreApplication::processEvents();
    widget.repaint();
    page.Doc().m_TinnitusDaten.PlayAll(CTinnitusDaten::playBoth);

    // The first right tone, selected; then a press on it starts the drag.
    CSinusTone* tone = page.Doc().m_TinnitusDaten.GetTone(0, 1);
    if (band) {
        const LONG level = tone->GetVolume();
        tone->SetSound(tone->GetFrequency(),
                       CTinnitusDaten::DefaultBandwidth(tone->GetFrequency()));
        tone->SetVolume(level);
    }
    widget.View().SetSelectedTone(tone, 1);
    CRect r = widget.View().m_rectRechts;
    auto dc = widget.CreateClientDC();
    dc->SetMapMode(MM_LOMETRIC);
    dc->LPtoDP(&r);
    r.NormalizeRect();
    const int y = (r.top + r.bottom) / 2;
    QPoint at(r.left + 1, y);
    for (int x = r.left; x < r.right; ++x) {
        int side = 0;
        double hz = 0.0;
        int mB = 0;
        if (widget.View().ClientToTT(CPoint(x, y), side, hz, mB) && hz >= tone->GetFrequency()) {
            at.setX(x);
            break;
        }
    }
    Send(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    QCoreApplication::processEvents();
    if (CTool::s_nMoveFlag != CTool::kMoving)
        state.SkipWithError("the press did not start a drag");

    // Back and forth across a few kHz, as a hand would, each step painted before
    // the next.
    int step = 0;
    for (auto _ : state) {
        const QPoint p(at.x() + 1 + step % 120, at.y() - step % 40);
        Send(widget, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
        QCoreApplication::processEvents();
        ++step;
    }
    Send(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    page.Doc().m_TinnitusDaten.StopAll();
    widget.AttachDocument(nullptr);
}
void BM_DragStep(benchmark::State& state) {
    DragStep(state, false);
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond);

void BM_DragBandStep(benchmark::State& state) {
    DragStep(state, true);
}
BENCHMARK(BM_DragBandStep)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarksOffscreen(argc, argv);
}
