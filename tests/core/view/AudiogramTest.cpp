// Audiogram of the left half of an A4-wide page: area (50, -300, 975, -900), so x0 = 170,
// yTop = -350, y0 = -850, r = 975, middle 512. Defaults: M = 500 / 70, yBase = -421.
#include "ViewTestSupport.h"

#include "core/app/StringTable.h"

#include <cmath>

namespace {

const CRect kLeft(50, -300, 975, -900);
const CRect kTogether(50, -300, 2000, -900);

CPoint TextAt(const CRecordingDC& dc, const std::string& text) {
    const auto found = dc.TextsEqual(text);
    return found.empty() ? CPoint(99999, 99999) : found.front().from;
}

} // namespace

using Kind = CRecordingDC::Kind;

TEST_F(ViewTest, AudiogramLevelLabelsAndGridWithDefaults) {
    auto dc = ScreenDC();
    dc->SetMapMode(MM_LOMETRIC);
    m_view.DrawTest(*dc, m_doc, 0, kLeft, false, false);

    // v = -60 ... 0 at yBase + trunc(v * M), each label a quarter font height lower.
    const int expected[][2] = {{-60, -849}, {-50, -778}, {-40, -706}, {-30, -635},
                               {-20, -563}, {-10, -492}, {0, -421}};
    for (const auto& [v, y] : expected) {
        EXPECT_EQ(TextAt(*dc, std::to_string(v)), CPoint(165, y - 10)) << v;
        const auto grid = dc->LinesBetween({170, y}, {975, y});
        ASSERT_EQ(grid.size(), 1u) << v;
        EXPECT_EQ(grid[0].pen, CPen(PS_DOT, 0, RGB(0, 0, 0)));
        EXPECT_EQ(dc->TextsEqual(std::to_string(v))[0].flags, TA_RIGHT | TA_BASELINE);
    }
    EXPECT_EQ(TextAt(*dc, "dB"), CPoint(165, -350)); // at the top of the axis, no grid line
    EXPECT_TRUE(dc->LinesBetween({170, -350}, {975, -350}).empty());
    for (const auto& ten : dc->TextsEqual("10"))
        EXPECT_EQ(ten.flags, TA_CENTER | TA_TOP); // only the 10 kHz tick, no level label

    // Axes with the 2-unit pen.
    const auto axis = dc->LinesBetween({170, -350}, {170, -850});
    ASSERT_EQ(axis.size(), 1u);
    EXPECT_EQ(axis[0].pen, CPen(PS_SOLID, 2, RGB(0, 0, 0)));
    EXPECT_EQ(dc->LinesBetween({170, -850}, {975, -850}).size(), 1u);

    // Title centred on the middle at the area's top, blue, in the label font.
    const auto title = dc->TextsEqual("Links");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].from, CPoint(512, -300));
    EXPECT_EQ(title[0].flags, TA_CENTER | TA_TOP);
    EXPECT_EQ(title[0].textColor, RGB(0, 0, 255));
    EXPECT_EQ(title[0].font.GetHeight(), 40);
    EXPECT_EQ(title[0].font.GetWeight(), 500);
    EXPECT_EQ(title[0].font.GetFaceName(), "Arial");
}

