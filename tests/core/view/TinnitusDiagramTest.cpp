// Tinnitus diagram of the left ear below both audiograms: area (50, -950, 975, -1550), so
// x0 = 170, yTop = -1000, y0 = -1500, r = 975; M = 500 / 70, linear s = 80.5 per kHz.
#include "ViewTestSupport.h"

#include "core/sound/CSinusTone.h"

#include <algorithm>
#include <climits>

namespace {

const CRect kLeft(50, -950, 975, -1550);

} // namespace

using Kind = CRecordingDC::Kind;

TEST_F(ViewTest, TinnitusLevelLabelsCountUpFromTheAxis) {
    auto dc = ScreenDC();
    dc->SetMapMode(MM_LOMETRIC);
    m_view.DrawTinnitus(*dc, m_doc, 0, kLeft, false);
    // v = -60 ... -10 at y0 - trunc(v * M), labelled -v.
    const int expected[][2] = {{60, -1072}, {50, -1143}, {40, -1215},
                               {30, -1286}, {20, -1358}, {10, -1429}};
    for (const auto& [label, y] : expected) {
        const auto found = dc->TextsEqual(std::to_string(label));
        ASSERT_FALSE(found.empty()) << label;
        EXPECT_EQ(found.front().from, CPoint(165, y - 10)) << label;
        EXPECT_EQ(dc->LinesBetween({170, y}, {975, y}).size(), 1u) << label;
    }
    EXPECT_EQ(dc->TextsEqual("dB")[0].from, CPoint(165, -1000));
    EXPECT_EQ(dc->TextsEqual("kHz")[0].from, CPoint(170, -1510));
    EXPECT_EQ(m_view.m_rectLinks, CRect(170, -1500, 975, -1000));
}

TEST_F(ViewTest, TinnitusTonesAreStemsWithCircles) {
    AddTone(m_doc, 0, 1000.0, 2000); // 20 dB above the calibration
    AddTone(m_doc, 0, 4000.0, -550); // h = -5 (toward zero), below the axis
    AddTone(m_doc, 1, 2000.0, 3000); // other ear: not in this diagram
    auto dc = ScreenDC();
    dc->SetMapMode(MM_LOMETRIC);
    m_view.DrawTinnitus(*dc, m_doc, 0, kLeft, false);

    const CPen bluePen(PS_SOLID, 3, RGB(0, 0, 255));
    const auto stem = dc->LinesBetween({250, -1500}, {250, -1358}); // 20 dB = 142 units
    ASSERT_EQ(stem.size(), 1u);
    EXPECT_EQ(stem[0].pen, bluePen);
    EXPECT_EQ(dc->LinesBetween({492, -1500}, {492, -1535}).size(), 1u);

    const auto circles = dc->CallsOf(Kind::Ellipse);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].rect, CRect(235, -1343, 265, -1373));
    EXPECT_EQ(circles[0].brush, CBrush(RGB(0, 0, 255)));
    EXPECT_EQ(circles[0].pen, bluePen);
    EXPECT_EQ(circles[1].rect, CRect(477, -1520, 507, -1550));
}

TEST_F(ViewTest, TinnitusSelectedToneIsBlackOnScreenOnly) {
    CSinusTone* tone = AddTone(m_doc, 1, 1000.0, 2000);
    AddTone(m_doc, 1, 3000.0, 1000);
    m_view.SetSelectedTone(tone, 1);

    auto screen = ScreenDC();
    screen->SetMapMode(MM_LOMETRIC);
    m_view.DrawTinnitus(*screen, m_doc, 1, kLeft, false);
    const auto onScreen = screen->CallsOf(Kind::Ellipse);
    ASSERT_EQ(onScreen.size(), 2u);
    EXPECT_EQ(onScreen[0].brush, CBrush(RGB(0, 0, 0)));
    EXPECT_EQ(onScreen[0].pen.GetColor(), RGB(255, 0, 0));
    EXPECT_EQ(onScreen[1].brush, CBrush(RGB(255, 0, 0)));

    CRecordingDC printer(m_window.caps, true);
    printer.SetMapMode(MM_LOMETRIC);
    m_view.DrawTinnitus(printer, m_doc, 1, kLeft, false);
    EXPECT_EQ(printer.CallsOf(Kind::Ellipse)[0].brush, CBrush(RGB(255, 0, 0)));
}

