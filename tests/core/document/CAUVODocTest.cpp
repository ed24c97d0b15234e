#include "DocTestSupport.h"
#include "core/document/CDate.h"
#include "core/hearing/CHoertestDatenException.h"
#include "core/sound/CSinusTone.h"
#include "platform/time/LocalClock.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <limits>

namespace {

class CountingView : public IDocumentView {
public:
    void OnUpdate(IDocumentView*, long) override { ++updates; }
    int updates = 0;
};

class CAUVODocTest : public testing::Test {
protected:
    std::string WriteDoc(const std::string& name, std::int32_t entries, const std::string& comment,
                         std::int32_t version = 200) {
        DocBytes b;
        b.Int(version).Text("k").Text("03.03.2003").Text(comment).Hearing(entries);
        if (version == 200)
            b.Tones({{1000.0, -5000}}, {{2000.0, -6000}});
        const std::string path = t.folder.File(name);
        TempFolder::WriteBytes(path, b.Get());
        return path;
    }
    // The document takes its date from the program's clock, so a fixed one shows in it.
    CAUVODocTest() { LocalClock::SetFixed({2026, 12, 7, 23, 59, 59}); }
    ~CAUVODocTest() override { LocalClock::ClearFixed(); }
    static std::string Today() { return "07.12.2026"; }

    TestApp t;
    CAUVODoc doc;
    CountingView view;
};

} // namespace

TEST_F(CAUVODocTest, NewDocumentIsTodaysEmptyMeasurementButKeepsTheComment) {
    doc.AddView(&view);
    ASSERT_TRUE(doc.OnOpenDocument(WriteDoc("a.auvo", 32, "Kommentar")));
    ASSERT_TRUE(doc.SetVergleichsDatei(WriteDoc("v.auvo", 8, "")));
    doc.SetPathName(t.folder.File("a.auvo"));
    doc.m_TinnitusDaten.PlayAll(2);
    doc.SetModifiedFlag();

    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.m_strDatum, Today());
    EXPECT_EQ(doc.m_strKommentar, "Kommentar");
    ASSERT_EQ(doc.m_HoertestDaten.GetCount(), 8);
    EXPECT_EQ(doc.m_HoertestDaten.GetFrequency(0), 250);
    EXPECT_EQ(doc.m_HoertestDaten.GetValue(3, 0), 0);
    EXPECT_EQ(doc.m_TinnitusDaten.GetCount(0) + doc.m_TinnitusDaten.GetCount(1), 0);
    EXPECT_EQ(doc.m_TinnitusDaten.m_nPlayMode, CTinnitusDaten::playNone);
    EXPECT_EQ(doc.GetVergleichsDoc(), nullptr);
    EXPECT_EQ(t.device.LiveBuffers(), 0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "Unbenannt");
    EXPECT_EQ(doc.GetPathName(), "");
}

TEST_F(CAUVODocTest, FailedOpenLeavesThePreviousMeasurementPlaying) {
    ASSERT_TRUE(doc.OnOpenDocument(WriteDoc("a.auvo", 8, "vorher")));
    doc.SetPathName(t.folder.File("a.auvo"));
    doc.m_TinnitusDaten.PlayAll(2);
    doc.SetModifiedFlag();
    const auto before = Snapshot(doc);
    doc.AddView(&view);

    EXPECT_FALSE(doc.OnOpenDocument(t.folder.File("fehlt.auvo")));
    EXPECT_FALSE(doc.OnOpenDocument(WriteDoc("b.auvo", 8, "", 102)));
    ASSERT_EQ(t.boxes.Texts().size(), 2u);
    EXPECT_EQ(t.boxes.Texts()[0], "Die Datei " + t.folder.File("fehlt.auvo") +
                                      " konnte nicht geöffnet werden.\nDatei nicht gefunden");
    EXPECT_EQ(t.boxes.Texts()[1], "Unerwartetes Dateiformat.");
    EXPECT_EQ(view.updates, 0);
    EXPECT_EQ(Snapshot(doc), before);
    EXPECT_EQ(doc.GetTitle(), "a.auvo");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.m_TinnitusDaten.m_nPlayMode, CTinnitusDaten::playBoth);
    EXPECT_EQ(t.device.PlayingBuffers(), 2);
}

