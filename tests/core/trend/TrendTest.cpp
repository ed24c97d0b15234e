#include "core/app/CAUVOApp.h"
#include "core/document/CAUVODoc.h"
#include "core/trend/CTrend.h"
#include "core/trend/CTrendCsv.h"
#include "core/trend/CTrendLoader.h"
#include "support/FakeSoundDevice.h"
#include "support/MeasurementFile.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::vector<int> kEight = {250, 500, 1000, 2000, 4000, 6000, 8000, 10000};
// Tested, with no change that matters against any table here: all 0 would mean not tested.
const std::vector<int> kFlat = {0, 0, 0, 0, 0, 0, 0, -100};

// A measurement of the given frequencies; both ears get the same values.
CTrendMeasurement Make(const std::string& date, const std::string& name,
                       const std::vector<int>& frequencies, const std::vector<int>& values) {
    CTrendMeasurement m;
    m.date = date;
    m.name = name;
    for (size_t i = 0; i < frequencies.size(); ++i) {
        const int v = i < values.size() ? values[i] : 0;
        m.points.push_back({frequencies[i], {v, v}});
    }
    return m;
}

std::vector<bool> SignificantOf(const CTrend& trend, int index, int side = 1) {
    std::vector<bool> flags;
    for (const CTrend::Entry& e : trend.Entries(index, side))
        flags.push_back(e.significant);
    return flags;
}

} // namespace

TEST(Trend, OrdersByStoredDateKeepingPickOrderForEqualAndUndatedLast) {
    const CTrend trend({Make("03.02.2025", "c", kEight, {}), Make("--.--.----", "x", kEight, {}),
                        Make("01.12.2024", "a", kEight, {}), Make("03.02.2025", "d", kEight, {}),
                        Make("15.01.2025", "b", kEight, {})});
    std::string order;
    for (int i = 0; i < trend.Count(); ++i)
        order += trend.Measurement(i).name;
    EXPECT_EQ(order, "abcdx");
    EXPECT_EQ(CTrend::DateKey("03.02.2025"), 20250203);
    EXPECT_FALSE(CTrend::DateKey("32.01.2025"));
    EXPECT_FALSE(CTrend::DateKey(""));
}