TEST_F(ViewTest, TinnitusComparisonTonesComeFirstInTheirColour) {
    m_doc.m_pVergleichsDoc = std::make_unique<CAUVODoc>();
    m_doc.m_pVergleichsDoc->m_HoertestDaten.Init(8);
    AddTone(*m_doc.m_pVergleichsDoc, 0, 1000.0, 2000);
    AddTone(m_doc, 0, 1000.0, 2000);
    auto dc = ScreenDC();
    dc->SetMapMode(MM_LOMETRIC);
    const CBrush frameBrush = CBrush::Stock(HOLLOW_BRUSH);
    dc->SelectObject(frameBrush);
    m_view.DrawTinnitus(*dc, m_doc, 0, kLeft, false);

    const auto circles = dc->CallsOf(Kind::Ellipse);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].rect, circles[1].rect); // own circle drawn over the comparison's
    EXPECT_EQ(circles[0].brush, CBrush(RGB(0, 128, 128)));
    EXPECT_EQ(circles[0].pen, CPen(PS_SOLID, 3, RGB(0, 128, 128)));
    EXPECT_EQ(circles[1].brush, CBrush(RGB(0, 0, 255)));
    EXPECT_EQ(dc->GetCurrentBrush(), frameBrush);
}

TEST_F(ViewTest, TinnitusTogetherTitlesAndSharedHitRectangle) {
    m_view.m_bZusammen = true;
    const CRect area(50, -950, 2000, -1550);
    auto dc = ScreenDC();
    dc->SetMapMode(MM_LOMETRIC);
    m_view.DrawTinnitus(*dc, m_doc, 0, area, false);
    m_view.DrawTinnitus(*dc, m_doc, 1, area, false);
    EXPECT_EQ(dc->TextsEqual("Links")[0].from, CPoint(975, -950));
    EXPECT_EQ(dc->TextsEqual("Rechts")[0].from, CPoint(1075, -950));
    EXPECT_EQ(m_view.m_rectLinks, CRect(170, -1500, 2000, -1000));
    EXPECT_EQ(m_view.m_rectRechts, m_view.m_rectLinks);
}

TEST_F(ViewTest, TinnitusErrorKeepsTheHitRectangleAndIsLogged) {
    m_app.m_nDebugLevel = 5;
    m_doc.m_HoertestDaten.Clear();
    auto dc = ScreenDC();
    dc->SetMapMode(MM_LOMETRIC);
    m_view.DrawTinnitus(*dc, m_doc, 1, kLeft, false);
    EXPECT_EQ(m_view.m_rectRechts, CRect(170, -1500, 975, -1000));
    EXPECT_EQ(ProtocolLines(),
              (std::vector<std::string>{
                  "CAUVOView::DrawTinnitus: 50, -950, 975, -1550",
                  "CAUVOView::DrawTinnitus: Koord RECHTS = 170, -1500  -  975, -1000",
                  "Interner Fehler in DrawText: 'HTD Noch nicht initialisiert'"}));
}

TEST_F(ViewTest, TinnitusTonesFarOffTheScaleStayAtItsEdge) {
    // Frequencies as a file may hold them: far beyond the axis, and 0 Hz on the log axis.
    AddTone(m_doc, 0, 1e300, 2000);
    AddTone(m_doc, 0, 0.0, 2000);
    auto draw = [this](bool logarithmic) {
        auto dc = ScreenDC();
        dc->SetMapMode(MM_LOMETRIC);
        m_view.DrawTinnitus(*dc, m_doc, 0, kLeft, logarithmic);
        return dc->CallsOf(Kind::Ellipse);
    };
    const auto linear = draw(false);
    ASSERT_EQ(linear.size(), 2u);
    EXPECT_EQ(linear[0].rect, CRect(INT_MAX - 15, -1343, INT_MAX, -1373));
    EXPECT_EQ(linear[1].rect, CRect(155, -1343, 185, -1373));
    const auto logarithmic = draw(true);
    ASSERT_EQ(logarithmic.size(), 2u);
    EXPECT_EQ(logarithmic[1].rect, CRect(INT_MIN, -1343, INT_MIN + 15, -1373));
}