TEST_F(CAUVODocTest, SuccessfulOpenStopsOldTonesAndUpdatesViews) {
    ASSERT_TRUE(doc.OnOpenDocument(WriteDoc("a.auvo", 8, "")));
    doc.m_TinnitusDaten.PlayAll(2);
    doc.AddView(&view);
    ASSERT_TRUE(doc.OnOpenDocument(WriteDoc("b.auvo", 32, "neu")));
    EXPECT_EQ(view.updates, 1);
    EXPECT_EQ(t.device.LiveBuffers(), 2);
    EXPECT_EQ(t.device.PlayingBuffers(), 0);
    EXPECT_EQ(doc.m_strKommentar, "neu");

    // An empty file is not read: the tones go, the rest stays.
    TempFolder::WriteBytes(t.folder.File("leer.auvo"), {});
    ASSERT_TRUE(doc.OnOpenDocument(t.folder.File("leer.auvo")));
    EXPECT_EQ(t.device.LiveBuffers(), 0);
    EXPECT_EQ(doc.m_strKommentar, "neu");
    EXPECT_EQ(doc.m_HoertestDaten.GetCount(), 32);
}

TEST_F(CAUVODocTest, ChangesMarkModifiedDateTodayAndRedraw) {
    doc.OnNewDocument();
    doc.m_strDatum = "01.01.2001";
    doc.AddView(&view);
    doc.SetComment("Zeile 1\nZeile 2");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.m_strDatum, Today());
    EXPECT_EQ(view.updates, 1);

    doc.SetModifiedFlag(false);
    doc.m_strDatum = "01.01.2001";
    CHoertestDaten data;
    data.Init(32);
    data.SetValue(31, 1, -1234);
    data.Interleaved = 5;
    doc.SetHearingTestData(data);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.m_strDatum, Today());
    EXPECT_EQ(doc.m_HoertestDaten.GetCount(), 32);
    EXPECT_EQ(doc.m_HoertestDaten.GetValue(31, 1), -1234);
    EXPECT_EQ(doc.m_HoertestDaten.Interleaved, 1);
    EXPECT_EQ(view.updates, 2);

    // A source without data is refused and changes nothing.
    CHoertestDaten empty;
    EXPECT_THROW(doc.SetHearingTestData(empty), CHoertestDatenException);
    EXPECT_EQ(doc.m_HoertestDaten.GetCount(), 32);
}

TEST_F(CAUVODocTest, AnEmptyFileNeverLeavesADocumentWithoutFrequencies) {
    // The first document of a run and every comparison document start without a measurement.
    const std::string empty = t.folder.File("leer.auvo");
    TempFolder::WriteBytes(empty, {});
    ASSERT_TRUE(doc.OnOpenDocument(empty));
    ASSERT_EQ(doc.m_HoertestDaten.GetCount(), 8);
    EXPECT_EQ(doc.m_HoertestDaten.GetFrequency(7), 10000);
    EXPECT_EQ(doc.GetMaxFrequencyKHz(), 10);

    ASSERT_TRUE(doc.OnOpenDocument(WriteDoc("a.auvo", 32, "")));
    ASSERT_TRUE(doc.SetVergleichsDatei(empty));
    ASSERT_NE(doc.GetVergleichsDoc(), nullptr);
    EXPECT_EQ(doc.GetVergleichsDoc()->m_HoertestDaten.GetCount(), 8);
    EXPECT_EQ(doc.GetMaxFrequencyKHz(), 32);
    EXPECT_EQ(doc.GetMaxEntryCount(), 32);
}

TEST_F(CAUVODocTest, ComparisonFileOpensReplacesClosesAndFailsCleanly) {
    ASSERT_TRUE(doc.OnOpenDocument(WriteDoc("a.auvo", 8, "eigene")));
    const auto own = Snapshot(doc);
    doc.AddView(&view);
    EXPECT_EQ(doc.GetMaxFrequencyKHz(), 8);
    EXPECT_EQ(doc.GetMaxEntryCount(), 8);

    ASSERT_TRUE(doc.SetVergleichsDatei(WriteDoc("v32.auvo", 32, "")));
    ASSERT_NE(doc.GetVergleichsDoc(), nullptr);
    CAUVODoc* const comparison = doc.GetVergleichsDoc();
    EXPECT_EQ(comparison->GetTitle(), "v32.auvo");
    EXPECT_EQ(doc.GetMaxFrequencyKHz(), 32);
    EXPECT_EQ(doc.GetMaxEntryCount(), 32);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(view.updates, 1);
    EXPECT_TRUE(t.app.GetRecentFileList().Entries().empty());

    ASSERT_TRUE(doc.SetVergleichsDatei(WriteDoc("v5.auvo", 5, "")));
    EXPECT_EQ(doc.GetVergleichsDoc(), comparison);
    EXPECT_EQ(comparison->GetTitle(), "v5.auvo");
    EXPECT_EQ(doc.GetMaxEntryCount(), 8);
    EXPECT_EQ(t.device.LiveBuffers(), 4);

    EXPECT_FALSE(doc.SetVergleichsDatei(WriteDoc("bad.auvo", 8, "", 199)));
    EXPECT_EQ(doc.GetVergleichsDoc(), nullptr);
    ASSERT_EQ(t.boxes.Texts().size(), 1u);
    EXPECT_EQ(t.boxes.Texts()[0], "Unerwartetes Dateiformat.");
    EXPECT_EQ(view.updates, 3);
    EXPECT_EQ(t.device.LiveBuffers(), 2);
    doc.SetVergleichsDatei();
    EXPECT_EQ(view.updates, 3);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Snapshot(doc), own);
}

