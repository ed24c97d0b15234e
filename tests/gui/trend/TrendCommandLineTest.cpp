#include "gui/trend/CTrendCommandLine.h"
#include "support/MeasurementFile.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace {

// No application object lives while a run without window makes its own.
class TrendCommandLineTest : public testing::Test {
protected:
    TrendCommandLineTest() {
        MeasurementFile first;
        first.date = "03.02.2025";
        first.left = std::vector<int>(8, -3500);
        first.right = {-300, 0, 0, 0, -1999}; // 19.99 dB worse at 4 kHz: not yet significant
        EXPECT_TRUE(first.Write(Path("a.auvo").toStdString()));
        MeasurementFile second;
        second.date = "01.01.2025"; // older: the reference of the right ear
        second.count = 32;
        second.right = {0, -300}; // the left ear was not tested
        EXPECT_TRUE(second.Write(Path("b.auvo").toStdString()));
        QFile bad(Path("kaputt.auvo"));
        bad.open(QIODevice::WriteOnly);
        bad.write("kein Dokument");
    }
    QString Path(const char* name) const { return QString::fromStdString(folder.File(name)); }
    int Run(const QStringList& args) {
        err.str({});
        return CTrendCommandLine::Run(args, folder.File("auvo"), err);
    }

    TempFolder folder;
    std::ostringstream err;
};

} // namespace

TEST_F(TrendCommandLineTest, WritesCsvPdfAndPngFromTheReadableFiles) {
    const QStringList files = {Path("a.auvo"), Path("kaputt.auvo"), Path("b.auvo")};
    ASSERT_EQ(Run(QStringList{"--export-trend", Path("v.csv")} + files), 0);
    // The bad file is named, the trend is written from the two others.
    EXPECT_NE(err.str().find(Path("kaputt.auvo").toStdString() + " konnte nicht gelesen"),
              std::string::npos);
    QFile csv(Path("v.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    EXPECT_EQ(lines[0], "Datum,Datei,Ohr,Frequenz (Hz),Wert (dB),Änderung (dB),Wesentlich\r");
    EXPECT_EQ(lines[1], "01.01.2025,b.auvo,Links,100,nicht gemessen,,nein\r");
    EXPECT_EQ(lines[1 + 2 * 32], "03.02.2025,a.auvo,Links,250,-35.00,0.00,nein\r");
    EXPECT_EQ(lines[1 + 2 * 32 + 8 + 4], "03.02.2025,a.auvo,Rechts,4000,-19.99,-19.99,nein\r");
    EXPECT_EQ(lines.size(), 1 + 2 * 32 + 2 * 8 + 1);

    EXPECT_EQ(Run({"--export-trend", Path("v.pdf"), Path("a.auvo"), Path("b.auvo")}), 0);
    QFile pdf(Path("v.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_EQ(Run({"--export-trend", Path("v.png"), Path("a.auvo"), Path("b.auvo")}), 0);
    EXPECT_EQ(QImage(Path("v.png")).size(), QSize(1240, 1754)); // A4 at 150 dpi
}

TEST_F(TrendCommandLineTest, TheSampleMeasurementsMakeATrend) {
    const QString examples = QString::fromLocal8Bit(std::getenv("AUVO_SOURCE_DIR")) + "/examples/";
    ASSERT_EQ(Run({"--export-trend", Path("beispiele.csv"), examples + "messung-8-frequenzen.auvo",
                   examples + "messung-32-frequenzen.auvo", examples + "messung-version-100.auvo"}),
              0)
        << err.str();
    QFile csv(Path("beispiele.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    EXPECT_EQ(lines.size(), 1 + 2 * (8 + 32 + 8) + 1);
    EXPECT_TRUE(lines[1].startsWith("15.03.1998,messung-version-100.auvo,Links,250,"));
}

TEST_F(TrendCommandLineTest, ReadsEveryOneOfManyFiles) {
    // Only the hearing values are read: the sample's tones make no sound for each copy.
    const std::string sample =
        std::string(std::getenv("AUVO_SOURCE_DIR")) + "/examples/messung-8-frequenzen.auvo";
    QStringList args = {"--export-trend", Path("viele.csv")};
    for (int i = 0; i < 800; ++i) {
        const std::string copy = folder.File("m" + std::to_string(i) + ".auvo");
        std::filesystem::copy_file(sample, copy);
        args.push_back(QString::fromStdString(copy));
    }
    ASSERT_EQ(Run(args), 0) << err.str();
    EXPECT_EQ(err.str(), "");
    QFile csv(Path("viele.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().count('\n'), 1 + 800 * 2 * 8);
}

TEST_F(TrendCommandLineTest, FailsWithoutWritingAndRefusesBadCalls) {
    // One readable measurement is no trend.
    EXPECT_EQ(Run({"--export-trend", Path("v.csv"), Path("a.auvo"), Path("kaputt.auvo")}), 1);
    EXPECT_NE(err.str().find("mindestens zwei lesbare Messungen"), std::string::npos);
    EXPECT_FALSE(QFile::exists(Path("v.csv")));

    EXPECT_EQ(Run({"--export-trend", Path("v.txt"), Path("a.auvo"), Path("b.auvo")}), 2);
    EXPECT_NE(err.str().find("muss auf .pdf, .png oder .csv enden"), std::string::npos);
    EXPECT_EQ(Run({"--export-trend", Path("v.csv"), "--dpi", Path("a.auvo")}), 2);
    EXPECT_EQ(Run({"--export-trend", Path("v.csv")}), 2);
    EXPECT_NE(err.str().find("Aufruf: auvo --export-trend"), std::string::npos);
    // The output must not be one of the measurements.
    EXPECT_EQ(Run({"--export-trend", Path("a.auvo"), Path("a.auvo"), Path("b.auvo")}), 2);
    EXPECT_FALSE(QFile::exists(Path("v.txt")));
}