TEST_F(ViewTest, AudiogramLinearFrequencyAxisAndCurve) {
    m_doc.m_HoertestDaten.SetValue(0, 0, -2000);
    m_doc.m_HoertestDaten.SetValue(2, 0, 500);
    auto dc = ScreenDC();
    dc->SetMapMode(MM_LOMETRIC);
    m_view.DrawTest(*dc, m_doc, 0, kLeft, false, false);

    // s = 805 / 10 = 80.5 units per kHz.
    EXPECT_EQ(TextAt(*dc, "kHz"), CPoint(170, -860));
    const int ticks[] = {250, 331, 411, 492, 572, 653, 733, 814, 894, 975};
    for (int k = 1; k <= 10; ++k) {
        const int x = ticks[k - 1];
        const auto labels = dc->TextsEqual(std::to_string(k));
        ASSERT_FALSE(labels.empty()) << k;
        EXPECT_EQ(labels.back().from, CPoint(x, -860)) << k;
        EXPECT_EQ(labels.back().flags, TA_CENTER | TA_TOP);
        EXPECT_EQ(dc->LinesBetween({x, -850}, {x, -350}).size(), 1u) << k;
    }

    // 250 Hz at -20 dB, 500 Hz at 0, 1000 Hz at +5 dB, the rest at 0, joined in order.
    const CPoint points[] = {{190, -563}, {210, -421}, {250, -386}, {331, -421},
                             {492, -421}, {653, -421}, {814, -421}, {975, -421}};
    for (int i = 1; i < 8; ++i) {
        const auto seg = dc->LinesBetween(points[i - 1], points[i]);
        ASSERT_FALSE(seg.empty()) << i;
        EXPECT_EQ(seg.back().pen, CPen(PS_SOLID, 3, RGB(0, 0, 255))) << i;
    }
}

TEST_F(ViewTest, AudiogramValuesBeyondTheRangeStayOnItsEdges) {
    // A tone not heard up to the ceiling (-80 dB) and one far above the top.
    m_doc.m_HoertestDaten.SetValue(0, 0, -8000);
    m_doc.m_HoertestDaten.SetValue(1, 0, 2500);
    auto dc = ScreenDC();
    dc->SetMapMode(MM_LOMETRIC);
    m_view.DrawTest(*dc, m_doc, 0, kLeft, false, false);
    EXPECT_EQ(dc->LinesBetween({190, -849}, {210, -350}).size(), 1u);
    EXPECT_EQ(dc->LinesBetween({210, -350}, {250, -421}).size(), 1u);
}

TEST_F(ViewTest, AudiogramRightEarIsRedAndLevelBoundsComeFromSettings) {
    WriteIni("VIEW_MIN_DB=-65\n");
    m_view.OnInitialUpdate();
    auto dc = ScreenDC();
    dc->SetMapMode(MM_LOMETRIC);
    m_view.DrawTest(*dc, m_doc, 1, kLeft, false, false);

    // M = 500 / 75, yBase = trunc(-350 - 66.67) = -416.
    EXPECT_EQ(TextAt(*dc, "-65"), CPoint(165, -416 - 433 - 10));
    EXPECT_EQ(TextAt(*dc, "-5"), CPoint(165, -416 - 33 - 10));
    EXPECT_EQ(TextAt(*dc, "5"), CPoint(165, -416 + 33 - 10));
    EXPECT_TRUE(dc->TextsEqual("-60").empty());
    EXPECT_EQ(TextAt(*dc, "dB"), CPoint(165, -416 + 100)); // 15 dB, above the axis top
    EXPECT_EQ(dc->TextsEqual("Rechts")[0].textColor, RGB(255, 0, 0));
}

TEST_F(ViewTest, AudiogramLogarithmicTicksForTenAndFifteenKHz) {
    // x = trunc(ln f * s) - trunc(ln 100 * s) + x0 with s = 805 / (ln fmax - ln 100).
    auto expectTicks = [](const CRecordingDC& dc, double fmax,
                          const std::vector<std::pair<int, std::string>>& ticks) {
        const double s = 805.0 / (std::log(fmax) - std::log(100.0));
        const int m = static_cast<int>(std::log(100.0) * s);
        for (const auto& [f, label] : ticks) {
            const int x = static_cast<int>(std::log(static_cast<double>(f)) * s) - m + 170;
            const auto found = dc.TextsEqual(label);
            ASSERT_FALSE(found.empty()) << label;
            EXPECT_EQ(found.back().from, CPoint(x, -860)) << label;
            EXPECT_EQ(dc.LinesBetween({x, -850}, {x, -350}).size(), 1u) << label;
        }
    };

    auto dc10 = ScreenDC();
    dc10->SetMapMode(MM_LOMETRIC);
    m_view.DrawTest(*dc10, m_doc, 0, kLeft, true, false);
    EXPECT_EQ(TextAt(*dc10, "Hz/kHz"), CPoint(170, -860));
    expectTicks(*dc10, 10000.0,
                {{250, "250"}, {500, "500"}, {1000, "1"}, {2000, "2"}, {4000, "4"}, {8000, "8"}});
    EXPECT_TRUE(dc10->TextsEqual("15").empty());
    // 1 kHz halfway between 100 Hz and 10 kHz.
    EXPECT_NEAR(dc10->TextsEqual("1")[0].from.x, 170 + 402, 1);

    // A 32-entry comparison document widens the axis to 15 kHz.
    m_doc.m_pVergleichsDoc = std::make_unique<CAUVODoc>();
    m_doc.m_pVergleichsDoc->m_HoertestDaten.Init(32);
    auto dc15 = ScreenDC();
    dc15->SetMapMode(MM_LOMETRIC);
    m_view.DrawTest(*dc15, m_doc, 0, kLeft, true, false);
    expectTicks(*dc15, 15000.0, {{250, "250"}, {1000, "1"}, {8000, "8"}, {15000, "15"}});
    EXPECT_GE(dc15->TextsEqual("15")[0].from.x, 974); // at the right end
}

