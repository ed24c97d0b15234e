#include "core/app/CAUVOApp.h"
#include "core/document/CAUVODoc.h"
#include "core/export/CCsvExport.h"
#include "core/sound/CSinusTone.h"
#include "platform/sound/NullAudioOutput.h"
#include "platform/sound/SoundDevice.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class CsvExport : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(m_folder.Path().empty());
        std::ofstream(m_dir / "AUVO.ini") << "[AUVO]\nNORMALNULL=-6000\n";
    }

    int Run(std::vector<std::string> args, std::string& err) {
        std::ostringstream out;
        const int code = CCsvExport::Run(args, (m_dir / "auvo").string(), out);
        err = out.str();
        return code;
    }

    TempFolder m_folder;
    const fs::path m_dir{m_folder.Path()};
};

// Rows of CRLF-ended lines; quoted fields may hold separators, quotes and line breaks.
std::vector<std::vector<std::string>> ReadRows(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::vector<std::string>> rows(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ',') {
            rows.back().push_back(field);
            field.clear();
        } else if (!quoted && c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            rows.back().push_back(field);
            field.clear();
            rows.emplace_back();
            ++i;
        } else {
            field += c;
        }
    }
    EXPECT_TRUE(rows.back().empty() && field.empty()) << "last line without CRLF";
    rows.pop_back();
    return rows;
}

} // namespace

TEST_F(CsvExport, SampleMeasurementsMatchTheirValues) {
    const fs::path examples = fs::path(std::getenv("AUVO_SOURCE_DIR")) / "examples";
    for (const char* name : {"messung-8-frequenzen.auvo", "messung-32-frequenzen.auvo",
                             "messung-version-100.auvo", "messung-rauschband.auvo"}) {
        const fs::path out = m_dir / "out.csv";
        std::string err;
        ASSERT_EQ(Run({"--export-csv", out.string(), (examples / name).string()}, err), 0) << err;
        // Read the document here too, with the calibration of the settings file.
        CAUVOApp app;
        app.m_lNormalNull = -6000;
        SoundDevice* device = nullptr;
        ASSERT_EQ(SoundDevice::Create(std::make_unique<NullAudioOutput>(), &device), DS_OK);
        app.m_pDirectSound = device;
        CAUVODoc doc;
        ASSERT_TRUE(doc.OnOpenDocument((examples / name).string()));
        const CHoertestDaten& data = doc.m_HoertestDaten;
        CTinnitusDaten& tones = doc.m_TinnitusDaten;

        const auto rows = ReadRows(out);
        const int toneCount = tones.GetCount(0) + tones.GetCount(1);
        ASSERT_EQ(rows.size(), 3u + static_cast<unsigned>(data.GetCount() + toneCount)) << name;
        EXPECT_EQ(rows[0][0], "Art");
        EXPECT_EQ(rows[1],
                  (std::vector<std::string>{"Datum", "", "", "", "", "", doc.m_strDatum, "", ""}));
        EXPECT_EQ(rows[2][0], "Kommentar");
        for (int i = 0; i < data.GetCount(); ++i) {
            const auto& row = rows[3 + static_cast<unsigned>(i)];
            ASSERT_EQ(row.size(), 9u);
            EXPECT_EQ(row[0], "Hörtest");
            EXPECT_EQ(std::stoi(row[1]), data.GetFrequency(i));
            EXPECT_NEAR(std::stod(row[2]), data.GetValue(i, 0) / 100.0, 0.0501) << name << i;
            EXPECT_NEAR(std::stod(row[3]), data.GetValue(i, 1) / 100.0, 0.0501) << name << i;
        }
        unsigned r = 3 + static_cast<unsigned>(data.GetCount());
        for (int side = 0; side <= 1; ++side) {
            for (int i = 0; i < tones.GetCount(side); ++i, ++r) {
                CSinusTone* tone = tones.GetTone(i, side);
                EXPECT_EQ(rows[r][0], "Tinnitus");
                EXPECT_NEAR(std::stod(rows[r][1]), tone->GetFrequency(), 0.05);
                EXPECT_EQ(rows[r][4], side == 0 ? "Links" : "Rechts");
                EXPECT_NEAR(std::stod(rows[r][5]), (tone->GetVolume() + 6000) / 100.0, 0.0501);
                ASSERT_EQ(rows[r].size(), 9u);
                EXPECT_EQ(rows[r][7], tone->IsNoiseBand() ? "Rauschband" : "Sinuston");
                EXPECT_EQ(rows[r][8], tone->IsNoiseBand() ? "925.0" : "");
            }
        }
        EXPECT_GT(data.GetCount(), 0) << name;
        tones.RemoveAll();
        app.m_pDirectSound = nullptr;
        device->Release();
    }
}

TEST_F(CsvExport, TextsAreQuotedAndLevelsRoundToTenths) {
    CAUVODoc doc;
    doc.m_strDatum = "07.12.2026";
    doc.m_strKommentar = "Ohrhörer, \"neu\"\r\nzweite Zeile";
    doc.m_HoertestDaten.Init(8);
    doc.m_HoertestDaten.SetValue(0, 0, -1234);
    doc.m_HoertestDaten.SetValue(0, 1, -5);
    doc.m_HoertestDaten.SetValue(1, 0, -4);
    doc.m_HoertestDaten.SetValue(1, 1, 250);
    const std::string csv = CCsvExport::Format(doc);
    EXPECT_NE(csv.find("\r\nKommentar,,,,,,\"Ohrhörer, \"\"neu\"\"\r\nzweite Zeile\",,\r\n"),
              std::string::npos)
        << csv;
    EXPECT_NE(csv.find(",-12.3,-0.1,,,,,\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",0.0,2.5,,,,,\r\n"), std::string::npos) << csv;
}

TEST_F(CsvExport, BadDocumentOrArgumentsFailWithoutOutput) {
    const std::string out = (m_dir / "out.csv").string();
    std::string err;
    EXPECT_EQ(Run({"--export-csv", out, (m_dir / "fehlt.auvo").string()}, err), 1);
    EXPECT_NE(err.find("konnte nicht geöffnet werden"), std::string::npos) << err;
    std::ofstream(m_dir / "kaputt.auvo", std::ios::binary) << "keine Messung";
    EXPECT_EQ(Run({"--export-csv", out, (m_dir / "kaputt.auvo").string()}, err), 1);
    EXPECT_NE(err.find("Unerwartetes Dateiformat."), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(out));
    EXPECT_FALSE(fs::exists(out + ".part"));

    EXPECT_EQ(Run({"--export-csv", out}, err), 2);
    EXPECT_NE(err.find("Aufruf:"), std::string::npos);
    EXPECT_EQ(
        Run({"--export-csv", (m_dir / "kaputt.auvo").string(), (m_dir / "kaputt.auvo").string()},
            err),
        2);
    EXPECT_EQ(fs::file_size(m_dir / "kaputt.auvo"), 13u);
}
