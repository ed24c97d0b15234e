#include "DocTestSupport.h"
#include "core/sound/CSinusTone.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kHeader = "AUVO V2.10 ZEB GmbH Varnholm";

class DocumentFileFormat : public testing::Test {
protected:
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const std::string path = t.folder.File(name);
        TempFolder::WriteBytes(path, bytes);
        return path;
    }
    // A measurement with a comment, 8 frequencies and tones on both ears.
    static DocBytes Version200() {
        DocBytes b;
        b.Int(200).Text("AUVO V1.00 ZEB GmbH Varnholm").Text("01.02.2003").Text("Ohrger\xe4usch");
        b.Hearing(8, 1).Tones({{4000.0, -6000}, {250.5, -9000}}, {{8000.0, -7000}});
        return b;
    }

    TestApp t;
};

} // namespace

TEST_F(DocumentFileFormat, ReadsEachVersionWithItsFields) {
    {
        CAUVODoc doc;
        DocBytes b;
        b.Int(100).Text("24.12.1999").Text("alt").Hearing(8, 7);
        ASSERT_TRUE(doc.OnOpenDocument(Write("v100.auvo", b.Get())));
        EXPECT_EQ(doc.m_strHeader, "");
        EXPECT_EQ(doc.m_strDatum, "24.12.1999");
        EXPECT_EQ(doc.m_strKommentar, "alt");
        EXPECT_EQ(doc.m_HoertestDaten.GetCount(), 8);
        EXPECT_EQ(doc.m_HoertestDaten.GetFrequency(7), 8000);
        EXPECT_EQ(doc.m_HoertestDaten.GetValue(7, 1), -7);
        EXPECT_EQ(doc.m_HoertestDaten.Interleaved, 7);
        EXPECT_EQ(doc.m_TinnitusDaten.GetCount(0) + doc.m_TinnitusDaten.GetCount(1), 0);
        EXPECT_EQ(doc.m_nVersion, 200);
    }
    {
        CAUVODoc doc;
        DocBytes b;
        b.Int(101).Text("Kopf").Text("").Text("").Hearing(5);
        ASSERT_TRUE(doc.OnOpenDocument(Write("v101.auvo", b.Get())));
        EXPECT_EQ(doc.m_strHeader, "Kopf");
        EXPECT_EQ(doc.m_HoertestDaten.GetCount(), 5);
        EXPECT_EQ(doc.m_HoertestDaten.GetFrequency(4), 5000);
        EXPECT_EQ(doc.m_TinnitusDaten.GetCount(0) + doc.m_TinnitusDaten.GetCount(1), 0);
    }
    {
        CAUVODoc doc;
        doc.SetModifiedFlag();
        ASSERT_TRUE(doc.OnOpenDocument(Write("v200.auvo", Version200().Get())));
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(doc.m_strKommentar, "Ohrger\xc3\xa4usch");
        ASSERT_EQ(doc.m_TinnitusDaten.GetCount(0), 2);
        ASSERT_EQ(doc.m_TinnitusDaten.GetCount(1), 1);
        EXPECT_EQ(doc.m_TinnitusDaten.GetTone(1, 0)->GetFrequency(), 250.5);
        EXPECT_EQ(doc.m_TinnitusDaten.GetTone(1, 0)->GetVolume(), -9000);
        EXPECT_EQ(doc.m_TinnitusDaten.GetTone(0, 1)->GetFrequency(), 8000.0);
        EXPECT_EQ(doc.m_TinnitusDaten.m_nPlayMode, CTinnitusDaten::playNone);
        EXPECT_EQ(t.device.PlayingBuffers(), 0);
    }
    EXPECT_TRUE(t.boxes.Texts().empty());
}

