// The sample documents in examples/ and the fuzzer's seeds in fuzz/corpus/ are built here.
// With AUVO_WRITE_EXAMPLES=1 the files are (re)written into the source tree; otherwise the
// committed files must be exactly what is built, and must open.
#include "DocTestSupport.h"

#include "core/sound/CSinusTone.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

namespace {

struct Sample {
    std::string path; // below the source folder
    std::function<std::vector<std::uint8_t>(TestApp&)> build;
};

std::vector<std::uint8_t> Saved(TestApp& t, CAUVODoc& doc, const std::string& datum) {
    doc.m_strDatum = datum;
    const std::string path = t.folder.File("sample.auvo");
    EXPECT_TRUE(doc.OnSaveDocument(path));
    return TempFolder::ReadBytes(path);
}

// A typical measurement: slight loss in the high frequencies, a tinnitus on both ears.
std::vector<std::uint8_t> EightFrequencies(TestApp& t) {
    CAUVODoc doc;
    doc.OnNewDocument();
    CHoertestDaten data;
    data.Init(8);
    const std::int32_t left[] = {-300, -200, 0, -100, -800, -1500, -2200, -2600};
    const std::int32_t right[] = {-200, -100, 100, 0, -1200, -2100, -2500, -3100};
    for (int i = 0; i < 8; ++i) {
        data.SetValue(i, 0, left[i]);
        data.SetValue(i, 1, right[i]);
    }
    data.Interleaved = 1;
    doc.SetHearingTestData(data);
    doc.SetComment("Beispielmessung mit 8 Frequenzen, gepulster Ton.\r\n"
                   "Tinnitus: Pfeifen links bei 6 kHz, Rauschen rechts um 4 kHz.");
    doc.CreateTTValue(0, 6000.0, 1800);
    doc.CreateTTValue(1, 3800.0, 1200);
    doc.CreateTTValue(1, 4200.0, 1000);
    return Saved(t, doc, "06.12.2026");
}

std::vector<std::uint8_t> ThirtyTwoFrequencies(TestApp& t) {
    CAUVODoc doc;
    doc.OnNewDocument();
    CHoertestDaten data;
    data.InitNormal(32);
    for (int i = 0; i < 32; ++i) {
        data.SetValue(i, 0, data.GetValue(i, 0) - 40 * i);
        data.SetValue(i, 1, data.GetValue(i, 1) - 55 * i);
    }
    doc.SetHearingTestData(data);
    doc.SetComment("Erweiterter Hörtest mit 32 Frequenzen bis 15 kHz, Dauerton.");
    doc.CreateTTValue(0, 12500.0, 900);
    return Saved(t, doc, "07.12.2026");
}

// The hiss on the right as a noise band, the whistle on the left as a tone.
std::vector<std::uint8_t> NoiseBand(TestApp& t) {
    CAUVODoc doc;
    doc.OnNewDocument();
    CHoertestDaten data;
    data.Init(8);
    const std::int32_t loss[] = {-200, -100, 0, -100, -1100, -1900, -2400, -2800};
    for (int i = 0; i < 8; ++i) {
        data.SetValue(i, 0, loss[i] + 100);
        data.SetValue(i, 1, loss[i]);
    }
    doc.SetHearingTestData(data);
    doc.SetComment("Tinnitus: Pfeifen links bei 6 kHz, Rauschen rechts um 4 kHz als Rauschband.");
    doc.CreateTTValue(0, 6000.0, 1800);
    doc.CreateTTValue(1, 4000.0, 2200, 925.0);
    return Saved(t, doc, "07.12.2026");
}

std::vector<std::uint8_t> Version100() {
    DocBytes b;
    b.Int(100).Text("15.03.1998").Text("Alte Messung (Dateiversion 100), ohne Tinnitus-T\xf6ne.");
    b.Int(100).Int(8).Int(0);
    const std::int32_t freq[] = {250, 500, 1000, 2000, 4000, 6000, 8000, 10000};
    const std::int32_t value[] = {-100, 0, 200, 100, -400, -900, -1300, -1700};
    for (int i = 0; i < 8; ++i)
        b.Int(freq[i]).Int(value[i]).Int(value[i] - 150);
    return b.Get();
}

std::vector<std::uint8_t> Version101() {
    DocBytes b;
    b.Int(101).Text("AUVO V1.10 ZEB GmbH Varnholm").Text("01.06.2001").Text("Version 101");
    b.Hearing(3, 1);
    return b.Get();
}

std::vector<std::uint8_t> Version200() {
    DocBytes b;
    b.Int(200).Text("AUVO V2.10 ZEB GmbH Varnholm").Text("06.12.2026").Text("\xe4\xf6\xfc");
    b.Hearing(8).Tones({{4000.0, -6000}}, {{250.0, -9000}, {9000.0, -10001}});
    return b.Get();
}

// Block 101: kind and bandwidth after each level.
std::vector<std::uint8_t> TinnitusBlock101() {
    DocBytes b;
    b.Int(200).Text("AUVO V2.10 ZEB GmbH Varnholm").Text("07.12.2026").Text("Rauschband");
    b.Hearing(8).Int(101).Int(1).Double(4000.0).Int(-6000).Int(1).Double(925.0);
    b.Int(2).Double(250.0).Int(-9000).Int(0).Double(0.0);
    b.Double(8999.5).Int(-10001).Int(1).Double(1.0);
    return b.Get();
}

std::vector<std::uint8_t> WideComment() {
    // A comment Windows-1252 cannot hold is stored in the UTF-16 form.
    std::vector<std::uint8_t> b = {200, 0, 0, 0, 0, 0, 0xFF, 0xFE, 0xFF, 2, 0x6A, 0x26, 0x2C, 0x67};
    DocBytes rest;
    rest.Hearing(1).Tones({}, {{1000.0, -5000}});
    b.insert(b.end(), rest.Get().begin(), rest.Get().end());
    return b;
}

std::vector<Sample> Samples() {
    return {
        {"examples/messung-8-frequenzen.auvo", EightFrequencies},
        {"examples/messung-32-frequenzen.auvo", ThirtyTwoFrequencies},
        {"examples/messung-version-100.auvo", [](TestApp&) { return Version100(); }},
        {"examples/messung-rauschband.auvo", NoiseBand},
        {"fuzz/corpus/version-100.auvo", [](TestApp&) { return Version100(); }},
        {"fuzz/corpus/version-101.auvo", [](TestApp&) { return Version101(); }},
        {"fuzz/corpus/version-200.auvo", [](TestApp&) { return Version200(); }},
        {"fuzz/corpus/utf16-comment.auvo", [](TestApp&) { return WideComment(); }},
        {"fuzz/corpus/tinnitus-101.auvo", [](TestApp&) { return TinnitusBlock101(); }},
    };
}

} // namespace

