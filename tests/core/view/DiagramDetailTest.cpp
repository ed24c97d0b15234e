// Details of both diagram kinds not covered elsewhere: the logarithmic tinnitus axis, level
// bounds off the 10 dB grid, the diagnostic lines and the comparison colours of the right ear.
// Audiogram area (50, -300, 975, -900): x0 = 170, yTop = -350, y0 = -850.
// Tinnitus area (50, -950, 975, -1550): x0 = 170, yTop = -1000, y0 = -1500.
#include "ViewTestSupport.h"

namespace {

const CRect kAudiogram(50, -300, 975, -900);
const CRect kTinnitus(50, -950, 975, -1550);

} // namespace

using Kind = CRecordingDC::Kind;

TEST_F(ViewTest, TinnitusLogarithmicAxisPlacesTicksAndTones) {
    AddTone(m_doc, 0, 1000.0, 2000);
    auto dc = ScreenDC();
    dc->SetMapMode(MM_LOMETRIC);
    m_view.DrawTinnitus(*dc, m_doc, 0, kTinnitus, true);

    // K = 10: s = 805 / ln 100 = 174.80, m = trunc(ln 100 * s) = 805,
    // x = trunc(ln f * s) - 805 + 170; 1 kHz lies at trunc(1207.4999) = 1207.
    EXPECT_EQ(dc->TextsEqual("Hz/kHz")[0].from, CPoint(170, -1510));
    const std::pair<const char*, int> ticks[] = {{"250", 330}, {"500", 451}, {"1", 572},
                                                 {"2", 693},   {"4", 814},   {"8", 935}};
    for (const auto& [label, x] : ticks) {
        const auto found = dc->TextsEqual(label);
        ASSERT_EQ(found.size(), 1u) << label;
        EXPECT_EQ(found[0].from, CPoint(x, -1510)) << label;
        EXPECT_EQ(found[0].flags, TA_CENTER | TA_TOP) << label;
        const auto grid = dc->LinesBetween({x, -1500}, {x, -1000});
        ASSERT_EQ(grid.size(), 1u) << label;
        EXPECT_EQ(grid[0].pen, CPen(PS_DOT, 0, RGB(0, 0, 0))) << label;
    }
    EXPECT_TRUE(dc->TextsEqual("15").empty());

    // 20 dB: trunc(20 * 500 / 70) = 142 above the axis.
    EXPECT_EQ(dc->LinesBetween({572, -1500}, {572, -1358}).size(), 1u);
    const auto circles = dc->CallsOf(Kind::Ellipse);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].rect, CRect(557, -1343, 587, -1373));
}

TEST_F(ViewTest, TinnitusLevelLabelsForBoundsOffTheTenDBGrid) {
    WriteIni("VIEW_MIN_DB=-65\n");
    m_view.OnInitialUpdate();
    auto dc = ScreenDC();
    dc->SetMapMode(MM_LOMETRIC);
    m_view.DrawTinnitus(*dc, m_doc, 0, kTinnitus, false);

    // M = 500 / 75: v = -65 ... -5 at -1500 - trunc(v * M), labelled -v.
    const int expected[][2] = {{65, -1067}, {55, -1134}, {45, -1200}, {35, -1267},
                               {25, -1334}, {15, -1400}, {5, -1467}};
    for (const auto& [label, y] : expected) {
        // The level label comes before the kHz tick of the same text.
        const auto found = dc->TextsEqual(std::to_string(label));
        ASSERT_FALSE(found.empty()) << label;
        EXPECT_EQ(found[0].from, CPoint(165, y - 10)) << label;
        EXPECT_EQ(found[0].flags, TA_RIGHT | TA_BASELINE) << label;
        EXPECT_EQ(dc->LinesBetween({170, y}, {975, y}).size(), 1u) << label;
    }
    EXPECT_TRUE(dc->TextsEqual("60").empty());
    // The loop ends at v = 5: "dB" at yTop - trunc(5 * M), a little below the axis top.
    EXPECT_EQ(dc->TextsEqual("dB")[0].from, CPoint(165, -1033));
}

