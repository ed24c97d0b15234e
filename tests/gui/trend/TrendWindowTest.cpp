#include "core/app/CommandIds.h"
#include "gui/document/DocumentGuiFixture.h"
#include "gui/trend/CTrendCommand.h"
#include "gui/trend/CTrendWindow.h"
#include "support/MeasurementFile.h"

#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>

namespace {

class TrendWindowTest : public DocumentGuiFixture {
protected:
    void SetUp() override {
        DocumentGuiFixture::SetUp();
        trend = std::make_unique<CTrendCommand>(app, *documents);
        trend->Attach(*frame);
    }
    void TearDown() override {
        trend.reset();
        DocumentGuiFixture::TearDown();
    }
    QString Measurement(const QString& name, const std::string& date, int rightAt4k) {
        MeasurementFile file;
        file.date = date;
        file.right = {-500, 0, 0, 0, rightAt4k}; // tested: not all 0
        EXPECT_TRUE(file.Write(Path(name).toStdString()));
        return Path(name);
    }
    // The window the command opened, taken over by the test.
    std::unique_ptr<CTrendWindow> RunCommand(const QStringList& files) {
        dialogs.fileLists.push_back(files);
        auto before = frame->findChildren<CTrendWindow*>();
        EXPECT_TRUE(Run(ID_HOERTEST_VERLAUF));
        for (CTrendWindow* w : frame->findChildren<CTrendWindow*>())
            if (!before.contains(w))
                return std::unique_ptr<CTrendWindow>(w);
        return nullptr;
    }

    std::unique_ptr<CTrendCommand> trend;
};

} // namespace

TEST_F(TrendWindowTest, MenuCommandShowsTheReadableMeasurementsAndNamesTheOthers) {
    QMenu* menu = frame->MenuOf(ID_HOERTEST_VERLAUF);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("&Hörtest"));
    EXPECT_EQ(frame->Action(ID_HOERTEST_VERLAUF)->text(), QStringLiteral("Hörtest-&Verlauf..."));

    const QString old = Measurement("alt.auvo", "03.02.2025", 0);
    const QString bad = Path("kaputt.auvo");
    QFile(bad).open(QIODevice::WriteOnly);
    QFile(bad).write("kein Dokument");
    // The open document takes part as it is shown, with changes not yet saved.
    const QString open = Measurement("offen.auvo", "01.01.2024", 0);
    dialogs.paths.push_back(open);
    ASSERT_TRUE(documents->OnFileOpen());
    Doc().m_HoertestDaten.SetValue(4, 1, -1500);
    Doc().m_HoertestDaten.SetValue(5, 1, -1200);
    Doc().m_strDatum = "01.06.2025";

    std::unique_ptr<CTrendWindow> window = RunCommand({old, bad, open});
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(dialogs.calls.back().kind, QStringLiteral("open several"));
    EXPECT_EQ(dialogs.calls.back().initial, QString::fromStdString(m_folder.Path()));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Verlauf"));
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(window->Page().Trend().Count(), 2);
    EXPECT_EQ(window->Page().Trend().Summary(1),
              "Rechts: -15 dB bei 4 kHz und -12 dB bei 6 kHz seit 03.02.2025");
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_NE(boxes.Texts()[0].find(bad.toStdString() + " konnte nicht gelesen werden"),
              std::string::npos);

    // Screen and paper draw the same page.
    EXPECT_FALSE(window->PageWidget()->grab().isNull());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path("verlauf.pdf"));
    EXPECT_TRUE(window->PrintOn(printer));
    EXPECT_GT(QFile(Path("verlauf.pdf")).size(), 1000);
    EXPECT_NE(window->findChild<QPushButton*>(QStringLiteral("preview")), nullptr);
}

TEST_F(TrendWindowTest, FewerThanTwoReadableMeasurementsOpenNoWindow) {
    const QString one = Measurement("eins.auvo", "03.02.2025", 0);
    EXPECT_EQ(RunCommand({one, Path("fehlt.auvo")}), nullptr);
    ASSERT_EQ(boxes.Texts().size(), 2u);
    EXPECT_EQ(boxes.Texts()[1],
              "Für einen Verlauf werden mindestens zwei lesbare Messungen gebraucht.");
    // A cancelled dialog says nothing.
    EXPECT_EQ(RunCommand({}), nullptr);
    EXPECT_EQ(boxes.Texts().size(), 2u);
}