TEST(SampleDocuments, CommittedFilesAreBuiltHereAndOpen) {
    const char* source = std::getenv("AUVO_SOURCE_DIR");
    if (source == nullptr)
        GTEST_SKIP() << "AUVO_SOURCE_DIR not set";
    const bool write = std::getenv("AUVO_WRITE_EXAMPLES") != nullptr;
    TestApp t;
    for (const Sample& sample : Samples()) {
        const std::string path = std::string(source) + "/" + sample.path;
        const std::vector<std::uint8_t> bytes = sample.build(t);
        if (write) {
            std::filesystem::create_directories(std::filesystem::path(path).parent_path());
            TempFolder::WriteBytes(path, bytes);
        }
        EXPECT_EQ(TempFolder::ReadBytes(path), bytes) << sample.path;
        CAUVODoc doc;
        EXPECT_TRUE(doc.OnOpenDocument(path)) << sample.path;
        EXPECT_GT(doc.m_HoertestDaten.GetCount(), 0);
    }
    EXPECT_TRUE(t.boxes.Texts().empty());
}

TEST(SampleDocuments, ExamplesShowWhatTheirNamesPromise) {
    TestApp t;
    CAUVODoc doc;
    const std::string path = t.folder.File("s.auvo");
    TempFolder::WriteBytes(path, EightFrequencies(t));
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.m_HoertestDaten.GetCount(), 8);
    EXPECT_EQ(doc.m_TinnitusDaten.GetCount(0), 1);
    EXPECT_EQ(doc.m_TinnitusDaten.GetCount(1), 2);

    TempFolder::WriteBytes(path, ThirtyTwoFrequencies(t));
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.m_HoertestDaten.GetCount(), 32);
    EXPECT_EQ(doc.GetMaxFrequencyKHz(), 15);

    TempFolder::WriteBytes(path, NoiseBand(t));
    ASSERT_TRUE(doc.OnOpenDocument(path));
    ASSERT_EQ(doc.m_TinnitusDaten.GetCount(1), 1);
    EXPECT_EQ(doc.m_TinnitusDaten.GetTone(0, 1)->GetBandwidth(), 925.0);

    TempFolder::WriteBytes(path, WideComment());
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.m_strKommentar, "\xe2\x99\xaa\xe6\x9c\xac");
}
