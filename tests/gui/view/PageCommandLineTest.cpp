#include "ViewGuiTestSupport.h"

#include "core/view/CAUVOView.h"
#include "gui/view/CPageCommandLine.h"
#include "gui/view/CPageOutput.h"
#include "gui/view/CPagePrinter.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

#include <sstream>
#include <utility>

namespace {

using namespace viewgui;

// No application object lives while a run without window makes its own.
class PageCommandLineTest : public testing::Test {
protected:
    PageCommandLineTest() {
        WriteIni(folder, "NORMALNULL=-5000\nVIEW_HTD=1\nVIEW_TTD=1\n");
        AppWithDocument data(folder);
        data.Fill();
        data.doc.SetComment("Kommandozeile");
        EXPECT_TRUE(data.doc.OnSaveDocument(Path("messung.auvo").toStdString()));
        // The same page as a view of that document draws it on an A4 export.
        CAUVOView view(&data.app);
        view.SetDocument(&data.doc);
        view.m_bShowHTD = view.m_bShowTTD = true;
        calls = RecordA4(view);
        view.SetDocument(nullptr);
    }

    QString Path(const char* name) const {
        return QString::fromStdString(folder.Path() + "/" + name);
    }
    int Run(const QStringList& args) {
        err.str({});
        return CPageCommandLine::Run(args, folder.Path() + "/auvo", err);
    }
    std::vector<CPoint> ToneCentres() const {
        std::vector<CPoint> centres;
        for (const auto& c : calls)
            if (c.kind == CRecordingDC::Kind::Ellipse)
                centres.emplace_back((c.rect.left + c.rect.right) / 2,
                                     (c.rect.top + c.rect.bottom) / 2);
        return centres;
    }

    TempFolder folder;
    std::vector<CRecordingDC::Call> calls;
    std::ostringstream err;
};

TEST_F(PageCommandLineTest, ExportsPngAndPdfWithTheSettingsOfTheProgramFolder) {
    ASSERT_EQ(Run({"--export-png", Path("a.png"), Path("messung.auvo")}), 0) << err.str();
    const QImage image(Path("a.png"));
    EXPECT_EQ(image.size(), CPageOutput::A4Pixels(150));
    const auto centres = ToneCentres();
    ASSERT_EQ(centres.size(), 2u);
    for (const CPoint& c : centres)
        EXPECT_TRUE(HasColourNear(image, c, kRight) || HasColourNear(image, c, kLeft));

    ASSERT_EQ(Run({"--export-pdf", Path("a.pdf"), Path("messung.auvo")}), 0) << err.str();
    EXPECT_GT(QFile(Path("a.pdf")).size(), 1000);

    // Without the tinnitus row in the settings no tone is drawn.
    WriteIni(folder, "NORMALNULL=-5000\nVIEW_HTD=1\nVIEW_TTD=0\n");
    ASSERT_EQ(Run({"--export-png", Path("b.png"), "--dpi", "100", Path("messung.auvo")}), 0);
    const QImage without(Path("b.png"));
    EXPECT_EQ(without.size(), CPageOutput::A4Pixels(100));
    for (const CPoint& c : centres)
        EXPECT_FALSE(HasColourNear(without, c, kRight) || HasColourNear(without, c, kLeft));
}

TEST_F(PageCommandLineTest, OptionsAreParsedStrictly) {
    CPageCommandLine::Arguments a;
    QString error;
    ASSERT_TRUE(a.Parse({"--export-png", "o.png", "--together", "--dpi", "300", "--normal-curve",
                         "--comparison", "v.auvo", "d.auvo"},
                        error));
    EXPECT_EQ(a.outPath, "o.png");
    EXPECT_EQ(a.documentPath, "d.auvo");
    EXPECT_EQ(a.comparisonPath, "v.auvo");
    EXPECT_EQ(a.dpi, 300);
    EXPECT_TRUE(a.together && a.normalCurve);

    EXPECT_FALSE(a.Parse({"--export-png", "o.png", "--dpi", "0", "d.auvo"}, error));
    EXPECT_FALSE(a.Parse({"--export-png", "o.png", "--dpi", "abc", "d.auvo"}, error));
    EXPECT_FALSE(a.Parse({"--export-pdf", "o.pdf", "--dpi", "150", "d.auvo"}, error));
    EXPECT_FALSE(a.Parse({"--export-pdf", "o.pdf"}, error));
    EXPECT_FALSE(a.Parse({"--export-pdf", "o.pdf", "d.auvo", "--farbe"}, error));
    EXPECT_FALSE(a.Parse({"--export-png", "o.png", "d.auvo", "--comparison"}, error));
    EXPECT_FALSE(a.Parse({"--print"}, error));
    EXPECT_TRUE(a.Parse({"--print", "d.auvo"}, error));
}

TEST_F(PageCommandLineTest, ErrorsAreGermanOnTheErrorStreamWithExitCodeOne) {
    EXPECT_EQ(Run({"--export-png", Path("x.png")}), 1);
    EXPECT_NE(err.str().find("Aufruf: auvo"), std::string::npos);

    EXPECT_EQ(Run({"--export-png", Path("x.png"), Path("fehlt.auvo")}), 1);
    EXPECT_FALSE(err.str().empty());
    EXPECT_FALSE(QFile::exists(Path("x.png")));

    EXPECT_EQ(Run({"--export-pdf", Path("x.pdf"), "--comparison", Path("fehlt.auvo"),
                   Path("messung.auvo")}),
              1);
    EXPECT_FALSE(err.str().empty());

    // A folder that does not exist: the German cause, not Qt's English one.
    for (const auto& [mode, out] :
         {std::pair{"--export-pdf", "fehlt/x.pdf"}, std::pair{"--export-png", "fehlt/x.png"}}) {
        EXPECT_EQ(Run({mode, Path(out), Path("messung.auvo")}), 1);
        EXPECT_NE(err.str().find("Datei nicht gefunden"), std::string::npos) << err.str();
    }
}

TEST_F(PageCommandLineTest, AnExportNeverOverwritesTheDocumentItReads) {
    const qint64 size = QFile(Path("messung.auvo")).size();
    EXPECT_EQ(Run({"--export-png", Path("messung.auvo"), Path("messung.auvo")}), 1);
    EXPECT_NE(err.str().find("nicht überschrieben"), std::string::npos);
    EXPECT_EQ(QFile(Path("messung.auvo")).size(), size);
}

TEST_F(PageCommandLineTest, PrintingWithoutPrinterFailsWithAMessage) {
    if (CPagePrinter::HasPrinter())
        GTEST_SKIP() << "a printer is installed; nothing is printed by the tests";
    EXPECT_EQ(Run({"--print", Path("messung.auvo")}), 1);
    EXPECT_NE(err.str().find("kein Drucker"), std::string::npos) << err.str();
}

} // namespace
