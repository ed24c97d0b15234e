#include "core/trend/CTrendPage.h"

#include "core/app/StringTable.h"
#include "core/app/TextFormat.h"
#include "core/view/CDiagramFrame.h"
#include "core/view/CLevelScale.h"
#include "core/view/CPageLayout.h"
#include "core/view/CPagePainter.h"
#include "core/view/CPageStyle.h"
#include "core/view/CPlotArea.h"
#include "core/view/CSavedDCObjects.h"
#include "core/view/Trunc.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace {

// Colours of the frequencies' lines, in turn; the ears keep their colours in the titles.
constexpr COLORREF kLineColors[] = {
    RGB(0, 0, 255),   RGB(255, 0, 0),  RGB(0, 150, 0),  RGB(200, 120, 0), RGB(150, 0, 150),
    RGB(0, 150, 150), RGB(90, 90, 90), RGB(130, 70, 0), RGB(230, 0, 180), RGB(0, 80, 160)};
constexpr int kLineColorCount = sizeof kLineColors / sizeof kLineColors[0];

// Values far off any audiogram (a damaged or hand-made file) must not make a scale of
// thousands of labels.
constexpr int kLowestDB = -200;
constexpr int kHighestDB = 100;

const CTrend::Entry* EntryAt(const std::vector<CTrend::Entry>& entries, int frequency) {
    const auto it = std::lower_bound(entries.begin(), entries.end(), frequency,
                                     [](const CTrend::Entry& e, int f) { return e.frequency < f; });
    return it != entries.end() && it->frequency == frequency ? &*it : nullptr;
}

} // namespace

CTrendPage::Layout::Layout(int pageWidth) {
    const int l = CPageLayout::kLeft;
    const int r = pageWidth - CPageLayout::kRightMargin;
    const int row = CPageLayout::kRowHeight;
    m_header = CRect(l, -50, r, -250);
    int top = -300;
    for (int side = 0; side <= 1; ++side) {
        m_diagram[side] = CRect(l, top, r, top - row);
        const int summaryTop = top - row - 50;
        m_summary[side] = CRect(l, summaryTop, r, summaryTop - 2 * CPageLayout::kLineHeight);
        top = summaryTop - 2 * CPageLayout::kLineHeight - 50;
    }
    // A third line for ears whose reference is a later measurement.
    m_reference = CRect(l, top - 50, r, top - 50 - 3 * 35 - 10);
    m_footer = CRect(l, top - 230, r, top - 300);
}

int CTrendPage::MeasurementX(int index, int count, int x0, int right) {
    const int first = x0 + kEdge;
    if (count < 2)
        return first + (right - kEdge - first) / 2;
    const double step = static_cast<double>(right - kEdge - first) / (count - 1);
    return first + Trunc(index * step);
}

void CTrendPage::LevelRange(int minValue, int maxValue, int& minDB, int& maxDB) {
    minDB = static_cast<int>(std::floor(minValue / 1000.0)) * 10;
    maxDB = static_cast<int>(std::ceil(maxValue / 1000.0)) * 10;
    minDB = std::clamp(std::min(minDB, -60), kLowestDB, -60);
    maxDB = std::clamp(std::max(maxDB, 10), 10, kHighestDB);
}

