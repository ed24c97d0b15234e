#include "gui/trend/CTrendCommandLine.h"
#include "support/MeasurementFile.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace {

// No application object lives while a run without window makes its own.
class TrendCommandLineTest : public testing::Test {
protected:
    TrendCommandLineTest() {
        MeasurementFile first;
        first.date = "03.02.2025";
        EXPECT_TRUE(first.Write(Path("a.auvo").toStdString()));
        MeasurementFile second;
        second.date = "01.01.2025"; // older: the reference
        second.count = 32;
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
    EXPECT_EQ(lines[1], "01.01.2025,b.auvo,Links,100,0.0,0.0,nein\r");
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