TEST(Trend, SignificanceAtTheEdgesOfBothRules) {
    // 19.9 dB worse alone is scatter, 20 dB is a change.
    EXPECT_EQ(CTrend::Significant({0, -1990, 0}), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(CTrend::Significant({0, -2000, 0}), (std::vector<bool>{false, true, false}));
    // 10 dB at two neighbours; 9.9 dB at one of them is not enough; improvements never count.
    EXPECT_EQ(CTrend::Significant({0, -1000, -1000, 0}),
              (std::vector<bool>{false, true, true, false}));
    EXPECT_EQ(CTrend::Significant({0, -1000, -990, 0}),
              (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(CTrend::Significant({-1000, 0, -1000}), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(CTrend::Significant({3000, 3000}), (std::vector<bool>{false, false}));
    // A neighbour of a 20 dB change counts with 10 dB.
    EXPECT_EQ(CTrend::Significant({-1000, -2500}), (std::vector<bool>{true, true}));
}

TEST(Trend, MixedTablesCompareCommonFrequenciesAndNeighboursSkipTheOthers) {
    std::vector<int> wide = {100, 250};
    for (int f = 500; f <= 15000; f += 500)
        wide.push_back(f);
    // 32 frequencies, 10 dB worse at 1000 and 2000 Hz; 1500 Hz, between them, is not in the
    // reference's table, so 1000 and 2000 Hz are neighbours there.
    std::vector<int> values(wide.size(), 0);
    values[3] = -1000; // 1000 Hz
    values[4] = -3000; // 1500 Hz: not compared
    values[5] = -1000; // 2000 Hz
    const CTrend trend(
        {Make("01.01.2025", "ref", kEight, kFlat), Make("01.06.2025", "neu", wide, values)});
    const auto& entries = trend.Entries(1, 0);
    ASSERT_EQ(entries.size(), 32u);
    EXPECT_FALSE(entries[0].change); // 100 Hz
    EXPECT_EQ(entries[3].change, -1000);
    EXPECT_TRUE(entries[3].significant);
    EXPECT_FALSE(entries[4].change);
    EXPECT_FALSE(entries[4].significant);
    EXPECT_TRUE(entries[5].significant);
    EXPECT_EQ(trend.Frequencies().size(), 32u);
    EXPECT_EQ(trend.Summary(0), "Links: -10 dB bei 1 kHz und -10 dB bei 2 kHz seit 01.01.2025");
}

TEST(Trend, SummarySaysWhatChangedInTheNewestMeasurement) {
    const CTrend trend({Make("01.03.2025", "mitte", kEight, {0, 0, 0, 0, -2500}),
                        Make("03.02.2025", "ref", kEight, kFlat),
                        Make("01.04.2025", "neu", kEight, {-500, 0, -2050, 0, -1500, -1250})});
    EXPECT_EQ(SignificantOf(trend, 1),
              (std::vector<bool>{false, false, false, false, true, false, false, false}));
    EXPECT_EQ(trend.Summary(1),
              "Rechts: -20,5 dB bei 1 kHz, -15 dB bei 4 kHz und -12,5 dB bei 6 kHz seit "
              "03.02.2025");
    const CTrend same(
        {Make("03.02.2025", "a", kEight, kFlat), Make("04.02.2025", "b", kEight, kFlat)});
    EXPECT_EQ(same.Summary(0), "Links: keine wesentliche Verschlechterung seit 03.02.2025");
    EXPECT_EQ(CTrend::FrequencyText(250), "250 Hz");
    EXPECT_EQ(CTrend::FrequencyText(1500), "1,5 kHz");
    EXPECT_EQ(CTrend::FrequencyText(12000), "12 kHz");
}

TEST(Trend, SummaryNamesTheMarksOfMeasurementsBetweenThatTheNewestNoLongerHas) {
    const CTrend trend({Make("03.02.2025", "ref", kEight, kFlat),
                        Make("01.03.2025", "a", kEight, {0, 0, 0, 0, -2500, 0, 0, -100}),
                        Make("01.04.2025", "b", kEight, {0, 0, 0, -2000, -3000, 0, 0, -100}),
                        Make("01.05.2025", "neu", kEight, {0, 0, 0, -2000, 0, 0, 0, -100})});
    // 4 kHz has recovered: its worst mark is named with its date; 2 kHz is still marked.
    EXPECT_EQ(trend.Summary(1), "Rechts: -20 dB bei 2 kHz seit 03.02.2025; zwischenzeitlich "
                                "-30 dB bei 4 kHz am 01.04.2025");
    const CTrend recovered({Make("03.02.2025", "ref", kEight, kFlat),
                            Make("01.03.2025", "a", kEight, {0, 0, 0, 0, -2500, 0, 0, -100}),
                            Make("01.05.2025", "neu", kEight, kFlat)});
    EXPECT_EQ(recovered.Summary(0), "Links: keine wesentliche Verschlechterung seit 03.02.2025; "
                                    "zwischenzeitlich -25 dB bei 4 kHz am 01.03.2025");
}

TEST(Trend, AnEarNotTestedIsLeftOutAndItsFirstTestIsItsReference) {
    // The test stopped after the left ear; the right ear, really 35 dB down, came later.
    CTrendMeasurement stopped = Make("03.02.2025", "links.auvo", kEight, kFlat);
    for (CTrendMeasurement::Point& p : stopped.points)
        p.value[1] = 0;
    CTrendMeasurement both = Make("01.04.2025", "beide.auvo", kEight, std::vector<int>(8, -3500));
    for (CTrendMeasurement::Point& p : both.points)
        p.value[0] = p.frequency == 10000 ? -100 : 0;
    CTrendMeasurement right = Make("01.05.2025", "rechts.auvo", kEight, std::vector<int>(8, -3500));
    for (CTrendMeasurement::Point& p : right.points)
        p.value[0] = 0;
    right.points[4].value[1] = -5500;
    const CTrend trend({stopped, both, right});
    EXPECT_FALSE(trend.Measured(0, 1));
    EXPECT_FALSE(trend.Measured(2, 0));
    EXPECT_EQ(trend.Reference(1), 1);
    EXPECT_EQ(SignificantOf(trend, 1), std::vector<bool>(8, false));
    EXPECT_FALSE(trend.Entries(0, 1)[0].change);
    EXPECT_FALSE(trend.Entries(2, 0)[0].change);
    EXPECT_EQ(trend.Summary(1), "Rechts: -20 dB bei 4 kHz seit 01.04.2025");
    EXPECT_EQ(trend.Summary(0), "Links: keine wesentliche Verschlechterung seit 03.02.2025");
    EXPECT_EQ(CTrend({stopped, stopped}).Summary(1), "Rechts: nicht gemessen");

    const std::string csv = CTrendCsv::Format(trend);
    EXPECT_NE(csv.find("\r\n03.02.2025,links.auvo,Rechts,4000,nicht gemessen,,nein\r\n"),
              std::string::npos);
    EXPECT_NE(csv.find("\r\n01.04.2025,beide.auvo,Rechts,4000,-35.00,0.00,nein\r\n"),
              std::string::npos);
}

TEST(Trend, CsvRowPerMeasurementEarAndFrequency) {
    CTrendMeasurement reference = Make("03.02.2025", "alt, erste.auvo", {1000, 2000}, {0, 150});
    CTrendMeasurement newer = Make("04.03.2025", "neu.auvo", {250, 1000, 2000}, {5, -2000, 0});
    newer.points[1].value[1] = -1999; // short of the 20 dB the left ear lost: exactly so
    const std::string csv = CTrendCsv::Format(CTrend({newer, reference}));
    EXPECT_EQ(csv, "Datum,Datei,Ohr,Frequenz (Hz),Wert (dB),Änderung (dB),Wesentlich\r\n"
                   "03.02.2025,\"alt, erste.auvo\",Links,1000,0.00,0.00,nein\r\n"
                   "03.02.2025,\"alt, erste.auvo\",Links,2000,1.50,0.00,nein\r\n"
                   "03.02.2025,\"alt, erste.auvo\",Rechts,1000,0.00,0.00,nein\r\n"
                   "03.02.2025,\"alt, erste.auvo\",Rechts,2000,1.50,0.00,nein\r\n"
                   "04.03.2025,neu.auvo,Links,250,0.05,,nein\r\n"
                   "04.03.2025,neu.auvo,Links,1000,-20.00,-20.00,ja\r\n"
                   "04.03.2025,neu.auvo,Links,2000,0.00,-1.50,nein\r\n"
                   "04.03.2025,neu.auvo,Rechts,250,0.05,,nein\r\n"
                   "04.03.2025,neu.auvo,Rechts,1000,-19.99,-19.99,nein\r\n"
                   "04.03.2025,neu.auvo,Rechts,2000,0.00,-1.50,nein\r\n");
}

TEST(Trend, LoaderLeavesOutAndNamesAnUnreadableFile) {
    TempFolder folder;
    FakeSoundDevice device;
    RecordingMessageBoxes boxes;
    CAUVOApp app;
    app.m_pDirectSound = &device;
    app.SetMessageBoxService(&boxes);

    MeasurementFile first;
    first.date = "02.01.2025";
    first.right = {0, 0, 0, 0, -500};
    ASSERT_TRUE(first.Write(folder.File("a.auvo")));
    MeasurementFile second;
    second.count = 32;
    ASSERT_TRUE(second.Write(folder.File("b.auvo")));
    ASSERT_TRUE(MeasurementFile{}.Write(folder.File("kaputt.auvo")));
    std::filesystem::resize_file(folder.File("kaputt.auvo"), 20);
    // The most sounds a document reads are checked alike but never made; one more is refused.
    MeasurementFile bands;
    bands.bands = CTinnitusDaten::kMaxTones;
    ASSERT_TRUE(bands.Write(folder.File("baender.auvo")));
    bands.bands = CTinnitusDaten::kMaxTones + 1;
    ASSERT_TRUE(bands.Write(folder.File("zu-viele.auvo")));

    // The open document stands for its file with what it shows now.
    CAUVODoc open;
    open.m_HoertestDaten.Init(8);
    open.m_HoertestDaten.SetValue(4, 1, -2500);
    open.m_strDatum = "05.05.2025";
    open.SetPathName(folder.File("b.auvo"), false);

    const CTrendLoader::Result result = CTrendLoader::Load(
        {folder.File("a.auvo"), folder.File("kaputt.auvo"), folder.File("fehlt.auvo"),
         folder.File("b.auvo"), folder.File("baender.auvo"), folder.File("zu-viele.auvo")},
        &open);
    ASSERT_EQ(result.measurements.size(), 3u);
    EXPECT_EQ(device.m_created, 0);
    EXPECT_EQ(result.measurements[0].name, "a.auvo");
    EXPECT_EQ(result.measurements[0].points[4].value[1], -500);
    EXPECT_EQ(result.measurements[1].date, "05.05.2025");
    EXPECT_EQ(result.measurements[1].points.size(), 8u);
    ASSERT_EQ(result.errors.size(), 3u);
    EXPECT_EQ(result.errors[0], "Die Messung " + folder.File("kaputt.auvo") +
                                    " konnte nicht gelesen werden und fehlt im Verlauf.\n"
                                    "Unerwartetes Dateiformat.");
    EXPECT_NE(result.errors[1].find(folder.File("fehlt.auvo")), std::string::npos);
    EXPECT_NE(result.errors[2].find(folder.File("zu-viele.auvo")), std::string::npos);
    EXPECT_TRUE(boxes.Texts().empty()); // the caller shows them, all at once
    app.m_pDirectSound = nullptr;
    app.SetMessageBoxService(nullptr);
}
