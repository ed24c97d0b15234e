#include "core/view/CDiagramFrame.h"

#include "core/app/StringTable.h"
#include "core/view/CPageStyle.h"

#include <string>

void CDiagramFrame::DrawTitle(CDC& dc, const CPlotArea& plot, int side, bool together) {
    dc.SetTextColor(CPageStyle::SideColor(side));
    const std::string title =
        StringTable::Load(side == 0 ? StringTable::kLeft : StringTable::kRight);
    if (together) {
        if (side == 0) {
            dc.SetTextAlign(TA_RIGHT | TA_TOP);
            dc.TextOut(plot.xc - 50, plot.top, title);
        } else {
            dc.SetTextAlign(TA_LEFT | TA_TOP);
            dc.TextOut(plot.xc + 50, plot.top, title);
        }
    } else {
        dc.SetTextAlign(TA_CENTER | TA_TOP);
        dc.TextOut(plot.xc, plot.top, title);
    }
}

void CDiagramFrame::DrawAxes(CDC& dc, const CPlotArea& plot, const CPen& axisPen,
                             const CPen& gridPen) {
    dc.SelectObject(axisPen);
    dc.MoveTo(plot.x0, plot.yTop);
    dc.LineTo(plot.x0, plot.y0);
    dc.LineTo(plot.right, plot.y0);
    dc.SetTextAlign(TA_RIGHT | TA_BASELINE);
    dc.SelectObject(gridPen);
    dc.SetTextColor(CPageStyle::kBlack);
}

void CDiagramFrame::DrawFrequencyAxis(CDC& dc, const CPlotArea& plot, const CFrequencyScale& scale,
                                      const CPen& gridPen) {
    dc.SelectObject(gridPen);
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    // Labels stand 1 mm below the axis, a quarter of the label font's height.
    const int labelY = plot.y0 - 10;
    dc.TextOut(plot.x0, labelY, scale.UnitLabel());
    auto tick = [&](int x, const std::string& label) {
        dc.TextOut(x, labelY, label);
        dc.MoveTo(x, plot.y0);
        dc.LineTo(x, plot.yTop);
    };
    if (scale.IsLogarithmic()) {
        for (const CFrequencyScale::Tick& t : scale.LogTicks())
            tick(scale.X(t.frequency), t.label);
    } else {
        for (int k = 1; k <= scale.MaxKHz(); ++k)
            tick(scale.LinearTickX(k), std::to_string(k));
    }
}