TEST_F(CAUVODocTest, ToneHitTestTakesTheFirstToneWithin100Hz) {
    doc.OnNewDocument();
    CSinusTone* a = doc.CreateTTValue(0, 1000.0, 0);
    CSinusTone* b = doc.CreateTTValue(0, 1050.0, 0);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(doc.TToneNear(0, 1099.99), a);
    EXPECT_EQ(doc.TToneNear(0, 1100.0), b);
    EXPECT_EQ(doc.TToneNear(0, 1150.0), nullptr);
    EXPECT_EQ(doc.TToneNear(0, 900.01), a);
    EXPECT_EQ(doc.TToneNear(0, 1060.0), a);
    EXPECT_EQ(doc.TToneNear(1, 1000.0), nullptr);
    EXPECT_EQ(doc.TToneNear(3, 1000.0), nullptr);
}

TEST_F(CAUVODocTest, NewToneUsesCalibrationAndStartsWhileListPlays) {
    doc.OnNewDocument();
    t.app.m_lNormalNull = -10000;
    EXPECT_EQ(doc.ToAbsoluteLevel(1500), -8500);
    EXPECT_EQ(doc.ToRelativeLevel(-8500), 1500);
    constexpr LONG kMax = std::numeric_limits<LONG>::max();
    constexpr LONG kMin = std::numeric_limits<LONG>::min();
    EXPECT_EQ(doc.ToRelativeLevel(kMax), kMax);
    t.app.m_lNormalNull = 100;
    EXPECT_EQ(doc.ToAbsoluteLevel(kMax), kMax);
    EXPECT_EQ(doc.ToRelativeLevel(kMin), kMin);
    t.app.m_lNormalNull = -10000;

    CSinusTone* quiet = doc.CreateTTValue(1, 3000.0, 1500);
    ASSERT_NE(quiet, nullptr);
    EXPECT_EQ(quiet->GetVolume(), -8500);
    EXPECT_EQ(t.device.PlayingBuffers(), 0);
    EXPECT_TRUE(doc.IsModified());

    doc.m_TinnitusDaten.PlayAll(0);
    EXPECT_EQ(t.device.PlayingBuffers(), 0);
    doc.CreateTTValue(1, 5000.0, 100);
    EXPECT_EQ(t.device.PlayingBuffers(), 1);
    EXPECT_EQ(doc.m_TinnitusDaten.GetCount(1), 2);

    // A refused buffer adds nothing and leaves the flag alone.
    doc.SetModifiedFlag(false);
    t.device.m_allow = 0;
    EXPECT_THROW(doc.CreateTTValue(0, 100.0, 0), CSoundBufferException);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.m_TinnitusDaten.GetCount(0), 0);
}

TEST_F(CAUVODocTest, ValuesAndSizesComeFromTheHearingData) {
    EXPECT_THROW(doc.GetMaxFrequencyKHz(), CHoertestDatenException);
    CHoertestDaten normal;
    normal.InitNormal(8);
    doc.OnNewDocument();
    doc.SetHearingTestData(normal);
    EXPECT_EQ(doc.GetValueForFrequency(1500, 0), 100);
    EXPECT_EQ(doc.GetValueForFrequency(251, 1), -797);
    EXPECT_EQ(doc.GetMaxFrequencyKHz(), 10);
    normal.Init(32);
    doc.SetHearingTestData(normal);
    EXPECT_EQ(doc.GetMaxFrequencyKHz(), 15);
}

TEST_F(CAUVODocTest, SavedPathGoesToRecentFilesComparisonPathDoesNot) {
    doc.OnNewDocument();
    ASSERT_TRUE(doc.OnSaveDocument(t.folder.File("m.auvo")));
    doc.SetPathName(t.folder.File("m.auvo"));
    EXPECT_EQ(doc.GetTitle(), "m.auvo");
    ASSERT_EQ(t.app.GetRecentFileList().Entries().size(), 1u);
    EXPECT_EQ(t.app.GetRecentFileList().Entries()[0], t.folder.File("m.auvo"));
}