TEST_F(ViewTest, DiagramsWriteTheirStepsToTheProtocol) {
    m_app.m_nDebugLevel = 10;
    auto dc = ScreenDC();
    dc->SetMapMode(MM_LOMETRIC);
    ClearProtocol();
    m_view.DrawTest(*dc, m_doc, 0, kAudiogram, false, false);
    m_view.DrawTinnitus(*dc, m_doc, 0, kTinnitus, false);
    EXPECT_EQ(ProtocolLines(),
              (std::vector<std::string>{
                  "CAUVOView::DrawTest: 50, -300, 975, -900",
                  "CAUVOView::DrawTest: Koordinatensystem",
                  "CAUVOView::DrawTest: Messung",
                  "CAUVOView::DrawTinnitus: 50, -950, 975, -1550",
                  "CAUVOView::DrawTinnitus: Koordinatensystem",
                  "CAUVOView::DrawTinnitus: Koord LINKS = 170, -1500  -  975, -1000",
                  "CAUVOView::DrawTinnitus: Messung",
              }));

    // Below level 5 nothing is written.
    m_app.m_nDebugLevel = 4;
    ClearProtocol();
    m_view.DrawTest(*dc, m_doc, 1, kAudiogram, false, false);
    m_view.DrawTinnitus(*dc, m_doc, 1, kTinnitus, false);
    EXPECT_TRUE(ProtocolLines().empty());
}

TEST_F(ViewTest, RightEarComparisonIsOliveAndTheDeviceIsLeftAsFound) {
    m_doc.m_pVergleichsDoc = std::make_unique<CAUVODoc>();
    m_doc.m_pVergleichsDoc->m_HoertestDaten.Init(8);
    AddTone(*m_doc.m_pVergleichsDoc, 1, 2000.0, 1000);
    AddTone(m_doc, 1, 2000.0, 1000);
    auto dc = ScreenDC();
    dc->SetMapMode(MM_LOMETRIC);
    const CPen framePen(PS_SOLID, 0, RGB(1, 2, 3));
    const CBrush frameBrush(RGB(4, 5, 6));
    LOGFONT lf;
    lf.lfHeight = 50;
    lf.lfFaceName = "Arial";
    CFont frameFont;
    ASSERT_TRUE(dc->CreateFont(frameFont, lf));
    dc->SelectObject(framePen);
    dc->SelectObject(frameBrush);
    dc->SelectObject(frameFont);

    m_view.DrawTest(*dc, m_doc, 1, kAudiogram, false, false);
    const CPen olive(PS_SOLID, 3, RGB(128, 128, 0));
    const CPen red(PS_SOLID, 3, RGB(255, 0, 0));
    std::vector<CPen> curves;
    for (const auto& c : dc->CallsOf(Kind::Line))
        if (c.pen.GetWidth() == 3 && (curves.empty() || !(curves.back() == c.pen)))
            curves.push_back(c.pen);
    EXPECT_EQ(curves, (std::vector<CPen>{olive, red}));
    EXPECT_EQ(dc->GetCurrentPen(), framePen);
    EXPECT_EQ(dc->GetCurrentFont(), frameFont);

    auto tinnitus = ScreenDC();
    tinnitus->SetMapMode(MM_LOMETRIC);
    tinnitus->SelectObject(framePen);
    tinnitus->SelectObject(frameBrush);
    tinnitus->SelectObject(frameFont);
    m_view.DrawTinnitus(*tinnitus, m_doc, 1, kTinnitus, false);
    const auto circles = tinnitus->CallsOf(Kind::Ellipse);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].pen, olive);
    EXPECT_EQ(circles[0].brush, CBrush(RGB(128, 128, 0)));
    EXPECT_EQ(circles[1].pen, red);
    EXPECT_EQ(circles[1].brush, CBrush(RGB(255, 0, 0)));
    EXPECT_EQ(tinnitus->GetCurrentPen(), framePen);
    EXPECT_EQ(tinnitus->GetCurrentBrush(), frameBrush);
    EXPECT_EQ(tinnitus->GetCurrentFont(), frameFont);
}
