#include "core/view/CAudiogramPainter.h"

#include "core/app/CBaseApp.h"
#include "core/app/TextFormat.h"
#include "core/document/CAUVODoc.h"
#include "core/hearing/CHoertestDaten.h"
#include "core/view/CDiagramFrame.h"
#include "core/view/CFrequencyScale.h"
#include "core/view/CLevelScale.h"
#include "core/view/CPageStyle.h"
#include "core/view/CPlotArea.h"
#include "core/view/CSavedDCObjects.h"
#include "core/view/DrawErrors.h"

#include <algorithm>
#include <memory>
#include <string>

namespace {

// One line through every entry of a data set. Entry 0 is read even when the set is empty, so
// such data ends the diagram with the data's index error. A value beyond the level range is
// drawn at its edge: a tone not heard up to the ceiling (-80 dB by default) stays inside the
// diagram instead of running through the one below.
void DrawCurve(CDC& dc, const CHoertestDaten& data, int side, const CFrequencyScale& freq,
               const CLevelScale& level, const CDiagramOptions& options) {
    const long long lowest = 100LL * options.minDB;
    const long long highest = 100LL * options.maxDB;
    auto point = [&](int i) {
        const long long mB = std::clamp<long long>(data.GetValue(i, side), lowest, highest);
        return CPoint(freq.X(data.GetFrequency(i)), level.AudiogramYmB(static_cast<int>(mB)));
    };
    const CPoint first = point(0);
    dc.MoveTo(first.x, first.y);
    for (int i = 1; i < data.GetCount(); ++i) {
        const CPoint p = point(i);
        dc.LineTo(p.x, p.y);
    }
}

} // namespace

void CAudiogramPainter::Draw(CDC& dc, CAUVODoc& doc, int side, const CRect& area,
                             const CDiagramOptions& options) const {
    CSavedDCObjects saved(dc);
    try {
        DrawUnguarded(dc, doc, side, area, options);
    } catch (const std::exception& e) {
        ProtocolDrawError(m_pApp, e);
    }
}

void CAudiogramPainter::DrawUnguarded(CDC& dc, CAUVODoc& doc, int side, const CRect& area,
                                      const CDiagramOptions& options) const {
    auto trace = [this](int level, const char* text) {
        if (m_pApp != nullptr)
            m_pApp->Trace(level, "%s", text);
    };
    if (m_pApp != nullptr)
        m_pApp->Trace(5, "CAUVOView::DrawTest: %d, %d, %d, %d", area.left, area.top, area.right,
                      area.bottom);

    const CPlotArea plot(area);
    const CPen gridPen(PS_DOT, CPageStyle::kGridWidth, CPageStyle::kBlack);
    const int maxKHz = doc.GetMaxFrequencyKHz();
    const int entries = doc.GetMaxEntryCount();

    // Made before anything is drawn: a failure here leaves the diagram empty.
    std::unique_ptr<CHoertestDaten> normal;
    if (options.normalCurve) {
        normal = std::make_unique<CHoertestDaten>();
        normal->InitNormal(doc.m_HoertestDaten.GetCount());
    }

    trace(10, "CAUVOView::DrawTest: Koordinatensystem");
    const CPen axisPen(PS_SOLID, CPageStyle::kAxisWidth, CPageStyle::kBlack);
    CFont font;
    const bool haveFont = dc.CreateFont(font, CPageStyle::LabelFont());

    // The scales do not depend on the font, so the curves keep their places without it.
    const CLevelScale level(plot.yTop, plot.y0, options.minDB, options.maxDB);
    const CFrequencyScale freq(plot.x0, plot.right, maxKHz, options.logarithmic,
                               doc.m_nMinFrequenz);

    if (haveFont) {
        dc.SelectObject(font);
        CDiagramFrame::DrawTitle(dc, plot, side, options.together);
        CDiagramFrame::DrawAxes(dc, plot, axisPen, gridPen);

        long long v = CLevelScale::FirstLabel(options.minDB, options.maxDB);
        for (; v < options.maxDB; v += 10) {
            const int yv = level.AudiogramY(v);
            dc.TextOut(plot.x0 - 5, yv - 10, std::to_string(v));
            dc.MoveTo(plot.x0, yv);
            dc.LineTo(plot.right, yv);
        }
        dc.TextOut(plot.x0 - 5, level.AudiogramY(v), "dB");

        if (entries > 0)
            CDiagramFrame::DrawFrequencyAxis(dc, plot, freq, gridPen);
    }

    trace(10, "CAUVOView::DrawTest: Messung");
    const CPen ownPen(PS_SOLID, CPageStyle::kDataWidth, CPageStyle::SideColor(side));
    const CPen comparisonPen(PS_SOLID, CPageStyle::kDataWidth, CPageStyle::ComparisonColor(side));
    const CPen normalPen(PS_SOLID, CPageStyle::kDataWidth, CPageStyle::kNormalCurve);

    if (doc.m_HoertestDaten.GetCount() >= 1) {
        if (doc.m_pVergleichsDoc != nullptr) {
            dc.SelectObject(comparisonPen);
            DrawCurve(dc, doc.m_pVergleichsDoc->m_HoertestDaten, side, freq, level, options);
        }
        if (normal) {
            dc.SelectObject(normalPen);
            DrawCurve(dc, *normal, side, freq, level, options);
        }
        dc.SelectObject(ownPen);
        DrawCurve(dc, doc.m_HoertestDaten, side, freq, level, options);
    }
}