TEST_F(CAUVODocTest, ProtocolLinesFollowTheDebugLevel) {
    const std::string protocol = t.folder.File("AUVO.PRT");
    const std::string path = WriteDoc("p.auvo", 8, "");
    auto run = [&] {
        CAUVODoc other;
        other.OnNewDocument();
        other.OnOpenDocument(path);
        other.SetVergleichsDatei(path);
        other.SetVergleichsDatei();
        other.TToneNear(0, 1000.0);
        other.TToneNear(1, 5000.0);
        other.CreateTTValue(1, 440.0, 250);
        other.GetValueForFrequency(1500, 1);
    };
    run();
    EXPECT_FALSE(std::filesystem::exists(protocol));

    t.app.m_nDebugLevel = 10;
    run();
    std::string text;
    for (std::uint8_t c : TempFolder::ReadBytes(protocol))
        text += static_cast<char>(c);
    for (const std::string& expected : std::vector<std::string>{
             "CAUVODoc::CAUVODoc\r\n",
             "CAUVODoc::OnNewDocument\r\n",
             "CAUVODoc::OnOpenDocument\r\n",
             "CAUVODoc::Serialize: LADEN '" + path + "'\r\n",
             "CAUVODoc::SetVergleichsDatei: '" + path + "'\r\n",
             "CAUVODoc::SetVergleichsDatei: null\r\n",
             "CAUVODos::TToneNear LINKS,  1000.00 Hz\r\n",
             " mit  1000.00 Hz\r\n",
             "CAUVODos::TToneNear RECHTS,  5000.00 Hz\r\n",
             " ... kein Treffer!\r\n",
             "CAUVODoc::CreateTTValue: RECHTS,   440.00 Hz, 250 mB\r\n",
             " ... DeviceAtt = -9750 ",
             "CAUVODoc::GetValueForFrequency: 1500, Side 1\r\n",
             "CAUVODoc::~CAUVODoc\r\n",
         })
        EXPECT_NE(text.find(expected), std::string::npos) << expected;

    // A name relative to the working folder is logged as the full path.
    std::filesystem::remove(protocol);
    const std::filesystem::path cwd = std::filesystem::current_path();
    std::filesystem::current_path(t.folder.Path());
    CAUVODoc relative;
    relative.OnOpenDocument("./p.auvo");
    std::filesystem::current_path(cwd);
    EXPECT_NE(TempFolder::ReadText(protocol).find("LADEN '" + path + "'"), std::string::npos);
}

TEST_F(CAUVODocTest, CeilingNoticeComesOnceWhenAnEarsSoundsTogetherAreHeld) {
    constexpr LONG kCeiling = -3000;
    auto fresh = [this] {
        doc.OnNewDocument();
        doc.m_TinnitusDaten.PlayAll(CTinnitusDaten::playBoth);
    };
    // Two tones 3 dB below the ceiling on different ears, and one alone at it: all fit.
    fresh();
    doc.m_TinnitusDaten.NewTone(0, 1000.0, kCeiling - 300, false);
    doc.m_TinnitusDaten.NewTone(1, 1500.0, kCeiling - 300, false);
    doc.m_TinnitusDaten.NewTone(1, 2000.0, kCeiling - 1000, false);
    EXPECT_FALSE(doc.TakeCeilingNotice(kCeiling));
    // Two tones of one ear, each below the ceiling, are louder together: told once.
    doc.m_TinnitusDaten.NewTone(0, 3000.0, kCeiling - 100, false);
    EXPECT_TRUE(doc.TakeCeilingNotice(kCeiling));
    EXPECT_FALSE(doc.TakeCeilingNotice(kCeiling));
    // Same frequency may sound in phase: 6 dB below each is already at the ceiling.
    fresh();
    doc.m_TinnitusDaten.NewTone(1, 1000.0, kCeiling - 500, false);
    doc.m_TinnitusDaten.NewTone(1, 1000.0, kCeiling - 500, false);
    EXPECT_TRUE(doc.TakeCeilingNotice(kCeiling));
    // Only what plays counts.
    fresh();
    doc.m_TinnitusDaten.NewTone(0, 1000.0, 0, false);
    doc.m_TinnitusDaten.PlayAll(CTinnitusDaten::playRight);
    EXPECT_FALSE(doc.TakeCeilingNotice(kCeiling));
}