void CTrendPage::DrawDiagram(CDC& dc, int side, const CRect& area) const {
    CSavedDCObjects saved(dc);
    const CPlotArea plot(CRect(area.left, area.top, area.right - kLegendWidth, area.bottom));
    int minDB = 0;
    int maxDB = 0;
    LevelRange(m_trend.MinValue(), m_trend.MaxValue(), minDB, maxDB);
    const CLevelScale level(plot.yTop, plot.y0, minDB, maxDB);
    const CPen gridPen(PS_DOT, CPageStyle::kGridWidth, CPageStyle::kBlack);
    const CPen axisPen(PS_SOLID, CPageStyle::kAxisWidth, CPageStyle::kBlack);
    CFont font;
    // Without the label font the texts keep the page's font; the lines never depend on it.
    if (dc.CreateFont(font, CPageStyle::LabelFont()))
        dc.SelectObject(font);
    CDiagramFrame::DrawTitle(dc, plot, side, false);
    CDiagramFrame::DrawAxes(dc, plot, axisPen, gridPen);
    long long v = CLevelScale::FirstLabel(minDB, maxDB);
    for (; v < maxDB; v += 10) {
        const int yv = level.AudiogramY(v);
        dc.TextOut(plot.x0 - 5, yv - 10, std::to_string(v));
        dc.MoveTo(plot.x0, yv);
        dc.LineTo(plot.right, yv);
    }
    dc.TextOut(plot.x0 - 5, level.AudiogramY(v), "dB");

    // Dates under the axis, as many as fit side by side, each with its grid line.
    const int n = m_trend.Count();
    const int span = std::max(1, plot.right - plot.x0 - 2 * kEdge);
    const int every = std::max(
        1, static_cast<int>((static_cast<long long>(n) * kDateLabelWidth + span - 1) / span));
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    for (int i = 0; i < n; i += every) {
        const int x = MeasurementX(i, n, plot.x0, plot.right);
        dc.TextOut(x, plot.y0 - 10, m_trend.Measurement(i).date);
        dc.MoveTo(x, plot.y0);
        dc.LineTo(x, plot.yTop);
    }
    // Where the ear was not tested its lines have no point; it is said there, above the axis
    // and right of the level labels, as many as fit side by side.
    const std::string notMeasured = StringTable::Load(StringTable::kTrendNotMeasured);
    const int width = static_cast<int>(dc.GetTextExtent(notMeasured).cx);
    dc.SetTextAlign(TA_LEFT | TA_BOTTOM);
    std::optional<int> saidUpTo;
    for (int i = 0; i < n; ++i) {
        const int x = MeasurementX(i, n, plot.x0, plot.right);
        const int left = std::max(plot.x0 + 10, std::min(x - width / 2, plot.right - width));
        if (m_trend.Measured(i, side) || (saidUpTo && left < *saidUpTo + 20))
            continue;
        dc.TextOut(left, plot.y0 + 10, notMeasured);
        saidUpTo = left + width;
    }

    // One line per frequency through the measurements that have it, named at its end.
    const std::vector<int>& frequencies = m_trend.Frequencies();
    struct Name {
        int y;
        COLORREF color;
        std::string text;
    };
    std::vector<Name> names;
    dc.SetTextAlign(TA_LEFT | TA_BASELINE);
    for (size_t k = 0; k < frequencies.size(); ++k) {
        const COLORREF color = kLineColors[k % kLineColorCount];
        dc.SelectObject(CPen(PS_SOLID, CPageStyle::kDataWidth, color));
        bool started = false;
        CPoint last;
        for (int i = 0; i < n; ++i) {
            const CTrend::Entry* e = EntryAt(m_trend.Entries(i, side), frequencies[k]);
            if (e == nullptr || !m_trend.Measured(i, side))
                continue;
            last = CPoint(MeasurementX(i, n, plot.x0, plot.right), level.AudiogramYmB(e->value));
            if (started)
                dc.LineTo(last.x, last.y);
            else
                dc.MoveTo(last.x, last.y);
            started = true;
        }
        if (started)
            names.push_back({last.y - 10, color, CTrend::FrequencyText(frequencies[k])});
    }
    // Names of lines that end close together are moved apart, inside the diagram's height;
    // when there are too many for the label font (32 frequencies) they get smaller.
    std::stable_sort(names.begin(), names.end(),
                     [](const Name& a, const Name& b) { return a.y > b.y; });
    const int count = static_cast<int>(names.size());
    const int highest = plot.yTop;
    const int lowest = plot.y0 - 20;
    const int spacing =
        count > 1 ? std::min(kNameHeight, (highest - lowest) / (count - 1)) : kNameHeight;
    LOGFONT nameFont = CPageStyle::LabelFont();
    nameFont.lfHeight = std::min(nameFont.lfHeight, std::max(spacing + 5, 20));
    CFont smallNames;
    if (dc.CreateFont(smallNames, nameFont))
        dc.SelectObject(smallNames);
    for (int k = 0; k < count; ++k) {
        const int floor = lowest + (count - 1 - k) * spacing;
        int y = std::max(std::min(names[k].y, highest), floor);
        if (k > 0)
            y = std::min(y, names[k - 1].y - spacing);
        names[k].y = y;
        dc.SetTextColor(names[k].color);
        dc.TextOut(plot.right + 20, y, names[k].text);
    }

    // Circles over the lines where a change is significant.
    dc.SelectObject(CPen(PS_SOLID, kMarkWidth, CPageStyle::kBlack));
    dc.SelectObject(CBrush::Stock(HOLLOW_BRUSH));
    for (int i = 1; i < n; ++i) {
        const int x = MeasurementX(i, n, plot.x0, plot.right);
        for (const CTrend::Entry& e : m_trend.Entries(i, side)) {
            if (!e.significant)
                continue;
            const int y = level.AudiogramYmB(e.value);
            dc.Ellipse(x - kMarkRadius, y + kMarkRadius, x + kMarkRadius, y - kMarkRadius);
        }
    }
}

