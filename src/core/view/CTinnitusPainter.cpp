#include "core/view/CTinnitusPainter.h"

#include "core/app/CBaseApp.h"
#include "core/app/TextFormat.h"
#include "core/document/CAUVODoc.h"
#include "core/sound/CNoiseBandGenerator.h"
#include "core/sound/CSinusTone.h"
#include "core/tinnitus/CTinnitusDaten.h"
#include "core/view/CDiagramFrame.h"
#include "core/view/CFrequencyScale.h"
#include "core/view/CLevelScale.h"
#include "core/view/CPageStyle.h"
#include "core/view/CPlotArea.h"
#include "core/view/CSavedDCObjects.h"
#include "core/view/DrawErrors.h"
#include "core/view/Trunc.h"

#include <algorithm>
#include <string>

void CTinnitusPainter::Draw(CDC& dc, CAUVODoc& doc, int side, const CRect& area,
                            const CDiagramOptions& options, CRect& hitRect) const {
    CSavedDCObjects saved(dc);
    try {
        DrawUnguarded(dc, doc, side, area, options, hitRect);
    } catch (const std::exception& e) {
        ProtocolDrawError(m_pApp, e);
    }
}

void CTinnitusPainter::DrawUnguarded(CDC& dc, CAUVODoc& doc, int side, const CRect& area,
                                     const CDiagramOptions& options, CRect& hitRect) const {
    auto trace = [this](int level, const char* text) {
        if (m_pApp != nullptr)
            m_pApp->Trace(level, "%s", text);
    };
    if (m_pApp != nullptr)
        m_pApp->Trace(5, "CAUVOView::DrawTinnitus: %d, %d, %d, %d", area.left, area.top, area.right,
                      area.bottom);

    const CPlotArea plot(area);
    const CPen gridPen(PS_DOT, CPageStyle::kGridWidth, CPageStyle::kBlack);
    trace(10, "CAUVOView::DrawTinnitus: Koordinatensystem");
    const CPen axisPen(PS_SOLID, CPageStyle::kAxisWidth, CPageStyle::kBlack);

    hitRect = plot.HitRect();
    if (m_pApp != nullptr)
        m_pApp->Trace(5, "CAUVOView::DrawTinnitus: Koord %s = %d, %d  -  %d, %d",
                      side == 0 ? "LINKS" : "RECHTS", hitRect.left, hitRect.top, hitRect.right,
                      hitRect.bottom);

    const int maxKHz = doc.GetMaxFrequencyKHz();
    // The scales do not depend on the font, so the tones keep their places without it.
    const CLevelScale level(plot.yTop, plot.y0, options.minDB, options.maxDB);
    const CFrequencyScale freq(plot.x0, plot.right, maxKHz, options.logarithmic,
                               doc.m_nMinFrequenz);

    // Noise bands: a light area over their frequencies up to their level, under every stem.
    // A band below the calibration level hangs below the axis over the frequency labels, so
    // it goes under the axes and their labels; the others lie over the grid as before.
    auto drawBandsOf = [&](const CTinnitusDaten& list, COLORREF color, bool hanging) {
        dc.SelectObject(CPen(PS_NULL, 0, color));
        dc.SelectObject(CBrush(color));
        for (int i = 0; i < list.GetCount(side); ++i) {
            CSinusTone* band = list.GetTone(i, side);
            if (band == nullptr || !band->IsNoiseBand())
                continue;
            const int top = level.TinnitusY(doc.ToRelativeLevel(band->GetVolume()) / 100);
            if ((top < plot.y0) != hanging)
                continue;
            const double half = band->GetBandwidth() / 2.0;
            auto x = [&](double f) {
                const double heard =
                    std::clamp(f, CNoiseBandGenerator::kLowestHz, CNoiseBandGenerator::kHighestHz);
                return std::clamp(freq.X(heard), plot.x0, plot.right);
            };
            const int left = x(band->GetFrequency() - half);
            const int right = x(band->GetFrequency() + half);
            if (left < right)
                dc.Rectangle(left, top, right, plot.y0);
        }
    };
    auto drawBands = [&](bool hanging) {
        if (doc.m_pVergleichsDoc != nullptr)
            drawBandsOf(doc.m_pVergleichsDoc->m_TinnitusDaten,
                        CPageStyle::ComparisonBandColor(side), hanging);
        drawBandsOf(doc.m_TinnitusDaten, CPageStyle::BandColor(side), hanging);
    };
    drawBands(true);

    CFont font;
    if (dc.CreateFont(font, CPageStyle::LabelFont())) {
        dc.SelectObject(font);
        CDiagramFrame::DrawTitle(dc, plot, side, options.together);
        CDiagramFrame::DrawAxes(dc, plot, axisPen, gridPen);

        long long v = CLevelScale::FirstLabel(options.minDB, 0);
        for (; v < 0; v += 10) {
            const int yv = level.TinnitusLabelY(v);
            dc.TextOut(plot.x0 - 5, yv - 10, std::to_string(-v));
            dc.MoveTo(plot.x0, yv);
            dc.LineTo(plot.right, yv);
        }
        dc.TextOut(plot.x0 - 5, level.TinnitusUnitY(v), "dB");

        CDiagramFrame::DrawFrequencyAxis(dc, plot, freq, gridPen);
    }

    trace(10, "CAUVOView::DrawTinnitus: Messung");
    const CPen tonePen(PS_SOLID, CPageStyle::kDataWidth, CPageStyle::SideColor(side));
    const CBrush toneBrush(CPageStyle::SideColor(side));
    const CBrush selectionBrush(CPageStyle::kBlack);
    dc.SelectObject(tonePen);
    dc.SelectObject(toneBrush);

    auto drawTone = [&](CSinusTone& tone) {
        const int x = freq.X(tone.GetFrequency());
        // Whole dB above the current calibration level, also for the comparison's tones.
        const int h = doc.ToRelativeLevel(tone.GetVolume()) / 100;
        const int y = level.TinnitusY(h);
        dc.MoveTo(x, plot.y0);
        dc.LineTo(x, y);
        return CPoint(x, y);
    };
    auto circle = [&](CPoint c) {
        // A tone far off the scale (any value a file may hold) sits at the clamped edge of the
        // coordinate range; its circle must not step beyond it.
        auto at = [](int v, int d) { return ClampToInt(static_cast<long long>(v) + d); };
        dc.Ellipse(at(c.x, -kToneRadius), at(c.y, kToneRadius), at(c.x, kToneRadius),
                   at(c.y, -kToneRadius));
    };

    drawBands(false);
    dc.SelectObject(tonePen);
    dc.SelectObject(toneBrush);

    if (doc.m_pVergleichsDoc != nullptr) {
        const CTinnitusDaten& list = doc.m_pVergleichsDoc->m_TinnitusDaten;
        dc.SelectObject(CPen(PS_SOLID, CPageStyle::kDataWidth, CPageStyle::ComparisonColor(side)));
        dc.SelectObject(CBrush(CPageStyle::ComparisonColor(side)));
        for (int i = 0; i < list.GetCount(side); ++i)
            if (CSinusTone* tone = list.GetTone(i, side))
                circle(drawTone(*tone));
    }

    dc.SelectObject(tonePen);
    const CTinnitusDaten& list = doc.m_TinnitusDaten;
    for (int i = 0; i < list.GetCount(side); ++i) {
        CSinusTone* tone = list.GetTone(i, side);
        if (tone == nullptr)
            continue;
        const CPoint c = drawTone(*tone);
        // Black marks the selection on the screen only; paper shows every tone in its colour.
        const bool black = !dc.IsPrinting() && tone == options.selected;
        dc.SelectObject(black ? selectionBrush : toneBrush);
        circle(c);
    }
}
