#include "core/trend/CTrendPage.h"
#include "platform/dc/CRecordingDC.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using Kind = CRecordingDC::Kind;

namespace {

CTrendMeasurement Eight(const std::string& date, int valueAt4k) {
    CTrendMeasurement m;
    m.date = date;
    m.name = date + ".auvo";
    for (int f : {250, 500, 1000, 2000, 4000, 6000, 8000, 10000})
        m.points.push_back({f, {f == 250 ? -500 : 0, f == 250 ? -500 : f == 4000 ? valueAt4k : 0}});
    return m;
}

} // namespace

TEST(TrendPage, SharesThePageFrameAndPlacesDiagramsMarksAndTexts) {
    CTrendPage page(CTrend({Eight("01.06.2025", -2500), Eight("03.02.2025", 0)}));
    page.SetClientWidth(2100); // one pixel is 0.1 mm: page width 2100
    CRecordingDC dc;
    page.OnDraw(dc);

    const auto header = dc.TextsEqual(
        "AUVO Hörtest-Programm  -  Verlauf von 2 Messungen\n03.02.2025 bis 01.06.2025");
    ASSERT_EQ(header.size(), 1u);
    EXPECT_EQ(header[0].rect, CRect(50, -50, 2000, -250));
    EXPECT_EQ(header[0].font.GetHeight(), 50);

    // Right ear: the diagram (50, -1100, 1800, -1700) has its level axis at x 170, -60..10 dB
    // between y -1650 and -1150; the measurements stand at x 220 and 1750.
    const auto right = dc.TextsEqual("Rechts");
    ASSERT_EQ(right.size(), 1u);
    EXPECT_EQ(right[0].from, CPoint(925, -1100)); // centred on the diagram
    EXPECT_EQ(dc.LinesBetween(CPoint(170, -1150), CPoint(170, -1650)).size(), 1u);
    const auto dates = dc.TextsEqual("01.06.2025");
    ASSERT_EQ(dates.size(), 2u); // one under each ear's axis
    EXPECT_EQ(dates[1].from, CPoint(1750, -1660));

    // -25 dB at 4 kHz: y = -1221 + trunc(-25 * 500 / 70) = -1399, circled once.
    EXPECT_EQ(dc.LinesBetween(CPoint(220, -1221), CPoint(1750, -1399)).size(), 1u);
    const auto marks = dc.CallsOf(Kind::Ellipse);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].rect, CRect(1735, -1384, 1765, -1414));
    EXPECT_EQ(marks[0].pen.GetWidth(), CTrendPage::kMarkWidth);
    EXPECT_EQ(dc.TextsEqual("4 kHz").size(), 2u); // line names at the right end

    const auto summary = dc.TextsEqual("Rechts: -25 dB bei 4 kHz seit 03.02.2025");
    ASSERT_EQ(summary.size(), 1u);
    EXPECT_EQ(summary[0].rect, CRect(50, -1750, 2000, -1850));
    EXPECT_EQ(dc.TextsEqual("Links: keine wesentliche Verschlechterung seit 03.02.2025")[0].rect,
              CRect(50, -950, 2000, -1050));

    const auto footer = dc.CallsOf(Kind::DrawText).back();
    EXPECT_EQ(footer.text.substr(footer.text.size() - 20), " - AUVO Version 2.10");
    EXPECT_EQ(footer.rect, CRect(50, -2130, 2000, -2200));
    EXPECT_EQ(footer.font.GetHeight(), 35);
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
}

TEST(TrendPage, ManyMeasurementsLabelOnlyTheDatesThatFit) {
    std::vector<CTrendMeasurement> many;
    for (int i = 0; i < 100; ++i)
        many.push_back(Eight("01.01.2025", 0));
    CTrendPage page{CTrend(std::move(many))};
    page.SetClientWidth(2100);
    CRecordingDC dc;
    page.OnDraw(dc);
    // 1530 units between the first and the last: every 17th date of 250 units fits.
    EXPECT_EQ(dc.TextsEqual("01.01.2025").size(), 2u * 6u);
    EXPECT_EQ(CTrendPage::MeasurementX(99, 100, 170, 1800), 1750);

    int minDB = 0;
    int maxDB = 0;
    CTrendPage::LevelRange(-6500, 1100, minDB, maxDB);
    EXPECT_EQ(minDB, -70);
    EXPECT_EQ(maxDB, 20);
    CTrendPage::LevelRange(-2000000000, 2000000000, minDB, maxDB);
    EXPECT_EQ(minDB, -200);
    EXPECT_EQ(maxDB, 100);
}

TEST(TrendPage, SaysWhereAnEarWasNotTestedAndNamesEveryMark) {
    CTrendMeasurement stopped = Eight("03.02.2025", 0);
    for (CTrendMeasurement::Point& p : stopped.points)
        p.value[1] = 0; // the test stopped after the left ear
    CTrendPage page(CTrend(
        {stopped, Eight("01.03.2025", 0), Eight("01.04.2025", -2500), Eight("01.05.2025", 0)}));
    page.SetClientWidth(2100);
    CRecordingDC dc;
    page.OnDraw(dc);

    // Right ear: measurements at x 220, 730, 1240, 1750; the first is said, not drawn at 0 dB,
    // right of the level labels.
    const auto said = dc.TextsEqual("nicht gemessen");
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].from, CPoint(180, -1640));
    EXPECT_TRUE(dc.LinesBetween(CPoint(220, -1221), CPoint(730, -1221)).empty());
    EXPECT_EQ(dc.LinesBetween(CPoint(730, -1221), CPoint(1240, -1221)).size(), 6u);
    // The one mark, since recovered, is named under the diagram.
    ASSERT_EQ(dc.CallsOf(Kind::Ellipse).size(), 1u);
    EXPECT_EQ(dc.TextsEqual("Rechts: keine wesentliche Verschlechterung seit 01.03.2025; "
                            "zwischenzeitlich -25 dB bei 4 kHz am 01.04.2025")
                  .size(),
              1u);
    const std::string reference = dc.CallsOf(Kind::DrawText).end()[-2].text;
    EXPECT_THAT(reference,
                testing::StartsWith("Bezugsmessung (älteste): 03.02.2025.auvo vom 03.02.2025. "));
    EXPECT_THAT(reference,
                testing::EndsWith(". Rechts: Bezugsmessung 01.03.2025.auvo vom 01.03.2025."));
}