TEST_F(ViewTest, TinnitusBandsAreLightAreasUnderTheirStemsCircleAsATone) {
    m_doc.m_TinnitusDaten.m_pDirectSound = m_pDevice;
    // 1500..2500 Hz at 30 dB; 0..250 Hz clipped to 20 Hz at 10 dB; a tone between them.
    CSinusTone* band = m_doc.m_TinnitusDaten.NewTone(0, 2000.0, -7000, false, 1000.0);
    m_doc.m_TinnitusDaten.NewTone(0, 100.0, -9000, false, 300.0);
    AddTone(m_doc, 0, 1000.0, 2000);
    m_view.SetSelectedTone(band, 0);
    auto dc = ScreenDC();
    dc->SetMapMode(MM_LOMETRIC);
    m_view.DrawTinnitus(*dc, m_doc, 0, kLeft, false);

    const auto areas = dc->CallsOf(Kind::Rectangle);
    ASSERT_EQ(areas.size(), 2u);
    EXPECT_EQ(areas[0].rect, CRect(290, -1286, 371, -1500));
    EXPECT_EQ(areas[0].brush, CBrush(RGB(190, 190, 255)));
    EXPECT_EQ(areas[0].pen.GetStyle(), PS_NULL);
    EXPECT_EQ(areas[1].rect, CRect(171, -1429, 190, -1500));
    // Every stem and circle lies over every area.
    const auto& calls = dc->Calls();
    const auto lastArea = std::find_if(calls.rbegin(), calls.rend(),
                                       [](const auto& c) { return c.kind == Kind::Rectangle; });
    const auto firstStem = std::find_if(calls.begin(), calls.end(), [](const auto& c) {
        return c.kind == Kind::Line && c.pen.GetWidth() == 3;
    });
    EXPECT_LT(calls.rend() - lastArea, firstStem - calls.begin() + 1);
    EXPECT_EQ(dc->LinesBetween({331, -1500}, {331, -1286}).size(), 1u);
    const auto circles = dc->CallsOf(Kind::Ellipse);
    ASSERT_EQ(circles.size(), 3u);
    EXPECT_EQ(circles[0].rect, CRect(316, -1271, 346, -1301));
    EXPECT_EQ(circles[0].brush, CBrush(RGB(0, 0, 0)));
}

TEST_F(ViewTest, TinnitusBandBelowTheAxisLiesUnderTheFrequencyLabels) {
    m_doc.m_TinnitusDaten.m_pDirectSound = m_pDevice;
    // 3500..4500 Hz at -6 dB hangs below the axis around the label "4"; 1500..2500 Hz at
    // 30 dB stays over the grid.
    m_doc.m_TinnitusDaten.NewTone(0, 2000.0, -7000, false, 1000.0);
    m_doc.m_TinnitusDaten.NewTone(0, 4000.0, -10600, false, 1000.0);
    auto dc = ScreenDC();
    dc->SetMapMode(MM_LOMETRIC);
    m_view.DrawTinnitus(*dc, m_doc, 0, kLeft, false);

    const auto& calls = dc->Calls();
    auto indexOf = [&](auto match) {
        return std::find_if(calls.begin(), calls.end(), match) - calls.begin();
    };
    const auto hanging = indexOf([](const auto& c) {
        return c.kind == Kind::Rectangle && c.rect == CRect(451, -1542, 532, -1500);
    });
    const auto raised = indexOf([](const auto& c) {
        return c.kind == Kind::Rectangle && c.rect == CRect(290, -1286, 371, -1500);
    });
    const auto axis = indexOf([](const auto& c) { return c.kind == Kind::Line; });
    const auto label = indexOf([](const auto& c) { return c.kind == Kind::Text && c.text == "4"; });
    ASSERT_LT(raised, std::ssize(calls));
    EXPECT_LT(hanging, axis);
    EXPECT_LT(label, raised);
    EXPECT_EQ(calls[static_cast<std::size_t>(label)].from, CPoint(492, -1510));
}