TEST_F(DocumentFileFormat, RefusesOtherVersionsAndBadBlocks) {
    struct Case {
        const char* name;
        DocBytes bytes;
        const char* message;
    };
    std::vector<Case> cases;
    for (std::int32_t version : {0, 102, 199, 201, -200}) {
        DocBytes b;
        b.Int(version).Text("x").Text("01.01.2001").Text("").Hearing(8).Tones({}, {});
        cases.push_back({"version", b, "Unerwartetes Dateiformat."});
    }
    DocBytes badHearing;
    badHearing.Int(200).Text("").Text("").Text("").Int(101).Int(8).Int(0);
    cases.push_back({"hearing version", badHearing, "Unerwartetes Dateiformat."});
    DocBytes noEntries;
    noEntries.Int(200).Text("").Text("").Text("").Hearing(0).Tones({}, {});
    cases.push_back({"hearing count 0", noEntries, "Fehler beim Öffnen des Dokuments."});
    DocBytes badTones;
    badTones.Int(200).Text("").Text("").Text("").Hearing(8).Int(102).Int(0).Int(0);
    cases.push_back({"tinnitus version", badTones, "Unerwartetes Dateiformat."});
    DocBytes tooManyTones;
    tooManyTones.Int(200).Text("").Text("").Text("").Hearing(8).Int(100).Int(1001);
    for (int i = 0; i < 1001; ++i)
        tooManyTones.Double(1000.0).Int(-5000);
    tooManyTones.Int(0);
    cases.push_back({"1001 tones", tooManyTones, "Unerwartetes Dateiformat."});
    DocBytes overOneMB; // well formed, but its comment makes it larger than 1 MB
    const std::uint32_t length = 1024 * 1024;
    overOneMB.Int(200)
        .Text("")
        .Text("")
        .Raw({0xFF, 0xFF, 0xFF})
        .Int(static_cast<std::int32_t>(length));
    overOneMB.Raw(std::vector<std::uint8_t>(length, 'a')).Hearing(8).Tones({}, {});
    cases.push_back({"over 1 MB", overOneMB, "Unerwartetes Dateiformat."});

    for (const Case& c : cases) {
        CAUVODoc doc;
        doc.OnNewDocument();
        doc.SetComment("bleibt");
        const auto before = Snapshot(doc);
        t.boxes.boxes.clear();
        EXPECT_FALSE(doc.OnOpenDocument(Write("bad.auvo", c.bytes.Get()))) << c.name;
        ASSERT_EQ(t.boxes.Texts().size(), 1u) << c.name;
        EXPECT_EQ(t.boxes.Texts()[0], c.message) << c.name;
        EXPECT_EQ(Snapshot(doc), before) << c.name;
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(t.device.LiveBuffers(), 0) << c.name;
    }
}

TEST_F(DocumentFileFormat, FileCutAtAnyOffsetFailsAndChangesNothing) {
    const std::vector<std::uint8_t> full = Version200().Get();
    CAUVODoc doc;
    DocBytes other;
    other.Int(200)
        .Text("h")
        .Text("02.02.2002")
        .Text("vorher")
        .Hearing(3)
        .Tones({{500.0, -100}}, {});
    ASSERT_TRUE(doc.OnOpenDocument(Write("other.auvo", other.Get())));
    CSinusTone* const tone = doc.m_TinnitusDaten.GetTone(0, 0);
    const auto before = Snapshot(doc);
    const std::string path = t.folder.File("cut.auvo");

    for (std::size_t length = 1; length < full.size(); ++length) {
        TempFolder::WriteBytes(path, {full.begin(), full.begin() + static_cast<long>(length)});
        t.boxes.boxes.clear();
        ASSERT_FALSE(doc.OnOpenDocument(path)) << length;
        ASSERT_EQ(t.boxes.Texts().size(), 1u) << length;
        EXPECT_EQ(t.boxes.Texts()[0], "Unerwartetes Dateiformat.") << length;
        ASSERT_EQ(Snapshot(doc), before) << length;
        ASSERT_EQ(doc.m_TinnitusDaten.GetTone(0, 0), tone);
        ASSERT_EQ(t.device.LiveBuffers(), 1) << length;
    }
    TempFolder::WriteBytes(path, full);
    EXPECT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(t.device.LiveBuffers(), 3);
}

TEST_F(DocumentFileFormat, SavedDocumentHasTheExactLayout) {
    CAUVODoc doc;
    doc.OnNewDocument();
    doc.m_strDatum = "06.12.2026";
    doc.m_strKommentar = "";
    ASSERT_TRUE(doc.OnSaveDocument(t.folder.File("neu.auvo")));
    DocBytes expected;
    expected.Int(200).Text(kHeader).Text("06.12.2026").Text("").Int(100).Int(8).Int(0);
    for (std::int32_t f : {250, 500, 1000, 2000, 4000, 6000, 8000, 10000})
        expected.Int(f).Int(0).Int(0);
    expected.Tones({}, {});
    EXPECT_EQ(TempFolder::ReadBytes(t.folder.File("neu.auvo")), expected.Get());
    EXPECT_EQ(expected.Get().size(), 4u + 29 + 11 + 1 + 108 + 12);
}