TEST_F(ViewTest, AudiogramDrawsComparisonThenNormalCurveThenOwnData) {
    m_doc.m_pVergleichsDoc = std::make_unique<CAUVODoc>();
    m_doc.m_pVergleichsDoc->m_HoertestDaten.Init(32);
    auto dc = ScreenDC();
    dc->SetMapMode(MM_LOMETRIC);
    m_view.DrawTest(*dc, m_doc, 0, kLeft, false, true);

    std::vector<COLORREF> order;
    int comparisonSegments = 0;
    for (const auto& c : dc->CallsOf(Kind::Line)) {
        if (c.pen.GetWidth() != 3)
            continue;
        if (order.empty() || order.back() != c.pen.GetColor())
            order.push_back(c.pen.GetColor());
        if (c.pen.GetColor() == RGB(0, 128, 128))
            ++comparisonSegments;
    }
    EXPECT_EQ(order, (std::vector<COLORREF>{RGB(0, 128, 128), RGB(0, 180, 0), RGB(0, 0, 255)}));
    EXPECT_EQ(comparisonSegments, 31); // its own 32 points
    // Normal curve 250 Hz -8 dB to 500 Hz -2 dB, K = 15: s = 805 / 15.
    const double s = 805.0 / 15;
    const double m = 500.0 / 70;
    const CPoint a(170 + static_cast<int>(250 * s * 0.001), -421 + static_cast<int>(-8 * m));
    const CPoint b(170 + static_cast<int>(500 * s * 0.001), -421 + static_cast<int>(-2 * m));
    EXPECT_EQ(dc->LinesBetween(a, b).size(), 1u);
}

TEST_F(ViewTest, AudiogramTogetherTitlesStandEitherSideOfTheMiddle) {
    m_view.m_bZusammen = true;
    auto dc = ScreenDC();
    dc->SetMapMode(MM_LOMETRIC);
    m_view.DrawTest(*dc, m_doc, 0, kTogether, false, false);
    m_view.DrawTest(*dc, m_doc, 1, kTogether, false, false);
    // Middle 50 + 1950 / 2 = 1025.
    const auto links = dc->TextsEqual("Links");
    const auto rechts = dc->TextsEqual("Rechts");
    ASSERT_EQ(links.size(), 1u);
    ASSERT_EQ(rechts.size(), 1u);
    EXPECT_EQ(links[0].from, CPoint(975, -300));
    EXPECT_EQ(links[0].flags, TA_RIGHT | TA_TOP);
    EXPECT_EQ(links[0].textColor, RGB(0, 0, 255));
    EXPECT_EQ(rechts[0].from, CPoint(1075, -300));
    EXPECT_EQ(rechts[0].flags, TA_LEFT | TA_TOP);
    EXPECT_EQ(rechts[0].textColor, RGB(255, 0, 0));
}