std::string CTrendPage::ReferenceText() const {
    // The oldest measurement that tested an ear; an ear tested only later is named apart.
    const std::optional<int> reference[2] = {m_trend.Reference(0), m_trend.Reference(1)};
    const int common = std::min(reference[0].value_or(INT_MAX), reference[1].value_or(INT_MAX));
    const int shown = common == INT_MAX ? 0 : common;
    std::string text = FillText(StringTable::Load(StringTable::kTrendReference),
                                {m_trend.Measurement(shown).name, m_trend.Measurement(shown).date});
    for (int side = 0; side <= 1; ++side) {
        if (!reference[side] || *reference[side] == shown)
            continue;
        const CTrendMeasurement& m = m_trend.Measurement(*reference[side]);
        text +=
            " " + FillText(StringTable::Load(StringTable::kTrendEarReference),
                           {StringTable::Load(side == 0 ? StringTable::kLeft : StringTable::kRight),
                            m.name, m.date});
    }
    return text;
}

void CTrendPage::OnDraw(CDC& dc) {
    CSavedDCObjects saved(dc);
    const int oldMapMode = dc.SetMapMode(MM_LOMETRIC);
    dc.SelectObject(CPen::Stock(BLACK_PEN));
    dc.SelectObject(CBrush::Stock(HOLLOW_BRUSH));
    const Layout layout(CPagePainter::PageWidthOf(dc, m_nClientWidth));

    CFont headerFont;
    CFont smallFont;
    dc.CreateFont(headerFont, CPageStyle::HeaderFont());
    dc.CreateFont(smallFont, CPageStyle::SmallFont());
    dc.SelectObject(headerFont);
    dc.SetTextColor(CPageStyle::kBlack);
    const int n = m_trend.Count();
    const std::string first = n > 0 ? m_trend.Measurement(0).date : std::string();
    const std::string last = n > 0 ? m_trend.Measurement(n - 1).date : std::string();
    dc.DrawText(
        FillText(StringTable::Load(StringTable::kTrendHeader),
                 {StringTable::Load(StringTable::kAppTitle), std::to_string(n), first, last}),
        layout.Header(), DT_CENTER | DT_WORDBREAK);

    for (int side = 0; side <= 1; ++side) {
        if (n > 0 && dc.RectVisible(layout.Diagram(side)))
            DrawDiagram(dc, side, layout.Diagram(side));
        dc.SetTextAlign(TA_LEFT | TA_TOP);
        dc.SetTextColor(CPageStyle::kBlack);
        dc.DrawText(m_trend.Summary(side), layout.Summary(side), DT_LEFT | DT_WORDBREAK);
    }

    dc.SelectObject(smallFont);
    if (n > 0 && dc.RectVisible(layout.Reference()))
        dc.DrawText(ReferenceText(), layout.Reference(), DT_WORDBREAK);
    if (dc.RectVisible(layout.Footer()))
        dc.DrawText(CPagePainter::FooterText(), layout.Footer(), DT_WORDBREAK);
    dc.SetMapMode(oldMapMode);
}