TEST_F(DocumentFileFormat, RoundTripsKeepEverythingAndUpgradeOldVersions) {
    const std::vector<std::string> comments = {
        "Ohrgeräusch links, Größe ß, 5 €\r\nzweite Zeile",
        "Pfeifton ♪ seit 日本-Reise \xF0\x9F\x8E\xB5",
        std::string(300, 'x'),
    };
    for (const std::string& comment : comments) {
        CAUVODoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(Write("a.auvo", Version200().Get())));
        doc.SetComment(comment);
        doc.CreateTTValue(1, 12345.678, 1500);
        ASSERT_TRUE(doc.OnSaveDocument(t.folder.File("b.auvo")));
        EXPECT_FALSE(doc.IsModified());

        CAUVODoc back;
        ASSERT_TRUE(back.OnOpenDocument(t.folder.File("b.auvo")));
        EXPECT_EQ(back.m_strKommentar, comment);
        EXPECT_EQ(back.m_strHeader, kHeader);
        EXPECT_EQ(back.m_HoertestDaten.Interleaved, 1);
        EXPECT_EQ(Snapshot(back), Snapshot(doc));
        ASSERT_EQ(back.m_TinnitusDaten.GetCount(1), 2);
        EXPECT_EQ(back.m_TinnitusDaten.GetTone(1, 1)->GetVolume(), -8500);
    }
    // Umlauts that Windows-1252 holds are stored as single bytes.
    CAUVODoc umlauts;
    umlauts.OnNewDocument();
    umlauts.SetComment("ä");
    ASSERT_TRUE(umlauts.OnSaveDocument(t.folder.File("c.auvo")));
    const auto c = TempFolder::ReadBytes(t.folder.File("c.auvo"));
    EXPECT_EQ(c[4 + 29 + 11], 1);
    EXPECT_EQ(c[4 + 29 + 11 + 1], 0xE4);

    DocBytes old;
    old.Int(100).Text("24.12.1999").Text("alt").Hearing(8);
    CAUVODoc upgraded;
    ASSERT_TRUE(upgraded.OnOpenDocument(Write("old.auvo", old.Get())));
    ASSERT_TRUE(upgraded.OnSaveDocument(t.folder.File("old.auvo")));
    DocBytes expected;
    expected.Int(200).Text(kHeader).Text("24.12.1999").Text("alt").Hearing(8).Tones({}, {});
    EXPECT_EQ(TempFolder::ReadBytes(t.folder.File("old.auvo")), expected.Get());
}

TEST_F(DocumentFileFormat, FailedSaveKeepsFileAndModifiedFlagAndNamesTheCause) {
    const std::string path = Write("doc.auvo", Version200().Get());
    CAUVODoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    doc.SetComment("neu");
    EXPECT_FALSE(doc.OnSaveDocument(t.folder.File("fehlt/doc.auvo")));
    ASSERT_EQ(t.boxes.Texts().size(), 1u);
    EXPECT_EQ(t.boxes.Texts()[0], "Die Datei " + t.folder.File("fehlt/doc.auvo") +
                                      " konnte nicht gespeichert werden.\nDatei nicht gefunden");
    EXPECT_TRUE(doc.IsModified());

    std::filesystem::create_directory(t.folder.File("ordner.auvo"));
    EXPECT_FALSE(doc.OnSaveDocument(t.folder.File("ordner.auvo")));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(TempFolder::ReadBytes(path), Version200().Get());
    EXPECT_EQ(doc.m_strKommentar, "neu");
}

TEST_F(DocumentFileFormat, RefusedSoundBufferFailsTheOpenAndKeepsTheDocument) {
    CAUVODoc doc;
    doc.OnNewDocument();
    doc.CreateTTValue(0, 440.0, 0);
    const auto before = Snapshot(doc);
    t.device.m_allow = 0;
    EXPECT_FALSE(doc.OnOpenDocument(Write("v200.auvo", Version200().Get())));
    ASSERT_EQ(t.boxes.Texts().size(), 1u);
    EXPECT_EQ(t.boxes.Texts()[0], "Fehler beim Öffnen des Dokuments.");
    EXPECT_EQ(Snapshot(doc), before);
    EXPECT_EQ(t.device.LiveBuffers(), 1);
}