TEST_F(ViewTest, AudiogramErrorIsLoggedAndLeavesTheDeviceAsFound) {
    m_app.m_nDebugLevel = 0;
    m_doc.m_HoertestDaten.Clear(); // no highest frequency
    auto dc = ScreenDC();
    dc->SetMapMode(MM_LOMETRIC);
    const CPen framePen(PS_SOLID, 0, RGB(1, 2, 3));
    dc->SelectObject(framePen);
    m_view.DrawTest(*dc, m_doc, 0, kLeft, false, false);
    EXPECT_TRUE(dc->Calls().empty());
    EXPECT_EQ(dc->GetCurrentPen(), framePen);
    EXPECT_EQ(ProtocolLines(), std::vector<std::string>{
                                   "Interner Fehler in DrawText: 'HTD Noch nicht initialisiert'"});
}

TEST_F(ViewTest, AudiogramWithoutLabelFontStillDrawsTheCurveInPlace) {
    m_doc.m_HoertestDaten.SetValue(0, 0, -2000);
    auto dc = ScreenDC();
    dc->SetMapMode(MM_LOMETRIC);
    dc->SetRefuseFonts(true);
    m_view.DrawTest(*dc, m_doc, 0, kLeft, false, false);
    EXPECT_TRUE(dc->CallsOf(Kind::Text).empty());
    EXPECT_TRUE(dc->LinesBetween({170, -350}, {170, -850}).empty());
    EXPECT_EQ(dc->LinesBetween({190, -563}, {210, -421}).size(), 1u);
}

// Hand-edited level bounds that form no scale fall back to the defaults; data read from a
// file may have no frequency of 1 kHz or more. Neither may crash the drawing or the mapping.
TEST_F(ViewTest, DegenerateScalesDrawWithoutFault) {
    m_doc.m_HoertestDaten.Init(5); // five entries, all at 0 Hz: K = 0
    for (const char* ini :
         {"VIEW_MIN_DB=10\nVIEW_MAX_DB=10\n", "VIEW_MIN_DB=20\nVIEW_MAX_DB=-70\n"}) {
        WriteIni(ini);
        m_view.OnInitialUpdate();
        EXPECT_EQ(m_view.m_nMinDB, -60);
        EXPECT_EQ(m_view.m_nMaxDB, 10);
    }
    const auto lines = ProtocolLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(
        lines[1],
        "CAUVOView::OnInitialUpdate: MinDB = 20 nicht unter MaxDB = -70, es gelten -60 und 10");
    m_view.m_bShowHTD = m_view.m_bShowTTD = true;
    AddTone(m_doc, 0, 0.0, 500);
    for (bool log : {false, true}) {
        m_view.m_bLogDarst = log;
        auto dc = ScreenDC();
        m_view.OnDraw(*dc);
        EXPECT_EQ(dc->TextsEqual("dB").size(), 4u);
        EXPECT_EQ(dc->CallsOf(Kind::Ellipse).size(), 1u);
        int side = -1;
        double frequency = 0;
        int level = -1;
        EXPECT_TRUE(m_view.ClientToTT(CPoint(300, 1200), side, frequency, level));
    }
    EXPECT_EQ(ProtocolLines().size(), 2u); // the drawing itself failed nowhere
}

TEST_F(ViewTest, HugeLevelRangeKeepsTheTopThousandLabels) {
    WriteIni("VIEW_MIN_DB=-2000000005\n");
    m_view.OnInitialUpdate();
    auto dc = ScreenDC();
    dc->SetMapMode(MM_LOMETRIC);
    m_view.DrawTest(*dc, m_doc, 0, kLeft, false, false);
    m_view.DrawTinnitus(*dc, m_doc, 0, kLeft, false);
    int levelLabels = 0;
    for (const auto& c : dc->CallsOf(Kind::Text))
        if (c.flags == (TA_RIGHT | TA_BASELINE) && c.text != "dB")
            ++levelLabels;
    EXPECT_EQ(levelLabels, 2000);
    // Same ending value as the full range: "dB" after 5 in the audiogram.
    EXPECT_EQ(dc->TextsEqual("5").front().flags, TA_RIGHT | TA_BASELINE);
    EXPECT_TRUE(dc->TextsEqual("-2000000005").empty());
}
